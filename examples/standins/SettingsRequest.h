#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tooling::examples {

// What the tool library leaves in "Settings.cfg" before it starts the tool-settings program:
// a tool's code, material and settings number, or the main window's "4" alone.
struct SettingsRequest {
    bool forTool = false;  // the three lines of a tool's Settings button
    std::string code;      // the lines as they stand, without their line ends
    std::string material;
    std::int32_t number = 1;
};

inline constexpr std::int32_t kHighestSettingsNo = 32767;

SettingsRequest ReadSettingsRequest(std::string_view bytes);

// The file that hands a tool's new settings number back: its code and material lines as they
// were, the number as the suite prints numbers (" 7 "), "******".
std::string SettingsAnswer(const SettingsRequest& request, std::int32_t number);

}  // namespace tooling::examples
