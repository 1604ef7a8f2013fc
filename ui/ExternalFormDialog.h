#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "output/ExternalForm.h"

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tooling::core {
struct Session;
}

namespace tooling::ui {

// The export dialog: shows an output::ExternalForm and hands it the user's choices. The widgets
// carry the names of the dialog's controls (ExportFrame with ExportLabel1, ExportFileList,
// ExportLabel2, ExportDriveList and ExportFolderList; ExportButtons with ExportOk and
// ExportCancel). The drive list offers the mounted volumes; the folder list shows the folders of
// the current folder, with ".." above them below the volume's root, and a double click or Enter
// opens one. ExportFolderPath shows the current folder.
class ExternalFormDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ExternalFormDialog(core::Session& session, QWidget* parent = nullptr);

    const output::ExternalForm& logic() const { return logic_; }

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Run(void (output::ExternalForm::*event)());
    void TakeWidgets();
    void ShowState();
    void ShowDrives();
    void ShowFolder();
    void OpenFolder(QListWidgetItem* item);
    // Moves the focus where the logic asked for it.
    void ShowFocus();

    output::ExternalForm logic_;
    std::array<QLabel*, 2> labels_{};
    QListWidget* fileList_;
    QComboBox* driveList_;
    QLabel* folderPath_;
    QListWidget* folderList_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QString shownFolder_;  // the folder whose folders the folder list shows
};

// Shows the export dialog modally until it is closed.
void RunExternalForm(core::Session& session, QWidget* parent);

}  // namespace tooling::ui
