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

using test::Tool;

class ToolTurrets : public ::testing::Test, public test::TurretFixture {};

// The Edit Tool list with a turret that cannot be read, then Edit Tool on the 12.7 mm Diameter
// typing each size, answering the update question and with the turret file that contains
// `locked` refusing to be written, then Delete Tool on two tools. Turret "First" holds the
// 12.7 mm Diameter in T1 and T4, "Second" in T2 (written by another program of the suite, with
// blanks and trailing zeros), "Other" holds the 5 mm one in T1.
TEST_F(ToolTurrets, ListEditAndDeleteFollowTheTurrets) {
    session.win.CurShapeNo = 1;
    session.win.CurShapeCode = "A";
    WriteTools('A', {Tool('A', "Diameter", {5, 5, 0, 0}, {{1, 10}}, {0}),
                     Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{1, 10}}, {0}),
                     Tool('A', "Diameter", {20, 20, 0, 0}, {{1, 10}}, {0})});
    const auto turret = [](const std::string& first, const std::string& second,
                           const std::string& fourth) {
        return core::TextFileBytes({first, second, "3,,,0,0,0,0,,3", fourth, "5,,,0,0,0,0,,4"});
    };
    WriteTurret("1", turret("1,A,Diameter,12.7,12.7,0,0,0,1", "2,,,0,0,0,0,,2",
                            "4,A,Diameter,12.7,12.7,0,0,0,1"));
    WriteTurret("2", turret("1,,,0,0,0,0,,1", "2, A, Diameter, 12.70, 12.70, 0, 0, 0, 2",
                            "4,,,0,0,0,0,,1"));
    WriteTurret("3", turret("1,A,Diameter,5,5,0,0,0,1", "2,,,0,0,0,0,,2", "4,,,0,0,0,0,,1"));
    WriteTurret("lkp", "First, 1\r\nOther, 3\r\nSecond, 2\r\nShort, 4\r\n******\r\n");
    WriteTurret("4", "1,,,0,0,0,0,,1\r\n******\r\n");
    ToolListPanel list(session);
    std::string log = list.EditTool_Click() ? "== list\n" : "== no list\n";
    for (const ToolListLine& line : list.lines) {
        log += line.size + "|" + line.turrets + "|" + line.turretStations + "\n";
    }
    log += Shown();
    WriteTurret("lkp", "First, 1\r\nOther, 3\r\nSecond, 2\r\n******\r\n");
    ChangedFiles();

    test::FaultyFileSystem fs;
    platform::Services faulty{fs, ui, services.printer, services.process};
    core::Session instance(faulty);
    Open(instance, dir.path());
    instance.win = session.win;
    instance.cmd.EditRecNo = 2;
    for (const auto& [size, yes, locked] : {std::tuple("12.7", true, ""),
                                            {"13.7", false, ""},
                                            {"12.7", true, ""},
                                            {"13.7", true, "Shop.2"},
                                            {"14.7", true, ""}}) {
        log += std::string("== edit to ") + size + (yes ? ", yes" : ", no") +
               (*locked != 0 ? ", locked " : "") + locked + "\n";
        fs.failOn = locked;
        ui.answers = {yes};
        ToolDialog dialog(instance);
        dialog.Form_Load();
        dialog.boxTexts[0] = size;
        dialog.InptOk_Click();
        log += (dialog.closed ? "" : "still open\n") + Shown() + ChangedFiles();
    }

    log += "== delete\n";
    ui.answers = {true};
    ASSERT_TRUE(list.DeleteTool_Click());
    list.ToolListMult_Click(1, true);
    list.ToolListMult_Click(2, true);
    list.ToolOk_Click();
    log += Shown() + ChangedFiles() + std::to_string(library::ReadToolFile(session, 'A').size()) +
           " tools left\n";
    test::ExpectTranscript(log);
}

}  // namespace
}  // namespace tooling::tools
