#include "tools/ToolListLine.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/Session.h"
#include "core/Text.h"
#include "library/ToolSizeText.h"
#include "tests/support/TestServices.h"

namespace tooling::tools {
namespace {

using library::ToolRec;

ToolRec Rec(std::array<float, 4> dims, std::vector<library::ToolStation> stns = {},
            std::vector<float> angles = {}) {
    ToolRec rec;
    rec.Dims = dims;
    for (std::size_t i = 0; i < stns.size(); ++i) {
        rec.Stns[i] = stns[i];
    }
    for (std::size_t i = 0; i < angles.size(); ++i) {
        rec.Angles[i] = angles[i];
    }
    return rec;
}

TEST(ToolSizeText, EveryShapeJoinsItsDimensionsWithItsLetters) {
    ToolRec special = Rec({12.5F, 30.0F, 0, 0});
    special.Descr = library::PaddedDescr("  Slot 5x20");
    // Shape, record, imperial display, decimals in inches, the text.
    const std::tuple<char, ToolRec, bool, int, std::string> rows[] = {
        {'A', Rec({12.7F, 12.7F, 0, 0}), false, 3, "12.7"},
        {'B', Rec({20, 20, 0, 0}), false, 3, "20"},
        {'C', Rec({20, 20, 0, 2.5F}), false, 3, "20r2.5"},
        {'D', Rec({30, 10.5F, 0, 0}), false, 3, "30x10.5"},
        {'E', Rec({30, 10, 0, 1}), false, 3, "30x10r1"},
        {'F', Rec({25, 8, 0, 0}), false, 3, "25x8"},
        {'G', Rec({20, 18, 0, 0}), false, 3, "20x18"},
        {'H', Rec({20, 16, 0, 0}), false, 3, "20x16"},
        {'I', Rec({40, 12, 0, 0}), false, 3, "40x12"},
        {'J', Rec({17.32F, 20, 0, 0}), false, 3, "17.32"},
        {'K', Rec({10, 11.2F, -3, 0}), false, 3, "10x11.2w3"},
        {'K', Rec({10, 11.2F, 3, 0}), false, 3, "10x11.2w3"},
        {'L', Rec({50, 6, 0, 0}), false, 3, "50x6"},
        {'M', Rec({40, 40, 5, 1.5875F}), false, 3, "40w5r1.5875"},
        {'S', special, false, 3, "Slot 5x20"},
        {'S', special, true, 3, "Slot 5x20"},
        // Inches: 12.7 mm is half an inch, 10 mm 0.3937 inch, 1.5875 mm a sixteenth.
        {'A', Rec({25.4F, 25.4F, 0, 0}), true, 3, "1"},
        {'D', Rec({12.7F, 10, 0, 0}), true, 3, "0.5x0.394"},
        {'K', Rec({25.4F, 12.7F, -6.35F, 0}), true, 3, "1x0.5w0.25"},
        {'M', Rec({50.8F, 50.8F, 3.175F, 1.5875F}), true, 3, "2w0.125r0.062"},
        {'M', Rec({50.8F, 50.8F, 3.175F, 1.5875F}), true, 4, "2w0.125r0.0625"},
    };
    for (const auto& [code, rec, imperial, decimals, text] : rows) {
        EXPECT_EQ(library::ToolSizeText(code, rec, imperial, decimals), text)
            << code << " " << text;
    }
}

class ListLineTest : public ::testing::Test {
  protected:
    ListLineTest() : session(services.services) {
        const std::tuple<int, const char*, int> types[] = {
            {1, "A Station", 10},  {2, "B Station", 11}, {5, "B Auto Index", 20},
            {6, "Multi Tool", 39}, {7, "Spindle", 40},   {8, "", 10},
        };
        for (const auto& [number, name, kind] : types) {
            core::StationType& type =
                session.machine.StationTable[static_cast<std::size_t>(number)];
            type.number = static_cast<std::int16_t>(number);
            type.name = core::Fixed(name, core::kStationNameWidth);
            type.kind = static_cast<std::int16_t>(kind);
        }
    }

    // The three columns joined by " | ".
    std::string Line(std::int16_t shapeNo, const std::string& code, const ToolRec& rec) {
        session.win.CurShapeNo = shapeNo;
        session.win.CurShapeCode = code;
        const ToolListLine line = ListLine(session, rec);
        return line.size + " | " + line.stations + " | " + line.angles;
    }

    test::TestServices services;
    core::Session session;
};

TEST_F(ListLineTest, StationsAndAnglesOfEachKindOfStation) {
    const library::ToolStation a{1, 10}, b{2, 11}, index{5, 20}, multi{6, 39}, spindle{7, 40};
    // Shape number and code, the record, the line.
    const std::tuple<std::int16_t, const char*, ToolRec, std::string> rows[] = {
        {2, "B", Rec({20, 20, 0, 0}, {a, b}, {0, 45}), "20 | A Station, B Station | 0, 45"},
        {2, "B", Rec({20, 20, 0, 0}, {index}), "20 | B Auto Index | idx"},
        {2, "B", Rec({20, 20, 0, 0}, {multi}), "20 | Multi Tool | idx"},
        {2, "B", Rec({20, 20, 0, 0}, {a, index}, {0, 22.5F, 90}),
         "20 | A Station, B Auto Index | idx, 0, 22.5, 90"},
        // Neither an angle nor an index station: no angle to show.
        {4, "D", Rec({30, 10, 0, 0}, {spindle}), "30x10 | Spindle | "},
        // Diameter and Router tools have no angle column.
        {1, "A", Rec({12.7F, 12.7F, 0, 0}, {a, index}, {0}), "12.7 | A Station, B Auto Index | "},
        {21, "A", Rec({6, 6, 0, 0}, {spindle}, {0}), "6 | Spindle | "},
        // A type the table does not hold, or one without a name, names no station.
        {2, "B", Rec({20, 20, 0, 0}, {{70, 10}, {8, 10}, b, {-3, 10}}, {0}), "20 | B Station | 0"},
    };
    for (const auto& [shapeNo, code, rec, line] : rows) {
        EXPECT_EQ(Line(shapeNo, code, rec), line);
    }
}

TEST_F(ListLineTest, ShapeOfTheWindowAndItsUnitGiveTheSize) {
    ToolRec special = Rec({12, 12, 0, 0}, {{1, 10}}, {0, 180});
    special.Shape = 'S';
    special.Descr = library::PaddedDescr("Louvre Left");
    EXPECT_EQ(Line(14, "S", special), "Louvre Left | A Station | 0, 180");
    const ToolRec keyway = Rec({25.4F, 12.7F, -6.35F, 0}, {{1, 10}}, {0});
    EXPECT_EQ(Line(11, "K", keyway), "25.4x12.7w6.35 | A Station | 0");
    session.machine.ImperialDisplay = true;
    EXPECT_EQ(Line(11, "K", keyway), "1x0.5w0.25 | A Station | 0");
}

}  // namespace
}  // namespace tooling::tools
