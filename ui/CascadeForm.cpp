#include "ui/CascadeForm.h"

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

CascadeForm::CascadeForm(const char* name, std::span<const char* const> listNames, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(name));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < listNames.size(); ++i) {
        auto* prompt = new QLabel(this);
        prompt->setObjectName(QStringLiteral("Prompt%1").arg(i + 1));
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(listNames[i]));
        box->setMinimumWidth(kListWidth);
        prompt->setBuddy(box);
        grid->addWidget(prompt, static_cast<int>(i), 0);
        grid->addWidget(box, static_cast<int>(i), 1);
        prompts_.push_back(prompt);
        boxes_.push_back(box);
    }
    layout->addLayout(grid);

    buttonPanel_ = new QWidget(this);
    buttonPanel_->setObjectName(QStringLiteral("ButtonPanel"));
    auto* buttons = new QHBoxLayout(buttonPanel_);
    ok_ = new QPushButton(QStringLiteral("Ok"), buttonPanel_);
    ok_->setObjectName(QStringLiteral("InptOk"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), buttonPanel_);
    cancel->setObjectName(QStringLiteral("InptCncl"));
    cancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    layout->addWidget(buttonPanel_);

    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        connect(boxes_[i], &QComboBox::currentIndexChanged, this, [this, i] { ListChanged(i); });
    }
    connect(ok_, &QPushButton::clicked, this, [this] { OkClicked(); });
    connect(cancel, &QPushButton::clicked, this, &CascadeForm::reject);
}

void CascadeForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    GotFocus();
    ShowState();
    boxes_.front()->setFocus();
}

void CascadeForm::TakeLists(std::span<Combo* const> combos) const {
    for (std::size_t i = 0; i < boxes_.size() && i < combos.size(); ++i) {
        combos[i]->selected = boxes_[i]->currentIndex();
    }
}

void CascadeForm::ShowLists(const std::string& caption, std::span<const Combo* const> combos,
                            std::span<const std::string> prompts,
                            std::span<const bool> promptVisible,
                            std::optional<bool> buttonPanelVisible, bool buttonsDefault) {
    setWindowTitle(platform::FromCp1252(caption));
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        ShowComboBox(boxes_[i], *combos[i]);
        // Until the dialog shows, every row stays in the layout so that the dialog gets its size.
        if (isVisible()) {
            boxes_[i]->setVisible(combos[i]->visible);
            prompts_[i]->setVisible(promptVisible[i]);
        }
        prompts_[i]->setText(platform::FromCp1252(prompts[i]));
    }
    if (buttonPanelVisible && isVisible()) {
        buttonPanel_->setVisible(*buttonPanelVisible);
    }
    ok_->setDefault(buttonsDefault);
}

}  // namespace tooling::ui
