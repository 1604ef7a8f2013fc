#include "turrets/DefaultToolChoice.h"

#include <gtest/gtest.h>

#include "core/Text.h"
#include "library/DefaultTools.h"
#include "library/ToolFile.h"
#include "tests/turrets/TurretFixture.h"

namespace tooling::turrets {
namespace {

using library::ToolRec;

// The fixture's station types: 1 "A Station" (kind 10), 2 "B Station" (11), 3 "B Index" (20, an
// index station), 4 "C Station" (12).
class DefaultToolChoiceTest : public ::testing::Test, public test::TurretFixture {
  protected:
    DefaultToolChoiceTest() {
        WriteTools('A', {Tool('A', "Diameter", {5, 5, 0, 0}, {{1, 10}}, {0}),
                         Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{2, 11}, {3, 20}}, {0}),
                         Tool('A', "Diameter", {0.1F, 0.1F, 0, 0}, {{1, 10}}, {0})});
        WriteTools('B', {Tool('B', "Square", {10, 10, 0, 0}, {{1, 10}}, {0, 45}),
                         Tool('B', "Square", {15, 15, 0, 0}, {{2, 11}, {1, 10}}, {90}),
                         Tool('B', "Square", {20, 20, 0, 0}, {{3, 20}}),
                         Tool('B', "Square", {0.1F, 0.1F, 0, 0}, {{1, 10}}, {0}),
                         Tool('B', "Square", {25, 25, 0, 0}, {{1, 10}}, {45})});
        WriteTools('D', {Tool('D', "Rectangle", {20, 10, 0, 0}, {{1, 10}}, {0, 45}),
                         Tool('D', "Rectangle", {30, 5, 0, 0}, {{2, 11}}, {90}),
                         Tool('D', "Rectangle", {40, 8, 0, 0}, {{1, 10}, {3, 20}}, {45}),
                         Tool('D', "Rectangle", {1000, 5, 0, 0}, {{1, 10}}, {0})});
    }

    // The size lines as "text#record".
    std::string Sizes(int kind, char shape) const {
        std::string text;
        for (const ChoiceLine& line : DefaultSizeLines(session, kind, shape)) {
            text += (text.empty() ? "" : " ") + line.text + "#" + std::to_string(line.recordNo);
        }
        return text;
    }

    // The marks of the tools of a file, in record order.
    std::string Marks(char shape) const {
        std::string text;
        for (const ToolRec& rec : library::ReadToolFile(session, shape)) {
            text += (text.empty() ? "" : " ") + std::to_string(rec.DefMark);
        }
        return text;
    }
    std::string AllMarks() const { return Marks('A') + " | " + Marks('B') + " | " + Marks('D'); }

    std::string Dft() const { return test::ReadFile(session.lib.ToolLibPrefix + "dft"); }
};

TEST_F(DefaultToolChoiceTest, SizeListsOfferTheLiveToolsThatSuitThePurpose) {
    const std::tuple<int, char, bool, std::string> rows[] = {
        // An angle of 0 or an index station for X shearing and clearing.
        {library::kXShearing, 'B', false, "10#1 20#3"},
        {library::kClearing, 'B', false, "10#1 20#3"},
        {library::kXShearing, 'D', false, "20x10#1 40x8#3"},
        // An angle of 90 or an index station for Y shearing; a Square may stand at 0 as well.
        {library::kYShearing, 'B', false, "10#1 15#2 20#3"},
        {library::kYShearing, 'D', false, "30x5#2 40x8#3"},
        {library::kNibbling, 'A', false, "5#1 12.7#2"},
        {library::kNibbling, 'A', true, "0.197#1 0.5#2"},
        {library::kXShearing, 'D', true, "0.787x0.394#1 1.575x0.315#3"},
        {library::kClearing, 'C', false, ""},
    };
    for (const auto& [kind, shape, imperial, sizes] : rows) {
        session.machine.ImperialDisplay = imperial;
        EXPECT_EQ(Sizes(kind, shape), sizes) << "kind " << kind << ", shape " << shape;
    }
}

