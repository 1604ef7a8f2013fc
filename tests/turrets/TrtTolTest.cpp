#include "turrets/TrtTol.h"

#include <gtest/gtest.h>

#include "core/Text.h"
#include "numeric/NumText.h"
#include "tests/turrets/TurretFixture.h"

namespace tooling::turrets {
namespace {

using Events = std::vector<std::string>;

// The tools of the library: each shape file holds tools that fit the fixture's stations of type
// 1 (kind 10), 2 (kind 11) and 3 (the index station, kind 20), or not.
class TrtTolTest : public ::testing::Test, public test::TurretFixture {
  protected:
    TrtTolTest() {
        WriteTools('A', {Tool('A', "Diameter", {5, 5, 0, 0}, {{1, 10}}, {0}),
                         Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{1, 10}, {3, 20}}, {0}),
                         Tool('A', "Diameter", {0.1F, 0.1F, 0, 0}, {{1, 10}}, {0}),
                         Tool('A', "Diameter", {20, 20, 0, 0}, {{2, 11}}, {0})});
        WriteTools('B', {Tool('B', "Square", {10, 10, 0, 0}, {{3, 20}, {1, 10}}, {0, 45}),
                         Tool('B', "Square", {15, 15, 0, 0}, {{1, 10}, {2, 11}, {1, 10}}, {90})});
        WriteTools('K', {Tool('K', "Keyway", {25.4F, 10, -4, 0}, {{1, 10}}, {0, 180})});
        WriteTools('S', {Tool('S', "Logo Punch", {25, 30, 0, 0}, {{1, 10}}, {0, 90})});
    }

    // Loads the dialog for a station type and gives it the focus.
    TrtTol& Open(std::int16_t stationType) {
        dialog.Form_Load(stationType);
        dialog.Form_GotFocus();
        return dialog;
    }
    // What the dialog shows: the chosen shape, then each list as "[line,line*]" with "*" after
    // the selected line, "~" before a disabled list and "-" for a hidden one.
    std::string Shown() const {
        std::string shown =
            dialog.shapeList.selected < 0
                ? "none"
                : dialog.shapeList.lines[static_cast<std::size_t>(dialog.shapeList.selected)];
        for (const TrtTol::Combo* combo : {&dialog.sizeList, &dialog.stnList, &dialog.angList}) {
            if (!combo->visible) {
                shown += " -";
                continue;
            }
            shown += std::string(" ") + (combo->enabled ? "" : "~") + "[";
            for (std::size_t i = 0; i < combo->lines.size(); ++i) {
                shown += (i == 0 ? "" : ",") + combo->lines[i] +
                         (static_cast<int>(i) == combo->selected ? "*" : "");
            }
            shown += "]";
        }
        return shown;
    }
    void Pick(TrtTol::Combo& combo, int line, void (TrtTol::*click)()) {
        combo.selected = line;
        (dialog.*click)();
    }
    // Chooses shape, size, station and angle lines (-1: leave the list alone) and presses Ok.
    void Choose(int shape, int size, int station, int angle) {
        if (shape >= 0) {
            Pick(dialog.shapeList, shape, &TrtTol::ShapeList_Click);
        }
        if (size >= 0) {
            Pick(dialog.sizeList, size, &TrtTol::SizeList_Click);
        }
        if (station >= 0) {
            Pick(dialog.stnList, station, &TrtTol::StnList_Click);
        }
        if (angle >= 0) {
            dialog.angList.selected = angle;
        }
        dialog.InptOk_Click();
    }

    TrtTol dialog{session};
};

TEST_F(TrtTolTest, OpensOnTheDiametersThatFitTheStation) {
    Open(1);
    EXPECT_EQ(dialog.caption, "Tooling");
    EXPECT_EQ(dialog.shapeList.lines,
              (std::vector<std::string>{"Diameter", "Square", "Rad-Square", "Rectangle", "Rad-Rect",
                                        "Obround", "Single-D", "Double-D", "Cannon-D", "Hexagon",
                                        "Keyway", "Louvre", "Cruciform", "Special"}));
    EXPECT_EQ(Shown(), "Diameter [5,12.7] ~[] -");
    EXPECT_EQ(dialog.prompts, (std::array<std::string, 4>{
                                  "Tool Shape :", "Tool Size :", "Station :", "Angle\xB0 :"}));
    EXPECT_EQ(dialog.promptVisible, (std::array<bool, 4>{true, true, true, false}));
    EXPECT_TRUE(dialog.buttonPanelVisible && dialog.buttonsDefault);
    EXPECT_EQ(Open(3).sizeList.lines, std::vector<std::string>{"12.7"});
    EXPECT_EQ(Open(4).sizeList.lines, std::vector<std::string>{});

    session.machine.ImperialDisplay = true;
    EXPECT_EQ(Open(1).sizeList.lines, (std::vector<std::string>{"0.1969", "0.5"}));
}

