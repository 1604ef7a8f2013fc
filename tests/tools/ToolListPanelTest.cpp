#include "tools/ToolListPanel.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/Text.h"
#include "library/ToolFile.h"
#include "numeric/NumText.h"
#include "tests/support/DataRows.h"
#include "tests/support/LibraryFixture.h"
#include "tests/support/ToolRecords.h"
#include "tools/ToolShapes.h"

namespace tooling::tools {
namespace {

using library::ToolRec;

// A tool whose first dimension is `dim1`; its settings number tells it apart.
ToolRec Tool(char shape, float dim1, std::int32_t id) {
    ToolRec rec;
    rec.Shape = shape;
    rec.Descr = library::PaddedDescr("Tool");
    rec.Dims = {dim1, dim1, 0, 0};
    rec.Stns[0] = {1, 10};
    rec.Angles[0] = 0;
    rec.SettingsNo = id;
    return rec;
}

ToolRec Special(const std::string& name, std::int32_t id) {
    ToolRec rec = Tool('S', 12, id);
    rec.Descr = library::PaddedDescr(name);
    return rec;
}

class ToolListPanelTest : public ::testing::Test {
  protected:
    ToolListPanelTest() : session(fixture.session), panel(session) {
        session.lib.ToolLibPrefix = fixture.ToolPath("Shop.");
        core::StationType& type = session.machine.StationTable[1];
        type.number = 1;
        type.name = core::Fixed("A Station", core::kStationNameWidth);
        type.kind = 10;
    }

    void Shape(std::int16_t shapeNo) {
        session.win.CurShapeNo = shapeNo;
        session.win.CurShapeCode =
            shapeNo == kRouterShapeNo
                ? "A"
                : std::string(1, kShapes[static_cast<std::size_t>(shapeNo - 1)].code);
    }

    void WriteTools(char shape, const std::vector<ToolRec>& recs) {
        test::WriteFile(fixture.ToolPath(std::string("Shop.") + shape), test::ToolFileBytes(recs));
    }

    // The settings numbers of the file's tools, in file order.
    std::string Ids(char shape) const {
        std::string ids;
        for (const ToolRec& rec : library::ReadToolFile(session, shape)) {
            ids += (ids.empty() ? "" : " ") + std::to_string(rec.SettingsNo);
        }
        return ids;
    }

    // What the panel shows: caption, mode, bar range, then each line as its record number, its
    // columns and "*" when selected.
    std::string Shown() const {
        std::string text = (panel.visible ? "" : "hidden ") + panel.caption + " mode " +
                           std::to_string(static_cast<int>(panel.mode)) + " bar 0.." +
                           std::to_string(panel.barMax);
        for (std::size_t i = 0; i < panel.lines.size(); ++i) {
            const ToolListLine& line = panel.lines[i];
            text += " [" + std::to_string(panel.ListRecNo[i]) + " " + line.size + "|" +
                    line.stations + "|" + line.angles + (panel.selected[i] ? "*" : "") + "]";
        }
        return text;
    }

    std::vector<std::string>& Events() { return fixture.ui.events; }

    test::LibraryFixture fixture;
    core::Session& session;
    ToolListPanel panel;
};

TEST_F(ToolListPanelTest, EditAndDeleteListTheValidToolsOfTheShape) {
    WriteTools('B', {Tool('B', 10, 1), Tool('B', 0, 2), Tool('B', 20, 3), Tool('B', 1000, 4),
                     Tool('B', 30, 5)});
    WriteTools('A', {Tool('A', 6, 1)});
    WriteTools('C', {Tool('C', 0.1F, 1), Tool('C', 8, 2)});
    WriteTools('S', {Special("Hook", 1), Special("", 2)});
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "panel-lists.txt")) {
        const auto shapeNo = static_cast<std::int16_t>(std::stoi(row.fields[0]));
        const bool edit = row.fields.at(1) == "edit";
        Shape(shapeNo);
        session.cmd.EditRecNo = 9;
        EXPECT_TRUE(edit ? panel.EditTool_Click() : panel.DeleteTool_Click());
        EXPECT_EQ(Shown(), row.fields.at(2)) << "line " << row.line;
        EXPECT_EQ(panel.header, ListHeader(shapeNo));
        EXPECT_EQ(panel.MultiSelect(), !edit);
        panel.ToolCncl_Click();
        EXPECT_EQ(Shown().substr(0, 7), "hidden ");
        EXPECT_EQ(panel.mode, ListMode::None);
        EXPECT_EQ(session.cmd.EditRecNo, 0);
    }
    EXPECT_TRUE(Events().empty());
}