TEST_F(DefaultToolChoiceTest, OfferedShapesAndCaptionsFollowTheKindAndTheMachine) {
    using Shapes = std::vector<OfferedShape>;
    const Shapes shearing{{"Square", 'B'}, {"Rectangle", 'D'}};
    EXPECT_EQ(OfferedShapes(session, library::kXShearing), shearing);
    EXPECT_EQ(OfferedShapes(session, library::kYShearing), shearing);
    EXPECT_EQ(OfferedShapes(session, library::kClearing), (Shapes{{"Square", 'B'}}));
    EXPECT_EQ(OfferedShapes(session, library::kNibbling), (Shapes{{"Diameter", 'A'}}));
    session.machine.RouterMachine = true;
    // The router's cutters are the tools of the shape-A file.
    EXPECT_EQ(OfferedShapes(session, library::kNibbling), (Shapes{{"Router", 'A'}}));
    EXPECT_EQ(Sizes(library::kNibbling, 'A'), "5#1 12.7#2");
    EXPECT_EQ(OfferedShapes(session, 5), Shapes{});
    EXPECT_EQ(std::string(DefaultCaption(library::kXShearing)) + "|" +
                  std::string(DefaultCaption(library::kYShearing)) + "|" +
                  std::string(DefaultCaption(library::kClearing)) + "|" +
                  std::string(DefaultCaption(library::kNibbling)),
              "X Shearing Tool|Y Shearing Tool|Clearing Tool|Nibbling Tool");
}

TEST_F(DefaultToolChoiceTest, StationListsOfferIndexStationsAlwaysAndOthersByTheirAngles) {
    const ToolRec square0 = Tool('B', "Square", {10, 10, 0, 0}, {{1, 10}, {3, 20}}, {0, 45});
    const ToolRec square90 = Tool('B', "Square", {15, 15, 0, 0}, {{2, 11}, {1, 10}}, {90});
    const ToolRec rect45 = Tool('D', "Rectangle", {40, 8, 0, 0}, {{1, 10}, {3, 20}}, {45});
    const ToolRec rect90 = Tool('D', "Rectangle", {30, 5, 0, 0}, {{2, 11}, {4, 12}}, {0, 90});
    const ToolRec rect0 = Tool('D', "Rectangle", {20, 10, 0, 0}, {{1, 10}}, {0, 45});
    const ToolRec diameter = Tool('A', "Diameter", {5, 5, 0, 0}, {{4, 12}, {3, 20}}, {0});
    const std::tuple<int, ToolRec, std::string> rows[] = {
        {library::kXShearing, square0, "A Station 1/10|B Index 3/20"},
        {library::kXShearing, square90, ""},
        {library::kXShearing, rect45, "B Index 3/20"},
        {library::kXShearing, rect0, "A Station 1/10"},
        {library::kClearing, square0, "A Station 1/10|B Index 3/20"},
        {library::kClearing, square90, ""},
        {library::kYShearing, square0, "A Station 1/10|B Index 3/20"},
        {library::kYShearing, square90, "B Station 2/11|A Station 1/10"},
        {library::kYShearing, rect45, "B Index 3/20"},
        {library::kYShearing, rect90, "B Station 2/11|C Station 4/12"},
        {library::kYShearing, rect0, ""},
        {library::kNibbling, diameter, "C Station 4/12|B Index 3/20"},
    };
    for (const auto& [kind, rec, expected] : rows) {
        std::string lines;
        for (const StationChoice& line : DefaultStationLines(session, kind, rec)) {
            lines += (lines.empty() ? "" : "|") + line.text + " " + std::to_string(line.type) +
                     "/" + std::to_string(line.kind);
        }
        EXPECT_EQ(lines, expected)
            << "kind " << kind << ", " << core::Trim(rec.Descr) << " " << rec.Dims[0];
    }
}

