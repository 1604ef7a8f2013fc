#include "ui/ComboBoxState.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringList>

#include "platform/qt/Cp1252.h"

namespace tooling::ui {

void ShowComboBox(QComboBox* box, const turrets::TrtTol::Combo& combo) {
    const QSignalBlocker block(box);
    QStringList lines;
    for (const std::string& line : combo.lines) {
        lines << platform::FromCp1252(line);
    }
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) {
        shown << box->itemText(i);
    }
    if (shown != lines) {
        box->clear();
        box->addItems(lines);
    }
    box->setCurrentIndex(combo.selected < box->count() ? combo.selected : -1);
    box->setEnabled(combo.enabled);
}

}  // namespace tooling::ui
