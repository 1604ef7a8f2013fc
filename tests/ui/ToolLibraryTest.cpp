#include "ui/ToolLibrary.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "core/Session.h"
#include "library/DefaultTools.h"
#include "tests/ui/Screen.h"

namespace tooling::ui {
namespace {

using test::FixtureInstallation;
using test::MainWindowFixture;

// A defaults file of these records, each a record number and a shape.
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

// The metric machine has X shearing a Square and nibbling a Diameter defined, clearing a
// Rectangle not; the router's menus stay its own after the menus go off and on again.
TEST(ToolLibraryWindow, EachMachineShowsItsMenusMarksAndStatusLine) {
    test::Transcript seen;
    const std::tuple<const char*, int, const char*> rows[] = {
        {"metric", FixtureInstallation::kMetric, ""},
        {"imperial", FixtureInstallation::kImperial, ""},
        {"router", FixtureInstallation::kRouter, ""},
        {"router without its material", FixtureInstallation::kRouter,
         "Data/Material/Router/Default.mtl"},
    };
    for (const auto& [name, machine, removed] : rows) {
        MainWindowFixture main(machine, [&](FixtureInstallation& f) {
            f.Write("Data/Tools/Metric/Shop.dft",
                    Defaults({{2, 'B'}, {0, 'D'}, {1, 'D'}, {3, 'A'}}));
            if (*removed != '\0') {
                f.Remove(removed);
            }
        });
        main.window->MenusOff();
        main.window->MenusOn();
        seen << std::string(name) + ": " + main.window->windowTitle().toStdString()
             << " " + main.MenusAndStatus() << " " + main.window->listHeader().toStdString();
    }
}

TEST(ToolLibraryWindow, MeasurementToolShapeSelectLibraryAndExitCommands) {
    MainWindowFixture main(FixtureInstallation::kMetric, [](FixtureInstallation& f) {
        f.Write("Data/Tools/Metric/Alpha.lkp", "******\r\n");
        f.Write("Data/Tools/Metric/Alpha.dft", Defaults({{0, ' '}, {0, ' '}, {4, 'B'}}));
    });
    test::Transcript seen(main.fixture.Root());
    core::Session& session = main.session();
    session.cmd.StnLidx[12] = 5;
    // A checked entry chosen again stays checked.
    for (const char* name :
         {"Measurement2", "Measurement2", "Measurement1", "ToolShape2", "ToolShape2"}) {
        main.Action(name)->trigger();
        seen << std::string(name) +
                    (session.machine.ImperialDisplay ? " imperial: " : " metric: ") +
                    main.MenusAndStatus();
    }
    EXPECT_FALSE(session.machine.MachineImperial);
    EXPECT_EQ(session.win.CurShapeCode, "B");
    EXPECT_EQ(session.cmd.StnLidx, decltype(session.cmd.StnLidx){});
    seen << main.window->listHeader();

    test::WithModal(
        [&](QWidget& dialog) {
            seen << dialog.windowTitle() + ": " << main.MenusAndStatus();
            QTest::keyClick(test::Find<QListWidget>(dialog, "LibraryList1"), Qt::Key_Return);
        },
        [&] { main.Action("LibraryItem1")->trigger(); });
    seen << main.MenusAndStatus();

    // Exit closes the window and ends the program's event loop with status 0.
    main.window->show();
    QTimer::singleShot(0, [&] { main.Action("ExitLibrary")->trigger(); });
    QTimer guard;  // ends a loop that Exit did not end
    guard.callOnTimeout([] { QCoreApplication::exit(1); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(main.window->isVisible());
}

}  // namespace
}  // namespace tooling::ui
