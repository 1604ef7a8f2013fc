#include "tools/ToolOutline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "tests/support/DataRows.h"
#include "tools/ShapeRules.h"

namespace tooling::tools {
namespace {

using Dims = std::array<float, 4>;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
using test::DataRow;

// The area inside the outline's paths, from fine chords.
double Area(const ToolOutline& outline) {
    double twice = 0;
    for (const OutlinePath& path : outline.paths) {
        const std::vector<OutlinePoint> points = Flattened(path, 1e-6);
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            twice += points[i].x * points[i + 1].y - points[i + 1].x * points[i].y;
        }
    }
    return twice / 2;
}

// The stored dimensions of a tool typed into its dialog as `values`.
Dims Stored(char code, const std::vector<double>& values, bool keyRound) {
    const std::optional<Dims> dims = ShapeDims(code, values, keyRound);
    EXPECT_TRUE(dims.has_value()) << code;
    return dims.value_or(Dims{});
}

// The rows of a data file, each with the outline of the tool its first fields type.
template <typename Check>
void ForEachTyped(const char* file, Check check) {
    for (const DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR + std::string(file))) {
        SCOPED_TRACE(file + (" line " + std::to_string(row.line)));
        const bool round = row.fields.at(1) == "round";
        const char code = row.fields[0][0];
        const std::vector<double> values = test::NumbersOf(row.fields.at(2));
        const std::optional<ToolOutline> outline = OutlineOf(code, Stored(code, values, round));
        ASSERT_TRUE(outline.has_value());
        check(row, *outline, values);
    }
}

TEST(ToolOutlineTest, EveryShapeSpansItsDimensionsAndEnclosesItsArea) {
    ForEachTyped("outline-spans.txt", [](const DataRow& row, const ToolOutline& outline, auto) {
        const std::vector<double> span = test::NumbersOf(row.fields.at(3));
        const double tolerance = test::NumberOf(row.fields.at(4));
        const double area = test::NumberOf(row.fields.at(6));
        const OutlineBox& box = outline.extents;
        EXPECT_NEAR(box.Width(), span.at(0), tolerance);
        EXPECT_NEAR(box.Height(), span.at(1), tolerance);
        EXPECT_NEAR(box.minX, -span[0] / 2, 1e-9);
        EXPECT_NEAR(box.minY, test::NumberOf(row.fields.at(5)), 1e-9);
        EXPECT_NEAR(Area(outline), area, area * 1e-4);
        EXPECT_EQ(outline.label, "");
        ASSERT_EQ(outline.paths.size(), 1U);
        const OutlinePath& path = outline.paths[0];
        ASSERT_FALSE(path.pieces.empty());
        EXPECT_NEAR(path.pieces.back().to.x, path.start.x, 1e-9);
        EXPECT_NEAR(path.pieces.back().to.y, path.start.y, 1e-9);
    });
}

TEST(ToolOutlineTest, SpecialToolIsItsDrawingsExtentsLabelledWithItsName) {
    const std::optional<ToolOutline> outline = OutlineOf('S', {25.4F, 12, 0, 0}, "FLANGE NOTCH  ");
    ASSERT_TRUE(outline.has_value());
    EXPECT_EQ(outline->label, "FLANGE NOTCH");
    EXPECT_NEAR(outline->extents.minX, -12.7, 1e-6);
    EXPECT_NEAR(outline->extents.maxX, 12.7, 1e-6);
    EXPECT_NEAR(outline->extents.minY, -6, 1e-9);
    EXPECT_NEAR(outline->extents.maxY, 6, 1e-9);
    EXPECT_NEAR(Area(*outline), 25.4 * 12, 1e-4);
}

TEST(ToolOutlineTest, KeyStandsOutOfTheCircleByTheCheckedProtrusion) {
    ForEachTyped("keyways.txt", [](const DataRow& row, const ToolOutline& outline,
                                   const std::vector<double>& key) {
        const bool round = row.fields[1] == "round";
        const std::optional<double> protrusion =
            KeyProtrusion(key.at(0), key.at(1), key.at(2), round);
        ASSERT_TRUE(protrusion.has_value());
        // The key's sides leave the circle where it is as wide as the key.
        const double r = key[0] / 2;
        const double k = key[2] / 2;
        const double meet = std::sqrt(r * r - k * k);
        EXPECT_NEAR(outline.extents.maxY - meet - (round ? k : 0), *protrusion, 1e-9);
        EXPECT_NEAR(outline.extents.minY, -r, 1e-9);
    });
}

TEST(ToolOutlineTest, DegenerateDimensionsGiveNoOutline) {
    for (const DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "outline-none.txt")) {
        EXPECT_FALSE(OutlineOf(row.fields[0].at(0), test::DimsOf(row.fields.at(1)), "NAME"))
            << "line " << row.line;
    }
}

