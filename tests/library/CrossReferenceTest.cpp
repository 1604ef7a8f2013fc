#include "library/CrossReference.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/turrets/TurretFixture.h"

namespace tooling::library {
namespace {

using test::TurretFixture;

// A tool, a station line's fields 2 to 7 as a turret file gives them, and whether it holds it.
struct HoldCase {
    const char* name;
    char shape;
    const char* descr;
    std::array<float, 4> dims;
    const char* station;
    bool holds;
};

// Each shape with dimensions it does not use set as well (a station names all four), then
// the differences that tell tools apart and what another program may write for the same tool.
const HoldCase kHoldCases[] = {
    {"Diameter", 'A', "Diameter", {12.7F, 12.7F, 0, 0}, "A,Diameter,12.7,12.7,0,0", true},
    {"Square", 'B', "Square", {10, 10, 0, 0}, "B,Square,10,10,0,0", true},
    {"RadSquare", 'C', "Rad-Square", {20, 20, 0, 3}, "C,Rad-Square,20,20,0,3", true},
    {"Rectangle", 'D', "Rectangle", {30, 10, 0, 0}, "D,Rectangle,30,10,0,0", true},
    {"RadRect", 'E', "Rad-Rect", {60, 20, 0, 5}, "E,Rad-Rect,60,20,0,5", true},
    {"Obround", 'F', "Obround", {25, 10, 0, 0}, "F,Obround,25,10,0,0", true},
    {"SingleD", 'G', "Single-D", {20, 18, 0, 0}, "G,Single-D,20,18,0,0", true},
    {"DoubleD", 'H', "Double-D", {20, 16, 0, 0}, "H,Double-D,20,16,0,0", true},
    {"CannonD", 'I', "Cannon-D", {20, 17, 0, 0}, "I,Cannon-D,20,17,0,0", true},
    {"Hexagon", 'J', "Hexagon", {19, 0, 0, 0}, "J,Hexagon,19,0,0,0", true},
    {"RoundedKey", 'K', "Keyway", {10, 9.5F, -6, 0}, "K,Keyway,10,9.5,-6,0", true},
    {"Louvre", 'L', "Louvre", {60, 8, 0, 0}, "L,Louvre,60,8,0,0", true},
    {"Cruciform", 'M', "Cruciform", {40, 40, 10, 5}, "M,Cruciform,40,40,10,5", true},
    {"Special", 'S', "STAR 30", {30, 28.53F, 0, 0}, "S,STAR 30,30,28.53,0,0", true},
    {"FirstDim", 'A', "Diameter", {13.7F, 13.7F, 0, 0}, "A,Diameter,12.7,12.7,0,0", false},
    {"SecondDim", 'D', "Rectangle", {30, 10, 0, 0}, "D,Rectangle,30,11,0,0", false},
    {"ThirdDim", 'M', "Cruciform", {40, 40, 10, 5}, "M,Cruciform,40,40,11,5", false},
    {"FourthDim", 'E', "Rad-Rect", {60, 20, 0, 5}, "E,Rad-Rect,60,20,0,4", false},
    {"OtherShape", 'B', "Square", {10, 10, 0, 0}, "J,Square,10,10,0,0", false},
    {"LowerCaseShape", 'B', "Square", {10, 10, 0, 0}, "b,Square,10,10,0,0", false},
    {"EmptyStation", 'B', "Square", {0, 0, 0, 0}, ",,0,0,0,0", false},
    {"SpecialOtherName", 'S', "STAR 30", {30, 28.53F, 0, 0}, "S,STAR 31,30,28.53,0,0", false},
    {"SevenDigitsApart", 'A', "Diameter", {12.7F, 12.7F, 0, 0}, "A,D,12.70001,12.7,0,0", false},
    {"TrailingZeros", 'A', "Diameter", {12.7F, 12.7F, 0, 0}, "A,D,12.70,12.700,0.0,0", true},
    {"Blanks", 'B', "Square", {10, 10, 0, 0}, " B , Square , 10, 10, 0, 0", true},
    {"SpecialNameBlanks", 'S', "HEART 25", {25, 23.75F, 0, 0}, "S, HEART 25  ,25,23.75,0,0", true},
    {"SingleFloat", 'B', "Square", {0.35F, 0.35F, 0, 0}, "B,Square,.35,0.35,0,0", true},
};

class StationHoldsTool : public ::testing::TestWithParam<HoldCase> {};

TEST_P(StationHoldsTool, ByShapeDimensionsTextAndSpecialName) {
    const HoldCase& c = GetParam();
    core::Machine machine;
    machine.StationCount = 1;
    const StationRow row =
        ParseTurret(std::string("1,") + c.station + ",0,1\r\n******\r\n", machine, "t")[0];
    EXPECT_EQ(StationKey(row) ==
                  ToolKey(c.shape, TurretFixture::Tool(c.shape, c.descr, c.dims, {{1, 10}})),
              c.holds);
}

INSTANTIATE_TEST_SUITE_P(Cases, StationHoldsTool, ::testing::ValuesIn(kHoldCases),
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
};

// The turrets that cannot be read are reported once each and left out.
TEST_F(CrossReferenceOfTurrets, ListsHoldersInIndexAndStationOrderAndTheRowsNoToolHolds) {
    WriteTurret("lkp", "Alpha, 2\r\nbeta, 1 \r\nGone, 3\r\nShort, 4\r\n******\r\n");
    WriteStations("1", {"A,Diameter,12.7,12.7,0,0,0", ",,0,0,0,0,", "B,Square,10,10,0,0,45",
                        "A,Diameter,12.7,12.7,0,0,0", "A,Diameter,6,6,0,0,0"});
    WriteStations("2",
                  {"A,Diameter,5,5,0,0,0", "A,Diameter,12.7,12.7,0,0,0", "D,Rectangle,9,3,0,0,0"});
    WriteTurret("4", "1,A,Diameter,5,5,0,0,0,1\r\n******\r\n");

    StandardTurrets read = ReadStandardTurrets(session);
    EXPECT_EQ(read.unreadable,
              (std::vector<std::string>{
                  "turret \"Gone\" cannot be read: \"" + Turret("3") + "\": file not found",
                  "turret \"Short\" cannot be read: \"" + Turret("4") +
                      "\": the file holds 1 station lines; the machine has 5 stations"}));
    const ToolRec d5 = Tool('A', "Diameter", {5, 5, 0, 0}, {{1, 10}});
    const ToolRec gone = Tool('A', "Diameter", {0, 0, 0, 0}, {{1, 10}});
    const ToolRec d12 = Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{1, 10}});
    const ToolRec sq10 = Tool('B', "Square", {10, 10, 0, 0}, {{2, 11}}, {0});
    const CrossReference xref(std::move(read.turrets), {{'A', {d5, gone, d12}}, {'B', {sq10}}});

    EXPECT_EQ(xref.Holders('A', 3), (std::vector<StationRef>{{0, 1}, {1, 0}, {1, 3}}));
    EXPECT_EQ(xref.TurretCount(xref.Holders('A', 3)), 2u);
    EXPECT_EQ(xref.StationNames(session.machine, xref.Holders('A', 3)),
              "Alpha T2, beta T1, beta T4");
    EXPECT_EQ(xref.StationNames(session.machine, xref.Holders('A', 1)), "Alpha T1");
    EXPECT_EQ(xref.Holders('A', 2), std::vector<StationRef>{});  // not a valid tool
    EXPECT_EQ(xref.Holders('B', 1), (std::vector<StationRef>{{1, 2}}));
    // The 6 mm Diameter is no tool of the library; the Rectangle's file was not looked at.
    EXPECT_EQ(xref.Strays(), (std::vector<StationRef>{{1, 4}}));
}

}  // namespace
}  // namespace tooling::library
