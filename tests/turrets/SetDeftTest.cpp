#include "turrets/SetDeft.h"

#include <gtest/gtest.h>

#include "library/DefaultTools.h"
#include "library/ToolFile.h"
#include "tests/turrets/TurretFixture.h"

namespace tooling::turrets {
namespace {

using Events = std::vector<std::string>;

class SetDeftTest : public ::testing::Test, public test::TurretFixture {
  protected:
    SetDeftTest() {
        WriteTools('A', {Tool('A', "Diameter", {5, 5, 0, 0}, {{1, 10}}, {0})});
        WriteTools('B', {Tool('B', "Square", {10, 10, 0, 0}, {{1, 10}, {3, 20}}, {0, 45}),
                         Tool('B', "Square", {20, 20, 0, 0}, {{3, 20}})});
        WriteTools('D', {Tool('D', "Rectangle", {20, 10, 0, 0}, {{1, 10}}, {0, 45}),
                         Tool('D', "Rectangle", {30, 5, 0, 0}, {{2, 11}, {4, 12}}, {90})});
    }

    SetDeft& Open(int kind) {
        dialog.Form_Load(kind);
        dialog.Form_GotFocus();
        return dialog;
    }
    void Store(int kind, char shape, std::int16_t recordNo, std::int16_t stnType) {
        core::DefaultToolRec& rec = session.lib.DefaultTools[static_cast<std::size_t>(kind - 1)];
        rec.recordNo = recordNo;
        rec.shape = shape;
        rec.stnType = stnType;
    }
    // What the dialog shows: its caption, then each list as "[line,line*]" with "*" after the
    // selected line, "-" for a hidden list.
    std::string Shown() const {
        std::string shown = dialog.caption;
        for (const SetDeft::Combo* combo : {&dialog.shapeList, &dialog.sizeList, &dialog.stnList}) {
            if (!combo->visible) {
                shown += " -";
                continue;
            }
            shown += " [";
            for (std::size_t i = 0; i < combo->lines.size(); ++i) {
                shown += (i == 0 ? "" : ",") + combo->lines[i] +
                         (static_cast<int>(i) == combo->selected ? "*" : "");
            }
            shown += "]";
        }
        return shown;
    }
    void Pick(SetDeft::Combo& combo, int line, void (SetDeft::*click)()) {
        combo.selected = line;
        (dialog.*click)();
    }
    // The default of a kind as "record shape station/kind angle".
    std::string Stored(int kind) const {
        const core::DefaultToolRec& rec =
            session.lib.DefaultTools[static_cast<std::size_t>(kind - 1)];
        return std::to_string(rec.recordNo) + rec.shape + " " + std::to_string(rec.stnType) + "/" +
               std::to_string(rec.stnKind) + " " + std::to_string(static_cast<int>(rec.angle));
    }

