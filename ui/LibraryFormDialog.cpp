#include "ui/LibraryFormDialog.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/Session.h"
#include "platform/qt/Cp1252.h"
#include "ui/BoxKeyFilter.h"

namespace tooling::ui {

namespace {

constexpr int kDialogWidth = 320;  // 4800 twips
constexpr int kListHeight = 200;

QFrame* Frame(const char* name, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A frame holding a label above the field it names; the label is handed back in `label`.
QFrame* LabelledFrame(QWidget* parent, const char* frameName, const char* labelName, QWidget* field,
                      QLabel** label) {
    QFrame* frame = Frame(frameName, parent);
    auto* layout = new QVBoxLayout(frame);
    *label = Named(new QLabel(frame), labelName);
    (*label)->setBuddy(field);
    layout->addWidget(*label);
    layout->addWidget(field);
    return frame;
}

QStringList Texts(const std::vector<std::string>& entries) {
    QStringList texts;
    for (const std::string& entry : entries) {
        texts << platform::FromCp1252(entry);
    }
    return texts;
}

// Fills a list when its entries differ from those shown.
void ShowEntries(QListWidget* list, const QStringList& entries) {
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) {
        shown << list->item(i)->text();
    }
    if (shown != entries) {
        list->clear();
        list->addItems(entries);
    }
}

}  // namespace

LibraryFormDialog::LibraryFormDialog(core::Session& session, QWidget* parent)
    : QDialog(parent), form_(session) {
    setObjectName(QStringLiteral("LibraryForm"));
    setModal(true);
    setMinimumWidth(kDialogWidth);

    auto* outer = new QVBoxLayout(this);
    libraryFrame_ = Frame("LibraryFrame", this);
    outer->addWidget(libraryFrame_);
    auto* inner = new QVBoxLayout(libraryFrame_);

    listFrame_ = Frame("ListFrame", libraryFrame_);
    auto* listLayout = new QVBoxLayout(listFrame_);
    listLabel_ = Named(new QLabel(listFrame_), "ListLabel");
    list1_ = Named(new QListWidget(listFrame_), "LibraryList1");
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list2_ = Named(new QListWidget(listFrame_), "LibraryList2");
    list2_->setSelectionMode(QAbstractItemView::MultiSelection);
    for (QListWidget* list : {list1_, list2_}) {
        list->setMinimumHeight(kListHeight);
    }
    listLayout->addWidget(listLabel_);
    listLayout->addWidget(list1_);
    listLayout->addWidget(list2_);
    inner->addWidget(listFrame_);

    box_ = Named(new QLineEdit, "LibraryBox");
    // Every character comes through the key filter: no pasting by menu or by dropping.
    box_->setContextMenuPolicy(Qt::NoContextMenu);
    box_->setAcceptDrops(false);
    box_->installEventFilter(this);
    boxFrame_ = LabelledFrame(libraryFrame_, "BoxFrame", "BoxLabel", box_, &boxLabel_);
    inner->addWidget(boxFrame_);

    combo_ = Named(new QComboBox, "LibraryCombo");
    combo_->setEditable(false);
    comboFrame_ = LabelledFrame(libraryFrame_, "ComboFrame", "ComboLabel", combo_, &comboLabel_);
    inner->addWidget(comboFrame_);

    auto* buttonFrame = Frame("ButtonFrame", libraryFrame_);
    auto* buttons = new QHBoxLayout(buttonFrame);
    ok_ = Named(new QPushButton(QStringLiteral("Ok"), buttonFrame), "LibraryOk");
    cancel_ = Named(new QPushButton(QStringLiteral("Cancel"), buttonFrame), "LibraryCncl");
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    cancel_->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    inner->addWidget(buttonFrame);

    connect(ok_, &QPushButton::clicked, this, &LibraryFormDialog::OkClicked);
    connect(cancel_, &QPushButton::clicked, this, &LibraryFormDialog::reject);
    connect(list1_, &QListWidget::itemDoubleClicked, this, &LibraryFormDialog::ListDoubleClicked);
    connect(list2_, &QListWidget::itemDoubleClicked, this, &LibraryFormDialog::ListDoubleClicked);
    connect(list1_, &QListWidget::itemSelectionChanged, this, &LibraryFormDialog::TakeWidgets);
    connect(list2_, &QListWidget::itemSelectionChanged, this, &LibraryFormDialog::TakeWidgets);
    connect(combo_, &QComboBox::currentIndexChanged, this, &LibraryFormDialog::TakeWidgets);
    connect(box_, &QLineEdit::textChanged, this, &LibraryFormDialog::TakeWidgets);
    connect(box_, &QLineEdit::selectionChanged, this, &LibraryFormDialog::TakeWidgets);

    form_.Form_Load();
    ShowState(false);
    adjustSize();
}

void LibraryFormDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    form_.Form_GotFocus();
    ShowState(true);
}

