#pragma once

#include <array>
#include <string_view>

namespace tooling::library {

inline constexpr int kShapeCount = 14;

// One tool shape: its name (the Tool Shape menu's caption) and its code, the letter of its tool
// file.
struct ShapeEntry {
    std::string_view caption;
    char code;
};

// The fourteen shapes in menu order: entry i - 1 is menu item i.
inline constexpr std::array<ShapeEntry, kShapeCount> kShapes{{
    {"Diameter", 'A'},
    {"Square", 'B'},
    {"Rad-Square", 'C'},
    {"Rectangle", 'D'},
    {"Rad-Rect", 'E'},
    {"Obround", 'F'},
    {"Single-D", 'G'},
    {"Double-D", 'H'},
    {"Cannon-D", 'I'},
    {"Hexagon", 'J'},
    {"Keyway", 'K'},
    {"Louvre", 'L'},
    {"Cruciform", 'M'},
    {"Special", 'S'},
}};

}  // namespace tooling::library
