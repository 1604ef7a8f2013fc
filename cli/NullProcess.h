#pragma once

#include <string>

#include "platform/Process.h"

namespace tooling::cli {

// No other program is started from the command line.
class NullProcess : public platform::Process {
  public:
    bool RunAndWait(const std::string&) override { return false; }
};

}  // namespace tooling::cli
