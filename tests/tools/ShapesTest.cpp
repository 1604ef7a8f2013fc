// The shapes: their names and list headings, the dimensions each stores and their size texts,
// and the chosen shape.

#include <gtest/gtest.h>

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
#include "tools/ToolShapes.h"

namespace tooling::tools {
namespace {

using test::DataRow;

TEST(ToolShapes, NamesCodesAndListHeadingsOfEachShapeNumber) {
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

}  // namespace
}  // namespace tooling::tools
