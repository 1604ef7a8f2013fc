#include "ui/ToolDialogForm.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Session.h"
#include "numeric/NumText.h"
#include "platform/qt/Cp1252.h"
#include "tools/DialogOutline.h"
#include "ui/BoxKeyFilter.h"
#include "ui/OutlineView.h"

namespace tooling::ui {

namespace {

constexpr int kListHeight = 120;
constexpr int kAnglesPerRow = 3;
constexpr int kAngleBoxWidth = 60;

template <typename Widget>
Widget* Named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QString Text(std::string_view bytes) {
    return platform::FromCp1252(bytes);
}

// Shows the text unless the box already holds it, so the cursor stays where the user left it.
void ShowText(QLineEdit* box, const std::string& text) {
    const QString shown = Text(text);
    if (box->text() != shown) {
        box->setText(shown);
    }
}

// The number (from 1) of the box among `boxes`, 0 when it is none of them.
template <typename Boxes>
int BoxNumber(const Boxes& boxes, const QObject* widget) {
    const auto at = std::find(boxes.begin(), boxes.end(), widget);
    return at == boxes.end() ? 0 : static_cast<int>(at - boxes.begin()) + 1;
}

}  // namespace

ToolDialogForm::ToolDialogForm(core::Session& session, QWidget* parent)
    : QDialog(parent), session_(session), dialog_(session) {
    const tools::ShapeRule& rule = dialog_.rule();
    setObjectName(Text(rule.form));
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    auto* frames = new QVBoxLayout;
    body->addLayout(frames);
    outline_ = Named(new OutlineView(this), QStringLiteral("Outline"));
    body->addWidget(outline_);
    outer->addLayout(body);

    dimFrame_ = Named(new QGroupBox(this), QStringLiteral("DimFrame"));
    auto* dimGrid = new QGridLayout(dimFrame_);
    for (int i = 1; i <= rule.boxCount; ++i) {
        auto* prompt = Named(new QLabel(dimFrame_), QStringLiteral("Prompt%1").arg(i));
        auto* box = Named(new QLineEdit(dimFrame_), QStringLiteral("DimBox%1").arg(i));
        // Every character comes through the key filter: no pasting by menu or by dropping.
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        box->installEventFilter(this);
        prompt->setBuddy(box);
        dimGrid->addWidget(prompt, i - 1, 0);
        dimGrid->addWidget(box, i - 1, 1);
        prompts_.push_back(prompt);
        dimBoxes_.push_back(box);
        connect(box, &QLineEdit::textChanged, this, &ToolDialogForm::Typed);
    }
    keyRound_ =
        Named(new QCheckBox(QStringLiteral("Rounded :  "), dimFrame_), QStringLiteral("KeyRound"));
    dimGrid->addWidget(keyRound_, rule.boxCount, 1);
    connect(keyRound_, &QCheckBox::toggled, this, &ToolDialogForm::Typed);
    frames->addWidget(dimFrame_);

    auto* stnFrame =
        Named(new QGroupBox(QStringLiteral("Stations"), this), QStringLiteral("StnFrame"));
    auto* stnLayout = new QVBoxLayout(stnFrame);
    stnList_ = Named(new QListWidget(stnFrame), QStringLiteral("StnList"));
    stnList_->setSelectionMode(QAbstractItemView::MultiSelection);
    stnList_->setMinimumHeight(kListHeight);
    stnLayout->addWidget(stnList_);
    frames->addWidget(stnFrame);
    connect(stnList_, &QListWidget::itemSelectionChanged, this, &ToolDialogForm::StationsClicked);

    angFrame_ = Named(new QGroupBox(QStringLiteral("Angles"), this), QStringLiteral("AngFrame"));
    auto* angGrid = new QGridLayout(angFrame_);
    for (int i = 0; i < tools::kAngleBoxes; ++i) {
        auto* box = Named(new QLineEdit(angFrame_), QStringLiteral("AngBox%1").arg(i + 1));
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        box->setMaximumWidth(kAngleBoxWidth);
        box->installEventFilter(this);
        angGrid->addWidget(box, i / kAnglesPerRow, i % kAnglesPerRow);
        angBoxes_[static_cast<std::size_t>(i)] = box;
        connect(box, &QLineEdit::textChanged, this, &ToolDialogForm::Typed);
    }
    frames->addWidget(angFrame_);

    auto* buttonPanel = Named(new QFrame(this), QStringLiteral("ButtonPanel"));
    auto* buttons = new QHBoxLayout(buttonPanel);
    ok_ = Named(new QPushButton(QStringLiteral("Ok"), buttonPanel), QStringLiteral("InptOk"));
    cancel_ =
        Named(new QPushButton(QStringLiteral("Cancel"), buttonPanel), QStringLiteral("InptCncl"));
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    cancel_->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    outer->addWidget(buttonPanel);
    connect(ok_, &QPushButton::clicked, this, &ToolDialogForm::OkClicked);
    connect(cancel_, &QPushButton::clicked, this, &ToolDialogForm::reject);

    paramPanel_ = Named(new QFrame(this), QStringLiteral("ParamPanel"));
    auto* param = new QHBoxLayout(paramPanel_);
    settings_ = Named(new QPushButton(QStringLiteral("Settings"), paramPanel_),
                      QStringLiteral("ToolSettings"));
    settings_->setAutoDefault(false);
    param->addStretch();
    param->addWidget(settings_);
    outer->addWidget(paramPanel_);
    connect(settings_, &QPushButton::clicked, this, &ToolDialogForm::SettingsClicked);

    // Top to bottom.
    QWidget* previous = nullptr;
    std::vector<QWidget*> order(dimBoxes_.begin(), dimBoxes_.end());
    order.insert(order.end(), {keyRound_, stnList_});
    order.insert(order.end(), angBoxes_.begin(), angBoxes_.end());
    order.insert(order.end(), {ok_, cancel_, settings_});
    for (QWidget* widget : order) {
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }

    dialog_.onEnabledChange = [this](bool on) { setEnabled(on); };
    dialog_.Form_Load();
    if (!dialog_.dimBoxFocusable) {
        for (QLineEdit* box : dimBoxes_) {
            box->setFocusPolicy(Qt::NoFocus);
            box->setReadOnly(true);
        }
    }
    ShowState(false);
    adjustSize();
}

void ToolDialogForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowState(true);
}

