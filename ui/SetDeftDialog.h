#pragma once

#include "turrets/SetDeft.h"
#include "ui/CascadeForm.h"

namespace tooling::core {
struct Session;
}

namespace tooling::ui {

// The dialog that chooses a default tool: shows a turrets::SetDeft and hands it the user's
// choices. The widgets carry the names of the dialog's controls (ShapeList, SizeList, StnList,
// Prompt1 to Prompt3, ButtonPanel with InptOk, the default button, and InptCncl, the cancel
// button).
class SetDeftDialog : public CascadeDialog<turrets::SetDeft> {
    Q_OBJECT

  public:
    // Loads the dialog for a kind: 1 X shearing, 2 Y shearing, 3 clearing, 4 nibbling.
    SetDeftDialog(core::Session& session, int kind, QWidget* parent = nullptr);
};

// Shows the dialog modally for a kind until Ok stores the default or the user cancels.
void RunSetDeft(core::Session& session, int kind, QWidget* parent);

}  // namespace tooling::ui
