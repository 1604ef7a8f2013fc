#pragma once

#include "platform/Process.h"

namespace tooling::platform {

// Starts a program with QProcess. While it runs, the window is repainted but takes no input,
// so no command can start until the program has ended.
class QtProcess : public Process {
  public:
    bool RunAndWait(const std::string& program) override;
};

}  // namespace tooling::platform
