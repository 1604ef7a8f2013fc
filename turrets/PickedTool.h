#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tooling::turrets {

inline constexpr std::size_t kPickedDescrWidth = 64;

// The tool the Tooling dialog hands back to the turret editor. The cleared record (as
// constructed) is what a cancelled dialog returns.
struct PickedTool {
    std::int16_t valid = 0;  // -1 when a tool was chosen
    char shape = ' ';
    std::string description = std::string(kPickedDescrWidth, ' ');  // Descr, blank-padded
    std::array<float, 4> dims{};                                    // millimetres
    std::int16_t stationType = 0;
    std::int16_t stationKind = 0;
    float angle = 0.0F;  // degrees; 0 for Diameter tools and index stations
    float spare = 0.0F;

    bool operator==(const PickedTool&) const = default;
};

}  // namespace tooling::turrets
