#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/Session.h"
#include "core/Text.h"
#include "platform/Services.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/FakeUi.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/GoldenText.h"
#include "tests/support/NativeFileSystem.h"
#include "tests/support/RecordingPage.h"
#include "tests/support/TempDir.h"
#include "tests/support/ToolRows.h"

namespace tooling::test {

// The real file system with faults to order, whose volumes can be made unready for the next
// `unreadyTests` readiness tests.
class ExportFileSystem : public FaultyFileSystem {
  public:
    bool VolumeReady(std::string_view path) const override {
        if (unreadyTests > 0) {
            --unreadyTests;
            return false;
        }
        return FaultyFileSystem::VolumeReady(path);
    }
    mutable int unreadyTests = 0;
};

// A temporary folder, the real file system with faults to order, and the fakes of what a user
// sees, for a session.
class OutputServices {
  public:
    TempDir dir;
    ExportFileSystem fs;
    FakeUi ui;
    RecordingPage page;
    FakeProcess process;
    platform::Services services{fs, ui, page, process};
    core::Session session{services};
};

// A library "Shop" in a temporary folder with these special tools, in file order:
//
//   name               first station  index entry  drawing file
//   "A/B"              1              6            "drawing 6"
//   "CORNER NOTCH 12"  1              1            none
//   "FLANGE"           1              3            "drawing 3"
//   "LOGO"             none           4            "drawing 4"
//   "NOT INDEXED"      1              none         none
//   "VENT"             1              5            "drawing 5"
//
// and an empty export folder "Out".
class ExportFixture : public OutputServices {
  public:
    ExportFixture() {
        session.inst.ProgramDir = dir.path() + Native("Program/");
        session.machine.MachineDataPrefix = dir.path() + Native("Data/M1.");
        session.lib.ToolLibPrefix = dir.path() + Native("Tools/Shop.");
        WriteToolRows(session.lib.ToolLibPrefix, "Export");
        WriteFile(Tool("lkp"),
                  "CORNER NOTCH 12,1\r\nFLANGE,3\r\nLOGO,4\r\nVENT,5\r\nA/B,6\r\n******\r\n");
        for (const char* number : {"3", "4", "5", "6"}) {
            WriteFile(Tool(number), std::string("drawing ") + number);
        }
        WriteFile(Out("keep"), "");
        WriteFile(dir.path() + Native("Program/Ostrevan.cfg"), "");
        WriteFile(session.machine.MachineDataPrefix + "msr", "METRIC\r\n");
    }

    std::string Tool(const std::string& ext) const { return session.lib.ToolLibPrefix + ext; }
    // A path in the export folder; Out("") is the folder, ending in the separator.
    std::string Out(const std::string& name) const { return dir.path() + Native("Out/") + name; }

    // A text as transcripts show it: "<out>/" for the export folder, "<tools>/" for the tool
    // folder, "<dir>/" for the temporary folder, "/" for every separator; whole paths of its
    // volume and of a drive that is not ready by name.
    std::string Portable(std::string text) const {
        if (text == fs.VolumeOf(dir.path()) || text == UnreadyDrive()) {
            return text == UnreadyDrive() ? "<unready drive>" : "<volume>";
        }
        for (const auto& [path, name] : {std::pair(Out(""), "<out>/"),
                                         {dir.path() + Native("Tools/"), "<tools>/"},
                                         {dir.path(), "<dir>/"}}) {
            text = Replaced(text, path, name);
        }
        std::replace(text.begin(), text.end(), '\\', '/');
        return text;
    }
    // What the user was shown (a file error without the system's own words), the export
    // folder's files with their bytes, the export record and the folder remembered, under
    // `title`.
    std::string Outcome(const std::string& title) {
        std::string text = "== " + title + "\n";
        for (const std::string& event : ui.events) {
            const std::string shown = Portable(event);
            const std::size_t error =
                shown.starts_with("message:\"<") ? shown.find("\": ") : std::string::npos;
            text +=
                "shown " + shown.substr(0, error == std::string::npos ? error : error + 2) + "\n";
        }
        ui.events.clear();
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(PathOf(Out("")))) {
            names.push_back(BytesOf(entry.path().filename()));
        }
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) {
            text += "out " + name + ": " + ReadFile(Out(name)) + "\n";
        }
        const std::string record = session.machine.MachineDataPrefix + "xtl";
        return text + "record " +
               (FileExists(record) ? ShownBytes(Portable(ReadFile(record))) : "none\n") +
               "remembered " + Portable(session.inst.ProgramDrive) + "\n";
    }
};

// A library "Shop" in a temporary folder, on a machine with these station types:
//   1 "A Station" kind 10, 2 "B Station" kind 11, 3 "B Index" kind 20 (an index station).
class PrintFixture : public OutputServices {
  public:
    PrintFixture() {
        session.lib.ToolLibPrefix = dir.path() + "Shop.";
        session.lib.TurretLibPrefix = dir.path() + "Shop.";
        const std::tuple<int, const char*, int> types[] = {
            {1, "A Station", 10}, {2, "B Station", 11}, {3, "B Index", 20}};
        for (const auto& [number, name, kind] : types) {
            core::StationType& type =
                session.machine.StationTable[static_cast<std::size_t>(number)];
            type.number = static_cast<std::int16_t>(number);
            type.name = core::Fixed(name, core::kStationNameWidth);
            type.kind = static_cast<std::int16_t>(kind);
        }
    }

    // What the prints since the last call did, as transcript lines under `title`: the printer's
    // operations, what the user was shown and the orientation the printer was left in.
    std::string Printed(const std::string& title) {
        std::string text = "== " + title + "\n";
        for (const std::string& op : page.ops) {
            text += op + "\n";
        }
        for (const std::string& event : ui.events) {
            text += "shown " + event + "\n";
        }
        page.ops.clear();
        ui.events.clear();
        return text + "left in orientation " + std::to_string(static_cast<int>(page.orientation)) +
               "\n";
    }
};

}  // namespace tooling::test
