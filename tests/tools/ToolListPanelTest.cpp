#include "tools/ToolListPanel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "core/Text.h"
#include "library/ToolFile.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/LibraryFixture.h"
#include "tests/support/ToolRows.h"
#include "tests/tools/Transcript.h"
#include "tools/ToolShapes.h"

namespace tooling::tools {
namespace {

using library::ToolRec;
using test::DataRow;

// A tool whose first dimension is `dim1`; its settings number tells it apart.
ToolRec Tool(char shape, float dim1, std::int32_t id, const std::string& name = "Tool") {
    return test::Tool(shape, name, {dim1, dim1, 0, 0}, {{1, 10}}, {0}, id);
}

class ToolListTest : public TranscriptTest {
  protected:
    ToolListTest() : session(fixture.session), panel(session) {
        session.lib.ToolLibPrefix = fixture.ToolPath("Shop.");
        for (core::StationType type :
             std::initializer_list<core::StationType>{{1, "A Station", 10},
                                                      {2, "B Station", 11},
                                                      {5, "B Auto Index", 20},
                                                      {6, "Multi Tool", 39},
                                                      {7, "Spindle", 40},
                                                      {8, "", 10}}) {
            type.name = core::Fixed(type.name, core::kStationNameWidth);
            session.machine.StationTable.at(static_cast<std::size_t>(type.number)) = type;
        }
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

    // Notes the step and what the panel shows: caption, mode, a heading not of the shape, the bar's
    // range and place, then each line as its record number, its columns and "*" when selected; the
    // command's record, the add loop's flag, what the user was told since the last note, and the
    // settings numbers of the tools in file `code`.
    void Note(const std::string& step, char code = 0) {
        transcript += step + ": " + (panel.visible ? "" : "hidden ") + panel.caption + " mode " +
                      std::to_string(static_cast<int>(panel.mode)) +
                      (panel.header == ListHeader(session.win.CurShapeNo) ? "" : " other heading") +
                      " bar " + std::to_string(panel.barValue) + " of 0.." +
                      std::to_string(panel.barMax);
        for (std::size_t i = 0; i < panel.lines.size(); ++i) {
            const ToolListLine& line = panel.lines[i];
            transcript += " [" + std::to_string(panel.ListRecNo[i]) + " " + line.size + "|" +
                          line.stations + "|" + line.angles + (panel.selected[i] ? "*" : "") + "]";
        }
        transcript += " record " + std::to_string(session.cmd.EditRecNo) +
                      (session.cmd.AddAgain ? " again" : "") +
                      (panel.MultiSelect() ? " multi" : "");
        NoteEvents(fixture.ui.events, fixture.ToolPath(""));
        if (code != 0) {
            transcript += " file";
            for (const ToolRec& rec : library::ReadToolFile(session, code)) {
                transcript += " " + std::to_string(rec.SettingsNo);
            }
        }
        transcript += "\n";
    }

    test::LibraryFixture fixture;
    core::Session& session;
    ToolListPanel panel;
};

TEST_F(ToolListTest, NothingToListBeepsAndEndsTheCommand) {
    WriteTools('D', {Tool('D', 0, 1), Tool('D', 1000, 2)});
    Shape(4);
    session.cmd.EditRecNo = 3;
    EXPECT_FALSE(panel.EditTool_Click());
    Note("edit of no valid tool");
    Shape(5);  // no file at all
    EXPECT_FALSE(panel.DeleteTool_Click());
    Note("delete of no file");

    // A file that cannot be read: its error, and no list.
    Shape(4);
    fixture.fs.readFailures = 1;
    EXPECT_FALSE(panel.EditTool_Click());
    Note("edit of a file that cannot be read");
}

TEST_F(ToolListTest, EditOkOpensTheDialogOfTheChosenRecord) {
    WriteTools('B', {Tool('B', 0, 1), Tool('B', 10, 2), Tool('B', 20, 3)});
    Shape(2);
    ASSERT_TRUE(panel.EditTool_Click());
    panel.ToolListSngl_Click(1);
    panel.ToolListMult_Click(0, true);  // not a list of this mode
    EXPECT_EQ(panel.ToolOk_Click(), PanelAction::OpenToolDialog);
    Note("line 1 and ok");
    panel.EndCommand();
    Note("end");

    // A double click chooses its line and acts as Ok.
    ASSERT_TRUE(panel.EditTool_Click());
    EXPECT_EQ(panel.ToolListSngl_DblClick(0), PanelAction::OpenToolDialog);
    Note("double click on line 0");
    panel.EndCommand();

    // No line chosen: the beep, and the panel closes.
    ASSERT_TRUE(panel.EditTool_Click());
    panel.selected.assign(panel.selected.size(), false);
    EXPECT_EQ(panel.ToolOk_Click(), PanelAction::None);
    Note("no line and ok", 'B');
}

TEST_F(ToolListTest, DeleteAsksForTheSelectedLinesAndRemovesThem) {
    const std::vector<ToolRec> four = {Tool('B', 10, 1), Tool('B', 20, 2), Tool('B', 30, 3),
                                       Tool('B', 40, 4)};
    Shape(2);
    // The lines clicked besides the first (line 0 off, others on), and the answer to the question.
    const std::tuple<std::vector<int>, bool> rows[] = {
        {{2}, true}, {{2}, false}, {{1, 3}, true}, {{0}, true}};
    for (const auto& [clicks, answer] : rows) {
        WriteTools('B', four);
        fixture.ui.answers = {answer};
        ASSERT_TRUE(panel.DeleteTool_Click());
        panel.ToolListSngl_Click(3);  // not a list of this mode
        for (const int line : clicks) {
            panel.ToolListMult_Click(line, line != 0);
        }
        EXPECT_EQ(panel.ToolOk_Click(), PanelAction::None);
        Note("lines " + Joined(clicks) + " answer " + std::to_string(answer) + " answered " +
                 std::to_string(session.cmd.MsgAnswer),
             'B');
    }

    // A double click deletes its line with the others selected.
    WriteTools('B', four);
    fixture.ui.answers = {true};
    ASSERT_TRUE(panel.DeleteTool_Click());
    panel.ToolListMult_Click(0, false);
    EXPECT_EQ(panel.ToolListMult_DblClick(3), PanelAction::None);
    Note("double click on line 3", 'B');

    // A file that cannot be rewritten: its error, and the tools stay.
    fixture.ui.answers = {true};
    fixture.fs.failOn = "Shop.B";
    ASSERT_TRUE(panel.DeleteTool_Click());
    panel.ToolOk_Click();
    Note("ok on a file that cannot be written", 'B');
}

TEST_F(ToolListTest, ListBarRunsOverTheLinesBeyondEighteen) {
    Shape(2);
    for (const int count : {18, 19, 30}) {
        std::vector<ToolRec> recs;
        for (int i = 1; i <= count; ++i) {
            recs.push_back(Tool('B', static_cast<float>(i), i));
        }
        WriteTools('B', recs);
        ASSERT_TRUE(panel.EditTool_Click());
        panel.ListBar_Change(5);
        std::string at = std::to_string(panel.barValue);
        panel.ListBar_Change(-1);
        Note(std::to_string(count) + " lines, moved to 5: " + at + ", to -1");
        panel.ToolCncl_Click();
    }
}

TEST_F(ToolListTest, AddOpensTheShapeDialogOrThePickListOfDrawnSpecialTools) {
    Shape(3);
    session.cmd.EditRecNo = 4;
    EXPECT_EQ(panel.AddTool_Click(), AddStart::ToolDialogs);
    Note("add");
    panel.EndCommand();
    Note("end");

    // The drawings not yet among the special tools, in index order.
    Shape(14);
    test::WriteFile(fixture.ToolPath("Shop.lkp"),
                    "Slot,3\r\nHook,1\r\n  ,4\r\nBracket,2\r\n******\r\nLate,5\r\n");
    WriteTools('S', {Tool('S', 12, 1, "Hook")});
    EXPECT_EQ(panel.AddTool_Click(), AddStart::PickList);
    Note("add special");
    panel.ToolListSngl_Click(1);
    EXPECT_EQ(panel.ToolOk_Click(), PanelAction::OpenToolDialog);
    Note("line 1 and ok, picked " + session.cmd.SpecialName);
    panel.EndCommand();
    Note("end");

    // Cancel on the pick list ends the add command.
    EXPECT_EQ(panel.AddTool_Click(), AddStart::PickList);
    panel.ToolCncl_Click();
    Note("add special and cancel");

    // Every drawing has its tool.
    WriteTools('S',
               {Tool('S', 12, 1, "Bracket"), Tool('S', 12, 2, "Hook"), Tool('S', 12, 3, "Slot")});
    EXPECT_EQ(panel.AddTool_Click(), AddStart::Nothing);
    Note("add special with every drawing a tool");
}

TEST_F(ToolListTest, LinesOfEachKindOfStationShapeAndUnit) {
    for (const DataRow& row : test::ReadDataRows(TOOLING_GOLDEN_DIR "/list-lines.txt")) {
        const std::vector<std::string> shape = test::Split(row.fields.at(0), ' ');
        session.machine.ImperialDisplay = shape.size() > 2;
        ToolRec rec;
        rec.Dims = test::DimsOf(row.fields.at(1));
        std::string stations = row.fields.at(2);
        std::replace(stations.begin(), stations.end(), '/', ' ');
        const std::vector<double> stns = test::NumbersOf(stations);
        for (std::size_t i = 0; i + 1 < stns.size(); i += 2) {
            rec.Stns.at(i / 2) = {static_cast<std::int16_t>(stns[i]),
                                  static_cast<std::int16_t>(stns[i + 1])};
        }
        const std::vector<double> angles = test::NumbersOf(row.fields.at(3));
        std::copy(angles.begin(), angles.end(), rec.Angles.begin());
        rec.Descr = library::PaddedDescr(row.fields.size() > 7 ? row.fields[7] : "");
        session.win.CurShapeNo = static_cast<std::int16_t>(std::stoi(shape.at(0)));
        session.win.CurShapeCode = shape.at(1);
        const ToolListLine line = ListLine(session, rec);
        EXPECT_EQ(line.size + " | " + line.stations + " | " + line.angles,
                  row.fields.at(4) + " | " + row.fields.at(5) + " | " + row.fields.at(6))
            << "line " << row.line;
    }
}

}  // namespace
}  // namespace tooling::tools
