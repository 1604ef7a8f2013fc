#include "ui/LibraryFormDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "tests/support/LibraryFixture.h"

namespace tooling::ui {
namespace {

using Events = std::vector<std::string>;

class LibraryFormDialogTest : public ::testing::Test, public test::LibraryFixture {
  protected:
    LibraryFormDialogTest() {
        session.lib.LibraryName = "Beta";
        for (const char* name : {"Alpha", "Beta", "Gamma"}) {
            MakeLibrary(name, {"lkp", "A"}, {"lkp"});
        }
    }

    // Opens the dialog as the File menu does, shown and active.
    LibraryFormDialog& Open(int mode) {
        session.cmd.LibraryMode = static_cast<std::int16_t>(mode);
        dialog = std::make_unique<LibraryFormDialog>(session);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }

    template <typename Widget>
    Widget* Find(const char* name) {
        return dialog->findChild<Widget*>(QString::fromLatin1(name));
    }
    void Click(const char* list, int row, bool twice = false) {
        auto* widget = Find<QListWidget>(list);
        const QPoint at = widget->visualItemRect(widget->item(row)).center();
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, at);
        if (twice) {
            QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, at);
        }
    }

    // The dialog as the user sees it: the title, the visible labels and controls in layout
    // order with their entries ("*" marks the selected ones), and the control with the focus.
    std::string Shown() const {
        QStringList parts{dialog->windowTitle()};
        for (const QWidget* widget : dialog->findChildren<QWidget*>()) {
            QStringList entries;
            if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
                for (int i = 0; i < list->count(); ++i) {
                    entries << list->item(i)->text() + (list->item(i)->isSelected() ? "*" : "");
                }
            } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
                for (int i = 0; i < combo->count(); ++i) {
                    entries << combo->itemText(i) + (i == combo->currentIndex() ? "*" : "");
                }
            } else if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
                entries << "'" + box->text() + "'";
            } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                entries << label->text();
            }
            if (widget->isVisible() && !entries.isEmpty()) {
                parts << entries.join(",");
            }
        }
        parts << "focus " + QApplication::focusWidget()->objectName();
        return parts.join(" | ").toStdString();
    }

    std::unique_ptr<LibraryFormDialog> dialog;
};

TEST_F(LibraryFormDialogTest, SelectWithTheKeyboard) {
    LibraryFormDialog& d = Open(1);
    EXPECT_EQ(Shown(), "Select Tool Library | Select Library | Alpha*,Gamma | focus LibraryList1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(session.lib.LibraryName, "Gamma");
    EXPECT_EQ(session.cmd.LibraryMode, 0);
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(LibraryFormDialogTest, EscapeInTheNameBoxCancelsThenOkCreates) {
    const std::string before = Listing();
    Open(2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(session.cmd.LibraryMode, 0);
    EXPECT_EQ(Listing(), before);

    LibraryFormDialog& d = Open(2);
    auto* box = Find<QLineEdit>("LibraryBox");
    const std::string empty =
        "Create New Tool Library | Library Name | '' | Initialise As | "
        "Empty*,Alpha,Beta,Gamma | focus LibraryBox";
    EXPECT_EQ(Shown(), empty);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(ui.events, (Events{"beep", "message:Invalid Library Name !"}));
    EXPECT_EQ(Shown(), empty);

    // Keys outside a library name's set are refused with a beep; so is pasting.
    QTest::keyClicks(box, "Shop/2,");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    Find<QComboBox>("LibraryCombo")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::mouseClick(Find<QPushButton>("LibraryOk"), Qt::LeftButton);

    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(ui.events,
              (Events{"beep", "message:Invalid Library Name !", "beep", "beep", "beep"}));
    EXPECT_EQ(test::ReadFile(ToolPath("Shop2.A")), "tool Alpha.A");
    EXPECT_EQ(Listing(),
              "Alpha.A Alpha.lkp Beta.A Beta.lkp Gamma.A Gamma.lkp Shop2.A Shop2.lkp | "
              "Alpha.lkp Beta.lkp Gamma.lkp Shop2.0 Shop2.lkp");
}

TEST_F(LibraryFormDialogTest, DeleteByDoubleClickAnsweredNoThenSeveralAfterYes) {
    LibraryFormDialog& d = Open(3);
    EXPECT_EQ(Shown(), "Delete Tool Library | Delete Library | Alpha,Gamma | focus LibraryList2");
    Click("LibraryList2", 1, true);
    EXPECT_EQ(ui.events, (Events{"ask:Delete \"Gamma\" ?"}));
    EXPECT_EQ(session.cmd.MsgAnswer, 7);
    EXPECT_FALSE(d.isVisible());

    ui.events.clear();
    ui.answers = {true};
    Open(3);
    Click("LibraryList2", 0);
    Click("LibraryList2", 1);
    EXPECT_EQ(Shown(), "Delete Tool Library | Delete Library | Alpha*,Gamma* | focus LibraryList2");
    QTest::mouseClick(Find<QPushButton>("LibraryOk"), Qt::LeftButton);
    EXPECT_EQ(ui.events, (Events{"ask:Delete 2 Libraries ?", "wait:on", "wait:off"}));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Listing(), "Beta.A Beta.lkp | Beta.lkp");
}

}  // namespace
}  // namespace tooling::ui
