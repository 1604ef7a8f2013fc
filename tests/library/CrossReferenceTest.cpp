#include "library/CrossReference.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/GoldenCases.h"
#include "tests/turrets/TurretFixture.h"

namespace tooling::library {
namespace {

using test::Tool;
using test::TurretFixture;

TEST(StationHoldsTool, ByShapeDimensionsTextAndSpecialName) {
    core::Machine machine;
    machine.StationCount = 1;
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_GOLDEN_DIR "/station-holds.txt")) {
        const char shape = row.fields[1][0];
        const ToolRec tool =
            test::Tool(shape, row.fields[2], test::DimsOf(row.fields[3]), {{1, 10}});
        const StationRow station =
            ParseTurret("1," + row.fields[4] + ",0,1\r\n******\r\n", machine, "t")[0];
        EXPECT_EQ(StationKey(station) == ToolKey(shape, tool), row.fields[5] == "yes")
            << row.fields[0];
    }
}

class CrossReferenceOfTurrets : public ::testing::Test, public TurretFixture {};

// The turrets that cannot be read are reported once each and left out; a router has none.
TEST_F(CrossReferenceOfTurrets, ListsHoldersInIndexAndStationOrderAndTheRowsNoToolHolds) {
    WriteTurret("lkp", "Alpha, 2\r\nbeta, 1 \r\nGone, 3\r\nShort, 4\r\n******\r\n");
    WriteTurret("1",
                core::TextFileBytes({"1,A,Diameter,12.7,12.7,0,0,0,1", "2,,,0,0,0,0,,1",
                                     "3,B,Square,10,10,0,0,45,1", "4,A,Diameter,12.7,12.7,0,0,0,1",
                                     "5,A,Diameter,6,6,0,0,0,1"}));
    WriteTurret("2", core::TextFileBytes(
                         {"1,A,Diameter,5,5,0,0,0,1", "2,A,Diameter,12.7,12.7,0,0,0,1",
                          "3,D,Rectangle,9,3,0,0,0,1", "4,,,0,0,0,0,,1", "5,,,0,0,0,0,,1"}));
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
    session.machine.RouterMachine = true;
    EXPECT_TRUE(ReadStandardTurrets(session).turrets.empty());
}

}  // namespace
}  // namespace tooling::library
