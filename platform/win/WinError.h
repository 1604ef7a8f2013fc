#pragma once

#include <string>

namespace tooling::platform {

// The system's text for a Windows error code, in English where the system has it, without the
// final full stop and line end ("Access is denied"); "error <code>" when it has no text.
std::string WinErrorText(unsigned long code);

}  // namespace tooling::platform
