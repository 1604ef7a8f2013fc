#include "turrets/SetDeft.h"

#include <gtest/gtest.h>

#include "library/DefaultTools.h"
#include "tests/turrets/TurretFixture.h"

namespace tooling::turrets {
namespace {

class SetDeftTest : public ::testing::Test, public test::TurretFixture {
  protected:
    SetDeftTest() { WriteToolRows("SetDeftTest"); }

    void Open(int kind) {
        dialog.Form_Load(kind);
        dialog.Form_GotFocus();
    }
    void Store(int kind, char shape, std::int16_t recordNo, std::int16_t stnType) {
        core::DefaultToolRec& rec = session.lib.DefaultTools[static_cast<std::size_t>(kind - 1)];
        rec.recordNo = recordNo;
        rec.shape = shape;
        rec.stnType = stnType;
    }
    void Pick(SetDeft::Combo& combo, int line, void (SetDeft::*click)()) {
        combo.selected = line;
        (dialog.*click)();
    }
    // What the dialog shows, the defaults and what the user was shown, under `title`.
    void Step(const std::string& title) {
        log += "== " + title + "\n" + dialog.caption + " " + ListText(dialog.shapeList) + " " +
               ListText(dialog.sizeList) + " " + ListText(dialog.stnList) +
               (dialog.promptVisible[2] ? ", station prompt" : "") +
               (dialog.buttonsDefault ? ", default buttons" : "") +
               (dialog.closed ? ", closed" : "") + "\n" + DefaultsText() + Shown();
    }

    std::string log;
    SetDeft dialog{session};
};

TEST_F(SetDeftTest, OpensOnTheStoredDefaultChoicesFillTheListsOkStoresTheDefault) {
    const std::tuple<int, char, std::int16_t, std::int16_t> defaults[] = {
        // No default: the shearing tools start on the Rectangles.
        {library::kXShearing, ' ', 0, 0},
        {library::kYShearing, ' ', 0, 0},
        {library::kXShearing, 'B', 1, 3},
        {library::kYShearing, 'D', 2, 4},
        // A default of another shape than the kind takes is forgotten.
        {library::kClearing, 'D', 1, 1},
        {library::kClearing, 'B', 2, 3},
        {library::kNibbling, ' ', 0, 0}};
    for (const auto& [kind, shape, recordNo, stnType] : defaults) {
        Store(kind, shape, recordNo, stnType);
        Open(kind);
        Step("kind " + std::to_string(kind) + ", default " + std::to_string(recordNo) + shape +
             " in station type " + std::to_string(stnType));
    }
    // The clearing default of a Rectangle stays forgotten when the dialog is cancelled.
    Store(library::kClearing, 'D', 1, 1);
    Open(library::kClearing);
    dialog.InptCncl_Click();
    Step("a Rectangle as the clearing default, Cancel");
    session.lib.DefaultTools = {};
    Store(library::kXShearing, 'B', 1, 3);
    Open(library::kXShearing);
    Pick(dialog.shapeList, 1, &SetDeft::ShapeList_Click);
    Step("Rectangle");
    // Back on the Squares the stored tool is no longer preselected.
    Pick(dialog.shapeList, 0, &SetDeft::ShapeList_Click);
    Step("Square");
    Pick(dialog.sizeList, 1, &SetDeft::SizeList_Click);
    Step("its second size");
    Pick(dialog.sizeList, 0, &SetDeft::SizeList_Click);
    Step("its first size");
    session.machine.ImperialDisplay = true;
    session.machine.RouterMachine = true;
    Open(library::kNibbling);
    Step("nibbling on a router in inches");
    session.machine.ImperialDisplay = false;
    session.machine.RouterMachine = false;
    // The kind, then the shape, size and station lines chosen (-1 for none, -2 for no shape).
    const std::array<int, 4> rows[] = {
        {library::kXShearing, -2, -1, -1}, {library::kXShearing, 0, -1, -1},
        {library::kXShearing, 0, 0, -1},   {library::kXShearing, 0, 0, 1},
        {library::kXShearing, -1, -1, -1}, {library::kYShearing, -1, -1, 1},
        {library::kYShearing, 0, 0, 0},    {library::kYShearing, 0, 1, -1},
        {library::kNibbling, -1, -1, -1}};
    for (const auto& [kind, shape, size, stn] : rows) {
        session.lib.DefaultTools = {};
        Open(kind);
        if (shape == -2) {
            dialog.shapeList.selected = -1;
        } else if (shape >= 0) {
            Pick(dialog.shapeList, shape, &SetDeft::ShapeList_Click);
        }
        if (size >= 0) {
            Pick(dialog.sizeList, size, &SetDeft::SizeList_Click);
        }
        if (stn >= 0) {
            dialog.stnList.selected = stn;
        }
        dialog.InptOk_Click();
        Step("kind " + std::to_string(kind) + ", lines " + std::to_string(shape) + " " +
             std::to_string(size) + " " + std::to_string(stn) + ", Ok");
    }
    // No tool of the shape suits the purpose; then the tool chosen is gone.
    session.lib.DefaultTools = {};
    WriteTools('B', {});
    Open(library::kClearing);
    dialog.InptOk_Click();
    Step("clearing with no Square, Ok");
    Open(library::kNibbling);
    WriteTools('A', {});
    dialog.InptOk_Click();
    Step("nibbling, the Diameter removed by another user, Ok");
    test::ExpectTranscript(log);
}

}  // namespace
}  // namespace tooling::turrets
