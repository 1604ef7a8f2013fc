#include "ui/TurretNameFrame.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/qt/Cp1252.h"
#include "turrets/TurretCommands.h"
#include "ui/BoxKeyFilter.h"

namespace tooling::ui {

TurretNameFrame::TurretNameFrame(turrets::TurretCommands& commands, QWidget* parent)
    : QGroupBox(parent), commands_(commands) {
    setObjectName(QStringLiteral("NameFrame"));
    auto* layout = new QVBoxLayout(this);
    prompt_ = new QLabel(this);
    prompt_->setObjectName(QStringLiteral("Prompt"));
    box_ = new QLineEdit(this);
    box_->setObjectName(QStringLiteral("NameBox"));
    // Every character comes through the key filter: no pasting by menu or by dropping.
    box_->setContextMenuPolicy(Qt::NoContextMenu);
    box_->setAcceptDrops(false);
    box_->installEventFilter(this);
    prompt_->setBuddy(box_);
    layout->addWidget(prompt_);
    layout->addWidget(box_);

    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setObjectName(QStringLiteral("NameOk"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("NameCncl"));
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, [this] {
        TakeWidgets();
        commands_.NameOk_Click();
        emit changed();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        commands_.NameCncl_Click();
        emit changed();
    });
    // The frame is no dialog: Enter and Esc are the default and cancel buttons' keys here.
    for (std::size_t i = 0; i < 2; ++i) {
        enter_[i] = new QShortcut(QKeySequence(i == 0 ? Qt::Key_Return : Qt::Key_Enter), this);
        enter_[i]->setContext(Qt::WidgetWithChildrenShortcut);
        connect(enter_[i], &QShortcut::activated, ok_, &QPushButton::click);
    }
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape_->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape_, &QShortcut::activated, cancel_, &QPushButton::click);
    hide();
}

bool TurretNameFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) {
        return QGroupBox::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        TakeWidgets();
        commands_.NameBox_GotFocus();
        if (commands_.nameSelLength > 0) {
            const QSignalBlocker block(box_);
            box_->setSelection(commands_.nameSelStart, commands_.nameSelLength);
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    return FilterBoxKey(box_, static_cast<const QKeyEvent&>(*event), [this](int code) {
        TakeWidgets();
        return commands_.NameBox_KeyPress(code);
    });
}

void TurretNameFrame::TakeWidgets() {
    commands_.nameText = platform::ToCp1252(box_->text());
    commands_.nameSelStart =
        box_->hasSelectedText() ? box_->selectionStart() : box_->cursorPosition();
    commands_.nameSelLength = static_cast<int>(box_->selectedText().size());
}

void TurretNameFrame::ShowState() {
    setTitle(platform::FromCp1252(commands_.nameCaption));
    prompt_->setText(platform::FromCp1252(commands_.prompt));
    prompt_->setVisible(commands_.promptVisible);
    const QString text = platform::FromCp1252(commands_.nameText);
    if (box_->text() != text) {
        const QSignalBlocker block(box_);
        box_->setText(text);
    }
    ok_->setDefault(commands_.nameButtonsDefault);
    for (QShortcut* enter : enter_) {
        enter->setEnabled(commands_.nameButtonsDefault);
    }
    escape_->setEnabled(commands_.nameButtonsDefault);
    setVisible(commands_.nameFrameVisible);
}

void TurretNameFrame::FocusBox() {
    box_->setFocus();
}

}  // namespace tooling::ui
