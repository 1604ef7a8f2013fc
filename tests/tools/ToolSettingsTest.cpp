#include "tools/ToolSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/support/DataRows.h"
#include "tests/support/LibraryFixture.h"

namespace tooling::tools {
namespace {

class ToolSettingsTest : public ::testing::Test {
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

    test::LibraryFixture fixture;
    core::Session& session;
    std::optional<std::string> reply;
    std::string found;
    std::string log;
};

TEST_F(ToolSettingsTest, ToolRunWritesTheExchangeFileAndReadsTheNumberBack) {
    std::size_t runs = 0;
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "settings-exchange.txt")) {
        reply = row.fields[0] == "none" ? std::nullopt : std::optional(row.fields[0]);
        log.clear();
        EXPECT_EQ(Run(5, std::stoi(row.fields.at(1))), std::stoi(row.fields.at(3)))
            << "line " << row.line;
        EXPECT_EQ(found, row.fields.at(2));
        EXPECT_EQ(log, " off run on");
        EXPECT_FALSE(test::FileExists(Exchange()));
        ++runs;
    }
    EXPECT_EQ(fixture.fakes.process.started, std::vector<std::string>(runs, Program()));
    EXPECT_TRUE(fixture.ui.events.empty());
}

TEST_F(ToolSettingsTest, ProgramThatRemovesTheFileOrCannotStartKeepsTheNumber) {
    fixture.fakes.process.whileRunning = [this](const std::string&) {
        std::filesystem::remove(Exchange());
    };
    EXPECT_EQ(Run(5, 9), 9);
    fixture.fakes.process.starts = false;
    EXPECT_EQ(Run(5, 9), 9);
    EXPECT_FALSE(test::FileExists(Exchange()));
    EXPECT_EQ(log, " off on off on");
}

TEST_F(ToolSettingsTest, MainWindowRunHandsOverTheCodeFourAndReadsNothing) {
    reply = " 5 \r\nMild Steel\r\n 12 \r\n******\r\n";
    EXPECT_TRUE(RunMainToolSettings(session));
    EXPECT_EQ(found, "4\r\n******\r\n");
    EXPECT_FALSE(test::FileExists(Exchange()));
    EXPECT_EQ(fixture.fakes.process.started, std::vector<std::string>{Program()});
    EXPECT_TRUE(fixture.ui.events.empty());
}

TEST_F(ToolSettingsTest, MissingProgramOrUnwritableFileIsRefused) {
    const std::vector<std::string> unavailable = {"beep",
                                                  "message:Tool Settings are Unavailable !"};
    std::filesystem::remove(Program());
    EXPECT_EQ(Run(5, 9), 1);
    EXPECT_EQ(fixture.ui.events, unavailable);
    fixture.ui.events.clear();
    EXPECT_FALSE(RunMainToolSettings(session));
    EXPECT_EQ(fixture.ui.events, unavailable);
    EXPECT_FALSE(test::FileExists(Exchange()));

    test::WriteFile(Program(), "settings program stand-in\n");
    fixture.fs.failOn = "Settings.cfg";
    const std::vector<std::string> refused = {"beep",
                                              "message:\"" + Exchange() + "\": Permission denied"};
    fixture.ui.events.clear();
    EXPECT_EQ(Run(5, 0), 1);
    EXPECT_EQ(fixture.ui.events, refused);
    fixture.ui.events.clear();
    EXPECT_FALSE(RunMainToolSettings(session));
    EXPECT_EQ(fixture.ui.events, refused);
    EXPECT_TRUE(fixture.fakes.process.started.empty());
}

}  // namespace
}  // namespace tooling::tools
