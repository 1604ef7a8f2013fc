// The shapes: their names and list headings, the dimensions each stores, their size texts and
// outlines, and the chosen shape.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <optional>
#include <span>
#include <tuple>

#include "core/Session.h"
#include "library/ToolSizeText.h"
#include "tests/support/DataRows.h"
#include "tests/support/TestServices.h"
#include "tests/tools/Transcript.h"
#include "tools/ShapeChoice.h"
#include "tools/ShapeRules.h"
#include "tools/ToolOutline.h"
#include "tools/ToolShapes.h"

namespace tooling::tools {
namespace {

using test::DataRow;

TEST(ToolShapes, NamesAndListHeadingsOfEachShapeNumber) {
    std::string names;
    for (std::int16_t shapeNo = -1; shapeNo <= 22; ++shapeNo) {
        names += ShapeName(shapeNo) + ",";
    }
    EXPECT_EQ(names,
              ",,Diameter,Square,Rad-Square,Rectangle,Rad-Rect,Obround,Single-D,Double-D,"
              "Cannon-D,Hexagon,Keyway,Louvre,Cruciform,Special,,,,,,,Router,,");
    for (const DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "list-headers.txt")) {
        for (const double shapeNo : test::NumbersOf(row.fields.at(1))) {
            EXPECT_EQ(ListHeader(static_cast<std::int16_t>(shapeNo)), row.fields[0]) << shapeNo;
        }
    }
}

TEST(ShapeRules, StoredDimensionsAndTheirLimits) {
    for (const DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "shape-dims.txt")) {
        std::optional<std::array<float, 4>> stored;
        if (!test::IsNone(row.fields.at(3))) {
            stored = test::DimsOf(row.fields[3]);
        }
        EXPECT_EQ(
            ShapeDims(row.fields[0][0], test::NumbersOf(row.fields[2]), row.fields[1] == "round"),
            stored)
            << "line " << row.line;
    }
}

TEST(ToolSizeText, EveryShapeJoinsItsDimensionsWithItsLetters) {
    for (const DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "tool-size-texts.txt")) {
        library::ToolRec rec;
        rec.Dims = test::DimsOf(row.fields.at(1));
        if (row.fields.size() > 5) {
            rec.Descr = library::PaddedDescr(row.fields[5]);
        }
        EXPECT_EQ(library::ToolSizeText(row.fields[0][0], rec, row.fields.at(2) == "in",
                                        std::stoi(row.fields.at(3))),
                  row.fields.at(4))
            << "line " << row.line;
    }
}

class ShapeChoice : public TranscriptTest {
  protected:
    // Notes the step, the window's shape number and code, the shape item checked, and the
    // remembered station choice.
    void Note(const std::string& step) {
        transcript += step + ": " + std::to_string(session.win.CurShapeNo) +
                      session.win.CurShapeCode + " checked " +
                      std::to_string(CheckedShapeItem(session)) + " stations " +
                      Joined(std::span(session.cmd.StnLidx).first(14), " ") + "\n";
    }

    test::TestServices services;
    core::Session session{services.services};
};

TEST_F(ShapeChoice, MenuItemBecomesTheShapeExceptOutsideTheMenuOrOnARouterMachine) {
    for (const int index : {14, 0, 15, -1, 13}) {
        session.cmd.StnLidx = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
        Note("item " + std::to_string(index) + " chosen " +
             std::to_string(ChooseShape(session, index)));
    }
    SetStartShape(session);
    Note("start");
    session.machine.RouterMachine = true;
    SetStartShape(session);
    Note("start on a router machine");
    Note("item 2 chosen " + std::to_string(ChooseShape(session, 2)));
}

// The area inside the outline's paths: the polygon of the pieces' ends, with each arc's segment.
double Area(const ToolOutline& outline) {
    double area = 0;
    for (const OutlinePath& path : outline.paths) {
        OutlinePoint from = path.start;
        for (const OutlinePiece& piece : path.pieces) {
            area += (from.x * piece.to.y - piece.to.x * from.y) / 2;
            if (piece.centre) {
                const double r = std::hypot(from.x - piece.centre->x, from.y - piece.centre->y);
                const double turn = piece.sweep * std::numbers::pi / 180;
                area += r * r * (turn - std::sin(turn)) / 2;
            }
            from = piece.to;
        }
    }
    return area;
}

// An outline as text: its extents (left, bottom, right, top), the area inside, its label, and
// "open" for a path whose last piece does not end where it starts.
std::string Described(const std::optional<ToolOutline>& outline) {
    if (!outline) {
        return "none";
    }
    const OutlineBox& box = outline->extents;
    std::string text;
    for (const double value : {box.minX, box.minY, box.maxX, box.maxY, Area(*outline)}) {
        char number[32];
        std::snprintf(number, sizeof number, "%.6g", std::round(value * 1e5) / 1e5 + 0.0);
        text += (text.empty() ? "" : " ") + std::string(number);
    }
    for (const OutlinePath& path : outline->paths) {
        if (path.pieces.empty() || std::hypot(path.pieces.back().to.x - path.start.x,
                                              path.pieces.back().to.y - path.start.y) > 1e-9) {
            text += " open";
        }
    }
    return outline->label.empty() ? text : text + " " + outline->label;
}

// Each row gives a tool as typed into its dialog, as stored, or as a turret station holds it,
// and the outline drawn for it.
TEST(ToolOutlineTest, TypedStoredAndStationToolsAsDrawn) {
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "outlines.txt")) {
        const std::string& how = row.fields.at(0);
        const std::string& shape = row.fields.at(1);
        const std::size_t space = shape.find(' ');
        const std::string name = space == std::string::npos ? "" : shape.substr(space + 1);
        const std::string& angle = row.fields.at(3);
        const std::vector<double> values = test::NumbersOf(row.fields.at(2));
        std::optional<ToolOutline> outline;
        if (how == "typed") {
            const std::optional<std::array<float, 4>> dims =
                ShapeDims(shape.at(0), values, name == "round");
            ASSERT_TRUE(dims.has_value()) << "line " << row.line;
            outline = OutlineOf(shape[0], *dims);
            if (outline && !angle.empty()) {
                outline = Turned(*outline, test::NumberOf(angle));
            }
        } else if (how == "stored") {
            library::ToolRec rec;
            rec.Shape = shape.at(0);
            rec.Descr = library::PaddedDescr(name);
            rec.Dims = test::DimsOf(row.fields[2]);
            rec.Angles[0] = angle.empty() ? library::kNoAngle : std::stof(angle);
            rec.Angles[1] = 45;
            outline = OutlineOfTool(rec);
        } else {
            outline =
                StationOutline(shape.substr(0, space), name,
                               {values.at(0), values.at(1), values.at(2), values.at(3)}, angle);
        }
        EXPECT_EQ(Described(outline), row.fields.at(4)) << "line " << row.line;
    }
}

TEST(ToolOutlineTest, FlattenedArcsKeepWithinTheTolerance) {
    const std::optional<ToolOutline> circle = OutlineOf('A', {20, 20, 0, 0});
    ASSERT_TRUE(circle.has_value());
    const OutlinePath& path = circle->paths.at(0);
    // Not above 0 (or not a number): a thousandth of the radius.
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
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
