#pragma once

#include <functional>

class QKeyEvent;
class QLineEdit;

namespace tooling::ui {

// Hands a key typed into a text box to the logic's key filter. `judge` gets the character code
// of the key and returns the key the box takes, or 0 when it refuses it. Keys that move between
// the controls or press the default and cancel buttons, and keys that type nothing (arrows,
// Delete, Home ...), are left to the box. Returns true when the key press has been dealt with
// here (refused, or replaced by the key the filter returned).
bool FilterBoxKey(QLineEdit* box, const QKeyEvent& key, const std::function<int(int)>& judge);

}  // namespace tooling::ui
