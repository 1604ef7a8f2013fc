#pragma once

#include <QDialog>
#include <array>

#include "turrets/SetDeft.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tooling::core {
struct Session;
}

namespace tooling::ui {

// The dialog that chooses a default tool: shows a turrets::SetDeft and hands it the user's
// choices. The widgets carry the names of the dialog's controls (ShapeList, SizeList, StnList,
// Prompt1 to Prompt3, ButtonPanel with InptOk, the default button, and InptCncl, the cancel
// button).
class SetDeftDialog : public QDialog {
    Q_OBJECT

  public:
    // Loads the dialog for a kind: 1 X shearing, 2 Y shearing, 3 clearing, 4 nibbling.
    SetDeftDialog(core::Session& session, int kind, QWidget* parent = nullptr);

    const turrets::SetDeft& logic() const { return logic_; }

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Takes the lists' selections into the logic, runs an event and shows the state again.
    void Run(void (turrets::SetDeft::*event)());
    void TakeWidgets();
    void ShowState();

    turrets::SetDeft logic_;
    std::array<QLabel*, 3> prompts_{};
    std::array<QComboBox*, 3> lists_{};
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Shows the dialog modally for a kind until Ok stores the default or the user cancels.
void RunSetDeft(core::Session& session, int kind, QWidget* parent);

}  // namespace tooling::ui
