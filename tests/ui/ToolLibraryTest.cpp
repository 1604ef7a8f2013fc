#include "ui/ToolLibrary.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/Session.h"
#include "library/DefaultTools.h"
#include "tests/support/FixtureInstallation.h"
#include "tools/ToolShapes.h"
#include "ui/StatusLine.h"

namespace tooling::ui {
namespace {

using test::FixtureInstallation;

class ToolLibraryTest : public ::testing::Test {
  protected:
    // Loads the window on a fixture installation of the machine, with the library "Shop" that
    // the turret machines' material names.
    void Load(int machineNo, const std::function<void(FixtureInstallation&)>& change = {}) {
        fixture = std::make_unique<FixtureInstallation>(machineNo);
        for (const char* folder : {"Metric", "Imperial"}) {
            fixture->Write("Data/Tools/" + std::string(folder) + "/Shop.lkp", "******\r\n");
        }
        if (change) {
            change(*fixture);
        }
        window = std::make_unique<ToolLibrary>(fixture->session());
        ASSERT_EQ(window->Form_Load(), core::StartOutcome::Ready);
    }
    core::Session& session() { return fixture->session(); }
    QAction* Action(const char* name) {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }

    // Menu entries as the user finds them: the caption, "~" before a disabled entry, "*" after
    // a checked one, "-" for a separator, the entries of a menu in brackets when `deep`; hidden
    // entries are left out.
    static QString Entries(const QList<QAction*>& actions, bool deep) {
        QStringList entries;
        for (const QAction* action : actions) {
            QString entry = (action->isEnabled() ? "" : "~") +
                            (action->isSeparator() ? QStringLiteral("-") : action->text()) +
                            (action->isChecked() ? "*" : "");
            if (deep && action->menu() != nullptr) {
                entry += "[" + Entries(action->menu()->actions(), deep) + "]";
            }
            if (action->isVisible()) {
                entries << entry;
            }
        }
        return entries.join("|");
    }
    std::string MenuBar(bool deep = false) const {
        return Entries(window->menuBar()->actions(), deep).toStdString();
    }
    // The names of the checked entries, then the three texts of the status line in brackets.
    std::string Marks() const {
        QString marks;
        for (const QAction* action : window->findChildren<QAction*>()) {
            marks += action->isChecked() ? action->objectName() + " " : "";
        }
        const StatusLine& line = window->statusLine();
        return (marks + "[" + line.leftText() + "][" + line.middleText() + "][" + line.rightText() +
                "]")
            .toStdString();
    }

