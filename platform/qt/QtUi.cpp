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

class QtUi::NormalPointer {
  public:
    explicit NormalPointer(bool waiting) : waiting_(waiting) {
        if (waiting_) {
            QGuiApplication::restoreOverrideCursor();
        }
    }
    ~NormalPointer() {
        if (waiting_) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        }
    }
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;

  private:
    bool waiting_;
};

void QtUi::Message(std::string_view text) {
    const NormalPointer pointer(waiting_);
    QMessageBox::warning(QApplication::activeWindow(), kTitle, FromCp1252(text));
}

bool QtUi::Ask(std::string_view text) {
    const NormalPointer pointer(waiting_);
    return QMessageBox::warning(QApplication::activeWindow(), kTitle, FromCp1252(text),
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

bool QtUi::AskWithDetail(std::string_view text, std::string_view detail, bool yesByDefault) {
    const NormalPointer pointer(waiting_);
    QMessageBox box(QMessageBox::Warning, kTitle, FromCp1252(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
    if (!detail.empty()) {
        box.setDetailedText(FromCp1252(detail));
    }
    return box.exec() == QMessageBox::Yes;
}

void QtUi::Beep() {
    QApplication::beep();
}

void QtUi::SetWaitCursor(bool on) {
    if (on == waiting_) {
        return;
    }
    waiting_ = on;
    if (on) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void QtUi::StartupError(std::string_view text) {
    std::cerr << FromCp1252(text).toLocal8Bit().toStdString() << std::endl;
    const NormalPointer pointer(waiting_);
    QMessageBox::warning(nullptr, kTitle, FromCp1252(text));
}

}  // namespace tooling::platform
