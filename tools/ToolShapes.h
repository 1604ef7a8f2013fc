#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "library/ShapeTable.h"

namespace tooling::tools {

// The fourteen shapes in menu order, shared with the turret editor's shape list.
using library::kShapeCount;
using library::kShapes;
using library::ShapeEntry;
inline constexpr std::int16_t kRouterShapeNo = 21;

// The name of a shape number as captions and the status line show it: the menu caption of 1 to
// 14, "Router" for 21, empty for any other number.
std::string ShapeName(std::int16_t shapeNo);

// The column heading of the tool list of a shape number (21, Router, has the Diameter heading:
// its tools have no angles). Numbers outside 1 to 14 and 21 also get the Diameter heading.
std::string ListHeader(std::int16_t shapeNo);

}  // namespace tooling::tools
