#include "turrets/TurretEditor.h"

#include <gtest/gtest.h>

#include "tests/turrets/TurretFixture.h"
#include "turrets/TrtTol.h"

namespace tooling::turrets {
namespace {

using Events = std::vector<std::string>;

class TurretEditorTest : public ::testing::Test, public test::TurretFixture {
  protected:
    TurretEditorTest() {
        WriteTools('A', {Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{1, 10}, {3, 20}}, {0})});
        WriteTools('B', {Tool('B', "Square", {10, 10, 0, 0}, {{2, 11}, {3, 20}}, {0, 22.5F})});
        WriteTools('S', {Tool('S', "Logo Punch", {25.5F, 30, 0, 0}, {{4, 12}}, {90})});
    }

    // Line r of the five columns, joined by "|".
    std::string Line(std::size_t r) const {
        std::string line;
        for (std::size_t c = 0; c < 5; ++c) {
            line += (c == 0 ? "" : "|") + editor.columns[c][r];
        }
        return line;
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (std::size_t r = 0; r < editor.rows().size(); ++r) {
            lines.push_back(Line(r));
        }
        return lines;
    }
    // The Tooling dialog as a user works it: the shape, size, station and angle lines (-1 for
    // none), then Ok; or Cancel when `shape` is -1.
    RunTrtTol Dialog(int shape, int size, int station, int angle) {
        return [=, this](std::int16_t stationType) {
            TrtTol dialog(session);
            dialog.Form_Load(stationType);
            dialog.Form_GotFocus();
            if (shape < 0) {
                dialog.InptCncl_Click();
                return dialog.picked;
            }
            dialog.shapeList.selected = shape;
            dialog.ShapeList_Click();
            if (size >= 0) {
                dialog.sizeList.selected = size;
                dialog.SizeList_Click();
            }
            if (station >= 0) {
                dialog.stnList.selected = station;
                dialog.StnList_Click();
            }
            if (angle >= 0) {
                dialog.angList.selected = angle;
            }
            dialog.InptOk_Click();
            return dialog.picked;
        };
    }
    void Select(int line) { editor.TurretList_Click(line, 0); }

    int closings = 0;
    TurretEditor editor{session, [this] { ++closings; }};
};

TEST_F(TurretEditorTest, ShowsEachRowInFiveColumns) {
    const std::vector<StationRow> rows = {
        {1, "A", "Diameter", {12.7, 12.7, 0, 0}, "0", 1},
        {2, "B", "Square", {10, 10, 0, 0}, "45", 2},
        {3, "C", "Rad-Square", {10, 10, 0, 2}, "idx", 3},
        {4, "D", "Rectangle", {20, 10, 0, 0}, "90", 1},
        {5, "E", "Rad-Rect", {20, 10, 0, 2.5}, "0", 4},
        {1, "F", "Obround", {20, 10, 0, 0}, "0", 1},
        {1, "G", "Single-D", {12, 10, 0, 0}, "0", 1},
        {1, "H", "Double-D", {12, 8, 0, 0}, "0", 1},
        {1, "I", "Cannon-D", {12, 9, 0, 0}, "0", 1},
        {1, "J", "Hexagon", {10, 11.547, 0, 0}, "30", 1},
        {1, "K", "Keyway", {25.4, 10, -4, 0}, "0", 1},
        {1, "L", "Louvre", {30, 6, 0, 0}, "0", 1},
        {1, "M", "Cruciform", {30, 30, 5, 1.5}, "0", 1},
        {1, "S", "Logo Punch", {25, 30, 0, 0}, "90", 1},
        {1, "X", "Unknown", {5, 0, 0, 0}, "45", 1},
        {9, "", "", {}, "7", 0},
    };
    editor.Open(rows, " Front ", 3);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "T1|A Station|Diameter|12.7|0",
                           "T2|B Station|Square|10|45",
                           "T3|B Index|Rad-Square|10r2|idx",
                           "T4|A Station|Rectangle|20x10|90",
                           "T5|C Station|Rad-Rect|20x10r2.5|0",
                           "T1|A Station|Obround|20x10|0",
                           "T1|A Station|Single-D|12x10|0",
                           "T1|A Station|Double-D|12x8|0",
                           "T1|A Station|Cannon-D|12x9|0",
                           "T1|A Station|Hexagon|10|30",
                           "T1|A Station|Keyway|25.4x10w4|0",
                           "T1|A Station|Louvre|30x6|0",
                           "T1|A Station|Cruciform|30w5r1.5|0",
                           "T1|A Station|Special   |Logo Punch|90",
                           "T1|A Station|||",
                           "||||",
                       }));
    EXPECT_EQ(editor.trtDsc, "Front");
    EXPECT_TRUE(editor.frameVisible && editor.trtDscVisible && editor.buttonsDefault);
    EXPECT_EQ(editor.selected, 0);
    EXPECT_EQ(editor.barMax, 0);
    EXPECT_EQ(TurretEditor::kHeader,
              "STN       TYPE               SHAPE             SIZE                   ANGLE");

    session.machine.ImperialDisplay = true;
    for (const auto& [decimals, expected] : std::vector<std::pair<int, std::vector<std::string>>>{
             {3, {"0.5|0", "0.394|45", "0.394r0.079|idx", "0.787x0.394|90", "0.787x0.394r0.098|0"}},
             {4,
              {"0.5|0", "0.3937|45", "0.3937r0.0787|idx", "0.7874x0.3937|90",
               "0.7874x0.3937r0.0984|0"}}}) {
        editor.Open(rows, "Front", decimals);
        for (std::size_t r = 0; r < expected.size(); ++r) {
            EXPECT_EQ(editor.columns[3][r] + "|" + editor.columns[4][r], expected[r]);
        }
    }
    std::vector<StationRow> many(25, StationRow{1, "", "", {}, "", 1});
    editor.Open(many, "Long", 3);
    EXPECT_EQ(editor.barMax, 6);
}

