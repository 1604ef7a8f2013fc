#include "ui/TrtTolDialog.h"

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

TrtTolDialog::TrtTolDialog(core::Session& session, std::int16_t stationType, QWidget* parent)
    : QDialog(parent), logic_(session) {
    setObjectName(QStringLiteral("TrtTol"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const char* listNames[] = {"ShapeList", "SizeList", "StnList", "AngList"};
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

    buttonPanel_ = new QWidget(this);
    buttonPanel_->setObjectName(QStringLiteral("ButtonPanel"));
    auto* buttons = new QHBoxLayout(buttonPanel_);
    ok_ = new QPushButton(QStringLiteral("Ok"), buttonPanel_);
    ok_->setObjectName(QStringLiteral("InptOk"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"), buttonPanel_);
    cancel_->setObjectName(QStringLiteral("InptCncl"));
    cancel_->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addWidget(buttonPanel_);

    connect(lists_[0], &QComboBox::currentIndexChanged, this,
            [this] { Run(&turrets::TrtTol::ShapeList_Click); });
    connect(lists_[1], &QComboBox::currentIndexChanged, this,
            [this] { Run(&turrets::TrtTol::SizeList_Click); });
    connect(lists_[2], &QComboBox::currentIndexChanged, this,
            [this] { Run(&turrets::TrtTol::StnList_Click); });
    connect(lists_[3], &QComboBox::currentIndexChanged, this, [this] { TakeWidgets(); });
    connect(ok_, &QPushButton::clicked, this, [this] {
        Run(&turrets::TrtTol::InptOk_Click);
        if (logic_.closed) {
            accept();
        }
    });
    connect(cancel_, &QPushButton::clicked, this, &TrtTolDialog::reject);

    logic_.Form_Load(stationType);
    ShowState();
}

void TrtTolDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    logic_.Form_GotFocus();
    ShowState();
    lists_[0]->setFocus();
}

void TrtTolDialog::reject() {
    logic_.InptCncl_Click();
    QDialog::reject();
}

void TrtTolDialog::Run(void (turrets::TrtTol::*event)()) {
    TakeWidgets();
    (logic_.*event)();
    ShowState();
}

void TrtTolDialog::TakeWidgets() {
    turrets::TrtTol::Combo* combos[] = {&logic_.shapeList, &logic_.sizeList, &logic_.stnList,
                                        &logic_.angList};
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        combos[i]->selected = lists_[i]->currentIndex();
    }
}

void TrtTolDialog::ShowState() {
    setWindowTitle(platform::FromCp1252(logic_.caption));
    const turrets::TrtTol::Combo* combos[] = {&logic_.shapeList, &logic_.sizeList, &logic_.stnList,
                                              &logic_.angList};
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        ShowComboBox(lists_[i], *combos[i]);
        // Until the dialog shows, every row stays in the layout so that the dialog gets its size.
        if (isVisible()) {
            lists_[i]->setVisible(combos[i]->visible);
            prompts_[i]->setVisible(logic_.promptVisible[i]);
        }
        prompts_[i]->setText(platform::FromCp1252(logic_.prompts[i]));
    }
    if (isVisible()) {
        buttonPanel_->setVisible(logic_.buttonPanelVisible);
    }
    ok_->setDefault(logic_.buttonsDefault);
}

turrets::PickedTool RunTrtTol(core::Session& session, std::int16_t stationType, QWidget* parent) {
    TrtTolDialog dialog(session, stationType, parent);
    dialog.exec();
    return dialog.logic().picked;
}

}  // namespace tooling::ui
