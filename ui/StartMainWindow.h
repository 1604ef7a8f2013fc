#pragma once

namespace tooling::platform {
class Ui;
}

namespace tooling::ui {

class ToolLibrary;

// Exit statuses of a start that ends before the window is shown.
inline constexpr int kExitStartupError = 1;  // a file could not be read or written
inline constexpr int kExitRefused = 2;       // a sibling program of the suite is missing

// Runs the window's load. Returns 0 when the window is ready to be shown; otherwise the exit
// status, after a start-up error has been reported through `ui` (a refusal has already beeped
// and shows nothing).
int StartMainWindow(ToolLibrary& window, platform::Ui& ui);

}  // namespace tooling::ui
