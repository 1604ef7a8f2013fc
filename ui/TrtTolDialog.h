#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "turrets/TrtTol.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tooling::core {
struct Session;
}

namespace tooling::ui {

// The Tooling dialog: shows a turrets::TrtTol and hands it the user's choices. The widgets carry
// the names of the dialog's controls (ShapeList, SizeList, StnList, AngList, Prompt1 to Prompt4,
// ButtonPanel with InptOk, the default button, and InptCncl, the cancel button).
class TrtTolDialog : public QDialog {
    Q_OBJECT

  public:
    // Loads the dialog for a station of the given type.
    TrtTolDialog(core::Session& session, std::int16_t stationType, QWidget* parent = nullptr);

    const turrets::TrtTol& logic() const { return logic_; }

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Takes the lists' selections into the logic, runs an event and shows the state again.
    void Run(void (turrets::TrtTol::*event)());
    void TakeWidgets();
    void ShowState();

    turrets::TrtTol logic_;
    std::array<QLabel*, 4> prompts_{};
    std::array<QComboBox*, 4> lists_{};
    QWidget* buttonPanel_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Shows the Tooling dialog modally for a station of the given type; returns what it picked (not
// valid when it was cancelled).
turrets::PickedTool RunTrtTol(core::Session& session, std::int16_t stationType, QWidget* parent);

}  // namespace tooling::ui
