#pragma once

#include <QGroupBox>
#include <array>

#include "ui/FrameKeys.h"

class QCheckBox;
class QFrame;
class QListWidget;
class QPushButton;
class QShortcut;

namespace tooling::turrets {
class TurretCommands;
}

namespace tooling::ui {

// The selection list frame of the turret commands (ListFrame): the lists ListSngl and ListMult,
// the buttons ListOk and ListCncl, which Enter and Esc press while the frame is up, and the
// button MachBttn and the frame CheckFrame (FileCheck1 "Programs", FileCheck2 "Drawings") that
// the turret commands keep hidden. Shows the list state of a turrets::TurretCommands and hands
// it the user's actions.
class TurretListFrame : public QGroupBox {
    Q_OBJECT

  public:
    TurretListFrame(turrets::TurretCommands& commands, QWidget* parent = nullptr);

    void ShowState();
    void FocusList();

  signals:
    // An event has run: every frame of the commands shows its state again.
    void changed();

  private:
    void TakeWidgets();
    void Run(void (turrets::TurretCommands::*event)());

    turrets::TurretCommands& commands_;
    QListWidget* single_;
    QListWidget* multiple_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* machine_;
    QPushButton* preview_;
    QCheckBox* illustration_;
    QFrame* checkFrame_;
    FrameKeys keys_{};
};

}  // namespace tooling::ui