TEST_F(ToolListPanelTest, NothingToListBeepsAndEndsTheCommand) {
    WriteTools('D', {Tool('D', 0, 1), Tool('D', 1000, 2)});
    Shape(4);
    session.cmd.EditRecNo = 3;
    EXPECT_FALSE(panel.EditTool_Click());
    Shape(5);  // no file at all
    EXPECT_FALSE(panel.DeleteTool_Click());
    EXPECT_EQ(Events(), (std::vector<std::string>{"beep", "beep"}));
    EXPECT_FALSE(panel.visible);
    EXPECT_EQ(panel.mode, ListMode::None);
    EXPECT_EQ(session.cmd.EditRecNo, 0);

    // A file that cannot be read: its error, and no list.
    Shape(4);
    fixture.fs.readFailures = 1;
    EXPECT_FALSE(panel.EditTool_Click());
    EXPECT_EQ(Events().size(), 4U);
    EXPECT_EQ(Events()[2], "beep");
    EXPECT_EQ(Events()[3], "message:\"" + fixture.ToolPath("Shop.D") + "\": Input/output error");
    EXPECT_FALSE(panel.visible);
}

TEST_F(ToolListPanelTest, EditOkOpensTheDialogOfTheChosenRecord) {
    WriteTools('B', {Tool('B', 0, 1), Tool('B', 10, 2), Tool('B', 20, 3)});
    Shape(2);
    ASSERT_TRUE(panel.EditTool_Click());
    panel.ToolListSngl_Click(1);
    panel.ToolListMult_Click(0, true);  // not a list of this mode
    EXPECT_EQ(panel.selected, (std::vector<bool>{false, true}));
    EXPECT_EQ(panel.ToolOk_Click(), PanelAction::OpenToolDialog);
    EXPECT_FALSE(panel.visible);
    EXPECT_EQ(session.cmd.EditRecNo, 3);
    panel.EndCommand();
    EXPECT_EQ(session.cmd.EditRecNo, 0);
    EXPECT_EQ(panel.mode, ListMode::None);

    // A double click chooses its line and acts as Ok.
    ASSERT_TRUE(panel.EditTool_Click());
    EXPECT_EQ(panel.ToolListSngl_DblClick(0), PanelAction::OpenToolDialog);
    EXPECT_EQ(session.cmd.EditRecNo, 2);
    panel.EndCommand();

    // No line chosen: the beep, and the panel closes.
    ASSERT_TRUE(panel.EditTool_Click());
    panel.selected.assign(panel.selected.size(), false);
    EXPECT_EQ(panel.ToolOk_Click(), PanelAction::None);
    EXPECT_EQ(Events(), std::vector<std::string>{"beep"});
    EXPECT_FALSE(panel.visible);
    EXPECT_EQ(session.cmd.EditRecNo, 0);
    EXPECT_EQ(panel.mode, ListMode::None);
    EXPECT_EQ(Ids('B'), "1 2 3");
}

TEST_F(ToolListPanelTest, DeleteAsksForTheSelectedLinesAndRemovesThem) {
    const std::vector<ToolRec> four = {Tool('B', 10, 1), Tool('B', 20, 2), Tool('B', 30, 3),
                                       Tool('B', 40, 4)};
    Shape(2);
    // The lines selected besides the first, the answer, the question, the file afterwards.
    const std::tuple<std::vector<int>, std::vector<int>, bool, std::string, std::string> rows[] = {
        {{2}, {}, true, "ask:Delete 2 Tool(s) ?", "2 4"},
        {{2}, {}, false, "ask:Delete 2 Tool(s) ?", "1 2 3 4"},
        {{1, 3}, {}, true, "ask:Delete 3 Tool(s) ?", "3"},
        {{}, {0}, true, "beep", "1 2 3 4"},
    };
    for (const auto& [on, off, answer, asked, left] : rows) {
        WriteTools('B', four);
        Events().clear();
        fixture.ui.answers = {answer};
        ASSERT_TRUE(panel.DeleteTool_Click());
        panel.ToolListSngl_Click(3);  // not a list of this mode
        for (const int line : on) {
            panel.ToolListMult_Click(line, true);
        }
        for (const int line : off) {
            panel.ToolListMult_Click(line, false);
        }
        EXPECT_EQ(panel.ToolOk_Click(), PanelAction::None);
        EXPECT_EQ(Events(), std::vector<std::string>{asked});
        EXPECT_EQ(Ids('B'), left) << asked;
        if (asked != "beep") {
            EXPECT_EQ(session.cmd.MsgAnswer, answer ? core::kAnswerYes : core::kAnswerNo);
        }
        EXPECT_FALSE(panel.visible);
        EXPECT_EQ(panel.mode, ListMode::None);
    }

    // A double click deletes its line with the others selected.
    WriteTools('B', four);
    Events().clear();
    fixture.ui.answers = {true};
    ASSERT_TRUE(panel.DeleteTool_Click());
    panel.ToolListMult_Click(0, false);
    EXPECT_EQ(panel.ToolListMult_DblClick(3), PanelAction::None);
    EXPECT_EQ(Events(), std::vector<std::string>{"ask:Delete 1 Tool(s) ?"});
    EXPECT_EQ(Ids('B'), "1 2 3");

    // A file that cannot be rewritten: its error, and the tools stay.
    Events().clear();
    fixture.ui.answers = {true};
    fixture.fs.failOn = "Shop.B";
    ASSERT_TRUE(panel.DeleteTool_Click());
    panel.ToolOk_Click();
    EXPECT_EQ(Events(), (std::vector<std::string>{
                            "ask:Delete 1 Tool(s) ?", "beep",
                            "message:\"" + fixture.ToolPath("Shop.B") + "\": Permission denied"}));
    EXPECT_EQ(Ids('B'), "1 2 3");
}

