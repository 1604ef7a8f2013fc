#pragma once

#include <string>

namespace tooling::core {
struct Session;
}

namespace tooling::tools {

// The three texts of the main window's status line, in the system's single-byte text.
struct StatusTexts {
    std::string left;    // " " + library name + " "
    std::string middle;  // " " + name of the current shape
    std::string right;   // machine name, trimmed, + " "

    bool operator==(const StatusTexts&) const = default;
};

StatusTexts MakeStatusTexts(const core::Session& session);

}  // namespace tooling::tools
