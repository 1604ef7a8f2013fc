#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "core/Session.h"
#include "library/DefaultTools.h"
#include "library/ToolFile.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/FixtureInstallation.h"
#include "tests/support/PdfText.h"
#include "tests/support/RecordingPage.h"
#include "tools/ToolShapes.h"
#include "ui/ToolLibrary.h"
#include "ui/ToolListPanel.h"

namespace tooling::ui {
namespace {

using test::FixtureInstallation;

// A square tool in the fixture's station types 1 and 5 (an index station).
library::ToolRec Square(float width, std::int32_t id) {
    library::ToolRec rec;
    rec.Shape = 'B';
    rec.Descr = library::PaddedDescr("Square");
    rec.Dims = {width, width, 0, 0};
    rec.Stns[0] = {1, 10};
    rec.Stns[1] = {5, 20};
    rec.Angles[0] = 0;
    rec.Angles[1] = 45;
    rec.SettingsNo = id;
    return rec;
}

class ToolCommandsTest : public ::testing::Test {
  protected:
    // The metric machine's library "Shop" with four square tools, the first the X shearing tool.
    void SetUp() override {
        std::string squares;
        for (int i = 1; i <= 4; ++i) {
            squares += library::ToolRecBytes(Square(static_cast<float>(10 * i), i));
        }
        fixture.Write("Data/Tools/Metric/Shop.lkp", "******\r\n");
        fixture.Write("Data/Tools/Metric/Shop.B", squares);
        core::DefaultToolRec xShearing;
        xShearing.recordNo = 1;
        xShearing.shape = 'B';
        fixture.Write("Data/Tools/Metric/Shop.dft", library::EncodeDefault(xShearing));
        window = std::make_unique<ToolLibrary>(fixture.session());
        ASSERT_EQ(window->Form_Load(), core::StartOutcome::Ready);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        Action("ToolShape2")->trigger();
    }

    // The window builds its tool list frame when a command first shows it.
    QTableView* List() const { return window->findChild<QTableView*>(QStringLiteral("ToolList")); }
    QGroupBox* ToolFrame() const {
        return window->findChild<QGroupBox*>(QStringLiteral("ToolFrame"));
    }

    QAction* Action(const char* name) {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }
    // The enabled entries of the menu bar.
    std::string Menus() const {
        QStringList enabled;
        for (const QAction* entry : window->menuBar()->actions()) {
            if (entry->isEnabled() && entry->isVisible()) {
                enabled << entry->text();
            }
        }
        return enabled.join('|').toStdString();
    }
    // The frame as the user sees it: its caption, then each line's columns, "*" when selected.
    std::string Frame() const {
        if (ToolFrame() == nullptr || !ToolFrame()->isVisible()) {
            return "hidden";
        }
        QString text = ToolFrame()->title();
        for (int row = 0; row < List()->model()->rowCount(); ++row) {
            text += " [";
            for (int column = 0; column < 3; ++column) {
                text += (column == 0 ? "" : "|") +
                        List()->model()->index(row, column).data().toString();
            }
            text += List()->selectionModel()->isRowSelected(row) ? "*]" : "]";
        }
        return text.toStdString();
    }
    void ClickRow(int row) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualRect(List()->model()->index(row, 0)).center());
    }
    std::string SettingsNumbers() {
        std::string ids;
        for (const library::ToolRec& rec : library::ReadToolFile(fixture.session(), 'B')) {
            ids += (ids.empty() ? "" : " ") + std::to_string(rec.SettingsNo);
        }
        return ids;
    }

    FixtureInstallation fixture{FixtureInstallation::kMetric};
    std::unique_ptr<ToolLibrary> window;
};

const std::string kAllMenus =
    "&File|Tool &Shape|&Add Tool|Edit Tool|Delete Tool|Measurement|"
    "Tool Settings";

