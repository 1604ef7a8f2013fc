#include "library/TurretUpdate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/FaultyFileSystem.h"
#include "tests/turrets/TurretFixture.h"

namespace tooling::library {
namespace {

using test::ReadFile;
using test::Tool;
using test::TurretFixture;

const std::string kGolden = TOOLING_GOLDEN_DIR "/turret-update/";

class TurretUpdateOf : public ::testing::Test, public TurretFixture {};

// A special tool's stations follow its new name; every other byte stays.
TEST_F(TurretUpdateOf, ASpecialToolFollowsItsNewName) {
    const ToolRec star = Tool('S', "STAR 30", {30, 28.53F, 0, 0}, {{1, 10}});
    const ToolRec renamed = Tool('S', "STAR 30B", {30, 28.53F, 0, 0}, {{1, 10}});
    int changed = 0;
    EXPECT_EQ(TurretWithTool(ReadFile(kGolden + "special-input.txt"), session.machine, "t", 'S',
                             star, renamed, changed),
              ReadFile(kGolden + "special-expected.txt"));
    EXPECT_EQ(changed, 1);
}

// Turret 1 holds the tool three times, turret 2 not at all, turret 3 too but cannot be written
// and turret 4 cannot be read.
TEST_F(TurretUpdateOf, TheLibraryKeepsEachRewriteThatSucceededAndNamesTheTurretsThatFailed) {
    WriteTurret("lkp", "First, 1\r\nLocked, 3\r\nOther, 2\r\nShort, 4\r\n******\r\n");
    for (const auto& [ext, golden] :
         {std::pair("1", "input.txt"), {"2", "expected.txt"}, {"3", "input.txt"}}) {
        WriteTurret(ext, ReadFile(kGolden + golden));
    }
    WriteTurret("4", core::TextFileBytes({"1,A,Diameter,12.7,12.7,0,0,0,1"}));
    ChangedFiles();

    test::FaultyFileSystem fs;
    fs.failOn = "Shop.3";
    platform::Services faulty{fs, ui, services.printer, services.process};
    core::Session instance(faulty);
    Open(instance, dir.path());
    const TurretUpdate update =
        UpdateHoldingStations(instance, 'A', Tool('A', "Diameter", {12.7F, 12.7F, 0, 0}, {{1, 10}}),
                              Tool('A', "Diameter", {13.7F, 13.7F, 0, 0}, {{1, 10}}));
    EXPECT_EQ(update.stations, 3);
    EXPECT_EQ(update.failed, (std::vector<std::string>{"Locked", "Short"}));
    EXPECT_EQ(ChangedFiles(), "Shop.1:\n" + test::ShownBytes(ReadFile(kGolden + "expected.txt")));
}

}  // namespace
}  // namespace tooling::library
