#include <gtest/gtest.h>

#include <string>

#include "core/TextFile.h"
#include "output/ToolListPrint.h"
#include "output/TurretPrint.h"
#include "tests/output/OutputFixture.h"

namespace tooling::output {
namespace {

using platform::Orientation;

class PrintTest : public ::testing::Test, public test::PrintFixture {
  protected:
    std::string List(std::int16_t shapeNo, Orientation orientation, const std::string& title) {
        page.orientation = orientation;
        PrintToolList(session, shapeNo);
        return Printed(title + " " + std::to_string(shapeNo));
    }
    std::string Turret(std::int16_t number, const std::string& name, Orientation orientation,
                       const std::string& title) {
        page.orientation = orientation;
        PrintTurret(session, number, name);
        return Printed(title);
    }
};

TEST_F(PrintTest, PrintsEachShapesRealToolsAndAFailureSetsTheOrientationBack) {
    WriteToolRows("PrintTest");
    std::string printed;
    // Router cutters come from the Diameter file; 0, 15, 20 and 22 are no list at all.
    for (const std::int16_t shapeNo :
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 21, 0, 15, 20, 22}) {
        printed += List(shapeNo, Orientation::Portrait, "shape");
    }
    for (const std::int16_t shapeNo : {1, 0, 15, 20, 22}) {
        printed += List(shapeNo, Orientation::Landscape, "landscape, shape");
    }
    session.machine.ImperialDisplay = true;
    for (const std::int16_t shapeNo : {1, 13}) {
        printed += List(shapeNo, Orientation::Portrait, "inches, shape");
    }
    session.machine.ImperialDisplay = false;
    // A failure ends the print with "Printer Error !" and sets the orientation back.
    page.failAfter = 0;
    printed += List(2, Orientation::Landscape, "printer off line, shape");
    page.failAfter = -1;
    fs.readFailures = 1;
    printed += List(2, Orientation::Landscape, "tool file unreadable, shape");
    ExpectTranscript(printed);
}

// Turret 3 holds seven stations as the turret editor saves them and a line beyond them; turret 1
// fewer station lines than the machine has stations, turret 2 a line short of fields, and there
// is no turret 9.
TEST_F(PrintTest, PrintsTheNameThenOneLinePerStationOfTheMachine) {
    std::vector<std::string> front = {"1,A,Diameter,12.7,0,0,0,0,1",
                                      "2,D,Rectangle,10,5,0,0,90,2",
                                      "3,S,CORNER NOTCH 12,12,12,0,0,idx,3",
                                      "4, , , 0, 0, 0, 0, , 0",
                                      "5, ,            ,0,0,0,0,0,1",
                                      "6,K,Keyway,25.4,12.7,-6.35,0,45,2",
                                      "7,M,Cruciform,50.8,50.8,3.175,1.5875,0,1",
                                      "8,B,Square,20,0,0,0,45,1"};
    session.machine.StationCount = 7;
    test::WriteFile(session.lib.TurretLibPrefix + "3", core::TextFileBytes(front));
    test::WriteFile(session.lib.TurretLibPrefix + "1",
                    core::TextFileBytes({front.begin(), front.begin() + 2}));
    front[1] = "2,D,Rectangle,10,5,0,0,90";
    test::WriteFile(session.lib.TurretLibPrefix + "2", core::TextFileBytes(front));

    std::string printed = Turret(3, "  Front Set ", Orientation::Portrait, "metric");
    session.machine.ImperialDisplay = true;
    printed += Turret(3, "Front", Orientation::Landscape, "inches, landscape");
    for (const std::int16_t number : {1, 2, 9}) {
        printed += Turret(number, "Front", Orientation::Landscape,
                          "unreadable turret " + std::to_string(number));
    }
    page.failAfter = 0;
    printed += Turret(3, "Front", Orientation::Portrait, "printer off line");
    ExpectTranscript(printed);
}

}  // namespace
}  // namespace tooling::output
