#include "tools/ToolShapes.h"

namespace tooling::tools {

namespace {

constexpr int kSpecial = 14;

bool IsMenuShape(std::int16_t shapeNo) {
    return shapeNo >= 1 && shapeNo <= kShapeCount;
}

}  // namespace

std::string ShapeName(std::int16_t shapeNo) {
    if (shapeNo == kRouterShapeNo) {
        return "Router";
    }
    if (!IsMenuShape(shapeNo)) {
        return {};
    }
    return std::string(kShapes[static_cast<std::size_t>(shapeNo - 1)].caption);
}

std::string ListHeader(std::int16_t shapeNo) {
    const bool withAngles = IsMenuShape(shapeNo) && shapeNo != 1;
    std::string header(4, ' ');
    header += shapeNo == kSpecial ? "Name" : "Size";
    header += std::string(29, ' ');
    header += "Station(s)";
    if (withAngles) {
        header += std::string(41, ' ') + "Angle(s)" + std::string(20, ' ');
    } else {
        header += std::string(74, ' ');
    }
    return header;
}

}  // namespace tooling::tools
