#include "ui/TurretEditorPanel.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/qt/Cp1252.h"
#include "tools/ToolOutline.h"
#include "turrets/TurretEditor.h"
#include "ui/FrameKeys.h"
#include "ui/OutlinePainting.h"
#include "ui/TrtTolDialog.h"
#include "ui/TurretPictureView.h"

namespace tooling::ui {

namespace {

constexpr int kColumns = 5;
// Between a row's outline and its text.
constexpr int kOutlineGap = 6;

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// Gives a row's first cell the outline of its station's tool, or the warning mark when the tool
// is not in the library, painted again only when the station's tool or angle has changed.
void ShowOutline(QTableWidgetItem& item, const library::StationRow& row, bool notInLibrary,
                 int side, const QWidget& list) {
    QString key = platform::FromCp1252((notInLibrary ? "!|" : "|") + row.shape + '|' + row.tool +
                                       '|' + row.angle);
    for (const double dim : row.dims) {
        key += '|' + QString::number(dim, 'g', 17);
    }
    if (item.data(Qt::UserRole).toString() == key) {
        return;
    }
    item.setData(Qt::UserRole, key);
    if (notInLibrary) {
        item.setIcon(list.style()->standardIcon(QStyle::SP_MessageBoxWarning));
        return;
    }
    item.setIcon(QIcon(OutlineIcon(tools::StationOutline(row.shape, row.tool, row.dims, row.angle),
                                   side, list.palette())));
}

}  // namespace

TurretEditorPanel::TurretEditorPanel(core::Session& session, turrets::TurretEditor& editor,
                                     QWidget* parent)
    : QGroupBox(parent), session_(session), editor_(editor) {
    setObjectName(QStringLiteral("TurretFrame"));
    auto* layout = new QVBoxLayout(this);
    trtDsc_ = new QLabel(this);
    trtDsc_->setObjectName(QStringLiteral("TrtDsc"));
    QFont bold = trtDsc_->font();
    bold.setBold(true);
    trtDsc_->setFont(bold);
    layout->addWidget(trtDsc_);

    // The heading is laid out in character columns: the lists use the same fixed-pitch font.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    header_ = new QLabel(platform::FromCp1252(turrets::TurretEditor::kHeader), this);
    header_->setObjectName(QStringLiteral("TurretHeader"));
    header_->setFont(fixed);
    auto* sideBySide = new QHBoxLayout;
    auto* table = new QVBoxLayout;
    table->addWidget(header_);

    list_ = new QTableWidget(0, kColumns, this);
    list_->setObjectName(QStringLiteral("TurretList"));
    list_->setFont(fixed);
    list_->horizontalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(QFontMetrics(fixed).height() + 4);
    // Each row starts with its tool's outline; the heading moves over by as much.
    const int outline = QFontMetrics(fixed).height() + 2;
    list_->setIconSize(QSize(outline, outline));
    header_->setIndent(outline + kOutlineGap);
    list_->setShowGrid(false);
    list_->setWordWrap(false);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->verticalScrollBar()->setObjectName(QStringLiteral("TurretBar"));
    list_->setFixedHeight(turrets::TurretEditor::kVisibleLines *
                              list_->verticalHeader()->defaultSectionSize() +
                          2 * list_->frameWidth());
    table->addWidget(list_);
    table->addStretch();
    AlignColumns();
    sideBySide->addLayout(table);
    sideBySide->addLayout(PicturePane(list_->height()));
    layout->addLayout(sideBySide);

    auto* panels = new QHBoxLayout;
    slctPanel_ = new QWidget(this);
    slctPanel_->setObjectName(QStringLiteral("SlctPanel"));
    auto* select = new QHBoxLayout(slctPanel_);
    QPushButton* selectTool = Button("Select Tool", "Selectool", slctPanel_);
    QPushButton* removeTool = Button("Remove Tool", "Removetool", slctPanel_);
    select->addWidget(selectTool);
    select->addWidget(removeTool);
    turretPanel_ = new QWidget(this);
    turretPanel_->setObjectName(QStringLiteral("TurretPanel"));
    auto* okCancel = new QHBoxLayout(turretPanel_);
    ok_ = Button("Ok", "TurretOk", turretPanel_);
    cancel_ = Button("Cancel", "TurretCncl", turretPanel_);
    okCancel->addWidget(ok_);
    okCancel->addWidget(cancel_);
    panels->addWidget(slctPanel_);
    panels->addStretch();
    panels->addWidget(turretPanel_);
    layout->addLayout(panels);

    connect(selectTool, &QPushButton::clicked, this, &TurretEditorPanel::SelectTool);
    connect(removeTool, &QPushButton::clicked, this,
            [this] { Run([this] { editor_.Removetool_Click(); }); });
    connect(ok_, &QPushButton::clicked, this,
            [this] { Run([this] { editor_.TurretOk_Click(); }); });
    connect(cancel_, &QPushButton::clicked, this,
            [this] { Run([this] { editor_.TurretCncl_Click(); }); });
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                const int top = list_->verticalScrollBar()->value();
                Run([this, current, top] { editor_.TurretList_Click(current.row(), top); });
            });
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        const int top = list_->verticalScrollBar()->value();
        Run([this, row, top] {
            editor_.TurretList_DblClick(row, top, [this](std::int16_t type) {
                return RunTrtTol(session_, type, window());
            });
        });
    });
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { Run([this, value] { editor_.TurretBar_Change(value); }); });
    keys_ = AddFrameKeys(this, ok_, cancel_);
    hide();
}

