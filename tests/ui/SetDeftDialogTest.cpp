#include "ui/SetDeftDialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "core/Session.h"
#include "library/ToolFile.h"
#include "tests/ui/Screen.h"

namespace tooling::ui {
namespace {

using test::FixtureInstallation;

library::ToolRec Tool(char shape, float length, float width, library::ToolStation second,
                      float angle) {
    library::ToolRec rec;
    rec.Shape = shape;
    rec.Descr = library::PaddedDescr(shape == 'B' ? "Square" : "Rectangle");
    rec.Dims = {length, width, 0, 0};
    rec.Stns[0] = {1, 10};
    rec.Stns[1] = second;
    rec.Angles[0] = angle;
    rec.SettingsNo = 1;
    return rec;
}

// The metric machine's library "Shop" with two Squares (one also in the index station type 5)
// and a Rectangle loaded at 90 degrees.
class SetDeftDialogTest : public ::testing::Test, public test::MainWindowFixture {
  protected:
    SetDeftDialogTest()
        : MainWindowFixture(FixtureInstallation::kMetric, [](FixtureInstallation& f) {
              f.Write("Data/Tools/Metric/Shop.B",
                      library::ToolRecBytes(Tool('B', 10, 10, {}, 0)) +
                          library::ToolRecBytes(Tool('B', 20, 20, {5, 20}, 0)));
              f.Write("Data/Tools/Metric/Shop.D", library::ToolRecBytes(Tool('D', 30, 5, {}, 90)));
          }) {}

    // Opens a Default Tools entry and runs `act` on the dialog once it is up.
    void Open(const char* item, const std::function<void(QWidget&)>& act) {
        test::WithModal(act, [&] { Action(item)->trigger(); });
    }
    static void Choose(QWidget& dialog, const char* list, int line) {
        test::Find<QComboBox>(dialog, list)->setCurrentIndex(line);
    }
    static void Click(QWidget& dialog, const char* button) {
        test::Find<QPushButton>(dialog, button)->click();
    }

    test::Transcript seen{fixture.Root()};
};

TEST_F(SetDeftDialogTest, TheDefaultToolsMenuOpensTheDialogAndItsMarksFollow) {
    Open("DefaultTool2", [&](QWidget& dialog) {
        seen << test::Shown(dialog) << MenusAndStatus();
        Click(dialog, "InptOk");
    });
    seen << MenusAndStatus();
    EXPECT_EQ(library::ReadToolFile(session(), 'D')[0].DefMark, 2);
    EXPECT_EQ(session().lib.DefaultTools[1].angle, 90.0F);

    // Ok refuses until a size and a station are chosen.
    Open("DefaultTool1", [&](QWidget& dialog) {
        Choose(dialog, "ShapeList", 0);
        seen << test::Shown(dialog);
        Click(dialog, "InptOk");
        Choose(dialog, "SizeList", 1);
        seen << test::Shown(dialog);
        Click(dialog, "InptOk");
        Choose(dialog, "StnList", 1);
        Click(dialog, "InptOk");
        seen << (dialog.isVisible() ? "open" : "closed");
    });
    seen << fixture.ui().events << MenusAndStatus();
    EXPECT_EQ(session().lib.DefaultTools[0].stnType, 5);

    // Cancel writes nothing.
    const std::string defaults = fixture.Read("Data/Tools/Metric/Shop.dft");
    Open("DefaultTool3", [](QWidget& dialog) { Click(dialog, "InptCncl"); });
    EXPECT_EQ(fixture.Read("Data/Tools/Metric/Shop.dft"), defaults);
    seen << MenusAndStatus();
}

}  // namespace
}  // namespace tooling::ui
