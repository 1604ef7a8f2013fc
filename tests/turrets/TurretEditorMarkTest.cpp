// The turret editor marks the rows whose tool is not in the library, and keeps them.

#include <gtest/gtest.h>

#include "tests/support/FaultyFileSystem.h"
#include "tests/turrets/TurretFixture.h"
#include "turrets/TrtTol.h"
#include "turrets/TurretEditor.h"

namespace tooling::turrets {
namespace {

using test::Tool;

// Diameter 12.7 (in the library), Diameter 13.7 (not), an empty station, Square 10 (in the
// library, stored by another program as 10.0), an unknown shape code.
const std::vector<StationRow> kRows = {
    {1, "A", "Diameter", {12.7, 12.7, 0, 0}, "0", 1},
    {2, "A", "Diameter", {13.7, 13.7, 0, 0}, "0", 2},
    {3, "", "", {}, "", 3},
    {4, "B", "Square", {10.0, 10, 0, 0}, "45", 1},
    {5, "X", "Unknown", {5, 0, 0, 0}, "0", 4},
};

class TurretEditorMark : public ::testing::Test, public test::TurretFixture {};

// Saving keeps the marked row as it is; Remove Tool and Select Tool take the mark away.
TEST_F(TurretEditorMark, MarksOnlyTheRowsWhoseToolIsNotInTheLibrary) {
    WriteTools('A', {Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{1, 10}, {3, 20}}, {0})});
    WriteTools('B', {Tool('B', "Square", {10, 10, 0, 0}, {{2, 11}}, {0})});
    session.cmd.CurTurret = 1;
    TurretEditor editor(session, [] {});
    const std::vector<bool> none(5, false);
    editor.Open(kRows, "Front", 4);
    EXPECT_EQ(editor.notInLibrary, (std::vector<bool>{false, true, false, false, false}));
    editor.TurretOk_Click();
    EXPECT_EQ(LoadTurret(session, 1), kRows);
    editor.Open(kRows, "Front", 4);
    editor.TurretList_Click(1, 0);
    editor.Removetool_Click();
    EXPECT_EQ(editor.notInLibrary, none);
    editor.Open(kRows, "Front", 4);
    editor.TurretList_Click(1, 0);
    editor.Selectool_Click([this](std::int16_t type) {
        TrtTol dialog(session);
        dialog.Form_Load(type);
        dialog.Form_GotFocus();
        ChooseTool(dialog, 1, 0, -1, -1);
        return dialog.picked;
    });
    EXPECT_EQ(editor.notInLibrary, none);

    // A turret whose tool file cannot be read shows without marks; nothing else was shown.
    test::FaultyFileSystem fs;
    platform::Services faulty{fs, ui, services.printer, services.process};
    core::Session instance(faulty);
    Open(instance, dir.path());
    fs.readFailures = 1;
    TurretEditor shown(instance, [] {});
    shown.Open(kRows, "Front", 4);
    EXPECT_EQ(shown.notInLibrary, none);
    EXPECT_EQ(Shown(), "shown beep\nshown message:\"" + instance.lib.ToolLibPrefix +
                           "A\": Input/output error\n");
    EXPECT_TRUE(shown.frameVisible);
}

}  // namespace
}  // namespace tooling::turrets