TEST_F(ToolCommandsTest, EditListShowsTheShapesLinesUntilCancel) {
    EXPECT_EQ(Menus(), kAllMenus);
    EXPECT_EQ(Frame(), "hidden");
    Action("EditTool")->trigger();
    const std::string line = "|A Station, B Auto Index|idx, 0, 45";
    EXPECT_EQ(Frame(),
              "Edit Square [10" + line + "*] [20" + line + "] [30" + line + "] [40" + line + "]");
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("ListLabel"))->text().toStdString(),
              tools::ListHeader(2) + "Turrets");
    EXPECT_EQ(Menus(), "");
    EXPECT_TRUE(List()->hasFocus());
    QTest::keyClick(List(), Qt::Key_Escape);
    EXPECT_EQ(Frame(), "hidden");
    EXPECT_EQ(Menus(), kAllMenus);
    EXPECT_EQ(fixture.session().cmd.EditRecNo, 0);
}

TEST_F(ToolCommandsTest, DeleteAsksAndRemovesTheChosenToolsAndTheirDefaultMark) {
    EXPECT_TRUE(Action("DefaultTool1")->isChecked());
    Action("DeleteTool")->trigger();
    ClickRow(2);
    const std::string line = "|A Station, B Auto Index|idx, 0, 45";
    EXPECT_EQ(Frame(), "Delete Square [10" + line + "*] [20" + line + "] [30" + line + "*] [40" +
                           line + "]");
    fixture.ui().answers = {true};
    bool frameUpWhileAsked = true;
    fixture.ui().whileAsking = [&] { frameUpWhileAsked = ToolFrame()->isVisible(); };
    QTest::keyClick(List(), Qt::Key_Return);
    EXPECT_EQ(fixture.ui().events, std::vector<std::string>{"ask:Delete 2 Tool(s) ?"});
    EXPECT_FALSE(frameUpWhileAsked);
    EXPECT_EQ(SettingsNumbers(), "2 4");
    EXPECT_EQ(Frame(), "hidden");
    EXPECT_EQ(Menus(), kAllMenus);
    EXPECT_FALSE(Action("DefaultTool1")->isChecked());

    // Answered No, nothing changes.
    Action("DeleteTool")->trigger();
    window->findChild<QPushButton*>(QStringLiteral("ToolOk"))->click();
    EXPECT_EQ(fixture.ui().events.back(), "ask:Delete 1 Tool(s) ?");
    EXPECT_EQ(SettingsNumbers(), "2 4");
}

TEST_F(ToolCommandsTest, DoubleClickAndAddOpenTheShapesDialog) {
    // Each dialog that opens: its caption, the record in edit and the menus; Esc closes it.
    std::vector<std::string> dialogs;
    const auto closeNextDialog = [&] {
        QTimer::singleShot(0, window.get(), [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            dialogs.push_back(dialog->windowTitle().toStdString() + " " +
                              std::to_string(fixture.session().cmd.EditRecNo) + " [" + Menus() +
                              "]");
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
    };
    Action("EditTool")->trigger();
    closeNextDialog();
    const QPoint line3 = List()->visualRect(List()->model()->index(2, 0)).center();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, line3);
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, line3);
    closeNextDialog();
    Action("AddTool")->trigger();
    EXPECT_EQ(dialogs, (std::vector<std::string>{"Edit Square 3 []", "Add Square 0 []"}));
    EXPECT_EQ(Frame(), "hidden");
    EXPECT_EQ(Menus(), kAllMenus);
    EXPECT_EQ(fixture.session().cmd.EditRecNo, 0);
    EXPECT_FALSE(fixture.session().cmd.AddAgain);
}