QVBoxLayout* TurretEditorPanel::PicturePane(int height) {
    auto* pane = new QVBoxLayout;
    picture_ = new TurretPictureView(
        editor_, [this](const std::function<void()>& event) { Run(event); }, this);
    picture_->setMinimumSize(height, height);
    pane->addWidget(picture_, 1);
    layoutHint_ =
        new QLabel(QStringLiteral("Drag the stations to where they stand in the machine."), this);
    layoutHint_->setObjectName(QStringLiteral("LayoutHint"));
    layoutHint_->setWordWrap(true);
    // The picture keeps its size when the hint comes and goes.
    QSizePolicy keepRoom = layoutHint_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    layoutHint_->setSizePolicy(keepRoom);
    pane->addWidget(layoutHint_);
    auto* buttons = new QHBoxLayout;
    illustration::TurretPicture& picture = editor_.picture;
    layoutButton_ = Button(picture.kLayoutCaption, "LayoutBttn", this);
    saveLayout_ = Button(picture.kSaveCaption, "LayoutSave", this);
    resetLayout_ = Button(picture.kResetCaption, "LayoutReset", this);
    cancelLayout_ = Button(picture.kCancelCaption, "LayoutCncl", this);
    buttons->addStretch();
    for (QPushButton* button : {layoutButton_, saveLayout_, resetLayout_, cancelLayout_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    pane->addLayout(buttons);
    layoutKeys_ = AddFrameKeys(this, saveLayout_, cancelLayout_);
    connect(layoutButton_, &QPushButton::clicked, this, [this] {
        Run([this] { editor_.picture.Layout_Click(); });
        picture_->setFocus();
    });
    connect(saveLayout_, &QPushButton::clicked, this,
            [this] { Run([this] { editor_.picture.LayoutSave_Click(); }); });
    connect(resetLayout_, &QPushButton::clicked, this,
            [this] { Run([this] { editor_.picture.LayoutReset_Click(); }); });
    connect(cancelLayout_, &QPushButton::clicked, this,
            [this] { Run([this] { editor_.picture.LayoutCancel_Click(); }); });
    return pane;
}

void TurretEditorPanel::Run(const std::function<void()>& event) {
    if (!editor_.frameVisible) {
        return;
    }
    event();
    emit changed();
}

void TurretEditorPanel::SelectTool() {
    Run([this] {
        editor_.Selectool_Click(
            [this](std::int16_t type) { return RunTrtTol(session_, type, window()); });
    });
}

void TurretEditorPanel::AlignColumns() {
    const QString heading = header_->text();
    const QFontMetrics metrics = header_->fontMetrics();
    const char* words[] = {"TYPE", "SHAPE", "SIZE", "ANGLE"};
    int start = 0;
    for (int c = 0; c < kColumns - 1; ++c) {
        const qsizetype at = heading.indexOf(QString::fromLatin1(words[c]));
        const int end = header_->indent() + metrics.horizontalAdvance(heading.left(at));
        list_->setColumnWidth(c, end - start);
        start = end;
    }
    // Room for the angle column beside the scroll bar.
    list_->setMinimumWidth(start + metrics.horizontalAdvance(QStringLiteral("ANGLE    ")) +
                           list_->verticalScrollBar()->sizeHint().width() +
                           2 * list_->frameWidth());
}

void TurretEditorPanel::ShowState() {
    const QSignalBlocker blockSelection(list_->selectionModel());
    const QSignalBlocker blockBar(list_->verticalScrollBar());
    trtDsc_->setText(platform::FromCp1252(editor_.trtDsc));
    trtDsc_->setVisible(editor_.trtDscVisible);
    const int rows = static_cast<int>(editor_.rows().size());
    list_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const QString text = platform::FromCp1252(
                editor_.columns[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
            QTableWidgetItem* item = list_->item(r, c);
            if (item == nullptr) {
                item = new QTableWidgetItem(text);
                list_->setItem(r, c, item);
            } else if (item->text() != text) {
                item->setText(text);
            }
            const bool notInLibrary = editor_.notInLibrary[static_cast<std::size_t>(r)];
            const QString tip = notInLibrary
                                    ? platform::FromCp1252(turrets::TurretEditor::kNotInLibrary)
                                    : QString();
            if (item->toolTip() != tip) {
                item->setToolTip(tip);
            }
            if (c == 0) {
                ShowOutline(*item, editor_.rows()[static_cast<std::size_t>(r)], notInLibrary,
                            list_->iconSize().height(), *list_);
            }
        }
    }
    if (editor_.selected >= 0 && editor_.selected < rows) {
        list_->setCurrentCell(editor_.selected, 0);
    }
    list_->verticalScrollBar()->setValue(editor_.topLine);
    ok_->setDefault(editor_.buttonsDefault);
    const bool layoutMode = editor_.picture.layoutMode;
    // While the layout changes, Enter and Esc save or drop it, and the turret cannot be closed.
    for (QShortcut* key : keys_) {
        key->setEnabled(editor_.buttonsDefault && !layoutMode);
    }
    for (QShortcut* key : layoutKeys_) {
        key->setEnabled(layoutMode);
    }
    ok_->setEnabled(!layoutMode);
    cancel_->setEnabled(!layoutMode);
    layoutButton_->setVisible(!layoutMode);
    for (QWidget* widget :
         {static_cast<QWidget*>(layoutHint_), static_cast<QWidget*>(saveLayout_),
          static_cast<QWidget*>(resetLayout_), static_cast<QWidget*>(cancelLayout_)}) {
        widget->setVisible(layoutMode);
    }
    picture_->update();
    slctPanel_->setVisible(editor_.frameVisible);
    turretPanel_->setVisible(editor_.frameVisible);
    setVisible(editor_.frameVisible);
}

void TurretEditorPanel::FocusList() {
    list_->setFocus();
}

}  // namespace tooling::ui
