#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "platform/qt/QtUi.h"

namespace tooling::platform {
namespace {

// Shows the box `show` opens, with the hourglass on, and answers it with `answer`; returns how
// the box looked. The hourglass must be back afterwards, and go when it is switched off.
std::string Shown(const std::function<void(QtUi&)>& show, QMessageBox::StandardButton answer) {
    QString seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box->isVisible() && seen.isEmpty()) {
            QStringList buttons;
            for (const QAbstractButton* button : box->buttons()) {
                buttons << button->text();
            }
            seen = QStringLiteral("%1: %2 [%3; %4; default %5%6]")
                       .arg(box->windowTitle(), box->text(),
                            QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon()),
                            buttons.join('|'), box->defaultButton()->text(),
                            QGuiApplication::overrideCursor() ? "; hourglass" : "");
            box->button(answer)->click();
        }
    });
    poll.start(10);
    QtUi ui;
    ui.SetWaitCursor(true);
    ui.SetWaitCursor(true);
    show(ui);
    EXPECT_TRUE(QGuiApplication::overrideCursor() != nullptr &&
                QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor);
    ui.SetWaitCursor(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    return seen.toStdString();
}

TEST(QtUi, BoxesShowTheirTextUnderTheSuiteTitle) {
    bool yes = false;
    const auto ask = [&yes](QtUi& ui) { yes = ui.Ask("Delete Library \"Shop\" ?"); };
    const std::string asked =
        "Ostrevan: Delete Library \"Shop\" ? [Warning; &Yes|&No; default &No]";
    EXPECT_EQ(Shown(ask, QMessageBox::Yes), asked);
    EXPECT_TRUE(yes);
    EXPECT_EQ(Shown(ask, QMessageBox::No), asked);
    EXPECT_FALSE(yes);
    EXPECT_EQ(Shown([](QtUi& ui) { ui.Message("Invalid Tool Dimension \x80 !"); }, QMessageBox::Ok),
              "Ostrevan: Invalid Tool Dimension \xE2\x82\xAC ! [Warning; OK; default OK]");

    const std::string error = "\"/opt/Ostrevan/Ostrevan.cfg\": line 3 is no number";
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Shown([&](QtUi& ui) { ui.StartupError(error + " \x80"); }, QMessageBox::Ok),
              "Ostrevan: " + error + " \xE2\x82\xAC [Warning; OK; default OK]");
    // The platform plugin may write its own warnings after the text.
    const std::string written = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(written.substr(0, written.find('\n') + 1), error + " \xE2\x82\xAC\n");
}

}  // namespace
}  // namespace tooling::platform
