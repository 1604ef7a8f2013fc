#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <set>
#include <stdexcept>
#include <thread>

#include "library/TurretUpdate.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/NativeFileSystem.h"
#include "tests/turrets/TurretFixture.h"
#include "turrets/TurretFiles.h"

namespace tooling::turrets {
namespace {

using test::ChildProcess;

// Another instance of the program on the fixture folder args[0]; its files are not flushed to
// disk, as durability is not the point here.
struct Instance {
    explicit Instance(const std::string& root, bool flushed) {
        if (!flushed) {
            services.fs = test::UnflushedFileSystem();
        }
        test::TurretFixture::Open(session, root);
    }
    test::TestServices services;
    core::Session session{services.services};
};

// The second station of the turret: empty or a rectangle in the index station.
std::vector<StationRow> Rows(const core::Session& session, int variant) {
    std::vector<StationRow> rows = LoadTurret(session, 0);
    if (variant % 2 == 1) {
        rows[2] = {3, "D", "Rectangle", {20, 12.7, 0, 0}, "idx", 3};
    }
    return rows;
}

// Adds and removes the entry "Temp" and rewrites turret 1, over and over.
void Rewriter(ChildProcess& self, const std::vector<std::string>& args) {
    Instance instance(args[0], true);
    for (int i = 1;; ++i) {
        InsertTurretEntry(instance.session, "Temp", 9);
        SaveTurret(instance.session, 1, Rows(instance.session, i));
        RemoveTurretEntry(instance.session, 9);
        self.Send('w');
    }
}
const bool kRewriter = ChildProcess::Register("rewriter", Rewriter);

// Saves args[2] new turrets named args[1] followed by a number, each holding its name.
void Saver(ChildProcess&, const std::vector<std::string>& args) {
    Instance instance(args[0], false);
    std::vector<StationRow> rows = LoadTurret(instance.session, 0);
    for (int i = 1; i <= std::stoi(args[2]); ++i) {
        const std::string name = args[1] + std::to_string(1000 + i);
        rows[0] = {1, "S", name, {25, 30, 0, 0}, "90", 1};
        if (SaveNewTurret(instance.session, name, rows) < 1) {
            throw std::runtime_error("no number");
        }
    }
}
const bool kSaver = ChildProcess::Register("saver", Saver);

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
    Instance instance(args[0], false);
    const char shape = args[1][0];
    for (int step = 0; step < kSteps; ++step) {
        if (args[1] == "save") {
            SaveTurret(instance.session, 2, SavedRows(instance.session, step + 1));
            continue;
        }
        const library::TurretUpdate update = library::UpdateHoldingStations(
            instance.session, shape, StepTool(shape, step), StepTool(shape, step + 1));
        if (update.stations != 2 || !update.failed.empty()) {
            throw std::runtime_error("step " + std::to_string(step) + " moved " +
                                     std::to_string(update.stations) + " stations");
        }
    }
}
const bool kWorker = ChildProcess::Register("turret-worker", Worker);

class TurretProcesses : public ::testing::Test, public test::TurretFixture {};

TEST_F(TurretProcesses, AWriterKilledAtAnyMomentLeavesEveryFileOldOrNew) {
    const std::string without = "Front, 1\r\n******\r\n";
    const std::string with = "Front, 1\r\nTemp, 9 \r\n******\r\n";
    const std::string turrets[2] = {TurretText(Rows(session, 0)), TurretText(Rows(session, 1))};
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        // Each round starts from the same files: a kill between the writer's steps leaves a
        // state the next writer would build on.
        WriteTurret("lkp", without);
        WriteTurret("1", turrets[0]);
        ChildProcess writer("rewriter", {dir.path()});
        if (random() % 2 == 0) {
            ASSERT_EQ(writer.Receive(), 'w');
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ASSERT_EQ(writer.Kill(), ChildProcess::kKilled) << "the writer ended by itself";
        const std::string index = ReadTurret("lkp");
        const std::string turret = ReadTurret("1");
        ASSERT_TRUE(index == without || index == with) << "round " << round << ": " << index;
        ASSERT_TRUE(turret == turrets[0] || turret == turrets[1]) << "round " << round;
    }
    // Whatever a kill left behind is hidden from every listing.
    EXPECT_EQ(session.os.fs.List(Turret("*"), platform::ListFilter::FilesAndDirs),
              (std::vector<std::string>{"Shop.0", "Shop.1", "Shop.lkp"}));
}

TEST_F(TurretProcesses, TwoInstancesSavingNewTurretsGetTheirOwnNumbersAndEntries) {
    constexpr int kEach = 200;
    ChildProcess a("saver", {dir.path(), "A", std::to_string(kEach)});
    ChildProcess b("saver", {dir.path(), "B", std::to_string(kEach)});
    ASSERT_EQ(a.Wait(), 0);
    ASSERT_EQ(b.Wait(), 0);

    const std::vector<TurretEntry> index = ReadTurretIndex(session);
    ASSERT_EQ(index.size(), 2u * kEach);
    std::set<int> numbers;
    std::set<std::string> names;
    for (const TurretEntry& entry : index) {
        numbers.insert(entry.number);
        names.insert(entry.name);
        // Each entry leads to the file saved under its name.
        EXPECT_EQ(LoadTurret(session, entry.number)[0].tool, entry.name);
    }
    EXPECT_EQ(numbers.size(), 2u * kEach);
    EXPECT_EQ(*numbers.rbegin(), 2 * kEach);
    EXPECT_EQ(names.size(), 2u * kEach);
    EXPECT_EQ(session.os.fs.List(Turret("*"), platform::ListFilter::Files).size(), 2u * kEach + 2);
}

// Two instances moving turret stations to edited tools while a third saves a turret: every
// update finds its stations, none is lost, and the saved turret is the saver's.
TEST_F(TurretProcesses, TwoUpdatersAndASaverLoseNothing) {
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
