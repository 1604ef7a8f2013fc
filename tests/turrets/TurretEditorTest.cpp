#include "turrets/TurretEditor.h"

#include <gtest/gtest.h>

#include "tests/support/FaultyFileSystem.h"
#include "tests/turrets/TurretFixture.h"
#include "turrets/TrtTol.h"

namespace tooling::turrets {
namespace {

class TurretEditorTest : public ::testing::Test, public test::TurretFixture {
  protected:
    TurretEditorTest() {
        WriteToolRows("TurretEditorTest");
        log = ChangedFiles();
    }

    // What the panel shows, what the user was shown and the files that changed, under `title`.
    void Step(const std::string& title) {
        log += "== " + title + "\n";
        log += Flags({{editor.frameVisible, "frame"},
                      {editor.trtDscVisible, "name"},
                      {editor.buttonsDefault, "default buttons"},
                      {editor.focusList, "focus on the list"}}) +
               "\"" + editor.trtDsc + "\", line " + std::to_string(editor.selected) + ", top " +
               std::to_string(editor.topLine) + " of " + std::to_string(editor.barMax) +
               ", closed " + std::to_string(closings) + ", turret " +
               std::to_string(session.cmd.CurTurret) + "\n" + EditorLines(editor) + Shown() +
               ChangedFiles();
    }
    // The Tooling dialog as a user works it: the shape, size, station and angle lines (-1 for
    // none), then Ok; or Cancel when `shape` is -1.
    RunTrtTol Dialog(int shape, int size, int station, int angle) {
        return [=, this](std::int16_t stationType) {
            TrtTol dialog(session);
            dialog.Form_Load(stationType);
            dialog.Form_GotFocus();
            shape < 0 ? dialog.InptCncl_Click() : ChooseTool(dialog, shape, size, station, angle);
            return dialog.picked;
        };
    }
    void Select(int line) { editor.TurretList_Click(line, 0); }

    std::string log;
    int closings = 0;
    TurretEditor editor{session, [this] { ++closings; }};
};

TEST_F(TurretEditorTest, ShowsEachRowAndSelectToolFillsItOkSavesIt) {
    const std::vector<StationRow> rows = StationRows("EveryShape");
    editor.Open(rows, " Front ", 3);
    Step("every shape");
    session.machine.ImperialDisplay = true;
    for (const int decimals : {3, 4}) {
        editor.Open(rows, "Front", decimals);
        Step("in inches with " + std::to_string(decimals) + " decimals");
    }
    editor.Open(std::vector<StationRow>(25, StationRow{1, "", "", {}, "", 1}), "Long", 3);
    Step("25 rows");
    // The five lists move as one.
    editor.TurretList_Click(7, 2);
    Step("line 7 clicked, 2 on top");
    session.cmd.SyncBusy = true;
    editor.TurretList_Click(9, 3);
    Step("line 9 clicked while the lists are being set up");
    editor.TurretList_MouseDown(9, 3);
    Step("the mouse down on line 9, 3 on top");
    session.cmd.SyncBusy = false;
    editor.TurretList_MouseMove(0, 12, 3);
    Step("the mouse moved to line 12 with no button");
    editor.TurretList_MouseMove(1, 12, 4);
    Step("the mouse moved to line 12 with the button, 4 on top");
    editor.TurretBar_Change(6);
    Step("the bar moved to 6");
    session.machine.ImperialDisplay = false;
    session.cmd.CurTurret = 0;
    editor.Open(LoadTurret(session, 0), "Front", 3);
    Select(0);
    editor.Selectool_Click(Dialog(0, 0, -1, -1));
    Step("a Diameter in station 1");
    Select(1);
    editor.Selectool_Click(Dialog(1, 0, -1, 1));
    Step("a Square at its second angle in station 2");
    Select(2);
    editor.TurretList_DblClick(2, 0, Dialog(1, 0, -1, -1));
    Step("the Square in the index station, by a double click");
    Select(3);
    editor.Selectool_Click(Dialog(-1, 0, 0, 0));
    Step("station 4, the dialog cancelled");
    Select(4);
    editor.Selectool_Click(Dialog(13, 0, -1, -1));
    Step("the special tool in station 5");
    editor.TurretOk_Click();
    Step("Ok");
    session.machine.ImperialDisplay = true;
    editor.Open(LoadTurret(session, 1), "Front", 4);
    Step("opened again in inches with four decimals");
    Select(2);
    editor.Selectool_Click(Dialog(1, 0, -1, -1));
    Step("the Square chosen again in the index station");
    // Only a valid pick of a shape for the station's type fills a row.
    for (const auto& [valid, shape] : {std::pair(0, 'B'), {-1, ' '}, {-1, 'B'}}) {
        const PickedTool square{
            static_cast<std::int16_t>(valid), shape, "Square", {10, 10, 0, 0}, 2, 11};
        for (const int line : {0, 1}) {
            Select(line);
            editor.Selectool_Click([&](std::int16_t) { return square; });
        }
        Step("a pick of validity " + std::to_string(valid) + ", shape '" + shape +
             "' and station type 2 for stations 1 and 2");
    }
    Select(4);
    editor.Removetool_Click();
    Step("station 5's tool removed");
    std::filesystem::remove(test::PathOf(Turret("lkp")));
    session.cmd.CurTurret = 0;
    editor.TurretOk_Click();
    Step("Ok as a new turret without an index");
    editor.TurretCncl_Click();
    Step("Cancel");
    test::ExpectTranscript(log);
}

// Diameter 12.7 (in the library), Diameter 13.7 (not), an empty station, Square 10 (in the
// library, stored by another program as 10.0), an unknown shape code. Saving keeps the marked
// row as it is; Remove Tool and Select Tool take the mark away.
TEST_F(TurretEditorTest, MarksOnlyTheRowsWhoseToolIsNotInTheLibrary) {
    const std::vector<StationRow> rows = {
        {1, "A", "Diameter", {12.7, 12.7, 0, 0}, "0", 1},
        {2, "A", "Diameter", {13.7, 13.7, 0, 0}, "0", 2},
        {3, "", "", {}, "", 3},
        {4, "B", "Square", {10.0, 10, 0, 0}, "45", 1},
        {5, "X", "Unknown", {5, 0, 0, 0}, "0", 4},
    };
    session.cmd.CurTurret = 1;
    const std::vector<bool> none(5, false);
    editor.Open(rows, "Front", 4);
    EXPECT_EQ(editor.notInLibrary, (std::vector<bool>{false, true, false, false, false}));
    editor.TurretOk_Click();
    EXPECT_EQ(LoadTurret(session, 1), rows);
    editor.Open(rows, "Front", 4);
    Select(1);
    editor.Removetool_Click();
    EXPECT_EQ(editor.notInLibrary, none);
    editor.Open(rows, "Front", 4);
    Select(1);
    editor.Selectool_Click(Dialog(1, 0, -1, 0));
    EXPECT_EQ(editor.notInLibrary, none);

    // A turret whose tool file cannot be read shows without marks; nothing else was shown.
    test::FaultyFileSystem fs;
    platform::Services faulty{fs, ui, services.printer, services.process};
    core::Session instance(faulty);
    Open(instance, dir.path());
    fs.readFailures = 1;
    TurretEditor shown(instance, [] {});
    shown.Open(rows, "Front", 4);
    EXPECT_EQ(shown.notInLibrary, none);
    EXPECT_EQ(Shown(), "shown beep\nshown message:\"" + instance.lib.ToolLibPrefix +
                           "A\": Input/output error\n");
    EXPECT_TRUE(shown.frameVisible);
}

}  // namespace
}  // namespace tooling::turrets
