#pragma once

#include <string>
#include <string_view>

#include "core/StartUp.h"

namespace tooling::core {
struct Session;
}

namespace tooling::library {

inline constexpr std::string_view kFullLibrary = "Full Library";

// The trimmed name without its last "." and what follows.
std::string StripExt(std::string_view name);

// Chooses the current library from a material's settings at start-up and prepares its files.
void SetUpLibrary(core::Session& session, std::string_view material);

// The whole start-up: StartUp, then SetUpLibrary("Default") when it is ready.
core::StartOutcome StartSession(core::Session& session);

}  // namespace tooling::library
