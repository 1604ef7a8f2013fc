// What the tool commands add for the standard turrets: the edit and delete lists count the
// turrets holding each tool, Delete Tool's question names them, and Edit Tool moves the holding
// stations to the edited tool when asked to.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "library/ToolFile.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/turrets/TurretFixture.h"
#include "tools/ToolDialog.h"
#include "tools/ToolListPanel.h"

namespace tooling::tools {
namespace {

using library::ToolRec;

// Turret "First" holds the 12.7 mm Diameter in T1 and T4, "Second" in T2 (written by another
// program of the suite, with blanks and trailing zeros), "Other" holds the 5 mm one in T1.
class ToolTurrets : public ::testing::Test, public test::TurretFixture {
  protected:
    ToolTurrets() {
        session.win.CurShapeNo = 1;
        session.win.CurShapeCode = "A";
        WriteTools('A', {d5, d12, d20});
        WriteTurret("lkp", "First, 1\r\nOther, 3\r\nSecond, 2\r\n******\r\n");
        WriteTurret("1", first);
        WriteTurret("2", second);
        WriteTurret("3", other);
    }

    const ToolRec d5 = Tool('A', "Diameter", {5, 5, 0, 0}, {{1, 10}}, {0});
    const ToolRec d12 = Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{1, 10}}, {0});
    const ToolRec d20 = Tool('A', "Diameter", {20, 20, 0, 0}, {{1, 10}}, {0});
    const std::string first =
        core::TextFileBytes({"1,A,Diameter,12.7,12.7,0,0,0,1", "2,,,0,0,0,0,,2", "3,,,0,0,0,0,,3",
                             "4,A,Diameter,12.7,12.7,0,0,0,1", "5,,,0,0,0,0,,4"});
    const std::string second =
        core::TextFileBytes({"1,,,0,0,0,0,,1", "2, A, Diameter, 12.70, 12.70, 0, 0, 0, 2",
                             "3,,,0,0,0,0,,3", "4,,,0,0,0,0,,1", "5,,,0,0,0,0,,4"});
    const std::string other =
        core::TextFileBytes({"1,A,Diameter,5,5,0,0,0,1", "2,,,0,0,0,0,,2", "3,,,0,0,0,0,,3",
                             "4,,,0,0,0,0,,1", "5,,,0,0,0,0,,4"});
};

TEST_F(ToolTurrets, TheListsCountTheTurretsAndNameTheirStations) {
    ToolListPanel panel(session);
    ASSERT_TRUE(panel.EditTool_Click());
    EXPECT_EQ(panel.turretsHeader, "Turrets");
    std::vector<std::string> shown;
    for (const ToolListLine& line : panel.lines) {
        shown.push_back(line.size + "|" + line.turrets + "|" + line.turretStations);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"5|1|Other T1",
                                               "12.7|2|First T1, First T4, Second T2", "20||"}));
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(ToolTurrets, DeleteNamesTheHeldToolsAndLeavesTheTurretsAlone) {
    for (const bool yes : {false, true}) {
        ui.events.clear();
        ui.answers = {yes};
        ToolListPanel panel(session);
        ASSERT_TRUE(panel.DeleteTool_Click());
        panel.ToolListMult_Click(1, true);
        panel.ToolListMult_Click(2, true);
        panel.ToolOk_Click();
        EXPECT_EQ(ui.events, (std::vector<std::string>{
                                 "ask:Delete 3 Tool(s) ?",
                                 "detail:5: Other T1\n12.7: First T1, First T4, Second T2"}));
        EXPECT_EQ(library::ReadToolFile(session, 'A').size(), yes ? 0u : 3u);
        EXPECT_EQ(ReadTurret("1"), first);
        EXPECT_EQ(ReadTurret("2"), second);
        EXPECT_EQ(ReadTurret("3"), other);
    }
}

TEST_F(ToolTurrets, AnUnreadableTurretIsReportedOnceAndTheListStillShows) {
    WriteTurret("2", "1,,,0,0,0,0,,1\r\n******\r\n");
    ToolListPanel panel(session);
    ASSERT_TRUE(panel.EditTool_Click());
    EXPECT_EQ(ui.events, (std::vector<std::string>{
                             "beep", "message:turret \"Second\" cannot be read: \"" + Turret("2") +
                                         "\": the file holds 1 station lines; the machine has 5 "
                                         "stations"}));
    EXPECT_EQ(panel.lines[1].turretStations, "First T1, First T4");
}

// Edit Tool on the 12.7 mm Diameter, typing `size`, answering the update question with `yes`,
// with the turret file that ends in `failOn` refusing to be written.
struct EditCase {
    const char* name;
    const char* size;
    bool yes;
    const char* failOn;
    std::vector<std::string> events;
    bool firstMoved, secondMoved;
};

class EditToolFollowedByTurrets : public ToolTurrets,
                                  public ::testing::WithParamInterface<EditCase> {};

TEST_P(EditToolFollowedByTurrets, RewritesExactlyTheHoldingStationsOnYes) {
    const EditCase& c = GetParam();
    test::FaultyFileSystem fs;
    fs.failOn = c.failOn;
    test::FakeUi faultyUi;
    faultyUi.answers = {c.yes};
    platform::Services faulty{fs, faultyUi, services.printer, services.process};
    core::Session instance(faulty);
    instance.inst = session.inst;
    instance.machine = session.machine;
    instance.lib = session.lib;
    instance.win = session.win;
    instance.cmd.EditRecNo = 2;

    ToolDialog dialog(instance);
    dialog.Form_Load();
    dialog.boxTexts[0] = c.size;
    dialog.InptOk_Click();
    EXPECT_TRUE(dialog.closed);
    EXPECT_EQ(faultyUi.events, c.events);
    EXPECT_EQ(library::ReadToolFile(session, 'A')[1].Dims[0], std::stof(c.size));
    EXPECT_EQ(ReadTurret("1"),
              c.firstMoved
                  ? core::TextFileBytes({"1,A,Diameter,13.7,13.7,0,0,0,1", "2,,,0,0,0,0,,2",
                                         "3,,,0,0,0,0,,3", "4,A,Diameter,13.7,13.7,0,0,0,1",
                                         "5,,,0,0,0,0,,4"})
                  : first);
    EXPECT_EQ(ReadTurret("2"),
              c.secondMoved
                  ? core::TextFileBytes({"1,,,0,0,0,0,,1", "2,A,Diameter,13.7,13.7,0,0, 0, 2",
                                         "3,,,0,0,0,0,,3", "4,,,0,0,0,0,,1", "5,,,0,0,0,0,,4"})
                  : second);
    EXPECT_EQ(ReadTurret("3"), other);
}

const std::vector<std::string> kQuestion = {"ask-yes:Update 3 Turret Station(s) ?",
                                            "detail:First T1, First T4, Second T2"};

INSTANTIATE_TEST_SUITE_P(
    Answers, EditToolFollowedByTurrets,
    ::testing::Values(EditCase{"Yes", "13.7", true, "", kQuestion, true, true},
                      EditCase{"No", "13.7", false, "", kQuestion, false, false},
                      EditCase{"SameSize", "12.7", true, "", {}, false, false},
                      EditCase{"SecondLocked",
                               "13.7",
                               true,
                               "Shop.2",
                               {kQuestion[0], kQuestion[1], "beep",
                                "message:Turret \"Second\" Could Not Be Updated !"},
                               true,
                               false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tooling::tools
