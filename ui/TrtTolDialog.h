#pragma once

#include <cstdint>

#include "turrets/TrtTol.h"
#include "ui/CascadeForm.h"

namespace tooling::core {
struct Session;
}

namespace tooling::ui {

// The Tooling dialog: shows a turrets::TrtTol and hands it the user's choices. The widgets carry
// the names of the dialog's controls (ShapeList, SizeList, StnList, AngList, Prompt1 to Prompt4,
// ButtonPanel with InptOk, the default button, and InptCncl, the cancel button).
class TrtTolDialog : public CascadeDialog<turrets::TrtTol> {
    Q_OBJECT

  public:
    // Loads the dialog for a station of the given type.
    TrtTolDialog(core::Session& session, std::int16_t stationType, QWidget* parent = nullptr);
};

// Shows the Tooling dialog modally for a station of the given type; returns what it picked (not
// valid when it was cancelled).
turrets::PickedTool RunTrtTol(core::Session& session, std::int16_t stationType, QWidget* parent);

}  // namespace tooling::ui
