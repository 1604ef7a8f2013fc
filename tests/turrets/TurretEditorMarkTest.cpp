// The turret editor marks the rows whose tool is not in the library, and keeps them.

#include <gtest/gtest.h>

#include "tests/support/FaultyFileSystem.h"
#include "tests/turrets/TurretFixture.h"
#include "turrets/TrtTol.h"
#include "turrets/TurretEditor.h"

namespace tooling::turrets {
namespace {

class TurretEditorMark : public ::testing::Test, public test::TurretFixture {
  protected:
    TurretEditorMark() {
        WriteTools('A', {Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{1, 10}, {3, 20}}, {0})});
        WriteTools('B', {Tool('B', "Square", {10, 10, 0, 0}, {{2, 11}}, {0})});
    }

    // Diameter 12.7 (in the library), Diameter 13.7 (not), an empty station, Square 10 (in the
    // library, stored by another program as 10.0), an unknown shape code.
    const std::vector<StationRow> rows = {
        {1, "A", "Diameter", {12.7, 12.7, 0, 0}, "0", 1},
        {2, "A", "Diameter", {13.7, 13.7, 0, 0}, "0", 2},
        {3, "", "", {}, "", 3},
        {4, "B", "Square", {10.0, 10, 0, 0}, "45", 1},
        {5, "X", "Unknown", {5, 0, 0, 0}, "0", 4},
    };
    TurretEditor editor{session, [] {}};
};

TEST_F(TurretEditorMark, MarksOnlyTheRowsWhoseToolIsNotInTheLibrary) {
    session.cmd.CurTurret = 1;
    editor.Open(rows, "Front", 4);
    EXPECT_EQ(editor.notInLibrary, (std::vector<bool>{false, true, false, false, false}));
    EXPECT_TRUE(ui.events.empty());

    // Saving keeps the marked row as it is; Remove Tool and Select Tool take the mark away.
    editor.TurretOk_Click();
    EXPECT_EQ(LoadTurret(session, 1), rows);
    editor.Open(rows, "Front", 4);
    editor.TurretList_Click(1, 0);
    editor.Removetool_Click();
    EXPECT_EQ(editor.notInLibrary, (std::vector<bool>{false, false, false, false, false}));
    editor.Open(rows, "Front", 4);
    editor.TurretList_Click(1, 0);
    editor.Selectool_Click([this](std::int16_t type) {
        TrtTol dialog(session);
        dialog.Form_Load(type);
        dialog.Form_GotFocus();
        dialog.shapeList.selected = 1;
        dialog.ShapeList_Click();
        dialog.sizeList.selected = 0;
        dialog.SizeList_Click();
        dialog.InptOk_Click();
        return dialog.picked;
    });
    EXPECT_EQ(editor.columns[3][1], "10");
    EXPECT_EQ(editor.notInLibrary, (std::vector<bool>{false, false, false, false, false}));
}

TEST_F(TurretEditorMark, ATurretWithAnUnreadableToolFileShowsWithoutMarks) {
    test::FaultyFileSystem fs;
    fs.readFailures = 1;
    test::FakeUi faultyUi;
    platform::Services faulty{fs, faultyUi, services.printer, services.process};
    core::Session instance(faulty);
    instance.inst = session.inst;
    instance.machine = session.machine;
    instance.lib = session.lib;
    TurretEditor shown(instance, [] {});
    shown.Open(rows, "Front", 4);
    EXPECT_EQ(shown.notInLibrary, (std::vector<bool>(5, false)));
    EXPECT_EQ(faultyUi.events,
              (std::vector<std::string>{
                  "beep", "message:\"" + instance.lib.ToolLibPrefix + "A\": Input/output error"}));
    EXPECT_TRUE(shown.frameVisible);
}

}  // namespace
}  // namespace tooling::turrets
