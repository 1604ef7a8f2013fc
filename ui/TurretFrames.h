#pragma once

#include <QWidget>

#include "turrets/TurretCommands.h"

namespace tooling::core {
struct Session;
}

namespace tooling::ui {

class TurretEditorPanel;
class TurretListFrame;
class TurretNameFrame;

// The Standard Turrets commands in the main window: the name frame, the list frame and the
// turret editor panel over one turrets::TurretCommands. The window calls TurretItem_Click for
// the menu's items and follows menusEnabledChanged with its MenusOff and MenusOn.
class TurretFrames : public QWidget {
    Q_OBJECT

  public:
    explicit TurretFrames(core::Session& session, QWidget* parent = nullptr);

    // Item 1 to 5 of the Standard Turrets menu.
    void TurretItem_Click(int index);

    const turrets::TurretCommands& logic() const { return commands_; }

  signals:
    // A turret command has started (false) or ended (true).
    void menusEnabledChanged(bool on);

  private:
    // Every frame shows the commands' state; the focus goes where they say.
    void ShowState();

    turrets::TurretCommands commands_;
    TurretNameFrame* nameFrame_;
    TurretListFrame* listFrame_;
    TurretEditorPanel* editorPanel_;
    bool menusEnabled_ = true;
};

}  // namespace tooling::ui
