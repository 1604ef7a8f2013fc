#include <gtest/gtest.h>

#include <QFileDialog>
#include <QGroupBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "core/Session.h"
#include "library/DefaultTools.h"
#include "library/ToolFile.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/PdfText.h"
#include "tests/support/RecordingPage.h"
#include "tests/ui/Screen.h"

namespace tooling::ui {
namespace {

using test::FixtureInstallation;

// The metric machine's library "Shop" with four squares of 10 to 40 in station types 1 and 5
// (an index station), the first the X shearing tool; Square is the shape chosen.
class ToolCommandsTest : public ::testing::Test, public test::MainWindowFixture {
  protected:
    ToolCommandsTest() : MainWindowFixture(FixtureInstallation::kMetric, WriteSquares) {
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        Action("ToolShape2")->trigger();
    }
    static void WriteSquares(FixtureInstallation& f) {
        std::string squares;
        for (int i = 1; i <= 4; ++i) {
            library::ToolRec rec;
            rec.Shape = 'B';
            rec.Descr = library::PaddedDescr("Square");
            rec.Dims = {10.0F * i, 10.0F * i, 0, 0};
            rec.Stns = {{{1, 10}, {5, 20}}};
            rec.Angles[0] = 0;
            rec.Angles[1] = 45;
            rec.SettingsNo = i;
            squares += library::ToolRecBytes(rec);
        }
        f.Write("Data/Tools/Metric/Shop.B", squares);
        core::DefaultToolRec xShearing;
        xShearing.recordNo = 1;
        xShearing.shape = 'B';
        f.Write("Data/Tools/Metric/Shop.dft", library::EncodeDefault(xShearing));
    }

    // The window builds its tool list frame when a command first shows it.
    QTableView* List() const { return test::Find<QTableView>(*window, "ToolList"); }
    QGroupBox* ToolFrame() const { return test::Find<QGroupBox>(*window, "ToolFrame"); }
    // The frame as it shows, and the control with the focus.
    std::string Frame() const {
        return ToolFrame() == nullptr || !ToolFrame()->isVisible()
                   ? "hidden"
                   : test::Shown(*ToolFrame()) + " | focus " +
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

    test::Transcript seen{fixture.Root()};
};

TEST_F(ToolCommandsTest, EditListShowsTheShapesLinesUntilCancel) {
    seen << Frame() << MenusAndStatus();
    Action("EditTool")->trigger();
    seen << Frame() << MenusAndStatus();
    QTest::keyClick(List(), Qt::Key_Escape);
    seen << Frame() << MenusAndStatus();
    EXPECT_EQ(session().cmd.EditRecNo, 0);
}

// The frame hides before the question comes up; the deleted X shearing tool loses its mark.
TEST_F(ToolCommandsTest, DeleteAsksAndRemovesTheChosenToolsAndTheirDefaultMark) {
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
    test::Find<QPushButton>(*window, "ToolOk")->click();
    seen << fixture.ui().events << SettingsNumbers();
}

TEST_F(ToolCommandsTest, DoubleClickAndAddOpenTheShapesDialogAndSettingsRunWithMenusOff) {
    // Each dialog that opens: its caption, the record in edit and the menus; Esc closes it.
    const auto closeDialog = [&](QWidget& dialog) {
        seen << dialog.windowTitle().toStdString() + " " + std::to_string(session().cmd.EditRecNo) +
                    " " + MenusAndStatus();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    };
    Action("EditTool")->trigger();
    test::ClickRow(*List(), 2);
    test::WithModal(closeDialog, [&] { test::ClickRow(*List(), 2, true); });
    test::WithModal(closeDialog, [&] { Action("AddTool")->trigger(); });
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

TEST_F(ToolCommandsTest, PrintToolListAndThePanelsPrintButtonPrintTheShapesList) {
    Action("PrintToolsItem")->trigger();
    const std::vector<std::string> printed = Page().ops;
    seen << Page().ops;

    // The Print button of Edit Tool's list prints the same, and the list stays up.
    Action("EditTool")->trigger();
    test::Find<QPushButton>(*window, "PrintToolsBttn")->click();
    EXPECT_EQ(Page().ops, printed);
    EXPECT_TRUE(ToolFrame()->isVisible());
    EXPECT_TRUE(fixture.ui().events.empty());
}

TEST_F(ToolCommandsTest, PrintPreviewShowsThePagesAndNoPrinterOffersAPdf) {
    test::WithModal(
        [&](QWidget& preview) {
            seen << "preview pages: " +
                        std::to_string(preview.findChild<QPrintPreviewWidget*>()->pageCount());
        },
        [&] { Action("PrintPreviewItem")->trigger(); });
    EXPECT_TRUE(Page().ops.empty());

    // No printer: declined, nothing is printed; accepted, the list goes to the PDF file chosen.
    Page().printerInstalled = false;
    fixture.ui().answers = {false, true};
    Action("PrintToolsItem")->trigger();
    seen << fixture.ui().events;
    const std::string pdf = fixture.ProgramDir() + "Squares.pdf";
    test::WithModal(
        [&](QWidget& dialog) {
            static_cast<QFileDialog&>(dialog).selectFile(QString::fromStdString(pdf));
            static_cast<QDialog&>(dialog).accept();
        },
        [&] { Action("PrintToolsItem")->trigger(); });
    seen << fixture.ui().events;
    EXPECT_TRUE(Page().ops.empty());
    const test::PdfText printed = test::ReadPdf(TOOLING_PDFTOTEXT, pdf);
    // The words line after line: an angle list may wrap below its line, after the station names.
    std::string words;
    for (const std::string& line : test::PdfLines(printed)) {
        words += line + " ";
    }
    seen << words << std::to_string(printed.heights.size()) + " page(s)";
}

}  // namespace
}  // namespace tooling::ui
