#pragma once

#include <array>

class QPushButton;
class QShortcut;
class QWidget;

namespace tooling::ui {

// A frame of the main window is no dialog: these shortcuts make Enter (both keys) press its Ok
// button and Esc its Cancel button while the focus is within the frame.
using FrameKeys = std::array<QShortcut*, 3>;
FrameKeys AddFrameKeys(QWidget* frame, QPushButton* ok, QPushButton* cancel);

}  // namespace tooling::ui