TEST_F(DefaultToolChoiceTest, MarksFollowTheDefaultsAndFiveStandsForBothShearingTools) {
    const StationChoice a{"A Station", 1, 10};
    const StationChoice index{"B Index", 3, 20};
    const StationChoice b{"B Station", 2, 11};
    struct Step {
        int kind;
        char shape;
        std::int16_t recordNo;
        StationChoice station;
        std::string marks;  // of the A, B and D files
    };
    const Step steps[] = {
        {library::kXShearing, 'B', 1, a, "0 0 0 | 1 0 0 0 0 | 0 0 0 0"},
        {library::kYShearing, 'B', 1, a, "0 0 0 | 5 0 0 0 0 | 0 0 0 0"},
        // Choosing it again keeps it at 5.
        {library::kYShearing, 'B', 1, a, "0 0 0 | 5 0 0 0 0 | 0 0 0 0"},
        {library::kXShearing, 'B', 3, index, "0 0 0 | 2 0 1 0 0 | 0 0 0 0"},
        {library::kYShearing, 'D', 2, b, "0 0 0 | 0 0 1 0 0 | 0 2 0 0"},
        {library::kXShearing, 'D', 2, b, "0 0 0 | 0 0 0 0 0 | 0 5 0 0"},
        {library::kXShearing, 'D', 3, a, "0 0 0 | 0 0 0 0 0 | 0 2 1 0"},
        {library::kClearing, 'B', 3, index, "0 0 0 | 0 0 3 0 0 | 0 2 1 0"},
        {library::kClearing, 'B', 1, a, "0 0 0 | 3 0 0 0 0 | 0 2 1 0"},
        {library::kNibbling, 'A', 2, b, "0 4 0 | 3 0 0 0 0 | 0 2 1 0"},
        {library::kNibbling, 'A', 1, a, "4 0 0 | 3 0 0 0 0 | 0 2 1 0"},
    };
    for (const Step& step : steps) {
        StoreDefault(session, step.kind, step.shape, step.recordNo, step.station);
        EXPECT_EQ(AllMarks(), step.marks)
            << "kind " << step.kind << " to " << step.shape << step.recordNo;
    }
    // Memory and file hold the same four defaults.
    EXPECT_EQ(library::DecodeDefaults(Dft()), session.lib.DefaultTools);
    std::string numbers;
    for (const core::DefaultToolRec& rec : session.lib.DefaultTools) {
        numbers += std::to_string(rec.recordNo) + rec.shape + " ";
    }
    EXPECT_EQ(numbers, "3D 2D 1B 1A ");
}

TEST_F(DefaultToolChoiceTest, TheDefaultRecordHoldsTheToolTheStationAndItsAngle) {
    const auto bytes = [](std::string_view head, std::string_view dims, std::string_view station,
                          std::string_view angle) {
        return std::string(head) + std::string(dims) + std::string(8, '\0') + std::string(station) +
               std::string(angle) + std::string(2, '\0');
    };
    const std::string rect30x5 = std::string("\x00\x00\xF0\x41\x00\x00\xA0\x40", 8);
    const std::string square10 = std::string("\x00\x00\x20\x41\x00\x00\x20\x41", 8);
    const std::string rect40x8 = std::string("\x00\x00\x20\x42\x00\x00\x00\x41", 8);
    const std::string zero(4, '\0');
    const std::string ninety("\x00\x00\xB4\x42", 4);
    const std::string rect = "DRectangle         ";
    const std::string square = "BSquare            ";
    // clang-format off
    const std::tuple<int, char, std::int16_t, StationChoice, std::string> rows[] = {
        // A Rectangle shears Y turned by 90 degrees; a Square and an index station stay at 0.
        {library::kYShearing, 'D', 2, {"B Station", 2, 11},
         bytes(std::string("\x02\x00", 2) + rect, rect30x5,
               std::string("\x02\x00\x0B\x00", 4), ninety)},
        {library::kYShearing, 'B', 1, {"A Station", 1, 10},
         bytes(std::string("\x01\x00", 2) + square, square10,
               std::string("\x01\x00\x0A\x00", 4), zero)},
        {library::kYShearing, 'D', 3, {"B Index", 3, 20},
         bytes(std::string("\x03\x00", 2) + rect, rect40x8,
               std::string("\x03\x00\x14\x00", 4), zero)},
        {library::kXShearing, 'D', 3, {"A Station", 1, 10},
         bytes(std::string("\x03\x00", 2) + rect, rect40x8,
               std::string("\x01\x00\x0A\x00", 4), zero)},
    };
    // clang-format on
    for (const auto& [kind, shape, recordNo, station, expected] : rows) {
        ASSERT_EQ(expected.size(), core::kDefaultToolRecSize);
        StoreDefault(session, kind, shape, recordNo, station);
        const std::size_t at = static_cast<std::size_t>(kind - 1) * core::kDefaultToolRecSize;
        EXPECT_EQ(Dft().substr(at, core::kDefaultToolRecSize), expected) << shape << recordNo;
    }
    // The Y default came first, with an empty record 1 before it; nothing follows record 2.
    EXPECT_EQ(Dft().size(), 2 * core::kDefaultToolRecSize);
}

