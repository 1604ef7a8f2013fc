#include "output/TurretPrint.h"

#include <gtest/gtest.h>

#include <string>

#include "core/TextFile.h"
#include "tests/output/PrintFixture.h"

namespace tooling::output {
namespace {

using platform::Orientation;

class TurretPrintTest : public ::testing::Test, public test::PrintFixture {
  protected:
    TurretPrintTest() { session.machine.StationCount = 7; }

    std::string Print(std::int16_t number, const std::string& name, Orientation orientation,
                      const std::string& title) {
        page.orientation = orientation;
        PrintTurret(session, number, name);
        return Printed(title);
    }
};

// Turret 3 holds seven stations as the turret editor saves them and a line beyond them; turret 1
// fewer station lines than the machine has stations, turret 2 a line short of fields, and there
// is no turret 9.
TEST_F(TurretPrintTest, PrintsTheNameThenOneLinePerStationOfTheMachine) {
    std::vector<std::string> front = {"1,A,Diameter,12.7,0,0,0,0,1",
                                      "2,D,Rectangle,10,5,0,0,90,2",
                                      "3,S,CORNER NOTCH 12,12,12,0,0,idx,3",
                                      "4, , , 0, 0, 0, 0, , 0",
                                      "5, ,            ,0,0,0,0,0,1",
                                      "6,K,Keyway,25.4,12.7,-6.35,0,45,2",
                                      "7,M,Cruciform,50.8,50.8,3.175,1.5875,0,1",
                                      "8,B,Square,20,0,0,0,45,1"};
    test::WriteFile(session.lib.TurretLibPrefix + "3", core::TextFileBytes(front));
    test::WriteFile(session.lib.TurretLibPrefix + "1",
                    core::TextFileBytes({front.begin(), front.begin() + 2}));
    front[1] = "2,D,Rectangle,10,5,0,0,90";
    test::WriteFile(session.lib.TurretLibPrefix + "2", core::TextFileBytes(front));

    std::string printed = Print(3, "  Front Set ", Orientation::Portrait, "metric");
    session.machine.ImperialDisplay = true;
    printed += Print(3, "Front", Orientation::Landscape, "inches, landscape");
    for (const std::int16_t number : {1, 2, 9}) {
        printed += Print(number, "Front", Orientation::Landscape,
                         "unreadable turret " + std::to_string(number));
    }
    page.failAfter = 0;
    printed += Print(3, "Front", Orientation::Portrait, "printer off line");
    ExpectTranscript(printed);
}

}  // namespace
}  // namespace tooling::output