bool LibraryFormDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        TakeWidgets();
        form_.LibraryBox_GotFocus();
        if (form_.boxSelLength > 0) {
            const QSignalBlocker block(box_);
            box_->setSelection(form_.boxSelStart, form_.boxSelLength);
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    return FilterBoxKey(box_, static_cast<const QKeyEvent&>(*event), [this](int code) {
        TakeWidgets();
        return form_.LibraryBox_KeyPress(code);
    });
}

void LibraryFormDialog::TakeWidgets() {
    form_.boxText = platform::ToCp1252(box_->text());
    form_.boxSelStart = box_->hasSelectedText() ? box_->selectionStart() : box_->cursorPosition();
    form_.boxSelLength = static_cast<int>(box_->selectedText().size());
    const QList<QListWidgetItem*> chosen = list1_->selectedItems();
    form_.list1.selected = chosen.isEmpty() ? -1 : list1_->row(chosen.front());
    form_.list2Selected.assign(form_.list2.size(), false);
    for (QListWidgetItem* item : list2_->selectedItems()) {
        const int row = list2_->row(item);
        if (row >= 0 && row < static_cast<int>(form_.list2Selected.size())) {
            form_.list2Selected[static_cast<std::size_t>(row)] = true;
        }
    }
    form_.combo.selected = combo_->currentIndex();
}

void LibraryFormDialog::ShowState(bool applyFocus) {
    const QSignalBlocker blockList1(list1_);
    const QSignalBlocker blockList2(list2_);
    const QSignalBlocker blockBox(box_);
    const QSignalBlocker blockCombo(combo_);

    setWindowTitle(platform::FromCp1252(form_.caption));
    if (isVisible()) {
        // Until the dialog shows, the frame stays in the layout so that the dialog gets its size.
        libraryFrame_->setVisible(form_.libraryFrameVisible);
    }
    listFrame_->setVisible(form_.listFrameVisible);
    listLabel_->setText(platform::FromCp1252(form_.listLabel));
    list1_->setVisible(form_.list1Visible);
    list2_->setVisible(form_.list2Visible);
    boxFrame_->setVisible(form_.boxFrameVisible);
    boxLabel_->setText(platform::FromCp1252(form_.boxLabel));
    comboFrame_->setVisible(form_.comboFrameVisible);
    comboLabel_->setText(platform::FromCp1252(form_.comboLabel));

    ShowEntries(list1_, Texts(form_.list1.entries));
    list1_->clearSelection();
    if (form_.list1.selected >= 0 && form_.list1.selected < list1_->count()) {
        list1_->setCurrentRow(form_.list1.selected);
    }

    ShowEntries(list2_, Texts(form_.list2));
    for (int i = 0; i < list2_->count(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        list2_->item(i)->setSelected(at < form_.list2Selected.size() && form_.list2Selected[at]);
    }

    const QString boxText = platform::FromCp1252(form_.boxText);
    if (box_->text() != boxText) {
        box_->setText(boxText);
    }

    const QStringList combo = Texts(form_.combo.entries);
    QStringList shown;
    for (int i = 0; i < combo_->count(); ++i) {
        shown << combo_->itemText(i);
    }
    if (shown != combo) {
        combo_->clear();
        combo_->addItems(combo);
    }
    combo_->setCurrentIndex(form_.combo.selected < combo_->count() ? form_.combo.selected : -1);

    if (applyFocus) {
        switch (form_.focus) {
            case library::LibraryFocus::LibraryList1:
                list1_->setFocus();
                break;
            case library::LibraryFocus::LibraryList2:
                list2_->setFocus();
                break;
            case library::LibraryFocus::LibraryBox:
                box_->setFocus();
                break;
            case library::LibraryFocus::None:
                break;
        }
    }
}

void LibraryFormDialog::AfterEvent() {
    if (form_.closed) {
        QDialog::accept();
        return;
    }
    ShowState(true);
}

void LibraryFormDialog::OkClicked() {
    TakeWidgets();
    form_.LibraryOk_Click();
    AfterEvent();
}

void LibraryFormDialog::ListDoubleClicked() {
    TakeWidgets();
    form_.LibraryList_DblClick();
    AfterEvent();
}

void LibraryFormDialog::reject() {
    if (!form_.closed) {
        form_.LibraryCncl_Click();
    }
    QDialog::reject();
}

void ShowLibraryForm(core::Session& session, QWidget* parent) {
    LibraryFormDialog dialog(session, parent);
    dialog.exec();
}

}  // namespace tooling::ui
