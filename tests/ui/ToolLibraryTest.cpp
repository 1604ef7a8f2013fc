#include "ui/ToolLibrary.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTest>
#include <memory>

#include "core/Session.h"
#include "tests/support/FixtureInstallation.h"
#include "tools/ToolShapes.h"
#include "turrets/DefaultTools.h"
#include "ui/StatusLine.h"

// Readable failure messages for the texts the window shows.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tooling::ui {
namespace {

using test::FixtureInstallation;

class ToolLibraryTest : public ::testing::Test {
  protected:
    // A fixture installation of the machine, with the library its material names.
    void Prepare(int machineNo) {
        fixture = std::make_unique<FixtureInstallation>(machineNo);
        fixture->Write("Data/Tools/Metric/Shop.lkp", FixtureInstallation::TextFile({}));
        fixture->Write("Data/Tools/Imperial/Shop.lkp", FixtureInstallation::TextFile({}));
    }
    void Load() {
        window = std::make_unique<ToolLibrary>(fixture->session());
        ASSERT_EQ(window->Form_Load(), core::StartOutcome::Ready);
    }
    void Load(int machineNo) {
        Prepare(machineNo);
        Load();
    }
    core::Session& session() { return fixture->session(); }

    QAction* Action(const char* name) {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    QMenu* Menu(const char* name) {
        auto* menu = window->findChild<QMenu*>(QString::fromLatin1(name));
        EXPECT_NE(menu, nullptr) << name;
        return menu;
    }
    // Texts of a list of actions, "-" for a separator.
    static QStringList Texts(const QList<QAction*>& actions) {
        QStringList texts;
        for (const QAction* action : actions) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return texts;
    }
    // Names of the Tool Shape items that carry a check mark.
    QStringList CheckedShapes() {
        QStringList names;
        for (QAction* action : Menu("ToolShapeMenu")->actions()) {
            if (action->isChecked()) {
                names << action->objectName();
            }
        }
        return names;
    }
    QStringList StatusTexts() const {
        const StatusLine& line = window->statusLine();
        return {line.leftText(), line.middleText(), line.rightText()};
    }

    std::unique_ptr<FixtureInstallation> fixture;
    std::unique_ptr<ToolLibrary> window;
};

TEST_F(ToolLibraryTest, MenuBarHoldsEveryCommandWithItsCaptionAndAccessKey) {
    Load(FixtureInstallation::kMetric);
    EXPECT_EQ(window->windowTitle(), "Tool Library");
    EXPECT_EQ(Texts(window->menuBar()->actions()),
              QStringList({"&File", "Tool &Shape", "&Add Tool", "Edit Tool", "Delete Tool",
                           "Measurement", "Tool Settings"}));
    EXPECT_EQ(Texts(Menu("FileMenu")->actions()),
              QStringList({"Select Tool &Library", "Create New Tool Library", "Delete Tool Libray",
                           "-", "Default Tools", "-", "Standard Turrets", "-", "Print Tool List",
                           "-", "Export Special Tools", "-", "E&xit"}));
    EXPECT_EQ(
        Texts(Menu("DefToolMenu")->actions()),
        QStringList({"X Shearing Tool", "Y Shearing Tool", "Clearing Tool", "Nibbling Tool"}));
    EXPECT_EQ(Texts(Menu("TurretMenu")->actions()),
              QStringList({"Create Turret", "Duplicate Turret", "Edit Turret", "Delete Turret",
                           "Print Turret"}));
    EXPECT_EQ(Texts(Menu("ToolShapeMenu")->actions()),
              QStringList({"Diameter", "Square", "Rad-Square", "Rectangle", "Rad-Rect", "Obround",
                           "Single-D", "Double-D", "Cannon-D", "Hexagon", "Keyway", "Louvre",
                           "Cruciform", "Special"}));
    EXPECT_EQ(Texts(Menu("MeasureMenu")->actions()),
              QStringList({"Metric (mm)", "Imperial ( \" )"}));

    // The control names the commands are known by.
    for (const char* name :
         {"LibraryItem1",   "LibraryItem2", "LibraryItem3", "sep11",       "DefaultTool1",
          "DefaultTool4",   "sep12",        "TurretItem1",  "TurretItem5", "sep13",
          "PrintToolsItem", "sep14",        "ExportItem",   "sep15",       "ExitLibrary",
          "ToolShape1",     "ToolShape14",  "AddTool",      "EditTool",    "DeleteTool",
          "Measurement1",   "Measurement2", "ToolSettings"}) {
        Action(name);
    }
}

TEST_F(ToolLibraryTest, OnlyTheCommandsOfTheProgramSoFarAreEnabled) {
    Load(FixtureInstallation::kMetric);
    struct Row {
        const char* name;
        bool enabled;
    };
    const Row rows[] = {
        {"LibraryItem1", true},    {"LibraryItem2", true},  {"LibraryItem3", true},
        {"DefaultTool1", false},   {"DefaultTool2", false}, {"DefaultTool3", false},
        {"DefaultTool4", false},   {"TurretItem1", false},  {"TurretItem2", false},
        {"TurretItem3", false},    {"TurretItem4", false},  {"TurretItem5", false},
        {"PrintToolsItem", false}, {"ExportItem", false},   {"ExitLibrary", true},
        {"ToolShape1", true},      {"ToolShape14", true},   {"AddTool", false},
        {"EditTool", false},       {"DeleteTool", false},   {"Measurement1", true},
        {"Measurement2", true},    {"ToolSettings", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Action(row.name)->isEnabled(), row.enabled) << row.name;
    }
    for (const char* menu :
         {"FileMenu", "DefToolMenu", "TurretMenu", "ToolShapeMenu", "MeasureMenu"}) {
        EXPECT_TRUE(Menu(menu)->menuAction()->isEnabled()) << menu;
    }
}

TEST_F(ToolLibraryTest, MenusOffDisablesTheMenuBarAndMenusOnRestoresIt) {
    Load(FixtureInstallation::kMetric);
    const auto enabled = [this] {
        QStringList names;
        for (QAction* action : window->menuBar()->actions()) {
            if (action->isEnabled()) {
                names << action->text();
            }
        }
        if (Action("ExitLibrary")->isEnabled()) {
            names << "E&xit";
        }
        return names;
    };
    const QStringList before = enabled();
    EXPECT_EQ(before, QStringList({"&File", "Tool &Shape", "Measurement", "E&xit"}));
    window->MenusOff();
    EXPECT_EQ(enabled(), QStringList());
    window->MenusOn();
    EXPECT_EQ(enabled(), before);
}

TEST_F(ToolLibraryTest, LoadShowsLibraryShapeMachineAndCheckMarks) {
    Prepare(FixtureInstallation::kMetric);
    // Defaults of "Shop": X shearing a Square (defined), Y shearing none, clearing a Rectangle
    // (not a clearing tool), nibbling a Diameter (defined).
    std::string defaults;
    const std::array<std::pair<std::int16_t, char>, 4> records = {
        {{2, 'B'}, {0, 'D'}, {1, 'D'}, {3, 'A'}}};
    for (const auto& [recordNo, shape] : records) {
        core::DefaultToolRec rec;
        rec.recordNo = recordNo;
        rec.shape = shape;
        defaults += turrets::EncodeDefault(rec);
    }
    fixture->Write("Data/Tools/Metric/Shop.dft", defaults);
    Load();

    EXPECT_EQ(StatusTexts(), QStringList({" Shop ", " Diameter", "Kessler TP-20 Metric "}));
    EXPECT_EQ(CheckedShapes(), QStringList({"ToolShape1"}));
    EXPECT_TRUE(Action("Measurement1")->isChecked());
    EXPECT_FALSE(Action("Measurement2")->isChecked());
    const bool marks[] = {true, false, false, true};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(Action(("DefaultTool" + std::to_string(k)).c_str())->isChecked(), marks[k - 1])
            << k;
    }
    EXPECT_TRUE(Action("ToolSettings")->isVisible());
    EXPECT_EQ(window->listHeader().toStdString(), tools::ListHeader(1));
    EXPECT_EQ(session().win.CurShapeNo, 1);
    EXPECT_EQ(session().win.CurShapeCode, "A");
}

TEST_F(ToolLibraryTest, ImperialMachineStartsWithImperialCheckedAndNoDefaultMarks) {
    Load(FixtureInstallation::kImperial);
    EXPECT_FALSE(Action("Measurement1")->isChecked());
    EXPECT_TRUE(Action("Measurement2")->isChecked());
    for (const char* name : {"DefaultTool1", "DefaultTool2", "DefaultTool3", "DefaultTool4"}) {
        EXPECT_FALSE(Action(name)->isChecked()) << name;
    }
}

TEST_F(ToolLibraryTest, RouterMachineHasOnlyTheRouterShapeAndNoToolSettings) {
    Load(FixtureInstallation::kRouter);
    EXPECT_FALSE(Menu("ToolShapeMenu")->menuAction()->isEnabled());
    EXPECT_EQ(StatusTexts(), QStringList({" Routing ", " Router", "Falcon Router R-4 "}));
    EXPECT_EQ(CheckedShapes(), QStringList({"ToolShape1"}));
    EXPECT_EQ(session().win.CurShapeNo, tools::kRouterShapeNo);
    EXPECT_EQ(session().win.CurShapeCode, "A");
    // Tool settings are off on this machine: the entry is not on the menu bar at all.
    EXPECT_FALSE(Action("ToolSettings")->isVisible());

    window->MenusOff();
    window->MenusOn();
    EXPECT_FALSE(Menu("ToolShapeMenu")->menuAction()->isEnabled());
    EXPECT_TRUE(Menu("FileMenu")->menuAction()->isEnabled());
}

TEST_F(ToolLibraryTest, EmptyLibraryNameShowsAsTwoBlanks) {
    Prepare(FixtureInstallation::kRouter);
    fixture->Remove("Data/Material/Router/Default.mtl");
    Load();
    EXPECT_EQ(StatusTexts(), QStringList({"  ", " Router", "Falcon Router R-4 "}));
}

TEST_F(ToolLibraryTest, MeasurementSwitchesTheDisplayUnitAndKeepsTheStatusTexts) {
    Load(FixtureInstallation::kMetric);
    const QStringList texts = StatusTexts();
    Action("Measurement2")->trigger();
    EXPECT_TRUE(session().machine.ImperialDisplay);
    EXPECT_FALSE(session().machine.MachineImperial);
    EXPECT_FALSE(Action("Measurement1")->isChecked());
    EXPECT_TRUE(Action("Measurement2")->isChecked());
    EXPECT_EQ(StatusTexts(), texts);

    // Choosing the checked entry again leaves it checked.
    Action("Measurement2")->trigger();
    EXPECT_TRUE(Action("Measurement2")->isChecked());
    Action("Measurement1")->trigger();
    EXPECT_FALSE(session().machine.ImperialDisplay);
    EXPECT_TRUE(Action("Measurement1")->isChecked());
    EXPECT_FALSE(Action("Measurement2")->isChecked());
}

TEST_F(ToolLibraryTest, ChoosingSquareMakesItTheCurrentShape) {
    Load(FixtureInstallation::kMetric);
    session().cmd.StnLidx[0] = 3;
    session().cmd.StnLidx[12] = 5;
    Action("ToolShape2")->trigger();
    EXPECT_EQ(session().win.CurShapeNo, 2);
    EXPECT_EQ(session().win.CurShapeCode, "B");
    EXPECT_EQ(session().cmd.StnLidx, (std::array<std::int16_t, 13>{}));
    EXPECT_EQ(CheckedShapes(), QStringList({"ToolShape2"}));
    EXPECT_EQ(StatusTexts(), QStringList({" Shop ", " Square", "Kessler TP-20 Metric "}));
    EXPECT_EQ(window->listHeader().toStdString(), tools::ListHeader(2));

    // The checked item chosen again stays the only one checked.
    Action("ToolShape2")->trigger();
    EXPECT_EQ(CheckedShapes(), QStringList({"ToolShape2"}));
}

TEST_F(ToolLibraryTest, AccessKeysOpenTheFileMenuAndExitClosesTheWindow) {
    Load(FixtureInstallation::kMetric);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    QMenu* fileMenu = Menu("FileMenu");
    ASSERT_TRUE(QTest::qWaitFor([&] { return fileMenu->isVisible(); }));
    EXPECT_EQ(QApplication::activePopupWidget(), fileMenu);

    QTest::keyClick(fileMenu, Qt::Key_X);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }));
}

TEST_F(ToolLibraryTest, F10AndTheArrowKeysWalkTheMenuBar) {
    Load(FixtureInstallation::kMetric);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QTest::keyClick(window.get(), Qt::Key_F10);
    QMenu* fileMenu = Menu("FileMenu");
    ASSERT_TRUE(QTest::qWaitFor([&] { return fileMenu->isVisible(); }));
    QTest::keyClick(fileMenu, Qt::Key_Right);
    QMenu* shapeMenu = Menu("ToolShapeMenu");
    ASSERT_TRUE(QTest::qWaitFor([&] { return shapeMenu->isVisible(); }));

    // The menu opens on "Diameter"; down to "Square" and Return chooses it.
    QTest::keyClick(shapeMenu, Qt::Key_Down);
    QTest::keyClick(shapeMenu, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shapeMenu->isVisible(); }));
    EXPECT_EQ(session().win.CurShapeNo, 2);
    EXPECT_EQ(window->statusLine().middleText(), " Square");
}

}  // namespace
}  // namespace tooling::ui
