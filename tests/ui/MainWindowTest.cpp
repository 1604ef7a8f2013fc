#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "core/Session.h"
#include "library/DefaultTools.h"
#include "library/ToolFile.h"
#include "platform/FileSystem.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/PdfText.h"
#include "tests/support/RecordingPage.h"
#include "tests/turrets/TurretFixture.h"
#include "tests/ui/Screen.h"

namespace tooling::ui {
namespace {

using test::FixtureInstallation;
using test::TurretFixture;

// The metric machine's library "Shop": four Squares of 10 to 40 (settings 1 to 4) in station
// types 1 and 5 (an index station), the first the X shearing tool; a Rectangle loaded at 90
// degrees; the special tools FLANGE and VENT with their drawings. Besides, the libraries "Alpha"
// with a Diameter tool file and a clearing tool, and "Gamma", and the folders Out/Disc1 and
// Out/Disc2 to export to. The window shows the Squares.
class MainWindowTest : public ::testing::Test, public test::MainWindowFixture {
  protected:
    MainWindowTest() : MainWindowFixture(FixtureInstallation::kMetric, WriteLibraries) {
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        Action("ToolShape2")->trigger();
    }
    static void WriteLibraries(FixtureInstallation& f) {
        test::WriteToolRows(f.Path("Data/Tools/Metric/Shop."), "MainWindowTest");
        f.Write("Data/Tools/Metric/Shop.dft", test::DefaultsBytes({{1, 'B'}}));
        f.Write("Data/Tools/Metric/Alpha.dft", test::DefaultsBytes({{0, ' '}, {0, ' '}, {4, 'B'}}));
        f.WriteFiles(TOOLING_GOLDEN_DIR "/MainWindowFiles.txt");
    }

    // The window builds its tool list frame when a command first shows it.
    QTableView* List() const { return test::Find<QTableView>(*window, "ToolList"); }
    QGroupBox* ToolFrame() const { return test::Find<QGroupBox>(*window, "ToolFrame"); }
    // A frame as it shows, and the control with the focus.
    std::string Frame(const char* name = "ToolFrame") const {
        const auto* frame = test::Find<QWidget>(*window, name);
        return frame == nullptr || !frame->isVisible()
                   ? "hidden"
                   : test::Shown(*frame) + " | focus " +
                         window->focusWidget()->objectName().toStdString();
    }
    std::string SettingsNumbers() {
        std::string ids;
        for (const library::ToolRec& rec : library::ReadToolFile(session(), 'B')) {
            ids += (ids.empty() ? "" : " ") + std::to_string(rec.SettingsNo);
        }
        return ids;
    }
    test::RecordingPage& Page() { return static_cast<test::RecordingPage&>(session().os.printer); }
    void Click(QWidget& root, const char* button) {
        test::Find<QPushButton>(root, button)->click();
    }
    // Runs `act` on the modal window the entry opens.
    void Open(const char* entry, const std::function<void(QWidget&)>& act) {
        test::WithModal(act, [&] { Action(entry)->trigger(); });
    }