TEST(ToolOutlineTest, TurnedOutlineSitsAtItsLoadAngle) {
    ForEachTyped("outline-turns.txt", [](const DataRow& row, const ToolOutline& outline, auto) {
        const std::vector<double> box = test::NumbersOf(row.fields.at(4));
        const ToolOutline turned = Turned(outline, test::NumberOf(row.fields.at(3)));
        EXPECT_NEAR(turned.extents.minX, box.at(0), 1e-9);
        EXPECT_NEAR(turned.extents.minY, box.at(1), 1e-9);
        EXPECT_NEAR(turned.extents.maxX, box.at(2), 1e-9);
        EXPECT_NEAR(turned.extents.maxY, box.at(3), 1e-9);
        EXPECT_NEAR(Area(turned), Area(outline), 1e-6);
    });
}

TEST(ToolOutlineTest, StoredToolSitsAtItsFirstAngle) {
    struct Stored {
        char shape;
        Dims dims;
        float firstAngle;
        double width, height;
        std::string label;
    };
    const Stored tools[] = {
        {'D', {20, 10, 0, 0}, 90, 10, 20, ""},
        {'D', {20, 10, 0, 0}, 0, 20, 10, ""},
        {'D', {20, 10, 0, 0}, library::kNoAngle, 20, 10, ""},
        {'D', {20, 10, 0, 0}, 450, 20, 10, ""},  // no angle a dialog stores
        {'S', {30, 8, 0, 0}, 270, 8, 30, "VENT LOUVRE 60"},
    };
    for (const Stored& tool : tools) {
        SCOPED_TRACE(std::string(1, tool.shape) + " at " + std::to_string(tool.firstAngle));
        library::ToolRec rec;
        rec.Shape = tool.shape;
        rec.Descr = library::PaddedDescr(tool.shape == 'S' ? "VENT LOUVRE 60" : "Rectangle");
        rec.Dims = tool.dims;
        rec.Angles[0] = tool.firstAngle;
        rec.Angles[1] = 45;
        const std::optional<ToolOutline> outline = OutlineOfTool(rec);
        ASSERT_TRUE(outline.has_value());
        EXPECT_NEAR(outline->extents.Width(), tool.width, 1e-9);
        EXPECT_NEAR(outline->extents.Height(), tool.height, 1e-9);
        EXPECT_EQ(outline->label, tool.label);
    }
}

TEST(ToolOutlineTest, TurretStationToolSitsAtItsStationsAngle) {
    for (const DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "station-outlines.txt")) {
        const std::vector<double> dims = test::NumbersOf(row.fields.at(2));
        const std::optional<ToolOutline> outline =
            StationOutline(row.fields[0], row.fields[1],
                           {dims.at(0), dims.at(1), dims.at(2), dims.at(3)}, row.fields.at(3));
        std::string shown = "none";
        if (outline) {
            char text[64];
            std::snprintf(text, sizeof text, "%.3g x %.3g", outline->extents.Width(),
                          outline->extents.Height());
            shown = text + (outline->label.empty() ? "" : " " + outline->label);
        }
        EXPECT_EQ(shown, row.fields.at(4)) << "line " << row.line;
    }
}

TEST(ToolOutlineTest, FlattenedArcsKeepWithinTheTolerance) {
    const std::optional<ToolOutline> circle = OutlineOf('A', {20, 20, 0, 0});
    ASSERT_TRUE(circle.has_value());
    const OutlinePath& path = circle->paths.at(0);
    // Not above 0 (or not a number): a thousandth of the radius.
    const std::pair<double, double> tolerances[] = {{0.1, 0.1}, {0.01, 0.01}, {0.001, 0.001},
                                                    {0, 0.01},  {-1, 0.01},   {kNaN, 0.01}};
    for (const auto& [asked, used] : tolerances) {
        SCOPED_TRACE(asked);
        const std::vector<OutlinePoint> points = Flattened(path, asked);
        ASSERT_GE(points.size(), 3U);
        EXPECT_EQ(points.front().x, points.back().x);
        EXPECT_EQ(points.front().y, points.back().y);
        double straying = 0;
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            EXPECT_NEAR(std::hypot(points[i].x, points[i].y), 10, 1e-9);
            const double midX = (points[i].x + points[i + 1].x) / 2;
            const double midY = (points[i].y + points[i + 1].y) / 2;
            straying = std::max(straying, 10 - std::hypot(midX, midY));
        }
        EXPECT_LE(straying, used);
        EXPECT_GT(straying, used / 2);  // no more chords than it takes
    }
    // 720 chords at most for an arc.
    EXPECT_EQ(Flattened(path, 1e-9).size(), 721U);
}

}  // namespace
}  // namespace tooling::tools
