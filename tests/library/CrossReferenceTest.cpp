#include "library/CrossReference.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/FaultyFileSystem.h"
#include "tests/turrets/TurretFixture.h"

namespace tooling::library {
namespace {

using test::TurretFixture;

// A station line's fields 2 to 7 as a turret file gives them, and whether it holds the tool.
struct HoldCase {
    const char* name;
    char shape;
    const char* descr;
    std::array<float, 4> dims;
    const char* station;  // "shape,description,d1,d2,d3,d4"
    bool holds;
};

class StationHoldsTool : public ::testing::TestWithParam<HoldCase> {};

TEST_P(StationHoldsTool, ByShapeDimensionsTextAndSpecialName) {
    const HoldCase& c = GetParam();
    ToolRec tool = TurretFixture::Tool(c.shape, c.descr, c.dims, {{1, 10}});
    const core::Machine machine = [] {
        core::Machine m;
        m.StationCount = 1;
        return m;
    }();
    const std::vector<StationRow> rows =
        ParseTurret(std::string("1,") + c.station + ",0,1\r\n******\r\n", machine, "t");
    EXPECT_EQ(StationKey(rows[0]) == ToolKey(c.shape, tool), c.holds);
}

// Each shape, with dimensions it does not use set as well: a station names all four.
INSTANTIATE_TEST_SUITE_P(
    Shapes, StationHoldsTool,
    ::testing::Values(
        HoldCase{
            "Diameter", 'A', "Diameter", {12.7F, 12.7F, 0, 0}, "A,Diameter,12.7,12.7,0,0", true},
        HoldCase{"Square", 'B', "Square", {10, 10, 0, 0}, "B,Square,10,10,0,0", true},
        HoldCase{"RadSquare", 'C', "Rad-Square", {20, 20, 0, 3}, "C,Rad-Square,20,20,0,3", true},
        HoldCase{"Rectangle", 'D', "Rectangle", {30, 10, 0, 0}, "D,Rectangle,30,10,0,0", true},
        HoldCase{"RadRect", 'E', "Rad-Rect", {60, 20, 0, 5}, "E,Rad-Rect,60,20,0,5", true},
        HoldCase{"Obround", 'F', "Obround", {25, 10, 0, 0}, "F,Obround,25,10,0,0", true},
        HoldCase{"SingleD", 'G', "Single-D", {20, 18, 0, 0}, "G,Single-D,20,18,0,0", true},
        HoldCase{"DoubleD", 'H', "Double-D", {20, 16, 0, 0}, "H,Double-D,20,16,0,0", true},
        HoldCase{"CannonD", 'I', "Cannon-D", {20, 17, 0, 0}, "I,Cannon-D,20,17,0,0", true},
        HoldCase{"Hexagon", 'J', "Hexagon", {19, 0, 0, 0}, "J,Hexagon,19,0,0,0", true},
        HoldCase{"RoundedKey", 'K', "Keyway", {10, 9.5F, -6, 0}, "K,Keyway,10,9.5,-6,0", true},
        HoldCase{"Louvre", 'L', "Louvre", {60, 8, 0, 0}, "L,Louvre,60,8,0,0", true},
        HoldCase{"Cruciform", 'M', "Cruciform", {40, 40, 10, 5}, "M,Cruciform,40,40,10,5", true},
        HoldCase{"Special", 'S', "STAR 30", {30, 28.53F, 0, 0}, "S,STAR 30,30,28.53,0,0", true}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Differences, StationHoldsTool,
    ::testing::Values(
        HoldCase{"FirstDimension",
                 'A',
                 "Diameter",
                 {13.7F, 13.7F, 0, 0},
                 "A,Diameter,12.7,12.7,0,0",
                 false},
        HoldCase{
            "SecondDimension", 'D', "Rectangle", {30, 10, 0, 0}, "D,Rectangle,30,11,0,0", false},
        HoldCase{
            "ThirdDimension", 'M', "Cruciform", {40, 40, 10, 5}, "M,Cruciform,40,40,11,5", false},
        HoldCase{"FourthDimension", 'E', "Rad-Rect", {60, 20, 0, 5}, "E,Rad-Rect,60,20,0,4", false},
        HoldCase{"KeySign", 'K', "Keyway", {10, 9.5F, -6, 0}, "K,Keyway,10,9.5,6,0", false},
        HoldCase{"OtherShape", 'B', "Square", {10, 10, 0, 0}, "J,Square,10,10,0,0", false},
        HoldCase{"LowerCaseShape", 'B', "Square", {10, 10, 0, 0}, "b,Square,10,10,0,0", false},
        HoldCase{"EmptyStation", 'B', "Square", {0, 0, 0, 0}, ",,0,0,0,0", false},
        HoldCase{"SpecialOtherName",
                 'S',
                 "STAR 30",
                 {30, 28.53F, 0, 0},
                 "S,STAR 31,30,28.53,0,0",
                 false},
        HoldCase{
            "SpecialOtherSize", 'S', "STAR 30", {30, 28.53F, 0, 0}, "S,STAR 30,30,28.5,0,0", false},
        HoldCase{"SevenDigitsApart",
                 'A',
                 "Diameter",
                 {12.7F, 12.7F, 0, 0},
                 "A,Diameter,12.70001,12.7,0,0",
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

// What another program of the suite may write for the same tool.
INSTANTIATE_TEST_SUITE_P(
    SameValue, StationHoldsTool,
    ::testing::Values(
        HoldCase{"TrailingZeros",
                 'A',
                 "Diameter",
                 {12.7F, 12.7F, 0, 0},
                 "A,Diameter,12.70,12.700,0.0,0",
                 true},
        HoldCase{"BlanksAroundFields",
                 'B',
                 "Square",
                 {10, 10, 0, 0},
                 " B , Square , 10, 10, 0, 0",
                 true},
        HoldCase{
            "NumericToolOtherDescription", 'A', "Diameter", {5, 5, 0, 0}, "A,Round,5,5,0,0", true},
        HoldCase{"SpecialNameBlanks",
                 'S',
                 "HEART 25",
                 {25, 23.75F, 0, 0},
                 "S, HEART 25  ,25,23.75,0,0",
                 true},
        HoldCase{
            "SingleFloat", 'B', "Square", {0.35F, 0.35F, 0, 0}, "B,Square,.35,0.35,0,0", true}),
    [](const auto& info) { return std::string(info.param.name); });

class CrossReferenceOfTurrets : public ::testing::Test, public TurretFixture {
  protected:
    // A turret of the fixture's five stations: line k fills station k.
    void WriteStations(const std::string& ext, const std::vector<std::string>& stations) {
        std::vector<std::string> lines;
        for (std::size_t k = 0; k < 5; ++k) {
            lines.push_back(std::to_string(k + 1) + "," +
                            (k < stations.size() ? stations[k] : ",,0,0,0,0,") + ",1");
        }
        WriteTurret(ext, core::TextFileBytes(lines));
    }

    const ToolRec d5 = Tool('A', "Diameter", {5, 5, 0, 0}, {{1, 10}});
    const ToolRec d12 = Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{1, 10}});
    const ToolRec sq10 = Tool('B', "Square", {10, 10, 0, 0}, {{2, 11}}, {0});
    const ToolRec gone = Tool('A', "Diameter", {0, 0, 0, 0}, {{1, 10}});
};

TEST_F(CrossReferenceOfTurrets, ListsHoldersInIndexAndStationOrderAndTheRowsNoToolHolds) {
    WriteTurret("lkp", "Alpha, 2\r\nbeta, 1 \r\n******\r\n");
    WriteStations("1", {"A,Diameter,12.7,12.7,0,0,0", ",,0,0,0,0,", "B,Square,10,10,0,0,45",
                        "A,Diameter,12.7,12.7,0,0,0", "A,Diameter,6,6,0,0,0"});
    WriteStations("2",
                  {"A,Diameter,5,5,0,0,0", "A,Diameter,12.7,12.7,0,0,0", "D,Rectangle,9,3,0,0,0"});

    StandardTurrets read = ReadStandardTurrets(session);
    EXPECT_TRUE(read.unreadable.empty());
    const CrossReference xref(std::move(read.turrets), {{'A', {d5, gone, d12}}, {'B', {sq10}}});

    EXPECT_EQ(xref.Holders('A', 3), (std::vector<StationRef>{{0, 1}, {1, 0}, {1, 3}}));
    EXPECT_EQ(xref.TurretCount(xref.Holders('A', 3)), 2u);
    EXPECT_EQ(xref.StationNames(session.machine, xref.Holders('A', 3)),
              "Alpha T2, beta T1, beta T4");
    EXPECT_EQ(xref.StationNames(session.machine, xref.Holders('A', 1)), "Alpha T1");
    EXPECT_EQ(xref.Holders('A', 2), std::vector<StationRef>{});  // not a valid tool
    EXPECT_EQ(xref.Holders('B', 1), (std::vector<StationRef>{{1, 2}}));
    EXPECT_EQ(xref.Holders('D', 1), std::vector<StationRef>{});
    // The 6 mm Diameter is no tool of the library; the Rectangle's file was not looked at.
    EXPECT_EQ(xref.Strays(), (std::vector<StationRef>{{1, 4}}));
}

TEST_F(CrossReferenceOfTurrets, ATurretThatCannotBeReadIsReportedOnceAndLeftOut) {
    WriteTurret("lkp", "Gone, 3\r\nShort, 2\r\nWhole, 1\r\n******\r\n");
    WriteStations("1", {"A,Diameter,5,5,0,0,0"});
    WriteTurret("2", "1,A,Diameter,5,5,0,0,0,1\r\n******\r\n");

    StandardTurrets read = ReadStandardTurrets(session);
    ASSERT_EQ(read.unreadable.size(), 2u);
    EXPECT_EQ(read.unreadable[0],
              "turret \"Gone\" cannot be read: \"" + Turret("3") + "\": file not found");
    EXPECT_EQ(read.unreadable[1], "turret \"Short\" cannot be read: \"" + Turret("2") +
                                      "\": the file holds 1 station lines; the machine has 5 "
                                      "stations");
    ASSERT_EQ(read.turrets.size(), 1u);
    EXPECT_EQ(read.turrets[0].name, "Whole");
    const CrossReference xref(std::move(read.turrets), {{'A', {d5}}});
    EXPECT_EQ(xref.StationNames(session.machine, xref.Holders('A', 1)), "Whole T1");
}

TEST_F(CrossReferenceOfTurrets, ARouterHasNoTurretsToRead) {
    WriteTurret("lkp", "Front, 1\r\n******\r\n");
    session.machine.RouterMachine = true;
    const StandardTurrets read = ReadStandardTurrets(session);
    EXPECT_TRUE(read.turrets.empty());
    EXPECT_TRUE(read.unreadable.empty());
}

}  // namespace
}  // namespace tooling::library
