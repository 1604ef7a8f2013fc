#include "turrets/TrtTol.h"

#include <gtest/gtest.h>

#include "numeric/NumText.h"
#include "tests/turrets/TurretFixture.h"

namespace tooling::turrets {
namespace {

class TrtTolTest : public ::testing::Test, public test::TurretFixture {
  protected:
    TrtTolTest() { WriteToolRows("TrtTolTest"); }

    void Open(std::int16_t stationType) {
        dialog.Form_Load(stationType);
        dialog.Form_GotFocus();
    }
    void Pick(TrtTol::Combo& combo, int line, void (TrtTol::*click)()) {
        combo.selected = line;
        (dialog.*click)();
    }
    // What the dialog shows and hands back and what the user was shown, under `title`.
    void Step(const std::string& title) {
        log += "== " + title + "\n" + dialog.caption + ", prompts";
        for (const bool visible : dialog.promptVisible) {
            log += visible ? " shown" : " hidden";
        }
        log += std::string(dialog.buttonPanelVisible ? ", buttons" : "") +
               (dialog.buttonsDefault ? ", default buttons" : "") +
               (dialog.closed ? ", closed" : "") + "\n";
        log += "shapes " + ListText(dialog.shapeList) + "\nsizes " + ListText(dialog.sizeList) +
               " stations " + ListText(dialog.stnList) + " angles " + ListText(dialog.angList) +
               "\n";
        const PickedTool& p = dialog.picked;
        log += "picked " + std::to_string(p.valid) + " '" + std::string(1, p.shape) + "' \"" +
               p.description + "\"";
        for (const float dim : p.dims) {
            log += " " + numeric::NumText(dim, -1);
        }
        log += ", station " + std::to_string(p.stationType) + "/" + std::to_string(p.stationKind) +
               " at " + numeric::NumText(p.angle, -1) + "\n" + Shown();
    }

    std::string log;
    TrtTol dialog{session};
};

TEST_F(TrtTolTest, OpensOnFittingDiametersEachChoiceEmptiesTheNextListsOkHandsBackTheTool) {
    for (const std::int16_t type : {1, 3, 4}) {
        Open(type);
        Step("station type " + std::to_string(type));
    }
    session.machine.ImperialDisplay = true;
    Open(1);
    Step("station type 1 in inches");
    session.machine.ImperialDisplay = false;
    Open(1);
    const std::tuple<int, int, const char*> steps[] = {
        {1, -1, "Square"},
        {-1, 0, "its first size"},
        // A tool holding the station's type twice offers it twice.
        {-1, 1, "its second size"},
        {-1, -1, "the second station line"},
        {10, -1, "Keyway"},
        // The same line of a new list is a new choice.
        {-1, 0, "its first size"},
        {13, -1, "Special"},
        {2, -1, "Rad-Square, with no tool"}};
    for (const auto& [shape, size, title] : steps) {
        if (shape >= 0) {
            Pick(dialog.shapeList, shape, &TrtTol::ShapeList_Click);
        } else if (size >= 0) {
            Pick(dialog.sizeList, size, &TrtTol::SizeList_Click);
        } else {
            Pick(dialog.stnList, 1, &TrtTol::StnList_Click);
        }
        Step(title);
    }
    session.machine.ImperialDisplay = true;
    Open(1);
    for (const int shape : {1, 10}) {
        Pick(dialog.shapeList, shape, &TrtTol::ShapeList_Click);
        Step("in inches, shape line " + std::to_string(shape));
    }
    session.machine.ImperialDisplay = false;
    // Station type, then the shape, size, station and angle lines chosen (-1 for none).
    const std::array<int, 5> rows[] = {
        {1, 0, -1, -1, -1}, {1, 0, 1, -1, -1},  {3, 0, -1, -1, -1}, {1, 1, 0, -1, -1},
        {1, 1, 0, -1, 1},   {3, 1, -1, -1, -1}, {1, 1, 1, -1, -1},  {1, 1, 1, 0, -1},
        {1, 10, 0, -1, 1},  {1, 13, 0, -1, 1},  {1, 2, -1, -1, -1}, {2, 0, -1, -1, -1},
    };
    for (const auto& [type, shape, size, station, angle] : rows) {
        Open(static_cast<std::int16_t>(type));
        ChooseTool(dialog, shape, size, station, angle);
        Step("station type " + std::to_string(type) + ", lines " + std::to_string(shape) + " " +
             std::to_string(size) + " " + std::to_string(station) + " " + std::to_string(angle) +
             ", Ok");
    }
    Open(1);
    dialog.shapeList.selected = -1;
    dialog.InptOk_Click();
    Step("no shape, Ok");
    Open(1);
    Pick(dialog.sizeList, 1, &TrtTol::SizeList_Click);
    dialog.InptCncl_Click();
    Step("a size, Cancel");
    test::ExpectTranscript(log);
}

}  // namespace
}  // namespace tooling::turrets
