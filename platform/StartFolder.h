#pragma once

#include <string>

namespace tooling::platform {

// The folder the program was started in, with a final separator; empty (files are then read
// relative to it) when it can no longer be named.
std::string StartFolder();

}  // namespace tooling::platform
