#include "tools/ToolSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/DataRows.h"
#include "tests/support/LibraryFixture.h"
#include "tests/tools/Transcript.h"

namespace tooling::tools {
namespace {

class ToolSettingsTest : public TranscriptTest {
  protected:
    ToolSettingsTest() : session(fixture.session) {
        session.inst.ProgramDir = fixture.dir.path() + "Program/";
        session.machine.SettingsProgName = "KesSet";
        session.lib.MaterialName = "Mild Steel";
        test::WriteFile(Program(), "settings program stand-in\n");
        // The program keeps what it found in the exchange file and leaves `reply` there.
        fixture.fakes.process.whileRunning = [this](const std::string&) {
            log += " run";
            found = test::ReadFile(Exchange());
            if (reply) {
                test::WriteFile(Exchange(), *reply);
            }
        };
    }

    std::string Program() const { return session.inst.ProgramDir + "KesSet.exe"; }
    std::string Exchange() const { return session.inst.ProgramDir + "Settings.cfg"; }

    std::int32_t Run(int code, std::int32_t settingsNo) {
        return RunToolSettings(session, code, settingsNo,
                               [this](bool on) { log += on ? " on" : " off"; });
    }

    // Notes the step's result, the dialog's enabling and the program's runs, what the program
    // found, the messages, and an exchange file left behind.
    void Note(const std::string& step, std::int32_t result) {
        std::replace(found.begin(), found.end(), '\r', '|');
        std::replace(found.begin(), found.end(), '\n', '|');
        transcript += step + ": " + std::to_string(result) + log + " found " + found;
        NoteEvents(fixture.ui.events, session.inst.ProgramDir);
        transcript += test::FileExists(Exchange()) ? " file left\n" : "\n";
        found.clear();
        log.clear();
    }

    test::LibraryFixture fixture;
    core::Session& session;
    std::optional<std::string> reply;
    std::string found;
    std::string log;
};

TEST_F(ToolSettingsTest, ToolRunWritesTheExchangeFileAndReadsTheNumberBack) {
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "settings-exchange.txt")) {
        reply = row.fields[0] == "none" ? std::nullopt : std::optional(row.fields[0]);
        Note("line " + std::to_string(row.line), Run(5, std::stoi(row.fields.at(1))));
    }
    EXPECT_EQ(fixture.fakes.process.started, std::vector<std::string>(12, Program()));
}

TEST_F(ToolSettingsTest, MainWindowRunAndRunsThatFail) {
    reply = " 5 \r\nMild Steel\r\n 12 \r\n******\r\n";
    Note("main window run", RunMainToolSettings(session));
    EXPECT_EQ(fixture.fakes.process.started, std::vector<std::string>{Program()});

    std::filesystem::remove(Program());
    Note("no program, tool run", Run(5, 9));
    Note("no program, main window run", RunMainToolSettings(session));
    test::WriteFile(Program(), "settings program stand-in\n");
    fixture.fs.failOn = "Settings.cfg";
    Note("exchange file unwritable, tool run", Run(5, 0));
    Note("exchange file unwritable, main window run", RunMainToolSettings(session));
    EXPECT_EQ(fixture.fakes.process.started.size(), 1U);

    fixture.fs.failOn.clear();
    fixture.fakes.process.whileRunning = [this](const std::string&) {
        std::filesystem::remove(Exchange());
    };
    Note("program removes the file", Run(5, 9));
    fixture.fakes.process.starts = false;
    Note("program does not start", Run(5, 9));
}

}  // namespace
}  // namespace tooling::tools
