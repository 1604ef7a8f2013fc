#include "tools/ToolShapes.h"

#include <gtest/gtest.h>

namespace tooling::tools {
namespace {

TEST(ToolShapes, NamesAndCodesInMenuOrder) {
    std::string names;
    for (std::int16_t shapeNo = -1; shapeNo <= 22; ++shapeNo) {
        names += ShapeName(shapeNo) + ",";
    }
    EXPECT_EQ(names,
              ",,Diameter,Square,Rad-Square,Rectangle,Rad-Rect,Obround,Single-D,Double-D,"
              "Cannon-D,Hexagon,Keyway,Louvre,Cruciform,Special,,,,,,,Router,,");
    std::string codes;
    for (const ShapeEntry& shape : kShapes) {
        codes += shape.code;
    }
    EXPECT_EQ(codes, "ABCDEFGHIJKLMS");
}

// The headings stand over the tool list's columns: the size (or name) at column 5, the
// stations at 38 and the angles at 89; Diameter and Router tools have no angle.
TEST(ToolShapes, ListHeadingOfEachShapeNumber) {
    const std::string start = "    Size" + std::string(29, ' ') + "Station(s)";
    const std::string diameter = start + std::string(74, ' ');
    const std::string angled = start + std::string(41, ' ') + "Angle(s)" + std::string(20, ' ');
    const std::string special = "    Name" + angled.substr(8);
    for (std::int16_t shapeNo = -1; shapeNo <= 22; ++shapeNo) {
        const bool hasAngle = shapeNo >= 2 && shapeNo <= 13;
        EXPECT_EQ(ListHeader(shapeNo), shapeNo == 14 ? special
                                       : hasAngle    ? angled
                                                     : diameter)
            << shapeNo;
    }
}

}  // namespace
}  // namespace tooling::tools