TEST_F(ToolListPanelTest, ListBarRunsOverTheLinesBeyondEighteen) {
    // Lines, the bar's range, where a move to 5 and to -1 leaves it.
    const std::tuple<int, int, int> rows[] = {{18, 0, 0}, {19, 1, 1}, {30, 12, 5}};
    Shape(2);
    for (const auto& [count, barMax, at5] : rows) {
        std::vector<ToolRec> recs;
        for (int i = 1; i <= count; ++i) {
            recs.push_back(Tool('B', static_cast<float>(i), i));
        }
        WriteTools('B', recs);
        ASSERT_TRUE(panel.EditTool_Click());
        EXPECT_EQ(panel.barMax, barMax);
        EXPECT_EQ(panel.barValue, 0);
        panel.ListBar_Change(5);
        EXPECT_EQ(panel.barValue, at5);
        panel.ListBar_Change(-1);
        EXPECT_EQ(panel.barValue, 0);
        panel.ToolCncl_Click();
    }
}

TEST_F(ToolListPanelTest, AddOpensTheShapeDialogOrThePickListOfDrawnSpecialTools) {
    Shape(3);
    session.cmd.EditRecNo = 4;
    EXPECT_EQ(panel.AddTool_Click(), AddStart::ToolDialogs);
    EXPECT_EQ(session.cmd.EditRecNo, 0);
    EXPECT_TRUE(session.cmd.AddAgain);
    EXPECT_FALSE(panel.visible);
    panel.EndCommand();
    EXPECT_FALSE(session.cmd.AddAgain);

    // The drawings not yet among the special tools, in index order.
    Shape(14);
    test::WriteFile(fixture.ToolPath("Shop.lkp"),
                    "Slot,3\r\nHook,1\r\n  ,4\r\nBracket,2\r\n******\r\nLate,5\r\n");
    WriteTools('S', {Special("Hook", 1)});
    EXPECT_EQ(panel.AddTool_Click(), AddStart::PickList);
    EXPECT_EQ(Shown(), "Add Special mode 1 bar 0..0 [0 Slot||*] [0 Bracket||]");
    EXPECT_EQ(panel.header, ListHeader(14));
    EXPECT_TRUE(session.cmd.AddAgain);
    panel.ToolListSngl_Click(1);
    EXPECT_EQ(panel.ToolOk_Click(), PanelAction::OpenToolDialog);
    EXPECT_EQ(session.cmd.SpecialName, "Bracket");
    EXPECT_EQ(session.cmd.EditRecNo, 0);
    panel.EndCommand();
    EXPECT_FALSE(session.cmd.AddAgain);
    EXPECT_EQ(panel.mode, ListMode::None);

    // Cancel on the pick list ends the add command.
    EXPECT_EQ(panel.AddTool_Click(), AddStart::PickList);
    panel.ToolCncl_Click();
    EXPECT_FALSE(session.cmd.AddAgain);
    EXPECT_FALSE(panel.visible);
    EXPECT_TRUE(Events().empty());

    // Every drawing has its tool.
    WriteTools('S', {Special("Bracket", 1), Special("Hook", 2), Special("Slot", 3)});
    EXPECT_EQ(panel.AddTool_Click(), AddStart::Nothing);
    EXPECT_EQ(Events(), (std::vector<std::string>{"beep", "message:Tool Must Be Drawn First !"}));
    EXPECT_FALSE(session.cmd.AddAgain);
    EXPECT_FALSE(panel.visible);
}

}  // namespace
}  // namespace tooling::tools