TEST_F(TrtTolTest, EachChoiceEmptiesTheListsAfterIt) {
    Open(1);
    Pick(dialog.shapeList, 1, &TrtTol::ShapeList_Click);
    EXPECT_EQ(Shown(), "Square [10,15] ~[] -");
    Pick(dialog.sizeList, 0, &TrtTol::SizeList_Click);
    EXPECT_EQ(Shown(), "Square [10*,15] [A Station*] [0,45]");
    // A tool holding the station's type twice offers it twice.
    Pick(dialog.sizeList, 1, &TrtTol::SizeList_Click);
    EXPECT_EQ(Shown(), "Square [10,15*] [A Station,A Station] -");
    Pick(dialog.stnList, 1, &TrtTol::StnList_Click);
    EXPECT_EQ(Shown(), "Square [10,15*] [A Station,A Station*] [90*]");
    Pick(dialog.shapeList, 10, &TrtTol::ShapeList_Click);
    EXPECT_EQ(Shown(), "Keyway [25.4x10w4] [] []");
    // The same line of a new list is a new choice.
    Pick(dialog.sizeList, 0, &TrtTol::SizeList_Click);
    EXPECT_EQ(Shown(), "Keyway [25.4x10w4*] [A Station*] [0,180]");
    Pick(dialog.shapeList, 13, &TrtTol::ShapeList_Click);
    EXPECT_EQ(Shown(), "Special [Logo Punch] [] []");
    Pick(dialog.shapeList, 2, &TrtTol::ShapeList_Click);
    EXPECT_EQ(Shown(), "Rad-Square [] [] []");

    session.machine.ImperialDisplay = true;
    Open(1);
    Pick(dialog.shapeList, 1, &TrtTol::ShapeList_Click);
    EXPECT_EQ(Shown(), "Square [0.394,0.591] ~[] -");
    Pick(dialog.shapeList, 10, &TrtTol::ShapeList_Click);
    EXPECT_EQ(Shown(), "Keyway [1x0.394w0.157] ~[] -");
}

TEST_F(TrtTolTest, OkRefusesUntilEveryChoiceIsMadeThenHandsBackTheTool) {
    struct Row {
        std::int16_t station;
        int shape, size, stn, angle;  // lines chosen, -1 for none
        Events events;
        std::string picked;  // shape, description, dimensions, station type and kind, angle
    };
    const std::string noTool = "not valid";
    const Row rows[] = {
        {1, 0, -1, -1, -1, {"beep", "message:Tool Size Must Be Selected !"}, ""},
        {1, 0, 1, -1, -1, {}, "A|Diameter|12.7,12.7,0,0|1,10|0"},
        {3, 0, -1, -1, -1, {}, "A|Diameter|12.7,12.7,0,0|3,20|0"},
        {1, 1, 0, -1, -1, {"beep", "message:Tool Angle Must Be Selected !"}, ""},
        {1, 1, 0, -1, 1, {}, "B|Square|10,10,0,0|1,10|45"},
        {3, 1, -1, -1, -1, {}, "B|Square|10,10,0,0|3,20|0"},
        {1, 1, 1, -1, -1, {"beep", "message:Station Type Must Be Selected !"}, ""},
        {1, 1, 1, 0, -1, {}, "B|Square|15,15,0,0|1,10|90"},
        {1, 10, 0, -1, 1, {}, "K|Keyway|25.4,10,-4,0|1,10|180"},
        {1, 13, 0, -1, 1, {}, "S|Logo Punch|25,30,0,0|1,10|90"},
        {1, 2, -1, -1, -1, {"beep", "message:Tool Size Must Be Selected !"}, ""},
        {2, 0, -1, -1, -1, {}, "A|Diameter|20,20,0,0|2,11|0"},
    };
    for (const Row& row : rows) {
        ui.events.clear();
        Open(row.station);
        Choose(row.shape, row.size, row.stn, row.angle);
        const PickedTool& p = dialog.picked;
        std::string picked;
        if (p.valid == -1) {
            picked = std::string(1, p.shape) + "|" + core::Trim(p.description) + "|";
            for (std::size_t i = 0; i < 4; ++i) {
                picked += (i == 0 ? "" : ",") + numeric::NumText(p.dims[i], -1);
            }
            picked += "|" + std::to_string(p.stationType) + "," + std::to_string(p.stationKind) +
                      "|" + numeric::NumText(p.angle, -1);
            EXPECT_EQ(p.description.size(), kPickedDescrWidth);
        }
        SCOPED_TRACE(::testing::Message() << "station " << row.station << ", shape " << row.shape
                                          << ", size " << row.size);
        EXPECT_EQ(ui.events, row.events);
        EXPECT_EQ(picked, row.picked);
        EXPECT_EQ(dialog.closed, !row.picked.empty());
    }

    Open(1);
    dialog.shapeList.selected = -1;
    ui.events.clear();
    dialog.InptOk_Click();
    EXPECT_EQ(ui.events, (Events{"beep", "message:Tool Type Must Be Selected !"}));
    EXPECT_FALSE(dialog.closed);

    Open(1);
    Pick(dialog.sizeList, 1, &TrtTol::SizeList_Click);
    dialog.InptCncl_Click();
    EXPECT_TRUE(dialog.closed);
    EXPECT_EQ(dialog.picked, PickedTool{});
}

}  // namespace
}  // namespace tooling::turrets
