#include "ui/SetDeftDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/Cp1252.h"
#include "ui/ComboBoxState.h"

namespace tooling::ui {

namespace {

constexpr int kListWidth = 200;

}  // namespace

SetDeftDialog::SetDeftDialog(core::Session& session, int kind, QWidget* parent)
    : QDialog(parent), logic_(session) {
    setObjectName(QStringLiteral("SetDeft"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const char* listNames[] = {"ShapeList", "SizeList", "StnList"};
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        prompts_[i] = new QLabel(this);
        prompts_[i]->setObjectName(QStringLiteral("Prompt%1").arg(i + 1));
        lists_[i] = new QComboBox(this);
        lists_[i]->setObjectName(QString::fromLatin1(listNames[i]));
        lists_[i]->setMinimumWidth(kListWidth);
        prompts_[i]->setBuddy(lists_[i]);
        grid->addWidget(prompts_[i], static_cast<int>(i), 0);
        grid->addWidget(lists_[i], static_cast<int>(i), 1);
    }
    layout->addLayout(grid);

    auto* buttonPanel = new QWidget(this);
    buttonPanel->setObjectName(QStringLiteral("ButtonPanel"));
    auto* buttons = new QHBoxLayout(buttonPanel);
    ok_ = new QPushButton(QStringLiteral("Ok"), buttonPanel);
    ok_->setObjectName(QStringLiteral("InptOk"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"), buttonPanel);
    cancel_->setObjectName(QStringLiteral("InptCncl"));
    cancel_->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addWidget(buttonPanel);

    connect(lists_[0], &QComboBox::currentIndexChanged, this,
            [this] { Run(&turrets::SetDeft::ShapeList_Click); });
    connect(lists_[1], &QComboBox::currentIndexChanged, this,
            [this] { Run(&turrets::SetDeft::SizeList_Click); });
    connect(lists_[2], &QComboBox::currentIndexChanged, this, [this] { TakeWidgets(); });
    connect(ok_, &QPushButton::clicked, this, [this] {
        Run(&turrets::SetDeft::InptOk_Click);
        if (logic_.closed) {
            accept();
        }
    });
    connect(cancel_, &QPushButton::clicked, this, &SetDeftDialog::reject);

    logic_.Form_Load(kind);
    ShowState();
}

void SetDeftDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    logic_.Form_GotFocus();
    ShowState();
    lists_[0]->setFocus();
}

void SetDeftDialog::reject() {
    logic_.InptCncl_Click();
    QDialog::reject();
}

void SetDeftDialog::Run(void (turrets::SetDeft::*event)()) {
    TakeWidgets();
    (logic_.*event)();
    ShowState();
}

void SetDeftDialog::TakeWidgets() {
    turrets::SetDeft::Combo* combos[] = {&logic_.shapeList, &logic_.sizeList, &logic_.stnList};
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        combos[i]->selected = lists_[i]->currentIndex();
    }
}

void SetDeftDialog::ShowState() {
    setWindowTitle(platform::FromCp1252(logic_.caption));
    const turrets::SetDeft::Combo* combos[] = {&logic_.shapeList, &logic_.sizeList,
                                               &logic_.stnList};
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        ShowComboBox(lists_[i], *combos[i]);
        // Until the dialog shows, every row stays in the layout so that the dialog gets its size.
        if (isVisible()) {
            lists_[i]->setVisible(combos[i]->visible);
            prompts_[i]->setVisible(logic_.promptVisible[i]);
        }
        prompts_[i]->setText(platform::FromCp1252(logic_.prompts[i]));
    }
    ok_->setDefault(logic_.buttonsDefault);
}

void RunSetDeft(core::Session& session, int kind, QWidget* parent) {
    SetDeftDialog dialog(session, kind, parent);
    if (!dialog.logic().closed) {
        dialog.exec();
    }
}

}  // namespace tooling::ui