    SetDeft dialog{session};
};

TEST_F(SetDeftTest, OpensOnTheKindsShapesWithTheStoredDefaultSelected) {
    const std::tuple<int, char, std::int16_t, std::int16_t, std::string> rows[] = {
        // No default: the shearing tools start on the Rectangles.
        {library::kXShearing, ' ', 0, 0,
         "X Shearing Tool [Square,Rectangle*] [20x10*] [A Station]"},
        {library::kYShearing, ' ', 0, 0,
         "Y Shearing Tool [Square,Rectangle*] [30x5*] [B Station,C Station]"},
        {library::kXShearing, 'B', 1, 3,
         "X Shearing Tool [Square*,Rectangle] [10*,20] [A Station,B Index*]"},
        {library::kYShearing, 'D', 2, 4,
         "Y Shearing Tool [Square,Rectangle*] [30x5*] [B Station,C Station*]"},
        // A default of another shape than the kind takes is forgotten.
        {library::kClearing, 'D', 1, 1, "Clearing Tool [Square*] [10,20] -"},
        {library::kClearing, 'B', 2, 3, "Clearing Tool [Square*] [10,20*] [B Index*]"},
        {library::kNibbling, ' ', 0, 0, "Nibbling Tool [Diameter*] [5*] [A Station]"},
    };
    for (const auto& [kind, shape, recordNo, stnType, shown] : rows) {
        Store(kind, shape, recordNo, stnType);
        Open(kind);
        EXPECT_EQ(Shown(), shown);
        EXPECT_EQ(dialog.promptVisible[2], dialog.stnList.visible);
    }
    EXPECT_EQ(dialog.prompts,
              (std::array<std::string, 3>{"Tool Shape :", "Tool Size :", "Station :"}));
    EXPECT_TRUE(dialog.buttonsDefault);
    // The clearing default of a Rectangle stays forgotten when the dialog is cancelled.
    Store(library::kClearing, 'D', 1, 1);
    Open(library::kClearing).InptCncl_Click();
    EXPECT_TRUE(dialog.closed);
    EXPECT_FALSE(library::DefaultDefined(session, library::kClearing));
    EXPECT_EQ(Stored(library::kClearing), "0  1/0 0");
    EXPECT_FALSE(test::FileExists(session.lib.ToolLibPrefix + "dft"));
}

TEST_F(SetDeftTest, ChoosingAShapeOrASizeFillsTheListsAfterIt) {
    Store(library::kXShearing, 'B', 1, 3);
    Open(library::kXShearing);
    Pick(dialog.shapeList, 1, &SetDeft::ShapeList_Click);
    EXPECT_EQ(Shown(), "X Shearing Tool [Square,Rectangle*] [20x10*] [A Station]");
    // Back on the Squares the stored tool is no longer preselected.
    Pick(dialog.shapeList, 0, &SetDeft::ShapeList_Click);
    EXPECT_EQ(Shown(), "X Shearing Tool [Square*,Rectangle] [10,20] -");
    Pick(dialog.sizeList, 1, &SetDeft::SizeList_Click);
    EXPECT_EQ(Shown(), "X Shearing Tool [Square*,Rectangle] [10,20*] [B Index*]");
    Pick(dialog.sizeList, 0, &SetDeft::SizeList_Click);
    EXPECT_EQ(Shown(), "X Shearing Tool [Square*,Rectangle] [10*,20] [A Station,B Index]");

    session.machine.ImperialDisplay = true;
    session.machine.RouterMachine = true;
    Open(library::kNibbling);
    EXPECT_EQ(Shown(), "Nibbling Tool [Router*] [0.197*] [A Station]");
}

TEST_F(SetDeftTest, OkRefusesUntilEveryChoiceIsMadeThenStoresTheDefault) {
    struct Row {
        int kind;
        int shape, size, stn;  // lines chosen, -1 for none
        Events events;
        std::string stored;  // record, shape, station type and kind, angle
    };
    const Row rows[] = {
        {library::kXShearing, -2, -1, -1, {"beep", "message:Tool Type Must Be Selected !"}, ""},
        {library::kXShearing, 0, -1, -1, {"beep", "message:Tool Size Must Be Selected !"}, ""},
        {library::kXShearing, 0, 0, -1, {"beep", "message:Station Type Must Be Selected !"}, ""},
        {library::kXShearing, 0, 0, 1, {}, "1B 3/20 0"},
        // One size and one station: nothing to choose.
        {library::kXShearing, -1, -1, -1, {}, "1D 1/10 0"},
        {library::kYShearing, -1, -1, 1, {}, "2D 4/12 90"},
        {library::kYShearing, 0, 0, 0, {}, "1B 1/10 0"},
        {library::kYShearing, 0, 1, -1, {}, "2B 3/20 0"},
        {library::kNibbling, -1, -1, -1, {}, "1A 1/10 0"},
    };
    for (const Row& row : rows) {
        ui.events.clear();
        session.lib.DefaultTools = {};
        Open(row.kind);
        if (row.shape == -2) {
            dialog.shapeList.selected = -1;
        } else if (row.shape >= 0) {
            Pick(dialog.shapeList, row.shape, &SetDeft::ShapeList_Click);
        }
        if (row.size >= 0) {
            Pick(dialog.sizeList, row.size, &SetDeft::SizeList_Click);
        }
        if (row.stn >= 0) {
            dialog.stnList.selected = row.stn;
        }
        dialog.InptOk_Click();
        SCOPED_TRACE(::testing::Message() << "kind " << row.kind << ", shape " << row.shape
                                          << ", size " << row.size << ", station " << row.stn);
        EXPECT_EQ(ui.events, row.events);
        EXPECT_EQ(dialog.closed, !row.stored.empty());
        if (!row.stored.empty()) {
            EXPECT_EQ(Stored(row.kind), row.stored);
            EXPECT_EQ(library::DecodeDefaults(
                          test::ReadFile(session.lib.ToolLibPrefix + "dft"))[row.kind - 1],
                      session.lib.DefaultTools[static_cast<std::size_t>(row.kind - 1)]);
        }
    }

    // No tool of the shape suits the purpose.
    WriteTools('B', {});
    ui.events.clear();
    Open(library::kClearing).InptOk_Click();
    EXPECT_EQ(ui.events, (Events{"beep", "message:Tool Size Must Be Selected !"}));
    EXPECT_FALSE(dialog.closed);
}

TEST_F(SetDeftTest, AToolChangedByAnotherUserIsRefusedAndTheDialogStaysOpen) {
    Open(library::kNibbling);
    ui.events.clear();
    WriteTools('A', {});
    dialog.InptOk_Click();
    EXPECT_EQ(ui.events, (Events{"beep", "message:Tool Has Been Changed By Another User !"}));
    EXPECT_FALSE(dialog.closed);
    EXPECT_FALSE(library::DefaultDefined(session, library::kNibbling));
}

}  // namespace
}  // namespace tooling::turrets