TEST_F(DefaultToolChoiceTest, AnOldMarkChangesOnlyOnARecordThatStillHoldsTheDefaultsTool) {
    const StationChoice a{"A Station", 1, 10};
    // Record 2 of the Square file holds a Rectangle record that another program put there.
    WriteTools('B', {Tool('B', "Square", {10, 10, 0, 0}, {{1, 10}}, {0}),
                     Tool('D', "Rectangle", {30, 5, 0, 0}, {{1, 10}}, {0})});
    std::string squares = test::ReadFile(session.lib.ToolLibPrefix + "B");
    squares[2 * library::kToolRecSize - 6] = 1;  // the stray record's mark: 1
    test::WriteFile(session.lib.ToolLibPrefix + "B", squares);
    const auto storedX = [&](std::int16_t recordNo, char shape) {
        core::DefaultToolRec& rec = session.lib.DefaultTools[0];
        rec.recordNo = recordNo;
        rec.shape = shape;
    };
    const std::tuple<std::int16_t, char, std::string> rows[] = {
        {9, 'B', "1 1"},  // past the end of the file: nothing written there
        {2, 'B', "1 1"},  // not a Square
        {2, 'C', "1 1"},  // a shape X shearing does not take
        {1, 'D', "1 1"},  // the Rectangle file holds no record 1
    };
    for (const auto& [recordNo, shape, marks] : rows) {
        test::WriteFile(session.lib.ToolLibPrefix + "B", squares);
        WriteTools('D', {});
        storedX(recordNo, shape);
        StoreDefault(session, library::kXShearing, 'B', 1, a);
        EXPECT_EQ(Marks('B'), marks) << shape << recordNo;
        EXPECT_EQ(test::ReadFile(session.lib.ToolLibPrefix + "B").size(),
                  2 * library::kToolRecSize);
        EXPECT_EQ(Marks('D'), "");
    }

    // A chosen record that is no longer a tool of the shape: nothing is written.
    test::WriteFile(session.lib.ToolLibPrefix + "B", squares);
    storedX(1, 'B');
    const std::string dft = Dft();
    for (const std::int16_t recordNo : {2, 3, 0}) {
        try {
            StoreDefault(session, library::kXShearing, 'B', recordNo, a);
            ADD_FAILURE() << "stored record " << recordNo;
        } catch (const library::ToolFileRefusal& refusal) {
            EXPECT_STREQ(refusal.what(), "Tool Has Been Changed By Another User !");
        }
        EXPECT_EQ(test::ReadFile(session.lib.ToolLibPrefix + "B"), squares);
        EXPECT_EQ(Dft(), dft);
        EXPECT_EQ(session.lib.DefaultTools[0].recordNo, 1);
    }
}

}  // namespace
}  // namespace tooling::turrets
