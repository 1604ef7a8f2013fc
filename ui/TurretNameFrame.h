#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;

namespace tooling::turrets {
class TurretCommands;
}

namespace tooling::ui {

// The name entry frame of the turret commands (NameFrame): the label Prompt, the box NameBox and
// the buttons NameOk and NameCncl, which Enter and Esc press while the frame is up. Shows the
// name state of a turrets::TurretCommands and hands it the user's actions.
class TurretNameFrame : public QGroupBox {
    Q_OBJECT

  public:
    TurretNameFrame(turrets::TurretCommands& commands, QWidget* parent = nullptr);

    void ShowState();
    void FocusBox();

  signals:
    // An event has run: every frame of the commands shows its state again.
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void TakeWidgets();

    turrets::TurretCommands& commands_;
    QLabel* prompt_;
    QLineEdit* box_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QShortcut* enter_[2];
    QShortcut* escape_;
};

}  // namespace tooling::ui