TEST_F(TurretEditorTest, TheFiveListsMoveAsOne) {
    editor.Open(std::vector<StationRow>(25, StationRow{1, "", "", {}, "", 1}), "Long", 3);
    editor.TurretList_Click(7, 2);
    EXPECT_EQ(std::pair(editor.selected, editor.topLine), std::pair(7, 2));
    session.cmd.SyncBusy = true;
    editor.TurretList_Click(9, 3);
    EXPECT_EQ(editor.selected, 7);
    editor.TurretList_MouseDown(9, 3);
    EXPECT_EQ(std::pair(editor.selected, editor.topLine), std::pair(9, 3));
    session.cmd.SyncBusy = false;
    editor.TurretList_MouseMove(0, 12, 3);
    EXPECT_EQ(editor.selected, 9);
    editor.TurretList_MouseMove(1, 12, 4);
    EXPECT_EQ(std::pair(editor.selected, editor.topLine), std::pair(12, 4));
    editor.TurretBar_Change(6);
    EXPECT_EQ(std::pair(editor.selected, editor.topLine), std::pair(12, 6));
    EXPECT_TRUE(editor.focusList);
}

TEST_F(TurretEditorTest, SelectToolFillsTheRowAndOkSavesIt) {
    session.cmd.CurTurret = 0;
    editor.Open(LoadTurret(session, 0), "Front", 3);
    Select(0);
    editor.Selectool_Click(Dialog(0, 0, -1, -1));  // 12.7 Diameter in station 1
    Select(1);
    editor.Selectool_Click(Dialog(1, 0, -1, 1));  // 10 Square at 22.5 in station 2
    Select(2);
    editor.TurretList_DblClick(2, 0, Dialog(1, 0, -1, -1));  // the Square in the index station
    Select(3);
    editor.Selectool_Click(Dialog(-1, 0, 0, 0));  // cancelled
    Select(4);
    editor.Selectool_Click(Dialog(13, 0, -1, -1));  // the special tool in station 5
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "T1|A Station|Diameter|12.7|0",
                           "T2|B Station|Square|10|22.5",
                           "T3|B Index|Square|10|idx",
                           "T4|A Station|||",
                           "T5|C Station|Special   |Logo Punch|90",
                       }));
    EXPECT_TRUE(editor.focusList && editor.buttonsDefault);

    editor.TurretOk_Click();
    EXPECT_EQ(closings, 1);
    EXPECT_FALSE(editor.frameVisible || editor.trtDscVisible);
    EXPECT_EQ(session.cmd.CurTurret, 1);
    EXPECT_EQ(ReadTurret("lkp"), "Front, 1 \r\n******\r\n");
    EXPECT_EQ(ReadTurret("1"),
              "1,A,Diameter,12.7,12.7,0,0,0,1\r\n"
              "2,B,Square,10,10,0,0,22.5,2\r\n"
              "3,B,Square,10,10,0,0,idx,3\r\n"
              "4,,,0,0,0,0,,1\r\n"
              "5,S,Logo Punch,25.5,30,0,0,90,4\r\n"
              "******\r\n");

    // Opened again by Edit Turret, the same rows; in inches with four decimals.
    session.machine.ImperialDisplay = true;
    editor.Open(LoadTurret(session, 1), "Front", 4);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "T1|A Station|Diameter|0.5|0",
                           "T2|B Station|Square|0.3937|22.5",
                           "T3|B Index|Square|0.3937|idx",
                           "T4|A Station|||",
                           "T5|C Station|Special   |Logo Punch|90",
                       }));
    Select(2);
    editor.Selectool_Click(Dialog(1, 0, -1, -1));
    EXPECT_EQ(Line(2), "T3|B Index|Square|0.394|idx");
}

