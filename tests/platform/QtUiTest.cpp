#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "platform/qt/QtUi.h"

namespace tooling::platform {
namespace {

// What a message box showed, and how the test answered it.
struct SeenBox {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool waitCursor = false;
};

// Waits for the next modal message box, records it and answers it with `answer`.
void AnswerNextBox(SeenBox& seen, std::function<void(QMessageBox*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.defaultButton = box->standardButton(box->defaultButton());
        seen.waitCursor = QGuiApplication::overrideCursor() != nullptr;
        answer(box);
    });
    poll->start(10);
}

std::function<void(QMessageBox*)> Click(QMessageBox::StandardButton button) {
    return [button](QMessageBox* box) { box->button(button)->click(); };
}

std::function<void(QMessageBox*)> Press(Qt::Key key) {
    return [key](QMessageBox* box) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
    };
}

TEST(QtUi, MessageShowsTheTextUnderTheSuiteTitleWithTheExclamationIcon) {
    QtUi ui;
    SeenBox seen;
    AnswerNextBox(seen, Click(QMessageBox::Ok));
    ui.Message("Invalid Tool Dimension \x80 !");
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Ostrevan");
    EXPECT_EQ(seen.text, QString::fromUtf8("Invalid Tool Dimension \xE2\x82\xAC !"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST(QtUi, AskAnswersYesOnlyWhenYesIsChosen) {
    struct Row {
        const char* how;
        std::function<void(QMessageBox*)> answer;
        bool yes;
    };
    const Row rows[] = {
        {"click Yes", Click(QMessageBox::Yes), true},
        {"click No", Click(QMessageBox::No), false},
        {"Enter takes the default", Press(Qt::Key_Return), false},
        {"Escape", Press(Qt::Key_Escape), false},
    };
    for (const Row& row : rows) {
        QtUi ui;
        SeenBox seen;
        AnswerNextBox(seen, row.answer);
        EXPECT_EQ(ui.Ask("Delete Library \"Shop\" ?"), row.yes) << row.how;
        ASSERT_TRUE(seen.shown) << row.how;
        EXPECT_EQ(seen.title, "Ostrevan");
        EXPECT_EQ(seen.text, "Delete Library \"Shop\" ?");
        EXPECT_EQ(seen.icon, QMessageBox::Warning);
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(seen.defaultButton, QMessageBox::No);
    }
}

TEST(QtUi, TheWaitCursorIsOnOrOffAndLeavesTheBoxesAlone) {
    QtUi ui;
    ui.SetWaitCursor(true);
    ui.SetWaitCursor(true);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);

    SeenBox seen;
    AnswerNextBox(seen, Click(QMessageBox::Ok));
    ui.Message("Printer Error !");
    ASSERT_TRUE(seen.shown);
    EXPECT_FALSE(seen.waitCursor) << "the box showed the hourglass";
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr) << "the hourglass did not come back";

    ui.SetWaitCursor(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ui.SetWaitCursor(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtUi, StartupErrorShowsTheTextAndWritesItToStandardError) {
    QtUi ui;
    SeenBox seen;
    AnswerNextBox(seen, Click(QMessageBox::Ok));
    ::testing::internal::CaptureStderr();
    ui.StartupError("\"/opt/Ostrevan/Ostrevan.cfg\": line 3 is no number \x80");
    const std::string written = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Ostrevan");
    EXPECT_EQ(seen.text, QString::fromUtf8(
                             "\"/opt/Ostrevan/Ostrevan.cfg\": line 3 is no number \xE2\x82\xAC"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_NE(written.find("\"/opt/Ostrevan/Ostrevan.cfg\": line 3 is no number \xE2\x82\xAC\n"),
              std::string::npos)
        << written;
}

}  // namespace
}  // namespace tooling::platform
