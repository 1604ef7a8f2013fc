#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/Session.h"
#include "core/TextFile.h"
#include "library/LibrarySetUp.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestServices.h"
#include "turrets/TrtTol.h"
#include "turrets/TurretCommands.h"

namespace tooling::turrets {
namespace {

using Lines = std::vector<std::string>;

// A copy of the sample installation, started on its metric press and library "Shop Standard",
// whose turrets PRODUCTION (1), Specials (2) and Spare (3) the sample holds.
class SampleTurrets : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy(TOOLING_EXAMPLES_DIR, test::PathOf(dir.path()),
                              std::filesystem::copy_options::recursive);
        test::WriteFile(
            dir.path() + test::Native("Program/Ostrevan.cfg"),
            core::TextFileBytes({dir.path() + test::Native("Program/"),
                                 dir.path() + test::Native("Data/"),
                                 dir.path() + test::Native("Users/"), " 1 ", "Ostrevan"}));
        session.inst.StartDir = dir.path() + test::Native("Program/");
        ASSERT_EQ(library::StartSession(session), core::StartOutcome::Ready);
        ASSERT_EQ(session.lib.LibraryName, "Shop Standard");
    }

    std::string Turret(const std::string& ext) const {
        return test::ReadFile(session.lib.TurretLibPrefix + ext);
    }
    // Line r of the editor's five columns.
    Lines Shown() const {
        Lines shown;
        for (std::size_t r = 0; r < commands.editor.rows().size(); ++r) {
            std::string line;
            for (const std::vector<std::string>& column : commands.editor.columns) {
                line += (line.empty() ? "" : "|") + column[r];
            }
            shown.push_back(line);
        }
        return shown;
    }
    // Selects the list's line that reads `text`.
    static void Pick(TrtTol::Combo& combo, const std::string& text) {
        const auto at = std::find(combo.lines.begin(), combo.lines.end(), text);
        ASSERT_NE(at, combo.lines.end()) << text;
        combo.selected = static_cast<int>(at - combo.lines.begin());
    }
    // In the editor's row of `station`: Select Tool, then shape, size and angle ("" for none) in
    // the Tooling dialog, and its Ok.
    void SelectTool(std::int16_t station, const std::string& shape, const std::string& size,
                    const std::string& angle) {
        commands.editor.TurretList_Click(station - 1, 0);
        commands.editor.Selectool_Click([&](std::int16_t type) {
            TrtTol dialog(session);
            dialog.Form_Load(type);
            dialog.Form_GotFocus();
            Pick(dialog.shapeList, shape);
            dialog.ShapeList_Click();
            Pick(dialog.sizeList, size);
            dialog.SizeList_Click();
            if (!angle.empty()) {
                Pick(dialog.angList, angle);
            }
            dialog.InptOk_Click();
            EXPECT_TRUE(dialog.closed) << shape << " " << size;
            return dialog.picked;
        });
    }
    void Choose(int item, const std::string& name) {
        commands.TurretItem_Click(item);
        const auto at = std::find(commands.listLines.begin(), commands.listLines.end(), name);
        ASSERT_NE(at, commands.listLines.end()) << name;
        commands.listSnglSelected = static_cast<int>(at - commands.listLines.begin());
        commands.ListOk_Click();
    }

    test::TempDir dir;
    test::TestServices services;
    core::Session session{services.services};
    TurretCommands commands{session};
};

TEST_F(SampleTurrets, CreateFillEditDuplicateAndDeleteTurrets) {
    commands.TurretItem_Click(1);
    commands.nameText = "Test Punch";
    commands.NameOk_Click();
    SelectTool(1, "Diameter", "10", "");
    SelectTool(2, "Square", "10", "45");
    SelectTool(3, "Special", "FLANGE NOTCH", "90");
    SelectTool(9, "Square", "20", "");
    const Lines filled = Shown();
    EXPECT_EQ(Lines(filled.begin(), filled.begin() + 4),
              (Lines{"T1|A 12.7mm|Diameter|10|0", "T2|B 31.7mm|Square|10|45",
                     "T3|C 50.8mm|Special   |FLANGE NOTCH|90", "T4|A 12.7mm|||"}));
    EXPECT_EQ(filled[8], "T9|B Index|Square|20|idx");
    commands.editor.TurretOk_Click();
    EXPECT_EQ(session.cmd.CurTurret, 4);
    EXPECT_EQ(Turret("lkp"),
              "PRODUCTION, 1\r\nSpare, 3\r\nSpecials, 2\r\nTest Punch, 4 \r\n******\r\n");
    const std::string punch = Turret("4");
    const Lines saved = core::SplitLines(punch);
    EXPECT_EQ(saved.size(), 21u);
    EXPECT_EQ(Lines(saved.begin(), saved.begin() + 3),
              (Lines{"1,A,Diameter,10,10,0,0,0,1", "2,B,Square,10,10,0,0,45,2",
                     "3,S,FLANGE NOTCH,40,25.5,0,0,90,3"}));
    EXPECT_EQ(saved[8], "9,B,Square,20,20,0,0,idx,5");

    Choose(3, "Test Punch");
    EXPECT_EQ(Shown(), filled);
    commands.editor.TurretCncl_Click();

    Choose(2, "Test Punch");
    commands.nameText = "Test Copy";
    commands.NameOk_Click();
    EXPECT_EQ(Turret("5"), punch);

    commands.TurretItem_Click(4);
    EXPECT_EQ(commands.listLines,
              (Lines{"PRODUCTION", "Spare", "Specials", "Test Copy", "Test Punch"}));
    commands.listMultSelected = {false, true, false, true, false};
    services.ui.answers = {true};
    commands.ListOk_Click();
    EXPECT_EQ(services.ui.events.back(), "wait:off");
    EXPECT_EQ(services.ui.events[services.ui.events.size() - 2],
              "message:2 Turrets Have Been Deleted !");
    EXPECT_EQ(Turret("lkp"), "PRODUCTION, 1\r\nSpecials, 2\r\nTest Punch, 4\r\n******\r\n");
    EXPECT_FALSE(test::FileExists(session.lib.TurretLibPrefix + "3"));
    EXPECT_FALSE(test::FileExists(session.lib.TurretLibPrefix + "5"));
}

}  // namespace
}  // namespace tooling::turrets
