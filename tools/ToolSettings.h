#pragma once

#include <cstdint>
#include <functional>

namespace tooling::core {
struct Session;
}

namespace tooling::tools {

// Runs the machine's tool-settings program for one tool: writes "Settings.cfg" in the program
// folder (the code, MaterialName, the settings number, "******"), starts the program and waits
// for it with the dialog disabled (`setDialogEnabled(false)`, then `(true)`), and returns the
// settings number the program left in the file (at least 1). When the program is missing: the
// beep, "Tool Settings are Unavailable !" and 1.
std::int32_t RunToolSettings(core::Session& session, int code, std::int32_t settingsNo,
                             const std::function<void(bool)>& setDialogEnabled);

// The main window's "Tool Settings": the program with "Settings.cfg" holding "4" and "******",
// nothing read back, the file deleted afterwards. Returns false (after the message) when the
// program is missing.
bool RunMainToolSettings(core::Session& session);

}  // namespace tooling::tools