    test::Transcript seen{fixture.Root()};
};

// X shearing a Square and nibbling a Diameter are defined, clearing a Rectangle not; the router's
// menus stay its own after the menus go off and on again.
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
        test::MainWindowFixture main(machine, [&](FixtureInstallation& f) {
            f.Write("Data/Tools/Metric/Shop.dft",
                    test::DefaultsBytes({{2, 'B'}, {0, 'D'}, {1, 'D'}, {3, 'A'}}));
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

TEST_F(MainWindowTest, MeasurementToolShapeSelectLibraryAndExitCommands) {
    // A checked entry chosen again stays checked.
    for (const char* name :
         {"Measurement2", "Measurement2", "Measurement1", "ToolShape1", "ToolShape1"}) {
        Action(name)->trigger();
        seen << std::string(name) +
                    (session().machine.ImperialDisplay ? " imperial: " : " metric: ") +
                    MenusAndStatus();
    }
    EXPECT_FALSE(session().machine.MachineImperial);
    seen << window->listHeader();

    Open("LibraryItem1", [&](QWidget& dialog) {
        seen << dialog.windowTitle() + ": " << MenusAndStatus();
        QTest::keyClick(test::Find<QListWidget>(dialog, "LibraryList1"), Qt::Key_Return);
    });
    seen << MenusAndStatus();

    // Exit closes the window and ends the program's event loop with status 0.
    QTimer::singleShot(0, [&] { Action("ExitLibrary")->trigger(); });
    QTimer guard;  // ends a loop that Exit did not end
    guard.callOnTimeout([] { QCoreApplication::exit(1); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window->isVisible());
}

// The frame hides before the question comes up; the deleted X shearing tool loses its mark.
TEST_F(MainWindowTest, DeleteAsksAndRemovesTheChosenToolsAndTheirDefaultMark) {
    Action("DeleteTool")->trigger();
    test::ClickRow(*List(), 2);
    seen << Frame();
    fixture.ui().answers = {true};
    bool frameUpWhileAsked = true;
    fixture.ui().whileAsking = [&] { frameUpWhileAsked = ToolFrame()->isVisible(); };
    QTest::keyClick(List(), Qt::Key_Return);
    EXPECT_FALSE(frameUpWhileAsked);
    seen << fixture.ui().events << SettingsNumbers() << Frame() << MenusAndStatus();

    // Answered No, nothing changes.
    Action("DeleteTool")->trigger();
    Click(*window, "ToolOk");
    seen << fixture.ui().events << SettingsNumbers();
}

// Edit Tool's list shows until Escape; a double click and Add open the shape's dialog.
TEST_F(MainWindowTest, DoubleClickAndAddOpenTheShapesDialogAndSettingsRunWithMenusOff) {
    // Each dialog that opens: its caption, the record in edit and the menus; Esc closes it.
    const auto closeDialog = [&](QWidget& dialog) {
        seen << dialog.windowTitle().toStdString() + " " + std::to_string(session().cmd.EditRecNo) +
                    " " + MenusAndStatus();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    };
    Action("EditTool")->trigger();
    seen << Frame() << MenusAndStatus();
    QTest::keyClick(List(), Qt::Key_Escape);
    seen << Frame() << MenusAndStatus();
    Action("EditTool")->trigger();
    test::ClickRow(*List(), 2);
    test::WithModal(closeDialog, [&] { test::ClickRow(*List(), 2, true); });
    Open("AddTool", closeDialog);
    seen << Frame() << MenusAndStatus();
    EXPECT_EQ(session().cmd.EditRecNo, 0);
    EXPECT_FALSE(session().cmd.AddAgain);

    // An empty shape only beeps.
    Action("ToolShape5")->trigger();
    Action("EditTool")->trigger();
    seen << fixture.ui().events << Frame();

    fixture.Write("Program/KesSet.exe", "settings program stand-in\n");
    auto& process = static_cast<test::FakeProcess&>(session().os.process);
    process.whileRunning = [&](const std::string&) {
        seen << MenusAndStatus() << fixture.Read("Program/Settings.cfg");
    };
    Action("ToolSettings")->trigger();
    seen << process.started << MenusAndStatus();
    EXPECT_FALSE(fixture.Exists("Program/Settings.cfg"));
}

TEST_F(MainWindowTest, PrintToolListAndThePanelsPrintButtonPrintTheShapesList) {
    Action("PrintToolsItem")->trigger();
    const std::vector<std::string> printed = Page().ops;
    seen << Page().ops;

    // The Print button of Edit Tool's list prints the same, and the list stays up.
    Action("EditTool")->trigger();
    Click(*window, "PrintToolsBttn");
    EXPECT_EQ(Page().ops, printed);
    EXPECT_TRUE(ToolFrame()->isVisible());
    EXPECT_TRUE(fixture.ui().events.empty());
}

TEST_F(MainWindowTest, PrintPreviewShowsThePagesAndNoPrinterOffersAPdf) {
    Open("PrintPreviewItem", [&](QWidget& preview) {
        seen << "preview pages: " +
                    std::to_string(preview.findChild<QPrintPreviewWidget*>()->pageCount());
    });
    EXPECT_TRUE(Page().ops.empty());

    // No printer: declined, nothing is printed; accepted, the list goes to the PDF file chosen.
    Page().printerInstalled = false;
    fixture.ui().answers = {false, true};
    Action("PrintToolsItem")->trigger();
    seen << fixture.ui().events;
    const std::string pdf = fixture.ProgramDir() + "Squares.pdf";
    Open("PrintToolsItem", [&](QWidget& dialog) {
        static_cast<QFileDialog&>(dialog).selectFile(QString::fromStdString(pdf));
        static_cast<QDialog&>(dialog).accept();
    });
    seen << fixture.ui().events;
    EXPECT_TRUE(Page().ops.empty());
    const test::PdfText printed = test::ReadPdf(TOOLING_PDFTOTEXT, pdf);
    seen << printed.At("SQUARE").text + " " + printed.At("TOOLS").text
         << std::to_string(printed.heights.size()) + " page(s)";
}

TEST_F(MainWindowTest, TheDefaultToolsMenuOpensTheDialogAndItsMarksFollow) {
    const auto choose = [](QWidget& dialog, const char* list, int line) {
        test::Find<QComboBox>(dialog, list)->setCurrentIndex(line);
    };
    Open("DefaultTool2", [&](QWidget& dialog) {
        seen << test::Shown(dialog) << MenusAndStatus();
        choose(dialog, "ShapeList", 1);
        Click(dialog, "InptOk");
    });
    seen << MenusAndStatus();
    EXPECT_EQ(library::ReadToolFile(session(), 'D')[0].DefMark, 2);
    EXPECT_EQ(session().lib.DefaultTools[1].angle, 90.0F);

    // Choosing a shape fills the size list; Ok takes the size and the station chosen.
    Open("DefaultTool3", [&](QWidget& dialog) {
        choose(dialog, "ShapeList", 0);
        choose(dialog, "SizeList", 1);
        seen << test::Shown(dialog);
        choose(dialog, "StnList", 1);
        Click(dialog, "InptOk");
        seen << (dialog.isVisible() ? "open" : "closed");
    });
    seen << fixture.ui().events << MenusAndStatus();
    EXPECT_EQ(session().lib.DefaultTools[2].stnType, 5);

    // Cancel writes nothing.
    const std::string defaults = fixture.Read("Data/Tools/Metric/Shop.dft");
    Open("DefaultTool4", [&](QWidget& dialog) { Click(dialog, "InptCncl"); });
    EXPECT_EQ(fixture.Read("Data/Tools/Metric/Shop.dft"), defaults);
    seen << MenusAndStatus();
}

TEST_F(MainWindowTest, ExportsTheChosenSpecialToolsToTheFolderBrowsedTo) {
    session().inst.ProgramDrive = fixture.Path("Out/");
    // The dialog but for its drive list, which shows this machine's drives.
    const auto shown = [](QWidget& dialog) {
        std::string text = dialog.windowTitle().toStdString();
        for (const char* name : {"ExportLabel1", "ExportFileList", "ExportLabel2",
                                 "ExportFolderPath", "ExportFolderList"}) {
            text += " | " + test::Shown(*test::Find<QWidget>(dialog, name));
        }
        return text + " | focus " + dialog.focusWidget()->objectName().toStdString();
    };
    Open("ExportItem", [&](QWidget& dialog) {
        seen << shown(dialog);
        EXPECT_EQ(test::Find<QComboBox>(dialog, "ExportDriveList")->currentText().toStdString(),
                  session().os.fs.VolumeOf(fixture.Path("Out/")));
        auto* folders = test::Find<QListWidget>(dialog, "ExportFolderList");
        folders->setCurrentRow(2);
        QTest::keyClick(folders, Qt::Key_Return);
        seen << shown(dialog);
        auto* tools = test::Find<QListWidget>(dialog, "ExportFileList");
        tools->item(0)->setSelected(true);
        tools->item(1)->setSelected(true);
        fixture.ui().answers = {true};
        Click(dialog, "ExportOk");
        seen << (dialog.isVisible() ? "open" : "closed");
    });
    seen << fixture.ui().events << fixture.Read("Out/Disc2/FLANGE")
         << fixture.Read("Out/Disc2/VENT") << fixture.Read("Data/Data/Metric.xtl")
         << session().inst.ProgramDrive << MenusAndStatus();
}

// Create, with Escape in the name box, keys refused, the copy chosen; delete by a double click.
TEST_F(MainWindowTest, TheLibraryEntriesTakeKeysClicksAndDoubleClicks) {
    const auto key = [](QWidget& dialog, Qt::Key key) {
        QTest::keyClick(dialog.focusWidget(), key);
    };
    const auto closed = [](QWidget& dialog) { return dialog.isVisible() ? "open" : "closed"; };
    Open("LibraryItem2", [&](QWidget& dialog) {
        seen << test::Shown(dialog);
        key(dialog, Qt::Key_Escape);
        seen << closed(dialog);
    });
    Open("LibraryItem2", [&](QWidget& dialog) {
        key(dialog, Qt::Key_Return);
        seen << fixture.ui().events << test::Shown(dialog);
        auto* box = test::Find<QLineEdit>(dialog, "LibraryBox");
        QTest::keyClicks(box, "Shop/2,");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        test::Find<QComboBox>(dialog, "LibraryCombo")->setFocus();
        key(dialog, Qt::Key_Down);
        seen << test::Shown(dialog);
        QTest::mouseClick(test::Find<QPushButton>(dialog, "LibraryOk"), Qt::LeftButton);
        seen << closed(dialog) << fixture.ui().events;
    });
    EXPECT_EQ(fixture.Read("Data/Tools/Metric/Shop2.A"), "a Diameter's bytes");
    seen << MenusAndStatus();

    fixture.ui().answers = {true};
    Open("LibraryItem3", [&](QWidget& dialog) {
        seen << test::Shown(dialog);
        test::ClickRow(*test::Find<QListWidget>(dialog, "LibraryList2"), 0, true);
        seen << closed(dialog) << fixture.ui().events;
    });
    seen << MenusAndStatus();
    EXPECT_FALSE(fixture.Exists("Data/Tools/Metric/Alpha.lkp"));
}

// The Standard Turrets entries run the turret frames, with the menus off meanwhile.
TEST_F(MainWindowTest, CreateFillSaveAndEditATurret) {
    const auto turrets = [&] { return Frame("TurretFrames"); };
    Action("TurretItem1")->trigger();
    seen << turrets() << MenusAndStatus();
    QTest::keyClicks(test::Find<QLineEdit>(*window, "NameBox"), "Front, Row");
    seen << fixture.ui().events;
    QTest::keyClick(test::Find<QLineEdit>(*window, "NameBox"), Qt::Key_Return);
    seen << turrets();

    auto* table = test::Find<QTableWidget>(*window, "TurretList");
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(1, 2)).center());
    test::WithModal(
        [&](QWidget& dialog) {
            seen << test::Shown(dialog);
            test::Find<QComboBox>(dialog, "ShapeList")->setCurrentIndex(1);
            test::Find<QComboBox>(dialog, "SizeList")->setCurrentIndex(0);
            test::Find<QComboBox>(dialog, "AngList")->setCurrentIndex(1);
            seen << test::Shown(dialog);
            EXPECT_TRUE(test::Find<QPushButton>(dialog, "InptOk")->isDefault());
            Click(dialog, "InptOk");
        },
        [&] { Click(*window, "Selectool"); });
    test::WithModal([&](QWidget& dialog) { Click(dialog, "InptCncl"); },
                    [&] { emit table->cellDoubleClicked(2, 0); });

    // Back from the dialog, the window is active again.
    QApplication::setActiveWindow(window.get());
    seen << turrets();
    QTest::keyClick(table, Qt::Key_Return);
    seen << turrets() << MenusAndStatus() << test::ReadFile(session().lib.TurretLibPrefix + "lkp")
         << test::ReadFile(session().lib.TurretLibPrefix + "1");

    Action("TurretItem3")->trigger();
    seen << turrets();
    QTest::keyClick(test::Find<QListWidget>(*window, "ListSngl"), Qt::Key_Enter);
    seen << turrets();
    QTest::keyClick(table, Qt::Key_Escape);
    seen << turrets() << MenusAndStatus();
}

TEST_F(MainWindowTest, PrintAndPreviewTheChosenTurretThenDeleteBoth) {
    const std::string prefix = session().lib.TurretLibPrefix;
    test::WriteFile(prefix + "lkp", "Aft, 2\r\nFront, 1\r\n******\r\n");
    test::WriteFile(prefix + "1", test::ReadFile(prefix + "0"));
    test::WriteFile(prefix + "2", test::ReadFile(prefix + "0"));
    const auto turrets = [&] { return Frame("TurretFrames"); };
    Action("TurretItem5")->trigger();
    seen << turrets();
    // Preview shows the chosen turret's sheet without printing it, and the list stays up.
    test::WithModal(
        [&](QWidget& preview) {
            seen << "preview pages: " +
                        std::to_string(preview.findChild<QPrintPreviewWidget*>()->pageCount());
        },
        [&] { Click(*window, "PreviewBttn"); });
    EXPECT_TRUE(Page().ops.empty());
    seen << turrets();
    Click(*window, "ListOk");
    seen << turrets() << Page().ops << fixture.ui().events;

    Action("TurretItem4")->trigger();
    auto* list = test::Find<QListWidget>(*window, "ListMult");
    test::ClickRow(*list, 0);
    test::ClickRow(*list, 1);
    fixture.ui().answers = {true};
    Click(*window, "ListOk");
    seen << fixture.ui().events << turrets() << MenusAndStatus() << test::ReadFile(prefix + "lkp");
}

}  // namespace
}  // namespace tooling::ui