bool ToolDialogForm::eventFilter(QObject* watched, QEvent* event) {
    const int dimBox = BoxNumber(dimBoxes_, watched);
    const int angBox = BoxNumber(angBoxes_, watched);
    if (dimBox == 0 && angBox == 0) {
        return QDialog::eventFilter(watched, event);
    }
    auto* box = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::FocusIn && angBox != 0) {
        angleBox_ = angBox;
        ShowOutline();
        return false;
    }
    if (event->type() == QEvent::FocusIn && dimBox != 0) {
        TakeWidgets();
        dialog_.DimBox_GotFocus(dimBox);
        const auto i = static_cast<std::size_t>(dimBox - 1);
        if (dialog_.boxSelLength[i] > 0) {
            const QSignalBlocker block(box);
            box->setSelection(dialog_.boxSelStart[i], dialog_.boxSelLength[i]);
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    return FilterBoxKey(box, static_cast<const QKeyEvent&>(*event), [&](int code) {
        TakeWidgets();
        return dimBox != 0 ? dialog_.DimBox_KeyPress(dimBox, code)
                           : dialog_.AngBox_KeyPress(angBox, code);
    });
}

void ToolDialogForm::TakeWidgets() {
    for (std::size_t i = 0; i < dimBoxes_.size() && i < dialog_.boxTexts.size(); ++i) {
        const QLineEdit* box = dimBoxes_[i];
        dialog_.boxTexts[i] = platform::ToCp1252(box->text());
        dialog_.boxSelStart[i] =
            box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
        dialog_.boxSelLength[i] = static_cast<int>(box->selectedText().size());
    }
    dialog_.keyRoundChecked = keyRound_->isChecked();
    for (int row = 0; row < stnList_->count(); ++row) {
        const auto line = static_cast<std::size_t>(row);
        if (line < dialog_.stnSelected.size()) {
            dialog_.stnSelected[line] = stnList_->item(row)->isSelected();
        }
    }
    for (std::size_t i = 0; i < angBoxes_.size(); ++i) {
        dialog_.angTexts[i] = platform::ToCp1252(angBoxes_[i]->text());
        dialog_.angSelLength[i] = static_cast<int>(angBoxes_[i]->selectedText().size());
    }
}

void ToolDialogForm::Typed() {
    TakeWidgets();
    ShowOutline();
}

void ToolDialogForm::ShowOutline() {
    const tools::DialogOutline picture = tools::OutlineOfDialog(session_, dialog_, angleBox_);
    QString caption;
    if (picture.outline && dialog_.rule().hasAngles) {
        caption = Text(numeric::NumText(picture.angle, -1)) + QChar(0x00B0);
    }
    const QString note =
        picture.indexStation ? QStringLiteral("Index station: turns to any angle") : QString();
    outline_->Show(picture.outline, caption, note);
}

void ToolDialogForm::ShowState(bool applyFocus) {
    std::vector<QSignalBlocker> blockers;
    for (QObject* widget : std::vector<QObject*>{keyRound_, stnList_}) {
        blockers.emplace_back(widget);
    }
    for (QLineEdit* box : dimBoxes_) {
        blockers.emplace_back(box);
    }
    for (QLineEdit* box : angBoxes_) {
        blockers.emplace_back(box);
    }

    setWindowTitle(Text(dialog_.caption));
    dimFrame_->setTitle(Text(dialog_.dimFrameCaption));
    for (std::size_t i = 0; i < dimBoxes_.size() && i < dialog_.boxTexts.size(); ++i) {
        prompts_[i]->setText(Text(dialog_.prompts[i]));
        prompts_[i]->setVisible(!dialog_.prompts[i].empty());
        ShowText(dimBoxes_[i], dialog_.boxTexts[i]);
    }
    keyRound_->setVisible(dialog_.keyRoundVisible);
    keyRound_->setChecked(dialog_.keyRoundChecked);

    if (stnList_->count() != static_cast<int>(dialog_.stnLines.size())) {
        stnList_->clear();
        for (const std::string& line : dialog_.stnLines) {
            stnList_->addItem(Text(line));
        }
    }
    for (int row = 0; row < stnList_->count(); ++row) {
        const auto line = static_cast<std::size_t>(row);
        stnList_->item(row)->setSelected(line < dialog_.stnSelected.size() &&
                                         dialog_.stnSelected[line]);
    }

    angFrame_->setVisible(dialog_.angFrameVisible);
    angFrame_->setEnabled(dialog_.angFrameEnabled);
    for (std::size_t i = 0; i < angBoxes_.size(); ++i) {
        ShowText(angBoxes_[i], dialog_.angTexts[i]);
    }
    paramPanel_->setVisible(dialog_.paramPanelVisible);
    setEnabled(dialog_.enabled);
    ShowOutline();

    if (!applyFocus) {
        return;
    }
    using Control = tools::ToolDialogFocus::Control;
    const tools::ToolDialogFocus focus = dialog_.focus;
    const auto box = static_cast<std::size_t>(std::max(focus.box, 1) - 1);
    switch (focus.control) {
        case Control::DimBox:
            if (box < dimBoxes_.size()) {
                dimBoxes_[box]->setFocus();
            }
            break;
        case Control::StnList:
            stnList_->setFocus();
            break;
        case Control::AngBox:
            if (box < angBoxes_.size()) {
                angBoxes_[box]->setFocus();
            }
            break;
        case Control::ToolSettings:
            settings_->setFocus();
            break;
        case Control::None:
            break;
    }
}

void ToolDialogForm::AfterEvent() {
    if (dialog_.closed) {
        QDialog::accept();
        return;
    }
    ShowState(true);
}

void ToolDialogForm::StationsClicked() {
    TakeWidgets();
    dialog_.StnList_Click();
    ShowState(false);
}

void ToolDialogForm::OkClicked() {
    TakeWidgets();
    dialog_.InptOk_Click();
    AfterEvent();
}

void ToolDialogForm::SettingsClicked() {
    TakeWidgets();
    dialog_.ToolSettings_Click();
    AfterEvent();
}

void ToolDialogForm::reject() {
    if (!dialog_.closed) {
        dialog_.InptCncl_Click();
    }
    QDialog::reject();
}

int ShowToolDialog(core::Session& session, QWidget* parent) {
    ToolDialogForm form(session, parent);
    if (form.dialog().closed) {
        return QDialog::Rejected;
    }
    return form.exec();
}

}  // namespace tooling::ui
