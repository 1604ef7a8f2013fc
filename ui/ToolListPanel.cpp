#include "ui/ToolListPanel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Session.h"
#include "platform/qt/Cp1252.h"
#include "ui/FrameKeys.h"
#include "ui/PrintChoice.h"
#include "ui/ToolListModel.h"

namespace tooling::ui {

namespace {

// Between a row's outline and its text.
constexpr int kOutlineGap = 6;

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

ToolListPanel::ToolListPanel(core::Session& session, tools::ToolListPanel& logic, QWidget* parent)
    : QGroupBox(parent), session_(session), logic_(logic) {
    setObjectName(QStringLiteral("ToolFrame"));
    auto* layout = new QVBoxLayout(this);

    listLabel_ = Named(new QLabel(this), "ListLabel");
    layout->addWidget(listLabel_);

    list_ = Named(new QTableView(this), "ToolList");
    model_ = new ToolListModel(logic_, this);
    list_->setModel(model_);
    list_->horizontalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->hide();
    // Every row the same height, so a list of thousands of tools is never measured row by row.
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 4);
    // Each row starts with the tool's outline; the heading moves over by as much.
    const int outline = list_->fontMetrics().height() + 2;
    list_->setIconSize(QSize(outline, outline));
    model_->SetOutlineLook(outline, list_->palette());
    listLabel_->setIndent(outline + kOutlineGap);
    list_->setShowGrid(false);
    list_->setWordWrap(false);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->verticalScrollBar()->setObjectName(QStringLiteral("ListBar"));
    list_->setFixedHeight(tools::kVisibleLines * list_->verticalHeader()->defaultSectionSize() +
                          2 * list_->frameWidth());
    layout->addWidget(list_);

    auto* buttons = new QHBoxLayout;
    ok_ = Named(new QPushButton(QStringLiteral("Ok"), this), "ToolOk");
    cancel_ = Named(new QPushButton(QStringLiteral("Cancel"), this), "ToolCncl");
    print_ = Named(new QPushButton(QStringLiteral("Print"), this), "PrintToolsBttn");
    ok_->setDefault(true);
    buttons->addWidget(print_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(print_, &QPushButton::clicked, this, &ToolListPanel::PrintToolsBttn_Click);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (InCommand()) {
            HideBeforeOk();
            Close(logic_.ToolOk_Click());
        }
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (InCommand()) {
            logic_.ToolCncl_Click();
            Close(tools::PanelAction::None);
        }
    });
    AddFrameKeys(this, ok_, cancel_);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ToolListPanel::SelectionChanged);
    connect(list_, &QTableView::doubleClicked, this, &ToolListPanel::DoubleClicked);
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { logic_.ListBar_Change(value); });
    ShowState();
}

void ToolListPanel::PrintToolsBttn_Click() {
    PrintPages(this, session_, kToolListPdfName, ToolListPages(session_));
}

void ToolListPanel::ShowState() {
    const QSignalBlocker blockSelection(list_->selectionModel());
    const QSignalBlocker blockBar(list_->verticalScrollBar());
    setTitle(platform::FromCp1252(logic_.caption));
    listLabel_->setText(platform::FromCp1252(logic_.header + logic_.turretsHeader));
    list_->setSelectionMode(logic_.MultiSelect() ? QAbstractItemView::MultiSelection
                                                 : QAbstractItemView::SingleSelection);
    if (logic_.visible) {
        model_->Reset();
        AlignColumns();
        // Runs of selected lines become one range each.
        QItemSelection selection;
        const int count = static_cast<int>(logic_.selected.size());
        for (int first = 0; first < count;) {
            if (!logic_.selected[static_cast<std::size_t>(first)]) {
                ++first;
                continue;
            }
            int last = first;
            while (last + 1 < count && logic_.selected[static_cast<std::size_t>(last + 1)]) {
                ++last;
            }
            selection.select(model_->index(first, 0),
                             model_->index(last, model_->columnCount() - 1));
            first = last + 1;
        }
        list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        const auto first = std::find(logic_.selected.begin(), logic_.selected.end(), true);
        const int current =
            first == logic_.selected.end() ? 0 : static_cast<int>(first - logic_.selected.begin());
        list_->selectionModel()->setCurrentIndex(model_->index(current, 0),
                                                 QItemSelectionModel::NoUpdate);
        list_->verticalScrollBar()->setValue(logic_.barValue);
    }
    setVisible(logic_.visible);
}

void ToolListPanel::FocusList() {
    list_->setFocus();
}

void ToolListPanel::AlignColumns() {
    const QString heading = listLabel_->text();
    const QFontMetrics metrics = listLabel_->fontMetrics();
    const auto startOf = [&](const QString& word) {
        const qsizetype at = heading.indexOf(word);
        return at < 0 ? 0 : listLabel_->indent() + metrics.horizontalAdvance(heading.left(at));
    };
    const int stations = startOf(QStringLiteral("Station(s)"));
    const int angles = startOf(QStringLiteral("Angle(s)"));
    const int turrets = startOf(QStringLiteral("Turrets"));
    list_->setColumnWidth(0, stations);
    if (angles > stations) {
        list_->setColumnWidth(1, angles - stations);
        list_->setColumnWidth(2, turrets > angles ? turrets - angles : angles - stations);
    } else {
        // No angles (Diameter, Router): their column takes no room.
        list_->setColumnWidth(1, turrets > stations ? turrets - stations : stations);
        list_->setColumnWidth(2, 0);
    }
}

void ToolListPanel::SelectionChanged(const QItemSelection& on, const QItemSelection& off) {
    for (const auto& [ranges, state] : {std::pair{&off, false}, std::pair{&on, true}}) {
        for (const QItemSelectionRange& range : *ranges) {
            for (int row = range.top(); row <= range.bottom(); ++row) {
                if (!logic_.MultiSelect()) {
                    if (state) {
                        logic_.ToolListSngl_Click(row);
                    }
                } else {
                    logic_.ToolListMult_Click(row, state);
                }
            }
        }
    }
}

bool ToolListPanel::InCommand() const {
    return logic_.mode != tools::ListMode::None;
}

void ToolListPanel::DoubleClicked(const QModelIndex& index) {
    if (!InCommand()) {
        return;
    }
    HideBeforeOk();
    Close(logic_.MultiSelect() ? logic_.ToolListMult_DblClick(index.row())
                               : logic_.ToolListSngl_DblClick(index.row()));
}

void ToolListPanel::HideBeforeOk() {
    // Ok hides the frame before the command asks or opens anything, so "Delete n Tool(s) ?"
    // stands alone; ShowState brings the frame back when the command goes on.
    hide();
}

void ToolListPanel::Close(tools::PanelAction action) {
    ShowState();
    emit closed(action);
}

}  // namespace tooling::ui
