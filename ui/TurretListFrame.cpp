#include "ui/TurretListFrame.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/qt/Cp1252.h"
#include "turrets/TurretCommands.h"
#include "ui/FrameKeys.h"

namespace tooling::ui {

namespace {

constexpr int kListHeight = 240;

QStringList Texts(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines) {
        texts << platform::FromCp1252(line);
    }
    return texts;
}

void ShowLines(QListWidget* list, const QStringList& lines) {
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) {
        shown << list->item(i)->text();
    }
    if (shown != lines) {
        list->clear();
        list->addItems(lines);
    }
}

}  // namespace

TurretListFrame::TurretListFrame(turrets::TurretCommands& commands, QWidget* parent)
    : QGroupBox(parent), commands_(commands) {
    setObjectName(QStringLiteral("ListFrame"));
    auto* layout = new QVBoxLayout(this);
    single_ = new QListWidget(this);
    single_->setObjectName(QStringLiteral("ListSngl"));
    single_->setSelectionMode(QAbstractItemView::SingleSelection);
    multiple_ = new QListWidget(this);
    multiple_->setObjectName(QStringLiteral("ListMult"));
    multiple_->setSelectionMode(QAbstractItemView::MultiSelection);
    for (QListWidget* list : {single_, multiple_}) {
        list->setMinimumHeight(kListHeight);
        layout->addWidget(list);
    }

    checkFrame_ = new QFrame(this);
    checkFrame_->setObjectName(QStringLiteral("CheckFrame"));
    auto* checks = new QHBoxLayout(checkFrame_);
    const char* checkCaptions[] = {"Programs", "Drawings"};
    for (int i = 0; i < 2; ++i) {
        auto* check = new QCheckBox(QString::fromLatin1(checkCaptions[i]), checkFrame_);
        check->setObjectName(QStringLiteral("FileCheck%1").arg(i + 1));
        checks->addWidget(check);
    }
    layout->addWidget(checkFrame_);

    auto* buttons = new QHBoxLayout;
    machine_ = new QPushButton(this);
    machine_->setObjectName(QStringLiteral("MachBttn"));
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setObjectName(QStringLiteral("ListOk"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("ListCncl"));
    preview_ = new QPushButton(QStringLiteral("Preview"), this);
    preview_->setObjectName(QStringLiteral("PreviewBttn"));
    illustration_ =
        new QCheckBox(QString::fromLatin1(turrets::TurretCommands::kWithIllustration), this);
    illustration_->setObjectName(QStringLiteral("IllustrationCheck"));
    buttons->addWidget(machine_);
    buttons->addWidget(preview_);
    buttons->addWidget(illustration_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this,
            [this] { Run(&turrets::TurretCommands::ListOk_Click); });
    connect(cancel_, &QPushButton::clicked, this,
            [this] { Run(&turrets::TurretCommands::ListCncl_Click); });
    connect(preview_, &QPushButton::clicked, this,
            [this] { Run(&turrets::TurretCommands::ListPreview_Click); });
    connect(single_, &QListWidget::itemDoubleClicked, this,
            [this] { Run(&turrets::TurretCommands::ListSngl_DblClick); });
    connect(multiple_, &QListWidget::itemDoubleClicked, this,
            [this] { Run(&turrets::TurretCommands::ListMult_DblClick); });
    connect(illustration_, &QCheckBox::toggled, this, &TurretListFrame::TakeWidgets);
    connect(single_, &QListWidget::itemSelectionChanged, this, &TurretListFrame::TakeWidgets);
    connect(multiple_, &QListWidget::itemSelectionChanged, this, &TurretListFrame::TakeWidgets);
    keys_ = AddFrameKeys(this, ok_, cancel_);
    hide();
}

void TurretListFrame::Run(void (turrets::TurretCommands::*event)()) {
    if (!commands_.listFrameVisible) {
        return;
    }
    TakeWidgets();
    (commands_.*event)();
    emit changed();
}

void TurretListFrame::TakeWidgets() {
    commands_.withIllustration = illustration_->isChecked();
    const QList<QListWidgetItem*> chosen = single_->selectedItems();
    commands_.listSnglSelected = chosen.isEmpty() ? -1 : single_->row(chosen.front());
    commands_.listMultSelected.assign(commands_.listLines.size(), false);
    for (QListWidgetItem* item : multiple_->selectedItems()) {
        const int row = multiple_->row(item);
        if (row >= 0 && row < static_cast<int>(commands_.listMultSelected.size())) {
            commands_.listMultSelected[static_cast<std::size_t>(row)] = true;
        }
    }
}

void TurretListFrame::ShowState() {
    const QSignalBlocker blockSingle(single_);
    const QSignalBlocker blockCheck(illustration_);
    const QSignalBlocker blockMultiple(multiple_);
    setTitle(platform::FromCp1252(commands_.listCaption));
    const QStringList lines = Texts(commands_.listLines);
    ShowLines(single_, lines);
    ShowLines(multiple_, lines);
    single_->clearSelection();
    if (commands_.listSnglSelected >= 0 && commands_.listSnglSelected < single_->count()) {
        single_->setCurrentRow(commands_.listSnglSelected);
    }
    for (int i = 0; i < multiple_->count(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        multiple_->item(i)->setSelected(at < commands_.listMultSelected.size() &&
                                        commands_.listMultSelected[at]);
    }
    single_->setVisible(commands_.listSnglVisible);
    multiple_->setVisible(commands_.listMultVisible);
    machine_->setText(platform::FromCp1252(commands_.machBttnCaption));
    machine_->setVisible(commands_.machBttnVisible);
    preview_->setVisible(commands_.previewBttnVisible);
    illustration_->setChecked(commands_.withIllustration);
    illustration_->setVisible(commands_.illustrationCheckVisible);
    checkFrame_->setVisible(commands_.checkFrameVisible);
    ok_->setDefault(commands_.listButtonsDefault);
    for (QShortcut* key : keys_) {
        key->setEnabled(commands_.listButtonsDefault);
    }
    setVisible(commands_.listFrameVisible);
}

void TurretListFrame::FocusList() {
    (commands_.listMultVisible ? multiple_ : single_)->setFocus();
}

}  // namespace tooling::ui
