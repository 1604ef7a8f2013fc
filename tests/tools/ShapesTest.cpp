// The shapes: their names and list headings, the dimensions each stores, their size texts and
// outlines, and the chosen shape.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <span>
#include <tuple>

#include "core/Session.h"
#include "library/ToolSizeText.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/TestServices.h"
#include "tests/tools/Transcript.h"
#include "tools/ShapeChoice.h"
#include "tools/ShapeRules.h"
#include "tools/ToolOutline.h"
#include "tools/ToolShapes.h"

namespace tooling::tools {
namespace {

using test::DataRow;

TEST(ToolShapes, ListHeadingsOfEachShapeNumber) {
    for (const DataRow& row : test::ReadDataRows(TOOLING_GOLDEN_DIR "/list-headers.txt")) {
        for (const double shapeNo : test::NumbersOf(row.fields.at(1))) {
            EXPECT_EQ(ListHeader(static_cast<std::int16_t>(shapeNo)), row.fields[0]) << shapeNo;
        }
    }
}

TEST(ShapeRules, StoredDimensionsAndTheirLimits) {
    for (const DataRow& row : test::ReadDataRows(TOOLING_GOLDEN_DIR "/shape-dims.txt")) {
        const std::optional<std::array<float, 4>> stored =
            test::IsNone(row.fields.at(3)) ? std::nullopt
                                           : std::optional(test::DimsOf(row.fields[3]));
        EXPECT_EQ(
            ShapeDims(row.fields[0][0], test::NumbersOf(row.fields[2]), row.fields[1] == "round"),
            stored)
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

    session.cmd.StnLidx = {1, 2, 3};
    session.cmd.EditRecNo = 3;
    session.cmd.AddAgain = true;
    session.cmd.SpecialName = "Hook";
    ResetToolCommands(session);
    Note("reset: record " + std::to_string(session.cmd.EditRecNo) + " again " +
         std::to_string(session.cmd.AddAgain) + " special '" + session.cmd.SpecialName + "'");
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
        std::snprintf(number, sizeof number, "%.6g", std::abs(value) < 1e-9 ? 0.0 : value);
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
// and the outline drawn for it; or the chords an arc is flattened into.
TEST(ToolOutlineTest, TypedStoredAndStationToolsAsDrawn) {
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_GOLDEN_DIR "/outlines.txt")) {
        const std::string& how = row.fields.at(0);
        const std::string& shape = row.fields.at(1);
        const std::size_t space = shape.find(' ');
        const std::string name = space == std::string::npos ? "" : shape.substr(space + 1);
        const std::string& angle = row.fields.at(3);
        const std::vector<double> values = test::NumbersOf(row.fields.at(2));
        std::optional<ToolOutline> outline;
        if (how == "chords") {
            // The chords of a circle of radius 10 at the tolerance given: the points, how far
            // the points lie off the circle, and how far the chords stray inside it at most.
            const std::vector<OutlinePoint> points =
                Flattened(OutlineOf('A', {20, 20, 0, 0})->paths.at(0), test::NumberOf(angle));
            double off = 0;
            double straying = 0;
            for (std::size_t i = 0; i + 1 < points.size(); ++i) {
                const OutlinePoint& p = points[i];
                const OutlinePoint& q = points[i + 1];
                off = std::max(off, std::abs(std::hypot(p.x, p.y) - 10));
                straying = std::max(straying, 10 - std::hypot((p.x + q.x) / 2, (p.y + q.y) / 2));
            }
            char text[96];
            std::snprintf(text, sizeof text, "%d points%s, %.2g off, straying %.1f um",
                          static_cast<int>(points.size()),
                          points.front().x == points.back().x && points.front().y == points.back().y
                              ? ""
                              : " open",
                          std::round(off * 1e9) / 1e9 + 0.0, straying * 1000);
            EXPECT_EQ(text, row.fields.at(4)) << "line " << row.line;
            continue;
        }
        if (how == "typed") {
            const std::optional<std::array<float, 4>> dims =
                ShapeDims(shape.at(0), values, name == "round");
            outline = dims ? OutlineOf(shape[0], *dims) : std::nullopt;
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

}  // namespace
}  // namespace tooling::tools
