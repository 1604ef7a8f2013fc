#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tooling::tools {

inline constexpr int kShapeCount = 14;
inline constexpr std::int16_t kRouterShapeNo = 21;

// One item of the Tool Shape menu.
struct ShapeEntry {
    std::string_view caption;  // the menu caption, also the shape's name in captions
    char code;                 // shape code, the letter of the shape's tool file
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

// The name of a shape number as captions and the status line show it: the menu caption of 1 to
// 14, "Router" for 21, empty for any other number.
std::string ShapeName(std::int16_t shapeNo);

// The column heading of the tool list of a shape number (21, Router, has the Diameter heading:
// its tools have no angles). Numbers outside 1 to 14 and 21 also get the Diameter heading.
std::string ListHeader(std::int16_t shapeNo);

}  // namespace tooling::tools
