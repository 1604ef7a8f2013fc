#include "tools/ToolShapes.h"

#include <gtest/gtest.h>

namespace tooling::tools {
namespace {

std::string Blanks(std::size_t n) {
    return std::string(n, ' ');
}

// Heading of a shape with an angle column: "Station(s)" at column 38, "Angle(s)" at column 89.
std::string AngleHeader(const std::string& first) {
    return "    " + first + Blanks(29) + "Station(s)" + Blanks(41) + "Angle(s)" + Blanks(20);
}

TEST(ToolShapes, MenuTableGivesCaptionCodeAndHeadingOfEveryShape) {
    struct Row {
        std::int16_t shapeNo;
        const char* caption;
        char code;
        std::string header;
    };
    const std::string diameterHeader = "    Size" + Blanks(29) + "Station(s)" + Blanks(74);
    const Row rows[] = {
        {1, "Diameter", 'A', diameterHeader},        {2, "Square", 'B', AngleHeader("Size")},
        {3, "Rad-Square", 'C', AngleHeader("Size")}, {4, "Rectangle", 'D', AngleHeader("Size")},
        {5, "Rad-Rect", 'E', AngleHeader("Size")},   {6, "Obround", 'F', AngleHeader("Size")},
        {7, "Single-D", 'G', AngleHeader("Size")},   {8, "Double-D", 'H', AngleHeader("Size")},
        {9, "Cannon-D", 'I', AngleHeader("Size")},   {10, "Hexagon", 'J', AngleHeader("Size")},
        {11, "Keyway", 'K', AngleHeader("Size")},    {12, "Louvre", 'L', AngleHeader("Size")},
        {13, "Cruciform", 'M', AngleHeader("Size")}, {14, "Special", 'S', AngleHeader("Name")},
    };
    ASSERT_EQ(std::size(rows), kShapes.size());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.shapeNo);
        const ShapeEntry& entry = kShapes[static_cast<std::size_t>(row.shapeNo - 1)];
        EXPECT_EQ(entry.caption, row.caption);
        EXPECT_EQ(entry.code, row.code);
        EXPECT_EQ(ShapeName(row.shapeNo), row.caption);
        EXPECT_EQ(ListHeader(row.shapeNo), row.header);
    }
}

TEST(ToolShapes, HeadingColumnsStandWhereTheListColumnsStart) {
    const std::string square = ListHeader(2);
    EXPECT_EQ(square.find("Size"), 4U);
    EXPECT_EQ(square.find("Station(s)"), 37U);
    EXPECT_EQ(square.find("Angle(s)"), 88U);
    EXPECT_EQ(square.size(), 116U);
    const std::string diameter = ListHeader(1);
    EXPECT_EQ(diameter.find("Angle(s)"), std::string::npos);
    EXPECT_EQ(diameter.size(), 121U);
}

TEST(ToolShapes, RouterIsNamedAndListedLikeDiameterOtherNumbersHaveNoName) {
    EXPECT_EQ(ShapeName(kRouterShapeNo), "Router");
    EXPECT_EQ(ListHeader(kRouterShapeNo), ListHeader(1));
    for (std::int16_t shapeNo : {0, 15, 20, 22, -1}) {
        SCOPED_TRACE(shapeNo);
        EXPECT_EQ(ShapeName(shapeNo), "");
        EXPECT_EQ(ListHeader(shapeNo), ListHeader(1));
    }
}

}  // namespace
}  // namespace tooling::tools
