#include "library/TurretUpdate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/FaultyFileSystem.h"
#include "tests/turrets/TurretFixture.h"

namespace tooling::library {
namespace {

using test::ReadFile;
using test::TurretFixture;

const std::string kGolden = TOOLING_GOLDEN_DIR "/turret-update/";

class TurretUpdateOf : public ::testing::Test, public TurretFixture {
  protected:
    const ToolRec d12 = Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{1, 10}});
    const ToolRec d13 = Tool('A', "Diameter", {13.7F, 13.7F, 0, 0}, {{1, 10}});
};

// A file rewrites the holding stations and keeps every other byte; a special tool follows its
// new name.
TEST_F(TurretUpdateOf, AFileRewritesTheHoldingStationsOnly) {
    const ToolRec star = Tool('S', "STAR 30", {30, 28.53F, 0, 0}, {{1, 10}});
    const ToolRec renamed = Tool('S', "STAR 30B", {30, 28.53F, 0, 0}, {{1, 10}});
    for (const auto& [golden, shape, from, to, count] :
         {std::tuple("", 'A', d12, d13, 3), {"special-", 'S', star, renamed, 1}}) {
        int changed = 0;
        EXPECT_EQ(TurretWithTool(ReadFile(kGolden + golden + "input.txt"), session.machine, "t",
                                 shape, from, to, changed),
                  ReadFile(kGolden + golden + "expected.txt"));
        EXPECT_EQ(changed, count);
    }
}

// Turret 1 holds the tool twice, turret 2 not at all, turret 3 once but cannot be written and
// turret 4 cannot be read.
TEST_F(TurretUpdateOf, TheLibraryKeepsEachRewriteThatSucceededAndNamesTheTurretsThatFailed) {
    WriteTurret("lkp", "First, 1\r\nLocked, 3\r\nOther, 2\r\nShort, 4\r\n******\r\n");
    const auto turret = [](const std::string& first, const std::string& fourth) {
        return core::TextFileBytes(
            {first, "2,,,0,0,0,0,,2", "3,B,Square,10,10,0,0,idx,3", fourth, "5,,,0,0,0,0,,4"});
    };
    WriteTurret("1", turret("1,A,Diameter,12.7,12.7,0,0,0,1", "4,A,Diameter,12.7,12.7,0,0,0,1"));
    WriteTurret("2", turret("1,A,Diameter,5,5,0,0,0,1", "4,,,0,0,0,0,,1"));
    WriteTurret("3", turret("1,,,0,0,0,0,,1", "4,A,Diameter,12.7,12.7,0,0,0,1"));
    WriteTurret("4", core::TextFileBytes({"1,A,Diameter,12.7,12.7,0,0,0,1"}));
    ChangedFiles();

    test::FaultyFileSystem fs;
    fs.failOn = "Shop.3";
    platform::Services faulty{fs, ui, services.printer, services.process};
    core::Session instance(faulty);
    Open(instance, dir.path());
    const TurretUpdate update = UpdateHoldingStations(instance, 'A', d12, d13);
    EXPECT_EQ(update.stations, 2);
    EXPECT_EQ(update.failed, (std::vector<std::string>{"Locked", "Short"}));
    EXPECT_EQ(ChangedFiles(),
              "Shop.1:\n" + test::ShownBytes(turret("1,A,Diameter,13.7,13.7,0,0,0,1",
                                                    "4,A,Diameter,13.7,13.7,0,0,0,1")));
    EXPECT_TRUE(ui.events.empty());
}

}  // namespace
}  // namespace tooling::library