TEST_F(TurretEditorTest, RemoveToolClearsTheRowUntilOkOrCancel) {
    WriteTurret("lkp", "Front, 1 \r\n******\r\n");
    const std::string front =
        "1,A,Diameter,12.7,12.7,0,0,0,1\r\n2,B,Square,10,10,0,0,45,2\r\n"
        "3,,,0,0,0,0,,3\r\n4,,,0,0,0,0,,1\r\n5,,,0,0,0,0,,4\r\n******\r\n";
    WriteTurret("1", front);
    session.cmd.CurTurret = 1;
    for (const bool ok : {false, true}) {
        editor.Open(LoadTurret(session, 1), "Front", 3);
        Select(1);
        editor.Removetool_Click();
        EXPECT_EQ(Line(1), "T2|B Station|            |            | ");
        ok ? editor.TurretOk_Click() : editor.TurretCncl_Click();
    }
    EXPECT_EQ(closings, 2);
    EXPECT_EQ(ReadTurret("1"),
              "1,A,Diameter,12.7,12.7,0,0,0,1\r\n2, ,            ,0,0,0,0,0,2\r\n"
              "3,,,0,0,0,0,,3\r\n4,,,0,0,0,0,,1\r\n5,,,0,0,0,0,,4\r\n******\r\n");
    EXPECT_EQ(ReadTurret("lkp"), "Front, 1 \r\n******\r\n");
    // The removed row reads back as an empty station.
    EXPECT_EQ(LoadTurret(session, 1)[1], (StationRow{2, "", "", {}, "0", 2}));
}

TEST_F(TurretEditorTest, AToolForAnotherStationTypeChangesNothing) {
    editor.Open(LoadTurret(session, 0), "Front", 3);
    PickedTool square;
    square.valid = -1;
    square.shape = 'B';
    square.description = "Square";
    square.dims = {10, 10, 0, 0};
    square.stationType = 2;
    square.stationKind = 11;
    const auto picks = [&](std::int16_t) { return square; };
    editor.Selectool_Click(picks);
    EXPECT_EQ(Line(0), "T1|A Station|||");
    Select(1);
    editor.Selectool_Click(picks);
    EXPECT_EQ(Line(1), "T2|B Station|Square|10|0");
    square.shape = ' ';
    Select(3);
    editor.Selectool_Click(picks);
    EXPECT_EQ(Line(3), "T4|A Station|||");
}

TEST_F(TurretEditorTest, ASaveThatFailsKeepsThePanelAndWritesNothing) {
    editor.Open(LoadTurret(session, 0), "Front", 3);
    std::filesystem::remove(test::PathOf(Turret("lkp")));
    editor.TurretOk_Click();
    EXPECT_EQ(ui.events, (Events{"beep", "message:\"" + Turret("lkp") + "\": file not found"}));
    EXPECT_EQ(closings, 0);
    EXPECT_TRUE(editor.frameVisible);
    EXPECT_FALSE(test::FileExists(Turret("1")));
}

}  // namespace
}  // namespace tooling::turrets
