// What the tool commands add for the standard turrets: the edit and delete lists count the
// turrets holding each tool, Delete Tool's question names them, and Edit Tool moves the holding
// stations to the edited tool when asked to.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/ToolFile.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/turrets/TurretFixture.h"
#include "tools/ToolDialog.h"
#include "tools/ToolListPanel.h"

namespace tooling::tools {
namespace {

// Turret "First" holds the 12.7 mm Diameter in T1 and T4, "Second" in T2 (written by another
// program of the suite, with blanks and trailing zeros), "Other" holds the 5 mm one in T1.
class ToolTurrets : public ::testing::Test, public test::TurretFixture {
  protected:
    ToolTurrets() {
        session.win.CurShapeNo = 1;
        session.win.CurShapeCode = "A";
        WriteTools('A', {Tool('A', "Diameter", {5, 5, 0, 0}, {{1, 10}}, {0}),
                         Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{1, 10}}, {0}),
                         Tool('A', "Diameter", {20, 20, 0, 0}, {{1, 10}}, {0})});
        WriteTurret("lkp", "First, 1\r\nOther, 3\r\nSecond, 2\r\n******\r\n");
        const auto turret = [](const std::string& first, const std::string& second,
                               const std::string& fourth) {
            return core::TextFileBytes({first, second, "3,,,0,0,0,0,,3", fourth, "5,,,0,0,0,0,,4"});
        };
        WriteTurret("1", turret("1,A,Diameter,12.7,12.7,0,0,0,1", "2,,,0,0,0,0,,2",
                                "4,A,Diameter,12.7,12.7,0,0,0,1"));
        WriteTurret("2", turret("1,,,0,0,0,0,,1", "2, A, Diameter, 12.70, 12.70, 0, 0, 0, 2",
                                "4,,,0,0,0,0,,1"));
        WriteTurret("3", turret("1,A,Diameter,5,5,0,0,0,1", "2,,,0,0,0,0,,2", "4,,,0,0,0,0,,1"));
        ChangedFiles();
    }
};

// A turret that cannot be read is reported once and the list still shows.
TEST_F(ToolTurrets, TheListsCountTheTurretsAndNameTheirStations) {
    WriteTurret("lkp", "First, 1\r\nOther, 3\r\nSecond, 2\r\nShort, 4\r\n******\r\n");
    WriteTurret("4", "1,,,0,0,0,0,,1\r\n******\r\n");
    ToolListPanel panel(session);
    ASSERT_TRUE(panel.EditTool_Click());
    EXPECT_EQ(panel.turretsHeader, "Turrets");
    std::string shown;
    for (const ToolListLine& line : panel.lines) {
        shown += line.size + "|" + line.turrets + "|" + line.turretStations + "\n";
    }
    EXPECT_EQ(shown, "5|1|Other T1\n12.7|2|First T1, First T4, Second T2\n20||\n");
    EXPECT_EQ(Shown(),
              "shown beep\nshown message:turret \"Short\" cannot be read: "
              "\"<turrets>/Shop.4\": the file holds 1 station lines; the machine has 5 "
              "stations\n");
}

TEST_F(ToolTurrets, DeleteNamesTheHeldToolsAndLeavesTheTurretsAlone) {
    ui.answers = {true};
    ToolListPanel panel(session);
    ASSERT_TRUE(panel.DeleteTool_Click());
    panel.ToolListMult_Click(1, true);
    panel.ToolListMult_Click(2, true);
    panel.ToolOk_Click();
    EXPECT_EQ(Shown(),
              "shown ask:Delete 3 Tool(s) ?\n"
              "shown detail:5: Other T1\n12.7: First T1, First T4, Second T2\n");
    EXPECT_TRUE(library::ReadToolFile(session, 'A').empty());
    EXPECT_EQ(ChangedFiles(), "");
}

// Edit Tool on the 12.7 mm Diameter, typing `size`, answering the update question with `yes`,
// with the turret file that ends in `failOn` refusing to be written.
struct EditCase {
    const char* name;
    const char* size;
    bool yes;
    const char* failOn;
    std::string shown;
    std::string changed;  // the turrets holding the new size
};

class EditToolFollowedByTurrets : public ToolTurrets,
                                  public ::testing::WithParamInterface<EditCase> {};

TEST_P(EditToolFollowedByTurrets, RewritesTheHoldingStationsOnYes) {
    const EditCase& c = GetParam();
    test::FaultyFileSystem fs;
    fs.failOn = c.failOn;
    ui.answers = {c.yes};
    platform::Services faulty{fs, ui, services.printer, services.process};
    core::Session instance(faulty);
    Open(instance, dir.path());
    instance.win = session.win;
    instance.cmd.EditRecNo = 2;

    ToolDialog dialog(instance);
    dialog.Form_Load();
    dialog.boxTexts[0] = c.size;
    dialog.InptOk_Click();
    EXPECT_TRUE(dialog.closed);
    EXPECT_EQ(Shown(), c.shown);
    EXPECT_EQ(library::ReadToolFile(session, 'A')[1].Dims[0], std::stof(c.size));
    std::string changed;
    for (const std::string ext : {"1", "2", "3"}) {
        changed += ReadTurret(ext).find("13.7") != std::string::npos ? ext : "";
    }
    EXPECT_EQ(changed, c.changed);
}

const std::string kQuestion =
    "shown ask-yes:Update 3 Turret Station(s) ?\nshown detail:First T1, First T4, Second T2\n";

INSTANTIATE_TEST_SUITE_P(
    Answers, EditToolFollowedByTurrets,
    ::testing::Values(
        EditCase{"Yes", "13.7", true, "", kQuestion, "12"},
        EditCase{"No", "13.7", false, "", kQuestion, ""},
        EditCase{"SameSize", "12.7", true, "", "", ""},
        EditCase{"SecondLocked", "13.7", true, "Shop.2",
                 kQuestion + "shown beep\nshown message:Turret \"Second\" Could Not Be Updated !\n",
                 "1"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tooling::tools
