#pragma once

#include <QGroupBox>
#include <array>
#include <functional>

#include "ui/FrameKeys.h"

class QLabel;
class QPushButton;
class QShortcut;
class QTableWidget;
class QVBoxLayout;

namespace tooling::core {
struct Session;
}

namespace tooling::turrets {
class TurretEditor;
}

namespace tooling::ui {

class TurretPictureView;

// The turret editor panel of the main window (TurretFrame): the turret's name (TrtDsc) over the
// column heading and the stations in five columns that move as one (TurretList, whose scroll bar
// is the TurretBar), the panel SlctPanel with Selectool and Removetool, and the panel TurretPanel
// with TurretOk and TurretCncl, which Enter and Esc press; beside the lists, the turret's picture
// with its Layout button. Shows a turrets::TurretEditor and hands it the user's actions; Select
// Tool opens the Tooling dialog.
class TurretEditorPanel : public QGroupBox {
    Q_OBJECT

  public:
    TurretEditorPanel(core::Session& session, turrets::TurretEditor& editor,
                      QWidget* parent = nullptr);

    void ShowState();
    void FocusList();

  signals:
    // An event has run: every frame of the commands shows its state again.
    void changed();

  private:
    void Run(const std::function<void()>& event);
    void SelectTool();
    // Column widths that put each column under its word of the heading.
    void AlignColumns();
    // The picture, `height` pixels square at least, over its layout buttons.
    QVBoxLayout* PicturePane(int height);

    core::Session& session_;
    turrets::TurretEditor& editor_;
    QLabel* trtDsc_;
    QLabel* header_;
    QTableWidget* list_;
    QWidget* slctPanel_;
    QWidget* turretPanel_;
    QPushButton* ok_;
    QPushButton* cancel_;
    TurretPictureView* picture_;
    QLabel* layoutHint_;
    QPushButton* layoutButton_;
    QPushButton* saveLayout_;
    QPushButton* resetLayout_;
    QPushButton* cancelLayout_;
    FrameKeys keys_{};
    FrameKeys layoutKeys_{};
};

}  // namespace tooling::ui
