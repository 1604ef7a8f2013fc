#include "ui/LibraryFormDialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "tests/support/LibraryFixture.h"
#include "tests/ui/Screen.h"

namespace tooling::ui {
namespace {

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
        seen << test::Shown(*dialog);
        return *dialog;
    }
    template <typename Widget>
    Widget* Find(const char* name) {
        return test::Find<Widget>(*dialog, name);
    }
    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    std::unique_ptr<LibraryFormDialog> dialog;
    test::Transcript seen{dir.path()};
};

TEST_F(LibraryFormDialogTest, SelectWithTheKeyboard) {
    LibraryFormDialog& d = Open(1);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(session.lib.LibraryName, "Gamma");
    EXPECT_EQ(session.cmd.LibraryMode, 0);
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(LibraryFormDialogTest, EscapeInTheNameBoxCancelsThenOkCreates) {
    const std::string before = Listing();
    Open(2);
    Key(Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(session.cmd.LibraryMode, 0);
    EXPECT_EQ(Listing(), before);

    LibraryFormDialog& d = Open(2);
    Key(Qt::Key_Return);
    seen << ui.events << test::Shown(d);

    // Keys outside a library name's set are refused with a beep; so is pasting.
    QTest::keyClicks(Find<QLineEdit>("LibraryBox"), "Shop/2,");
    QTest::keyClick(Find<QLineEdit>("LibraryBox"), Qt::Key_V, Qt::ControlModifier);
    Find<QComboBox>("LibraryCombo")->setFocus();
    Key(Qt::Key_Down);
    QTest::mouseClick(Find<QPushButton>("LibraryOk"), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    seen << ui.events << test::ReadFile(ToolPath("Shop2.A")) << Listing();
}

TEST_F(LibraryFormDialogTest, DeleteByDoubleClickAnsweredNoThenSeveralAfterYes) {
    LibraryFormDialog& d = Open(3);
    test::ClickRow(*Find<QListWidget>("LibraryList2"), 1, true);
    seen << ui.events;
    EXPECT_EQ(session.cmd.MsgAnswer, 7);
    EXPECT_FALSE(d.isVisible());

    ui.answers = {true};
    Open(3);
    test::ClickRow(*Find<QListWidget>("LibraryList2"), 0);
    test::ClickRow(*Find<QListWidget>("LibraryList2"), 1);
    seen << test::Shown(*dialog);
    QTest::mouseClick(Find<QPushButton>("LibraryOk"), Qt::LeftButton);
    seen << ui.events << Listing();
    EXPECT_FALSE(dialog->isVisible());
}

}  // namespace
}  // namespace tooling::ui