TEST_F(ToolCommandsTest, EmptyShapeBeepsAndToolSettingsRunsWithTheMenusOff) {
    Action("ToolShape5")->trigger();
    Action("EditTool")->trigger();
    EXPECT_EQ(fixture.ui().events, std::vector<std::string>{"beep"});
    EXPECT_EQ(Frame(), "hidden");
    EXPECT_EQ(Menus(), kAllMenus);

    fixture.Write("Program/KesSet.exe", "settings program stand-in\n");
    auto& process = static_cast<test::FakeProcess&>(fixture.session().os.process);
    std::string during;
    process.whileRunning = [&](const std::string&) {
        during = Menus() + " " + fixture.Read("Program/Settings.cfg");
    };
    Action("ToolSettings")->trigger();
    EXPECT_EQ(during, " 4\r\n******\r\n");
    EXPECT_EQ(process.started, std::vector<std::string>{fixture.ProgramDir() + "KesSet.exe"});
    EXPECT_FALSE(fixture.Exists("Program/Settings.cfg"));
    EXPECT_EQ(Menus(), kAllMenus);
}

TEST_F(ToolCommandsTest, PrintToolListAndThePanelsPrintButtonPrintTheShapesList) {
    auto& page = static_cast<test::RecordingPage&>(fixture.session().os.printer);
    Action("PrintToolsItem")->trigger();
    const std::vector<std::string> printed = page.ops;
    ASSERT_EQ(printed.size(), 16u);  // the heading block, the four squares, the end
    EXPECT_EQ(printed[5], "line:5|SQUARE TOOLS");
    EXPECT_EQ(printed[11], "line:5|10; 31|A Station, B Auto Index; 52|idx, 0, 45");
    EXPECT_EQ(printed[15], "enddoc");

    // The Print button of Edit Tool's list prints the same, and the list stays up.
    page.ops.clear();
    Action("EditTool")->trigger();
    window->findChild<QPushButton*>(QStringLiteral("PrintToolsBttn"))->click();
    EXPECT_EQ(page.ops, printed);
    EXPECT_TRUE(ToolFrame()->isVisible());
    EXPECT_TRUE(fixture.ui().events.empty());
}

// Runs `answer` on the modal window of the type given once it is up.
template <typename Window>
void WhenUp(std::function<void(Window&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr) << "no such window is up";
        answer(*window);
    });
}

TEST_F(ToolCommandsTest, PrintPreviewShowsThePagesAndNoPrinterOffersAPdf) {
    auto& page = static_cast<test::RecordingPage&>(fixture.session().os.printer);
    int previewPages = 0;
    WhenUp<QPrintPreviewDialog>([&](QPrintPreviewDialog& preview) {
        previewPages = preview.findChild<QPrintPreviewWidget*>()->pageCount();
        preview.reject();
    });
    Action("PrintPreviewItem")->trigger();
    EXPECT_EQ(previewPages, 1);
    EXPECT_TRUE(page.ops.empty());

    // No printer: declined, nothing is printed; accepted, the list goes to the PDF file chosen.
    page.printerInstalled = false;
    const std::string ask = "ask:No printer is installed.\n\nSave the pages as a PDF file?";
    fixture.ui().answers = {false, true};
    Action("PrintToolsItem")->trigger();
    EXPECT_EQ(fixture.ui().events, std::vector<std::string>{ask});
    const std::string pdf = fixture.ProgramDir() + "Squares.pdf";
    WhenUp<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectFile(QString::fromStdString(pdf));
        static_cast<QDialog&>(dialog).accept();
    });
    Action("PrintToolsItem")->trigger();
    EXPECT_EQ(fixture.ui().events, (std::vector<std::string>{ask, ask}));
    EXPECT_TRUE(page.ops.empty());
    const test::PdfText printed = test::ReadPdf(TOOLING_PDFTOTEXT, pdf);
    // The words line after line: an angle list may wrap below its line, after the station names.
    std::string words;
    for (const std::string& line : test::PdfLines(printed)) {
        words += line + " ";
    }
    const std::string tool = " A Station, B Auto Index idx, 0, 45 ";
    EXPECT_EQ(words, "SQUARE TOOLS Tool Size Station Angles 10" + tool + "20" + tool + "30" + tool +
                         "40" + tool);
    EXPECT_EQ(printed.heights.size(), 1u);
}

}  // namespace
}  // namespace tooling::ui
