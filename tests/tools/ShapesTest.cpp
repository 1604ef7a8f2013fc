// The shapes: their names and list headings, the dimensions each stores and their size texts,
// and the chosen shape.

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "core/Session.h"
#include "library/ToolSizeText.h"
#include "tests/support/DataRows.h"
#include "tests/support/TestServices.h"
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

TEST(ShapeChoice, MenuItemBecomesTheShapeExceptOutsideTheMenuOrOnARouterMachine) {
    test::TestServices services;
    core::Session session(services.services);
    const auto shape = [&] {
        return std::to_string(session.win.CurShapeNo) + session.win.CurShapeCode;
    };
    const decltype(session.cmd.StnLidx) remembered = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    const std::tuple<int, bool, std::string> rows[] = {
        {14, true, "14S"},  {0, false, "14S"}, {15, false, "14S"},
        {-1, false, "14S"}, {13, true, "13M"},
    };
    for (const auto& [index, chosen, after] : rows) {
        session.cmd.StnLidx = remembered;
        EXPECT_EQ(ChooseShape(session, index), chosen) << index;
        EXPECT_EQ(shape(), after);
        EXPECT_EQ(session.cmd.StnLidx, chosen ? decltype(remembered){} : remembered);
        EXPECT_EQ(CheckedShapeItem(session), session.win.CurShapeNo);
    }
    SetStartShape(session);
    EXPECT_EQ(shape(), "1A");
    session.machine.RouterMachine = true;
    SetStartShape(session);
    EXPECT_EQ(shape(), "21A");
    EXPECT_EQ(CheckedShapeItem(session), 1);
    EXPECT_FALSE(ChooseShape(session, 2));
    EXPECT_EQ(shape(), "21A");
}

}  // namespace
}  // namespace tooling::tools
