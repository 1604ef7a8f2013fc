// Two instances moving turret stations to edited tools while a third saves a turret: every
// update finds its stations, none is lost, and the saved turret is the saver's.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "library/TurretUpdate.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/NativeFileSystem.h"
#include "tests/turrets/TurretFixture.h"
#include "turrets/TurretFiles.h"

namespace tooling::turrets {
namespace {

using test::ChildProcess;
using test::TurretFixture;

constexpr int kSteps = 60;

// The tool of updater `shape` after `step` steps: the Diameter grows from 10 mm, the Square
// from 20 mm, by 0.5 mm a step.
library::ToolRec StepTool(char shape, int step) {
    const float size = (shape == 'A' ? 10.0F : 20.0F) + 0.5F * static_cast<float>(step);
    return test::Tool(shape, shape == 'A' ? "Diameter" : "Square", {size, size, 0, 0}, {{1, 10}});
}

// Turret 2 as the saver writes it the `n`th time: a Rectangle at an angle of n.
std::vector<StationRow> SavedRows(const core::Session& session, int n) {
    std::vector<StationRow> rows = LoadTurret(session, 0);
    rows[0] = {1, "D", "Rectangle", {30, 10, 0, 0}, std::to_string(n), 1};
    return rows;
}

// Another instance on the folder args[0]. As "save" it saves turret 2 again and again; as a
// shape code it moves the stations of that shape on one step at a time, each step finding the
// two stations the step before left.
void Worker(ChildProcess&, const std::vector<std::string>& args) {
    test::TestServices services;
    services.fs = test::UnflushedFileSystem();
    core::Session session(services.services);
    TurretFixture::Open(session, args[0]);
    const char shape = args[1][0];
    for (int step = 0; step < kSteps; ++step) {
        if (args[1] == "save") {
            SaveTurret(session, 2, SavedRows(session, step + 1));
            continue;
        }
        const library::TurretUpdate update = library::UpdateHoldingStations(
            session, shape, StepTool(shape, step), StepTool(shape, step + 1));
        if (update.stations != 2 || !update.failed.empty()) {
            throw std::runtime_error("step " + std::to_string(step) + " moved " +
                                     std::to_string(update.stations) + " stations");
        }
    }
}
const bool kWorker = ChildProcess::Register("turret-worker", Worker);

class TurretUpdateProcesses : public ::testing::Test, public TurretFixture {};

TEST_F(TurretUpdateProcesses, TwoUpdatersAndASaverLoseNothing) {
    const std::string index = "One, 1\r\nThree, 3\r\nTwo, 2\r\n******\r\n";
    WriteTurret("lkp", index);
    const auto turret = [](const std::string& diameter, const std::string& square) {
        return core::TextFileBytes({"1,A,Diameter," + diameter + "," + diameter + ",0,0,0,1",
                                    "2,B,Square," + square + "," + square + ",0,0,45,2",
                                    "3,,,0,0,0,0,,3", "4,,,0,0,0,0,,1",
                                    "5,A,Diameter,5,5,0,0,0,4"});
    };
    WriteTurret("1", turret("10", "20"));
    WriteTurret("3", turret("10", "20"));
    WriteTurret("2", TurretText(SavedRows(session, 0)));

    ChildProcess diameters("turret-worker", {dir.path(), "A"});
    ChildProcess squares("turret-worker", {dir.path(), "B"});
    ChildProcess saver("turret-worker", {dir.path(), "save"});
    EXPECT_EQ(diameters.Wait() + squares.Wait() + saver.Wait(), 0);
    EXPECT_EQ(
        ReadTurret("1") + ReadTurret("3") + ReadTurret("2") + ReadTurret("lkp"),
        turret("40", "50") + turret("40", "50") + TurretText(SavedRows(session, kSteps)) + index);
}

}  // namespace
}  // namespace tooling::turrets
