#include "ui/ExternalFormDialog.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QVBoxLayout>

#include "platform/FileSystem.h"
#include "platform/qt/Cp1252.h"

namespace tooling::ui {

namespace {

constexpr int kListWidth = 220;
constexpr int kListHeight = 180;
const QString kUp = QStringLiteral("..");

// Paths as the file system takes them: the system's single-byte text on Windows, the file
// names' own bytes elsewhere.
std::string PathBytes(const QString& path) {
#ifdef _WIN32
    return platform::ToCp1252(path);
#else
    return QFile::encodeName(path).toStdString();
#endif
}

QString PathText(const std::string& bytes) {
#ifdef _WIN32
    return platform::FromCp1252(bytes);
#else
    return QFile::decodeName(QByteArray::fromStdString(bytes));
#endif
}

QString WithSeparator(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    return native.endsWith(QChar::fromLatin1(platform::kSeparator))
               ? native
               : native + QChar::fromLatin1(platform::kSeparator);
}

}  // namespace

ExternalFormDialog::ExternalFormDialog(core::Session& session, QWidget* parent)
    : QDialog(parent), logic_(session) {
    setObjectName(QStringLiteral("ExternalForm"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("ExportFrame"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = new QLabel(frame);
        labels_[i]->setObjectName(QStringLiteral("ExportLabel%1").arg(i + 1));
    }
    fileList_ = new QListWidget(frame);
    fileList_->setObjectName(QStringLiteral("ExportFileList"));
    fileList_->setSelectionMode(QAbstractItemView::MultiSelection);
    fileList_->setMinimumSize(kListWidth, kListHeight);
    fileList_->installEventFilter(this);
    driveList_ = new QComboBox(frame);
    driveList_->setObjectName(QStringLiteral("ExportDriveList"));
    folderPath_ = new QLabel(frame);
    folderPath_->setObjectName(QStringLiteral("ExportFolderPath"));
    folderList_ = new QListWidget(frame);
    folderList_->setObjectName(QStringLiteral("ExportFolderList"));
    folderList_->setMinimumSize(kListWidth, kListHeight);
    folderList_->installEventFilter(this);
    labels_[0]->setBuddy(fileList_);
    labels_[1]->setBuddy(driveList_);
    grid->addWidget(labels_[0], 0, 0);
    grid->addWidget(fileList_, 1, 0, 3, 1);
    grid->addWidget(labels_[1], 0, 1);
    grid->addWidget(driveList_, 1, 1);
    grid->addWidget(folderPath_, 2, 1);
    grid->addWidget(folderList_, 3, 1);
    layout->addWidget(frame);

    auto* buttonFrame = new QFrame(this);
    buttonFrame->setObjectName(QStringLiteral("ExportButtons"));
    auto* buttons = new QHBoxLayout(buttonFrame);
    ok_ = new QPushButton(QStringLiteral("Ok"), buttonFrame);
    ok_->setObjectName(QStringLiteral("ExportOk"));
    ok_->setAutoDefault(false);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), buttonFrame);
    cancel_->setObjectName(QStringLiteral("ExportCancel"));
    cancel_->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addWidget(buttonFrame);

    connect(fileList_, &QListWidget::itemSelectionChanged, this, [this] { TakeWidgets(); });
    connect(driveList_, &QComboBox::activated, this, [this] {
        TakeWidgets();
        logic_.drive = PathBytes(driveList_->currentText());
        logic_.ExportDriveList_Change();
        ShowState();
    });
    connect(folderList_, &QListWidget::itemActivated, this, &ExternalFormDialog::OpenFolder);
    connect(ok_, &QPushButton::clicked, this, [this] {
        Run(&output::ExternalForm::ExportOk_Click);
        if (logic_.closed) {
            accept();
        } else {
            ShowFocus();
        }
    });
    connect(cancel_, &QPushButton::clicked, this, &ExternalFormDialog::reject);

    logic_.Form_Load();
    ShowState();
}

void ExternalFormDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    logic_.Form_GotFocus();
    ShowState();
    ShowFocus();
}

