#include "tools/ToolOutline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>

#include "tools/ShapeRules.h"

namespace tooling::tools {
namespace {

using Dims = std::array<float, 4>;

constexpr double kPi = std::numbers::pi;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// The part of a circle of radius r above a chord at height h over its centre.
double Cap(double r, double h) {
    return r * r * std::acos(h / r) - h * std::sqrt(r * r - h * h);
}

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

struct Spanned {
    char code;
    std::vector<double> values;  // as typed into the dialog's boxes
    bool keyRound;
    double spanX, spanY;  // the tool's own dimensions
    double tolerance;
    double minY;  // the outline's lowest point below the tool's centre
    double area;  // worked out by hand
};

TEST(ToolOutlineTest, EveryShapeSpansItsDimensionsAndEnclosesItsArea) {
    // clang-format off
    const Spanned rows[] = {
        {'A', {10}, false, 10, 10, 1e-9, -5, 25 * kPi},
        {'B', {12}, false, 12, 12, 1e-9, -6, 144},
        {'C', {20, 3}, false, 20, 20, 1e-9, -10, 400 - (4 - kPi) * 9},
        {'D', {30, 10}, false, 30, 10, 1e-9, -5, 300},
        {'E', {30, 10, 2}, false, 30, 10, 1e-9, -5, 300 - (4 - kPi) * 4},
        {'F', {20, 10}, false, 20, 10, 1e-9, -5, 100 + 25 * kPi},
        {'G', {20, 15}, false, 20, 15, 1e-9, -10, 100 * kPi - Cap(10, 5)},
        {'G', {20, 10.5}, false, 20, 10.5, 1e-9, -10, 100 * kPi - Cap(10, 0.5)},
        {'H', {20, 14}, false, 20, 14, 1e-9, -7, 100 * kPi - 2 * Cap(10, 7)},
        {'I', {20, 30}, false, 20, 30, 1e-9, -15, 150 + 112.5 * kPi},
        {'I', {40, 10}, false, 40, 10, 1e-9, -5, 350 + 12.5 * kPi},
        // Across flats 10 spans the stored 11.547 across corners.
        {'J', {10}, false, 10, 11.547, 1e-6, -5.7735, 3 * 10 * 11.547 / 4},
        {'K', {10, 9.5, 6}, false, 10, 9.5, 1e-9, -5, 25 * kPi - Cap(5, 4) + 6 * 0.5},
        // Key sides 0.42 long (the check's protrusion, to a hundredth) under a 2 mm half circle.
        {'K', {10, 12, 4}, true, 10, 12, 0.005, -5,
         25 * kPi - Cap(5, std::sqrt(21.0)) + 4 * 0.42 + 2 * kPi},
        {'L', {20, 10}, false, 20, 10, 1e-9, -5, 200 - 2 * (100 - 25 * kPi)},
        {'L', {30, 5}, false, 30, 5, 1e-9, -2.5, 150 - 2 * (25 - 6.25 * kPi)},
        {'M', {20, 6, 7}, false, 20, 20, 1e-9, -10, 240 - 36 + 4 * (49 - 12.25 * kPi)},
        {'M', {30, 8, 2}, false, 30, 30, 1e-9, -15, 480 - 64 + 4 * (4 - kPi)},
    };
    // clang-format on
    for (const Spanned& row : rows) {
        SCOPED_TRACE(std::string(1, row.code) + " " + std::to_string(row.values[0]));
        const std::optional<ToolOutline> outline =
            OutlineOf(row.code, Stored(row.code, row.values, row.keyRound));
        ASSERT_TRUE(outline.has_value());
        const OutlineBox& box = outline->extents;
        EXPECT_NEAR(box.Width(), row.spanX, row.tolerance);
        EXPECT_NEAR(box.Height(), row.spanY, row.tolerance);
        EXPECT_NEAR(box.minX, -row.spanX / 2, 1e-9);
        EXPECT_NEAR(box.minY, row.minY, 1e-9);
        EXPECT_NEAR(Area(*outline), row.area, row.area * 1e-4);
        EXPECT_EQ(outline->label, "");
        ASSERT_EQ(outline->paths.size(), 1U);
        const OutlinePath& path = outline->paths[0];
        ASSERT_FALSE(path.pieces.empty());
        EXPECT_NEAR(path.pieces.back().to.x, path.start.x, 1e-9);
        EXPECT_NEAR(path.pieces.back().to.y, path.start.y, 1e-9);
    }
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
    struct Key {
        double diameter, height, keyWidth;
        bool round;
    };
    const Key keys[] = {
        {10, 9.5, 6, false}, {10, 9, 6, false},         {20, 22.5, 5, false}, {20, 25, 5, true},
        {10, 12, 4, true},   {12.7, 14.3, 3.175, true}, {10, 10, 10, false},  {10, 12.5, 10, true},
    };
    for (const Key& key : keys) {
        SCOPED_TRACE(std::to_string(key.height) + " " + std::to_string(key.keyWidth));
        const std::optional<double> protrusion =
            KeyProtrusion(key.diameter, key.height, key.keyWidth, key.round);
        ASSERT_TRUE(protrusion.has_value());
        const std::optional<ToolOutline> outline =
            OutlineOf('K', Stored('K', {key.diameter, key.height, key.keyWidth}, key.round));
        ASSERT_TRUE(outline.has_value());
        // The key's sides leave the circle where it is as wide as the key.
        const double r = key.diameter / 2;
        const double k = key.keyWidth / 2;
        const double meet = std::sqrt(r * r - k * k);
        EXPECT_NEAR(outline->extents.maxY - meet - (key.round ? k : 0), *protrusion, 1e-9);
        EXPECT_NEAR(outline->extents.minY, -r, 1e-9);
    }
}

TEST(ToolOutlineTest, DegenerateDimensionsGiveNoOutline) {
    const std::pair<char, Dims> rows[] = {
        {'A', {0, 0, 0, 0}},        {'A', {-10, -10, 0, 0}},   {'A', {kNaN, kNaN, 0, 0}},
        {'A', {kInf, kInf, 0, 0}},  {'A', {1000, 1000, 0, 0}},  // beyond what a tool file keeps
        {'B', {0.1F, 0.1F, 0, 0}},  {'C', {10, 10, 0, 5}},      // radius too large
        {'C', {10, 10, 0, 0}},      {'C', {10, 10, 0, kNaN}},  {'D', {10, 10, 0, 0}},
        {'E', {30, 10, 0, 5}},      {'E', {30, 10, 0, -2}},    {'F', {10, 12, 0, 0}},
        {'G', {10, 10, 0, 0}},      {'H', {10, 12, 0, 0}},     {'H', {10, -8, 0, 0}},
        {'I', {19.999F, 30, 0, 0}}, {'J', {0, 0, 0, 0}},       {'J', {kNaN, 11.547F, 0, 0}},
        {'K', {10, 12, 11, 0}},  // key wider than the diameter
        {'K', {10, 6, 6, 0}},    // key inside the circle
        {'K', {10, 9.5F, -6, 0}},   {'K', {10, 9.5F, 0, 0}},   {'L', {20, 10.001F, 0, 0}},
        {'M', {20, 20, 6, 7.001F}}, {'M', {20, 20, 0, 7}},     {'M', {20, 20, 6, 0}},
        {'S', {0, 12, 0, 0}},       {'S', {-5, 12, 0, 0}},     {'S', {12, kNaN, 0, 0}},
        {'S', {kInf, 12, 0, 0}},    {'Z', {10, 10, 0, 0}},     {' ', {10, 10, 0, 0}},
        {'a', {10, 10, 0, 0}},
    };
    for (const auto& [code, dims] : rows) {
        EXPECT_FALSE(OutlineOf(code, dims, "NAME").has_value())
            << code << " " << dims[0] << " " << dims[1] << " " << dims[2] << " " << dims[3];
    }
}

TEST(ToolOutlineTest, TurnedOutlineSitsAtItsLoadAngle) {
    struct Turn {
        char code;
        std::vector<double> values;
        double degrees;
        OutlineBox box;
    };
    const double c30 = std::sqrt(3.0) / 2;
    const double arm = 13 / std::sqrt(2.0);  // the corner of an arm's end, half a web beside it
    const double obround45 = 5 / std::sqrt(2.0) + 5;
    // clang-format off
    const Turn turns[] = {
        {'F', {20, 10}, 90, {-5, -10, 5, 10}},
        {'F', {20, 10}, -270, {-5, -10, 5, 10}},
        {'F', {20, 10}, 45, {-obround45, -obround45, obround45, obround45}},
        {'D', {30, 10}, 30, {-(15 * c30 + 2.5), -(7.5 + 5 * c30), 15 * c30 + 2.5, 7.5 + 5 * c30}},
        {'G', {20, 15}, 180, {-10, -5, 10, 10}},
        {'K', {10, 9.5, 6}, 270, {-5, -5, 4.5, 5}},
        {'K', {10, 9.5, 6}, 90, {-4.5, -5, 5, 5}},
        {'J', {10}, 90, {-5.7735, -5, 5.7735, 5}},
        {'A', {10}, 33, {-5, -5, 5, 5}},
        {'M', {20, 6, 7}, 45, {-arm, -arm, arm, arm}},
        {'L', {20, 10}, 360, {-10, -5, 10, 5}},
    };
    // clang-format on
    for (const Turn& turn : turns) {
        SCOPED_TRACE(std::string(1, turn.code) + " at " + std::to_string(turn.degrees));
        const std::optional<ToolOutline> outline =
            OutlineOf(turn.code, Stored(turn.code, turn.values, false));
        ASSERT_TRUE(outline.has_value());
        const ToolOutline turned = Turned(*outline, turn.degrees);
        EXPECT_NEAR(turned.extents.minX, turn.box.minX, 1e-9);
        EXPECT_NEAR(turned.extents.minY, turn.box.minY, 1e-9);
        EXPECT_NEAR(turned.extents.maxX, turn.box.maxX, 1e-9);
        EXPECT_NEAR(turned.extents.maxY, turn.box.maxY, 1e-9);
        EXPECT_NEAR(Area(turned), Area(*outline), 1e-6);
    }
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
    struct Station {
        std::string shape, tool;
        std::array<double, 4> dims;
        std::string angle;
        std::string shown;  // width x height, label
    };
    const Station stations[] = {
        {"D", "Rectangle", {20, 10, 0, 0}, "90", "10 x 20"},
        {"D", "Rectangle", {20, 10, 0, 0}, "22.5", "22.3 x 16.9"},
        {"D", "Rectangle", {20, 10, 0, 0}, "idx", "20 x 10"},
        {"D", "Rectangle", {20, 10, 0, 0}, "", "20 x 10"},
        {"S", "FLANGE NOTCH", {30, 8, 0, 0}, "270", "8 x 30 FLANGE NOTCH"},
        {"K", "Keyway", {10, 9.5, -6, 0}, "0", "none"},
        {"DD", "Rectangle", {20, 10, 0, 0}, "0", "none"},
        {"", "", {0, 0, 0, 0}, "", "none"},
        {"D", "Rectangle", {1e300, 10, 0, 0}, "0", "none"},
        {"D", "Rectangle", {20, 10, 0, -1e39}, "0", "none"},
    };
    for (const Station& station : stations) {
        const std::optional<ToolOutline> outline =
            StationOutline(station.shape, station.tool, station.dims, station.angle);
        std::string shown = "none";
        if (outline) {
            char text[64];
            std::snprintf(text, sizeof text, "%.3g x %.3g", outline->extents.Width(),
                          outline->extents.Height());
            shown = text + (outline->label.empty() ? "" : " " + outline->label);
        }
        EXPECT_EQ(shown, station.shown) << station.shape << " " << station.angle;
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
