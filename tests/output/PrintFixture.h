#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "core/Session.h"
#include "core/Text.h"
#include "library/ToolRec.h"
#include "platform/Services.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/FakeUi.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/GoldenText.h"
#include "tests/support/RecordingPage.h"
#include "tests/support/TempDir.h"

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

    // A tool in the station types given (each with its kind from the table above) at the angles
    // given.
    library::ToolRec Tool(std::array<float, 4> dims, std::vector<int> types,
                          std::vector<float> angles = {}) const {
        library::ToolRec rec;
        rec.Dims = dims;
        for (std::size_t i = 0; i < types.size(); ++i) {
            const auto type = static_cast<std::size_t>(types[i]);
            rec.Stns[i] = {static_cast<std::int16_t>(types[i]),
                           session.machine.StationTable[type].kind};
        }
        std::copy(angles.begin(), angles.end(), rec.Angles.begin());
        return rec;
    }
    library::ToolRec Special(const std::string& name, std::vector<int> types) const {
        library::ToolRec rec = Tool({10, 10, 0, 0}, std::move(types), {0});
        rec.Descr = library::PaddedDescr(name);
        return rec;
    }

    void WriteTools(char code, const std::vector<library::ToolRec>& recs) const {
        std::string bytes;
        for (library::ToolRec rec : recs) {
            rec.Shape = code;
            bytes += library::ToolRecBytes(rec);
        }
        WriteFile(session.lib.ToolLibPrefix + code, bytes);
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
