#include "ui/BoxKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <string>

#include "numeric/KeyFilter.h"
#include "platform/qt/Cp1252.h"

namespace tooling::ui {

namespace {

constexpr int kCtrlV = 22;

// The character code the key filter judges for a key press, or 0 for a key that types nothing.
int KeyCode(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste)) {
        return kCtrlV;
    }
    if (key.key() == Qt::Key_Backspace) {
        return numeric::kBackspace;
    }
    if ((key.modifiers() & Qt::ControlModifier) != 0 && key.key() >= Qt::Key_A &&
        key.key() <= Qt::Key_Z) {
        return key.key() - Qt::Key_A + 1;
    }
    const std::string text = platform::ToCp1252(key.text());
    return text.size() == 1 ? static_cast<unsigned char>(text[0]) : 0;
}

}  // namespace

bool FilterBoxKey(QLineEdit* box, const QKeyEvent& key, const std::function<int(int)>& judge) {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Escape ||
        key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) {
        return false;
    }
    const int code = KeyCode(key);
    if (code == 0) {
        return false;
    }
    const int taken = judge(code);
    if (taken == code) {
        return false;
    }
    if (taken != 0) {
        box->insert(platform::FromCp1252(std::string(1, static_cast<char>(taken))));
    }
    return true;
}

}  // namespace tooling::ui
