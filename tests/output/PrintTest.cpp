#include <gtest/gtest.h>

#include <string>

#include "core/TextFile.h"
#include "output/ToolListPrint.h"
#include "output/TurretPrint.h"
#include "tests/output/PrintFixture.h"

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

// Every shape's list; the Diameter and Special files also hold records that are no real tools,
// the Square file tools in several stations at several angles.
TEST_F(PrintTest, PrintsEachShapesRealToolsAndAFailureSetsTheOrientationBack) {
    WriteTools(
        'A',
        {Tool({12.7F, 12.7F, 0, 0}, {1}, {0}), Tool({0, 0, 0, 0}, {1}), Tool({0.1F, 0, 0, 0}, {1}),
         Tool({0.11F, 0, 0, 0}, {1}), Tool({999.9F, 0, 0, 0}, {1}), Tool({1000, 0, 0, 0}, {1}),
         Tool({-5, 0, 0, 0}, {1}), Tool({1.5875F, 0, 0, 0}, {1}), Tool({10, 0, 0, 0}, {1})});
    WriteTools('B', {Tool({20, 20, 0, 0}, {1}, {0, 45}), Tool({10, 10, 0, 0}, {2, 3}, {0, 90}),
                     Tool({25.5F, 25.5F, 0, 0}, {3}),
                     Tool({12.5F, 12.5F, 0, 0}, {1, 2, 3}, {0, 22.5F, 45, 67.5F, 90, 135})});
    const std::pair<char, std::array<float, 4>> oneEach[] = {
        {'C', {20, 20, 0, 2.5F}},
        {'D', {30, 10.5F, 0, 0}},
        {'E', {30, 10, 0, 1}},
        {'F', {25, 8, 0, 0}},
        {'G', {20, 18, 0, 0}},
        {'H', {20, 16, 0, 0}},
        {'I', {40, 12, 0, 0}},
        {'J', {17.32F, 20, 0, 0}},
        {'K', {10, 11.2F, -3, 0}},
        {'L', {50, 6, 0, 0}},
        {'M', {50.8F, 50.8F, 3.175F, 1.5875F}}};
    for (const auto& [code, dims] : oneEach) {
        WriteTools(code, {Tool(dims, {1}, {0})});
    }
    WriteTools('S', {Special("  CORNER NOTCH 12", {1}), Special("", {1}), Special("NOTCH", {2}),
                     Special("SECOND ONLY", {0, 1}), Special("VENT", {})});
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