    std::unique_ptr<FixtureInstallation> fixture;
    std::unique_ptr<ToolLibrary> window;
};

// The defaults file of four records, each with its record number and shape.
std::string Defaults(const std::vector<std::pair<int, char>>& records) {
    std::string bytes;
    for (const auto& [recordNo, shape] : records) {
        core::DefaultToolRec rec;
        rec.recordNo = static_cast<std::int16_t>(recordNo);
        rec.shape = shape;
        bytes += library::EncodeDefault(rec);
    }
    return bytes;
}

TEST_F(ToolLibraryTest, MetricMachineShowsEveryCommandItsMarksAndTheStatusLine) {
    // X shearing a Square and nibbling a Diameter are defined; clearing a Rectangle is not.
    Load(FixtureInstallation::kMetric, [](FixtureInstallation& f) {
        f.Write("Data/Tools/Metric/Shop.dft", Defaults({{2, 'B'}, {0, 'D'}, {1, 'D'}, {3, 'A'}}));
    });
    EXPECT_EQ(window->windowTitle().toStdString(), "Tool Library");
    const std::string menuBar = MenuBar(true);
    EXPECT_EQ(
        menuBar,
        "&File[Select Tool &Library|Create New Tool Library|Delete Tool Libray|-|Default "
        "Tools[X Shearing Tool*|Y Shearing Tool|Clearing Tool|Nibbling Tool*]|-|"
        "Standard Turrets[Create Turret|Duplicate Turret|Edit Turret|Delete Turret|"
        "Print Turret]|-|Print Tool List|Print Preview|-|Export Special Tools|-|E&xit]|Tool &Shape["
        "Diameter*|Square|Rad-Square|Rectangle|Rad-Rect|Obround|Single-D|Double-D|Cannon-D|"
        "Hexagon|Keyway|Louvre|Cruciform|Special]|&Add Tool|Edit Tool|Delete Tool|"
        "Measurement[Metric (mm)*|Imperial ( \" )]|Tool Settings|&Help[About Tool Library]");
    EXPECT_EQ(Marks(),
              "DefaultTool1 DefaultTool4 ToolShape1 Measurement1 [ Shop ][ Diameter]"
              "[Kessler TP-20 Metric ]");
    EXPECT_EQ(window->listHeader().toStdString(), tools::ListHeader(1));
}

TEST_F(ToolLibraryTest, OtherMachinesShowTheirOwnMenusMarksAndStatusLine) {
    const std::string turretBar =
        "&File|Tool &Shape|&Add Tool|Edit Tool|Delete Tool|Measurement|Tool Settings|&Help";
    const std::string routerBar =
        "&File|~Tool &Shape|&Add Tool|Edit Tool|Delete Tool|Measurement|&Help";
    const std::tuple<int, bool, std::string, std::string> rows[] = {
        // The machine, whether its material is there, the menu bar, the marks.
        {FixtureInstallation::kImperial, true, turretBar,
         "ToolShape1 Measurement2 [ Shop ][ Diameter][Kessler TP-20 Imperial ]"},
        {FixtureInstallation::kRouter, true, routerBar,
         "ToolShape1 Measurement1 [ Routing ][ Router][Falcon Router R-4 ]"},
        {FixtureInstallation::kRouter, false, routerBar,
         "ToolShape1 Measurement1 [  ][ Router][Falcon Router R-4 ]"},
    };
    for (const auto& [machine, material, menuBar, marks] : rows) {
        Load(machine, [&](FixtureInstallation& f) {
            if (!material) {
                f.Remove("Data/Material/Router/Default.mtl");
            }
        });
        window->MenusOff();
        window->MenusOn();
        EXPECT_EQ(MenuBar(), menuBar);
        EXPECT_EQ(Marks(), marks);
    }
}

TEST_F(ToolLibraryTest, MeasurementToolShapeAndExitCommands) {
    Load(FixtureInstallation::kMetric);
    session().cmd.StnLidx[12] = 5;
    // A checked entry chosen again stays checked.
    const std::tuple<const char*, bool, std::string> steps[] = {
        {"Measurement2", true, "ToolShape1 Measurement2 [ Shop ][ Diameter]"},
        {"Measurement2", true, "ToolShape1 Measurement2 [ Shop ][ Diameter]"},
        {"Measurement1", false, "ToolShape1 Measurement1 [ Shop ][ Diameter]"},
        {"ToolShape2", false, "ToolShape2 Measurement1 [ Shop ][ Square]"},
        {"ToolShape2", false, "ToolShape2 Measurement1 [ Shop ][ Square]"},
    };
    for (const auto& [name, imperialDisplay, marks] : steps) {
        Action(name)->trigger();
        EXPECT_EQ(Marks(), marks + "[Kessler TP-20 Metric ]") << name;
        EXPECT_EQ(session().machine.ImperialDisplay, imperialDisplay);
    }
    EXPECT_FALSE(session().machine.MachineImperial);
    EXPECT_EQ(session().win.CurShapeCode, "B");
    EXPECT_EQ(session().cmd.StnLidx, decltype(session().cmd.StnLidx){});
    EXPECT_EQ(window->listHeader().toStdString(), tools::ListHeader(2));

    // Exit closes the window and ends the program's event loop with status 0.
    window->show();
    QTimer::singleShot(0, [this] { Action("ExitLibrary")->trigger(); });
    QTimer guard;  // ends a loop that Exit did not end
    guard.callOnTimeout([] { QCoreApplication::exit(1); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ToolLibraryTest, SelectToolLibraryShowsTheNewLibraryAndItsDefaults) {
    Load(FixtureInstallation::kMetric, [](FixtureInstallation& f) {
        f.Write("Data/Tools/Metric/Alpha.lkp", "******\r\n");
        f.Write("Data/Tools/Metric/Alpha.dft", Defaults({{0, ' '}, {0, ' '}, {4, 'B'}}));
    });
    std::string during;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        during = dialog->windowTitle().toStdString() + ": " + MenuBar() +
                 (Action("ExitLibrary")->isEnabled() ? "|E&xit" : "|~E&xit");
        QTest::keyClick(dialog->findChild<QListWidget*>(QStringLiteral("LibraryList1")),
                        Qt::Key_Return);
    });
    Action("LibraryItem1")->trigger();
    EXPECT_EQ(during,
              "Select Tool Library: ~&File|~Tool &Shape|~&Add Tool|~Edit Tool|~Delete "
              "Tool|~Measurement|~Tool Settings|~&Help|~E&xit");
    EXPECT_EQ(Marks(),
              "DefaultTool3 ToolShape1 Measurement1 [ Alpha ][ Diameter]"
              "[Kessler TP-20 Metric ]");
    EXPECT_EQ(MenuBar(),
              "&File|Tool &Shape|&Add Tool|Edit Tool|Delete Tool|Measurement|Tool "
              "Settings|&Help");
}

}  // namespace
}  // namespace tooling::ui
