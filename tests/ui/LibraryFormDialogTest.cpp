#include "ui/LibraryFormDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/library/LibraryFixture.h"

namespace tooling::ui {
namespace {

using test::FileExists;
using test::ReadFile;
using test::WriteFile;
using Events = std::vector<std::string>;

class LibraryFormDialogTest : public ::testing::Test, public test::LibraryFixture {
  protected:
    LibraryFormDialogTest() {
        session.lib.LibraryName = "Beta";
        session.lib.ToolLibPrefix = ToolPath("Beta.");
        session.lib.TurretLibPrefix = TurretPath("Beta.");
        for (const char* name : {"Alpha", "Beta", "Gamma"}) {
            WriteFile(ToolPath(std::string(name) + ".lkp"), "******\r\n");
            WriteFile(ToolPath(std::string(name) + ".A"), std::string("tools of ") + name);
            WriteFile(TurretPath(std::string(name) + ".lkp"), "******\r\n");
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
        auto* widget = dialog->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QListWidget* List(const char* name) { return Find<QListWidget>(name); }

    static QStringList Entries(const QListWidget* list) {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i) {
            entries << list->item(i)->text();
        }
        return entries;
    }
    static QStringList Selected(const QListWidget* list) {
        QStringList selected;
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->isSelected()) {
                selected << list->item(i)->text();
            }
        }
        return selected;
    }
    void ClickItem(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    std::unique_ptr<LibraryFormDialog> dialog;
};

TEST_F(LibraryFormDialogTest, SelectWithTheKeyboard) {
    LibraryFormDialog& d = Open(1);
    QListWidget* list = List("LibraryList1");
    EXPECT_EQ(d.windowTitle(), "Select Tool Library");
    EXPECT_EQ(Find<QLabel>("ListLabel")->text(), "Select Library");
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(List("LibraryList2")->isVisible());
    EXPECT_FALSE(Find<QLineEdit>("LibraryBox")->isVisible());
    EXPECT_FALSE(Find<QComboBox>("LibraryCombo")->isVisible());
    EXPECT_EQ(Entries(list), (QStringList{"Alpha", "Gamma"}));
    EXPECT_EQ(Selected(list), QStringList{"Alpha"});
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_TRUE(Find<QPushButton>("LibraryOk")->isDefault());

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(Selected(list), QStringList{"Gamma"});
    QTest::keyClick(list, Qt::Key_Return);

    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(session.lib.LibraryName, "Gamma");
    EXPECT_EQ(session.cmd.LibraryMode, 0);
    EXPECT_EQ(ReadFile(TurretPath("Gamma.0")),
              "1, , , 0, 0, 0, 0, , 0\r\n2, , , 0, 0, 0, 0, , 0\r\n3, , , 0, 0, 0, 0, , 0\r\n"
              "******\r\n");
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(LibraryFormDialogTest, CreateByTypingANameAndPressingOk) {
    LibraryFormDialog& d = Open(2);
    QLineEdit* box = Find<QLineEdit>("LibraryBox");
    QComboBox* combo = Find<QComboBox>("LibraryCombo");
    EXPECT_EQ(d.windowTitle(), "Create New Tool Library");
    EXPECT_EQ(Find<QLabel>("BoxLabel")->text(), "Library Name");
    EXPECT_EQ(Find<QLabel>("ComboLabel")->text(), "Initialise As");
    EXPECT_FALSE(List("LibraryList1")->isVisible());
    EXPECT_FALSE(List("LibraryList2")->isVisible());
    EXPECT_FALSE(combo->isEditable());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    EXPECT_EQ(items, (QStringList{"Empty", "Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(combo->currentText(), "Empty");
    EXPECT_EQ(QApplication::focusWidget(), box);

    // Ok on an empty name: refused, the box keeps the focus.
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(ui.events, (Events{"beep", "message:Invalid Library Name !"}));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), box);

    // Keys outside a library name's set are refused with a beep; so is pasting.
    ui.events.clear();
    QTest::keyClicks(box, "Shop/2,");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "Shop2");
    EXPECT_EQ(ui.events, (Events{"beep", "beep", "beep"}));

    ui.events.clear();
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentText(), "Alpha");
    QTest::mouseClick(Find<QPushButton>("LibraryOk"), Qt::LeftButton);

    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(ReadFile(ToolPath("Shop2.A")), "tools of Alpha");
    EXPECT_EQ(ReadFile(ToolPath("Shop2.lkp")), "******\r\n");
    EXPECT_TRUE(FileExists(TurretPath("Shop2.0")));
    EXPECT_EQ(session.lib.LibraryName, "Beta");
}

TEST_F(LibraryFormDialogTest, DeleteSeveralAfterYes) {
    ui.answers = {true};
    LibraryFormDialog& d = Open(3);
    QListWidget* list = List("LibraryList2");
    EXPECT_EQ(d.windowTitle(), "Delete Tool Library");
    EXPECT_EQ(Find<QLabel>("ListLabel")->text(), "Delete Library");
    EXPECT_FALSE(List("LibraryList1")->isVisible());
    EXPECT_EQ(Entries(list), (QStringList{"Alpha", "Gamma"}));
    EXPECT_TRUE(Selected(list).isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), list);

    ClickItem(list, 0);
    ClickItem(list, 1);
    EXPECT_EQ(Selected(list), (QStringList{"Alpha", "Gamma"}));
    QTest::mouseClick(Find<QPushButton>("LibraryOk"), Qt::LeftButton);

    EXPECT_EQ(ui.events, (Events{"ask:Delete 2 Libraries ?", "wait:on", "wait:off"}));
    EXPECT_EQ(session.cmd.MsgAnswer, 6);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(ToolNames(), (std::vector<std::string>{"Beta.A", "Beta.lkp"}));
    EXPECT_EQ(TurretNames(), (std::vector<std::string>{"Beta.lkp"}));
}

TEST_F(LibraryFormDialogTest, DeleteOneByDoubleClickAnsweredNo) {
    LibraryFormDialog& d = Open(3);
    QListWidget* list = List("LibraryList2");
    const QPoint centre = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(ui.events, (Events{"ask:Delete \"Gamma\" ?"}));
    EXPECT_EQ(session.cmd.MsgAnswer, 7);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(FileExists(ToolPath("Gamma.lkp")));
}

TEST_F(LibraryFormDialogTest, EscapeCancelsInEveryMode) {
    for (int mode = 1; mode <= 3; ++mode) {
        LibraryFormDialog& d = Open(mode);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible()) << mode;
        EXPECT_EQ(d.result(), QDialog::Rejected);
        EXPECT_EQ(session.cmd.LibraryMode, 0);
    }
    EXPECT_EQ(session.lib.LibraryName, "Beta");
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(ToolNames().size(), 6U);
}

TEST_F(LibraryFormDialogTest, ShowLibraryFormRunsModally) {
    session.cmd.LibraryMode = 1;
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        title = modal->windowTitle();
        auto* list = modal->findChild<QListWidget*>(QStringLiteral("LibraryList1"));
        ASSERT_NE(list, nullptr);
        QTest::keyClick(list, Qt::Key_End);
        QTest::keyClick(list, Qt::Key_Return);
    });
    ShowLibraryForm(session, nullptr);
    EXPECT_EQ(title, "Select Tool Library");
    EXPECT_EQ(session.lib.LibraryName, "Gamma");
    EXPECT_EQ(session.cmd.LibraryMode, 0);
}

}  // namespace
}  // namespace tooling::ui
