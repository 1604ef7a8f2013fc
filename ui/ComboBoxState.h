#pragma once

#include "turrets/TrtTol.h"

class QComboBox;

namespace tooling::ui {

// Shows a dialog logic's combo box state in a combo box: its lines (replaced only when they
// changed), the selected line and whether it is enabled. The box's signals are blocked meanwhile.
void ShowComboBox(QComboBox* box, const turrets::TrtTol::Combo& combo);

}  // namespace tooling::ui
