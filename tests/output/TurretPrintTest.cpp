#include "output/TurretPrint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/TextFile.h"
#include "tests/output/PrintFixture.h"

namespace tooling::output {
namespace {

using Ops = std::vector<std::string>;

// A turret of seven stations as the turret editor saves it, and a line beyond them.
const std::string kFront = core::TextFileBytes({
    "1,A,Diameter,12.7,0,0,0,0,1",
    "2,D,Rectangle,10,5,0,0,90,2",
    "3,S,CORNER NOTCH 12,12,12,0,0,idx,3",
    "4, , , 0, 0, 0, 0, , 0",
    "5, ,            ,0,0,0,0,0,1",
    "6,K,Keyway,25.4,12.7,-6.35,0,45,2",
    "7,M,Cruciform,50.8,50.8,3.175,1.5875,0,1",
    "8,B,Square,20,0,0,0,45,1",
});

class TurretPrintTest : public ::testing::Test, public test::PrintFixture {
  protected:
    TurretPrintTest() { session.machine.StationCount = 7; }
};

TEST_F(TurretPrintTest, PrintsTheNameThenOneLinePerStationOfTheMachine) {
    test::WriteFile(session.lib.TurretLibPrefix + "3", kFront);
    PrintTurret(session, 3, "  Front Set ");
    EXPECT_EQ(page.ops,
              (Ops{"font:Times New Roman", "bold:1", "line:", "italic:0", "underline:1",
                   "line:5|Front Set", "underline:0", "line:",
                   "line:5|Station; 15|Tool Type; 35|Tool Size; 60|Angle", "line:", "bold:0",
                   "line:5|1; 16|Diameter; 37|12.7; 63|0", "line:5|2; 16|Rectangle; 37|10x5; 63|90",
                   "line:5|3; 16|Special   ; 37|CORNER NOTCH 12; 63|idx", "line:5|4; 16|; 37|; 63|",
                   "line:5|5; 16|; 37|; 63|", "line:5|6; 16|Keyway; 37|25.4x12.7w6.35; 63|45",
                   "line:5|7; 16|Cruciform; 37|50.8w3.175r1.5875; 63|0", "enddoc"}));
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(TurretPrintTest, InchesAreRoundedToFourDecimals) {
    test::WriteFile(session.lib.TurretLibPrefix + "3", kFront);
    session.machine.ImperialDisplay = true;
    page.orientation = platform::Orientation::Landscape;
    PrintTurret(session, 3, "Front");
    EXPECT_EQ(Body(),
              (Ops{"line:5|1; 16|Diameter; 37|0.5; 63|0",
                   "line:5|2; 16|Rectangle; 37|0.3937x0.1969; 63|90",
                   "line:5|3; 16|Special   ; 37|CORNER NOTCH 12; 63|idx", "line:5|4; 16|; 37|; 63|",
                   "line:5|5; 16|; 37|; 63|", "line:5|6; 16|Keyway; 37|1x0.5w0.25; 63|45",
                   "line:5|7; 16|Cruciform; 37|2w0.125r0.0625; 63|0"}));
    EXPECT_EQ(Ops(page.ops.end() - 3, page.ops.end()), (Ops{"enddoc", "orientation:2", "enddoc"}));
}

TEST_F(TurretPrintTest, ATurretFileThatCannotBeReadPrintsNothing) {
    // Fewer station lines than the machine has stations; a line short of fields; no file.
    const std::string shortFile = core::TextFileBytes({
        "1,A,Diameter,12.7,0,0,0,0,1",
        "2,D,Rectangle,10,5,0,0,90,2",
    });
    test::WriteFile(session.lib.TurretLibPrefix + "1", shortFile);
    std::string cut = kFront;
    cut.replace(cut.find(",90,2"), 5, ",90");
    test::WriteFile(session.lib.TurretLibPrefix + "2", cut);
    for (const std::int16_t number : {1, 2, 9}) {
        SCOPED_TRACE(number);
        page.ops.clear();
        ui.events.clear();
        page.orientation = platform::Orientation::Landscape;
        PrintTurret(session, number, "Front");
        EXPECT_EQ(page.ops, (Ops{"orientation:1", "enddoc", "orientation:2"}));
        EXPECT_EQ(page.orientation, platform::Orientation::Landscape);
        EXPECT_EQ(ui.events, test::kPrinterErrorShown);
    }
}

TEST_F(TurretPrintTest, APrinterOffLineGivesPrinterError) {
    test::WriteFile(session.lib.TurretLibPrefix + "3", kFront);
    page.failAfter = 0;
    PrintTurret(session, 3, "Front");
    EXPECT_TRUE(page.ops.empty());
    EXPECT_EQ(ui.events, test::kPrinterErrorShown);
}

}  // namespace
}  // namespace tooling::output
