#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "tools/ToolDialog.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace tooling::core {
struct Session;
}

namespace tooling::ui {

class OutlineView;

// The dialog of one tool, for every shape: shows a tools::ToolDialog and hands it the user's
// actions. Its name is the form's (ToolA to ToolM, ToolS, ToolR); the widgets carry the names of
// the controls (DimFrame, Prompt1.., DimBox1.., KeyRound, StnFrame, StnList, AngFrame,
// AngBox1..6, ButtonPanel, InptOk, InptCncl, ParamPanel, ToolSettings). Beside the frames the
// picture Outline shows the tool as Ok would store it, redrawn as the user types.
class ToolDialogForm : public QDialog {
    Q_OBJECT

  public:
    // Loads the dialog of the session's current shape, for its EditRecNo.
    explicit ToolDialogForm(core::Session& session, QWidget* parent = nullptr);

    const tools::ToolDialog& dialog() const { return dialog_; }

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OkClicked();
    void SettingsClicked();
    void StationsClicked();
    // Takes what the user changed in the widgets into the logic.
    void TakeWidgets();
    // A box's text or the Rounded tick has changed.
    void Typed();
    void ShowOutline();
    // Shows the logic's state; moves the keyboard focus where the logic says when asked.
    void ShowState(bool applyFocus);
    // After an event: closes the dialog when the logic has closed, else shows the state.
    void AfterEvent();

    core::Session& session_;
    tools::ToolDialog dialog_;
    QGroupBox* dimFrame_;
    std::vector<QLabel*> prompts_;
    std::vector<QLineEdit*> dimBoxes_;
    QCheckBox* keyRound_;
    QListWidget* stnList_;
    QGroupBox* angFrame_;
    std::array<QLineEdit*, tools::kAngleBoxes> angBoxes_{};
    QPushButton* ok_;
    QPushButton* cancel_;
    QFrame* paramPanel_;
    QPushButton* settings_;
    OutlineView* outline_;
    int angleBox_ = 0;  // the angle box the user went to last, from 1
};

// Opens the dialog of the session's current shape (Special for 14) modally and returns when it
// has closed: QDialog::Accepted when a tool was stored. A dialog that cannot load its tool says
// why and does not open.
int ShowToolDialog(core::Session& session, QWidget* parent);

}  // namespace tooling::ui