bool ExternalFormDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == folderList_ && event->type() == QEvent::KeyPress) {
        // Enter opens the folder; it never reaches the dialog's default button.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (folderList_->currentItem() != nullptr) {
                OpenFolder(folderList_->currentItem());
            }
            return true;
        }
    }
    if (watched == fileList_ && event->type() == QEvent::FocusIn) {
        logic_.ExportFileList_GotFocus();
        ok_->setDefault(logic_.okDefault);
    } else if (watched == fileList_ && event->type() == QEvent::FocusOut) {
        logic_.ExportFileList_LostFocus();
        ok_->setDefault(logic_.okDefault);
    }
    return QDialog::eventFilter(watched, event);
}

void ExternalFormDialog::reject() {
    logic_.ExportCancel_Click();
    QDialog::reject();
}

void ExternalFormDialog::Run(void (output::ExternalForm::*event)()) {
    TakeWidgets();
    (logic_.*event)();
    ShowState();
}

void ExternalFormDialog::TakeWidgets() {
    for (int i = 0; i < fileList_->count() && static_cast<std::size_t>(i) < logic_.selected.size();
         ++i) {
        logic_.selected[static_cast<std::size_t>(i)] = fileList_->item(i)->isSelected();
    }
    logic_.folder = PathBytes(shownFolder_);
}

void ExternalFormDialog::ShowState() {
    setWindowTitle(platform::FromCp1252(logic_.caption));
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setText(platform::FromCp1252(logic_.labels[i]));
    }
    {
        const QSignalBlocker block(fileList_);
        if (fileList_->count() != static_cast<int>(logic_.fileList.size())) {
            fileList_->clear();
            for (const std::string& name : logic_.fileList) {
                fileList_->addItem(platform::FromCp1252(name));
            }
        }
        for (int i = 0; i < fileList_->count(); ++i) {
            const auto line = static_cast<std::size_t>(i);
            fileList_->item(i)->setSelected(line < logic_.selected.size() && logic_.selected[line]);
        }
    }
    ShowDrives();
    const QString folder = PathText(logic_.folder);
    if (folder != shownFolder_) {
        shownFolder_ = folder;
        ShowFolder();
    }
    ok_->setDefault(logic_.okDefault);
}

void ExternalFormDialog::ShowDrives() {
    QStringList drives;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) {
            drives << WithSeparator(volume.rootPath());
        }
    }
    const QString current = PathText(logic_.drive);
    if (!current.isEmpty() && !drives.contains(current)) {
        drives << current;
    }
    drives.sort(Qt::CaseInsensitive);
    drives.removeDuplicates();
    const QSignalBlocker block(driveList_);
    QStringList shown;
    for (int i = 0; i < driveList_->count(); ++i) {
        shown << driveList_->itemText(i);
    }
    if (shown != drives) {
        driveList_->clear();
        driveList_->addItems(drives);
    }
    driveList_->setCurrentIndex(static_cast<int>(drives.indexOf(current)));
}

void ExternalFormDialog::ShowFolder() {
    folderPath_->setText(shownFolder_);
    folderList_->clear();
    const QString root = PathText(logic_.drive);
    if (!shownFolder_.isEmpty() && QDir(shownFolder_) != QDir(root) &&
        !QDir(shownFolder_).isRoot()) {
        folderList_->addItem(kUp);
    }
    folderList_->addItems(
        QDir(shownFolder_)
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}

void ExternalFormDialog::OpenFolder(QListWidgetItem* item) {
    QDir folder(shownFolder_);
    if (item->text() == kUp ? !folder.cdUp() : !folder.cd(item->text())) {
        return;
    }
    shownFolder_ = WithSeparator(folder.absolutePath());
    logic_.folder = PathBytes(shownFolder_);
    ShowFolder();
}

void ExternalFormDialog::ShowFocus() {
    switch (logic_.focus) {
        case output::ExternalForm::Focus::FileList:
            fileList_->setFocus();
            break;
        case output::ExternalForm::Focus::DriveList:
            driveList_->setFocus();
            break;
        case output::ExternalForm::Focus::None:
            break;
    }
}

void RunExternalForm(core::Session& session, QWidget* parent) {
    ExternalFormDialog dialog(session, parent);
    dialog.exec();
}

}  // namespace tooling::ui
