#include "turrets/DefaultToolChoice.h"

#include <gtest/gtest.h>

#include "core/Text.h"
#include "library/DefaultTools.h"
#include "library/ToolFile.h"
#include "tests/turrets/TurretFixture.h"

namespace tooling::turrets {
namespace {

using library::ToolRec;
using test::Tool;

// The fixture's station types: 1 "A Station" (kind 10), 2 "B Station" (11), 3 "B Index" (20, an
// index station), 4 "C Station" (12).
class DefaultToolChoiceTest : public ::testing::Test, public test::TurretFixture {
  protected:
    DefaultToolChoiceTest() { WriteToolRows("DefaultToolChoiceTest"); }

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

TEST_F(DefaultToolChoiceTest, ShapesSizesAndStationsOfferedSuitThePurpose) {
    std::string log;
    for (const auto& [imperial, router] : {std::pair(false, false), {true, false}, {false, true}}) {
        session.machine.ImperialDisplay = imperial;
        session.machine.RouterMachine = router;
        log += std::string("== ") + (imperial ? "inches" : "millimetres") +
               (router ? ", a router" : "") + "\n";
        for (const int kind : {library::kXShearing, library::kYShearing, library::kClearing,
                               library::kNibbling, 5}) {
            log += "kind " + std::to_string(kind) + " \"" +
                   std::string(kind < 5 ? DefaultCaption(kind) : "") + "\":";
            for (const OfferedShape& shape : OfferedShapes(session, kind)) {
                log += " " + std::string(shape.caption) + "=" + shape.code;
            }
            for (const char shape : {'A', 'B', 'C', 'D'}) {
                log += std::string("\n  ") + shape + ":" + Sizes(kind, shape);
            }
            log += "\n";
        }
    }
    session.machine.ImperialDisplay = false;
    session.machine.RouterMachine = false;
    for (const int kind :
         {library::kXShearing, library::kYShearing, library::kClearing, library::kNibbling}) {
        for (const ToolRec& rec : test::ToolRows("DefaultStationLines")) {
            log += "kind " + std::to_string(kind) + ", " + rec.Shape + " " +
                   std::to_string(rec.Dims[0]) + ":";
            for (const StationChoice& line : DefaultStationLines(session, kind, rec)) {
                log += " " + line.text + " " + std::to_string(line.type) + "/" +
                       std::to_string(line.kind);
            }
            log += "\n";
        }
    }
    test::ExpectTranscript(log);
}

TEST_F(DefaultToolChoiceTest, MarksFollowTheDefaultsAndFiveStandsForBothShearingTools) {
    const StationChoice a{"A Station", 1, 10};
    const StationChoice index{"B Index", 3, 20};
    const StationChoice b{"B Station", 2, 11};
    const std::tuple<int, char, std::int16_t, StationChoice> steps[] = {
        {library::kYShearing, 'D', 2, b},     {library::kXShearing, 'B', 1, a},
        {library::kYShearing, 'B', 1, a},     {library::kYShearing, 'B', 1, a},
        {library::kXShearing, 'B', 3, index}, {library::kYShearing, 'D', 2, b},
        {library::kXShearing, 'D', 2, b},     {library::kXShearing, 'D', 3, a},
        {library::kClearing, 'B', 3, index},  {library::kClearing, 'B', 1, a},
        {library::kNibbling, 'A', 2, b},      {library::kNibbling, 'A', 1, a},
        {library::kYShearing, 'D', 3, index}};
    std::string log;
    for (const auto& [kind, shape, recordNo, station] : steps) {
        StoreDefault(session, kind, shape, recordNo, station);
        log += "kind " + std::to_string(kind) + " to " + shape + std::to_string(recordNo) + " in " +
               station.text + ": marks " + AllMarks() + "\n" + DefaultsText();
    }
    test::ExpectTranscript(log);
}

TEST_F(DefaultToolChoiceTest, AnOldMarkChangesOnlyOnARecordThatStillHoldsTheDefaultsTool) {
    const StationChoice a{"A Station", 1, 10};
    // Record 2 of the Square file holds a Rectangle record that another program put there.
    WriteTools('B', {Tool('B', "Square", {10, 10, 0, 0}, {{1, 10}}, {0}),
                     Tool('D', "Rectangle", {30, 5, 0, 0}, {{1, 10}}, {0})});
    std::string squares = test::ReadFile(session.lib.ToolLibPrefix + "B");
    squares[2 * library::kToolRecSize - 6] = 1;  // the stray record's mark: 1
    test::WriteFile(session.lib.ToolLibPrefix + "B", squares);
    core::DefaultToolRec& x = session.lib.DefaultTools[0];
    const std::pair<std::int16_t, char> rows[] = {
        {9, 'B'},  // past the end of the file: nothing written there
        {2, 'B'},  // not a Square
        {2, 'C'},  // a shape X shearing does not take
        {1, 'D'}   // the Rectangle file holds no record 1
    };
    for (const auto& [recordNo, shape] : rows) {
        test::WriteFile(session.lib.ToolLibPrefix + "B", squares);
        WriteTools('D', {});
        std::tie(x.recordNo, x.shape) = std::pair(recordNo, shape);
        StoreDefault(session, library::kXShearing, 'B', 1, a);
        EXPECT_EQ(Marks('B') + " |" + Marks('D'), "1 1 |") << shape << recordNo;
    }

    // A chosen record that is no longer a tool of the shape: nothing is written.
    test::WriteFile(session.lib.ToolLibPrefix + "B", squares);
    std::tie(x.recordNo, x.shape) = std::pair(1, 'B');
    const std::string dft = Dft();
    for (const std::int16_t recordNo : {2, 3, 0}) {
        EXPECT_EQ(test::ErrorOf<library::ToolFileRefusal>(
                      [&] { StoreDefault(session, library::kXShearing, 'B', recordNo, a); }),
                  "Tool Has Been Changed By Another User !");
        EXPECT_EQ(test::ReadFile(session.lib.ToolLibPrefix + "B") + Dft(), squares + dft);
        EXPECT_EQ(x.recordNo, 1);
    }
}

}  // namespace
}  // namespace tooling::turrets
