#pragma once

#include <algorithm>
#include <cstdint>
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
#include "tests/support/RecordingPage.h"
#include "tests/support/TempDir.h"
#include "tests/support/ToolRows.h"

namespace tooling::test {

// A library "Shop" in a temporary folder, on a machine with these station types:
//   1 "A Station" kind 10, 2 "B Station" kind 11, 3 "B Index" kind 20 (an index station).
class PrintFixture {
  public:
    static void ExpectTranscript(const std::string& text) {
        ExpectGolden(GoldenOfThisTest(TOOLING_GOLDEN_DIR), text);
    }

    PrintFixture() : session(services) {
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

    // Writes the tool files of the library from the data file golden/tools/<name>.txt.
    void WriteToolRows(const std::string& name) const {
        WriteToolFiles(session.lib.ToolLibPrefix,
                       ToolRowsOf(std::string(TOOLING_GOLDEN_DIR) + "/tools/" + name + ".txt"));
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

    TempDir dir;
    FaultyFileSystem fs;
    FakeUi ui;
    RecordingPage page;
    FakeProcess process;
    platform::Services services{fs, ui, page, process};
    core::Session session;
};

}  // namespace tooling::test
