#include "platform/qt/QtUi.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <iostream>

#include "platform/qt/Cp1252.h"

namespace tooling::platform {

namespace {
const QString kTitle = QStringLiteral("Ostrevan");
}

void QtUi::Message(std::string_view text) {
    QMessageBox::warning(QApplication::activeWindow(), kTitle, FromCp1252(text));
}

bool QtUi::Ask(std::string_view text) {
    return QMessageBox::warning(QApplication::activeWindow(), kTitle, FromCp1252(text),
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

void QtUi::Beep() {
    QApplication::beep();
}

void QtUi::SetWaitCursor(bool on) {
    if (on) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void QtUi::StartupError(std::string_view text) {
    std::cerr << "Ostrevan Tool Library: " << text << '\n';
    QMessageBox::warning(nullptr, kTitle, FromCp1252(text));
}

}  // namespace tooling::platform
