#pragma once

#include <string>

namespace tooling::platform {

// Starts another program of the suite.
class Process {
  public:
    virtual ~Process() = default;

    // Starts the program with no arguments and returns when it has ended; the window stays
    // responsive meanwhile. Returns false when the program could not be started.
    virtual bool RunAndWait(const std::string& program) = 0;
};

}  // namespace tooling::platform
