#include <gtest/gtest.h>

#include <string>

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
    test::WriteToolRows(session.lib.ToolLibPrefix, "PrintTest");
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
    test::ExpectTranscript(printed);
}

// Turret 3 holds seven stations as the turret editor saves them and a line beyond them; turret 1
// fewer station lines than the machine has stations, turret 2 a line short of fields, and there
// is no turret 9.
TEST_F(PrintTest, PrintsTheNameThenOneLinePerStationOfTheMachine) {
    session.machine.StationCount = 7;
    for (const std::string number : {"1", "2", "3"}) {
        test::WriteFile(
            session.lib.TurretLibPrefix + number,
            test::ReadFile(std::string(TOOLING_GOLDEN_DIR) + "/PrintTest/Shop." + number));
    }

    std::string printed = Turret(3, "  Front Set ", Orientation::Portrait, "metric");
    session.machine.ImperialDisplay = true;
    printed += Turret(3, "Front", Orientation::Landscape, "inches, landscape");
    for (const std::int16_t number : {1, 2, 9}) {
        printed += Turret(number, "Front", Orientation::Landscape,
                          "unreadable turret " + std::to_string(number));
    }
    page.failAfter = 0;
    printed += Turret(3, "Front", Orientation::Portrait, "printer off line");
    test::ExpectTranscript(printed);
}

}  // namespace
}  // namespace tooling::output
