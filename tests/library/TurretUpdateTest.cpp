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

TEST_F(TurretUpdateOf, AFileRewritesTheHoldingStationsAndKeepsEveryOtherByte) {
    int changed = 0;
    EXPECT_EQ(TurretWithTool(ReadFile(kGolden + "input.txt"), session.machine, "t", 'A', d12, d13,
                             changed),
              ReadFile(kGolden + "expected.txt"));
    EXPECT_EQ(changed, 3);
}

TEST_F(TurretUpdateOf, ASpecialToolFollowsItsNewName) {
    const ToolRec star = Tool('S', "STAR 30", {30, 28.53F, 0, 0}, {{1, 10}});
    const ToolRec renamed = Tool('S', "STAR 30B", {30, 28.53F, 0, 0}, {{1, 10}});
    const std::string bytes =
        core::TextFileBytes({"1,S,STAR 30,30,28.53,0,0,90,1", "2,S,STAR 3,30,28.53,0,0,0,2",
                             ",,,0,0,0,0,,3", "4,S,STAR 30,30,28.5,0,0,0,1", "5,,,0,0,0,0,,4"});
    int changed = 0;
    EXPECT_EQ(
        TurretWithTool(bytes, session.machine, "t", 'S', star, renamed, changed),
        core::TextFileBytes({"1,S,STAR 30B,30,28.53,0,0,90,1", "2,S,STAR 3,30,28.53,0,0,0,2",
                             ",,,0,0,0,0,,3", "4,S,STAR 30,30,28.5,0,0,0,1", "5,,,0,0,0,0,,4"}));
    EXPECT_EQ(changed, 1);
}

// Turret 1 holds the tool twice, turret 2 not at all, turret 3 once but cannot be written and
// turret 4 cannot be read.
TEST_F(TurretUpdateOf, TheLibraryKeepsEachRewriteThatSucceededAndNamesTheTurretsThatFailed) {
    const std::string index = "First, 1\r\nLocked, 3\r\nOther, 2\r\nShort, 4\r\n******\r\n";
    WriteTurret("lkp", index);
    const std::string first = core::TextFileBytes(
        {"1,A,Diameter,12.7,12.7,0,0,0,1", "2,,,0,0,0,0,,2", "3,B,Square,10,10,0,0,idx,3",
         "4,A,Diameter,12.7,12.7,0,0,0,1", "5,,,0,0,0,0,,4"});
    const std::string other =
        core::TextFileBytes({"1,A,Diameter,5,5,0,0,0,1", "2,,,0,0,0,0,,2", "3,,,0,0,0,0,,3",
                             "4,,,0,0,0,0,,1", "5,,,0,0,0,0,,4"});
    const std::string locked =
        core::TextFileBytes({"1,,,0,0,0,0,,1", "2,A,Diameter,12.7,12.7,0,0,0,2", "3,,,0,0,0,0,,3",
                             "4,,,0,0,0,0,,1", "5,,,0,0,0,0,,4"});
    const std::string shortFile = core::TextFileBytes({"1,A,Diameter,12.7,12.7,0,0,0,1"});
    WriteTurret("1", first);
    WriteTurret("2", other);
    WriteTurret("3", locked);
    WriteTurret("4", shortFile);

    test::FaultyFileSystem fs;
    fs.failOn = "Shop.3";
    test::FakeUi ui;
    platform::Services faulty{fs, ui, services.printer, services.process};
    core::Session instance(faulty);
    instance.inst = session.inst;
    instance.machine = session.machine;
    instance.lib = session.lib;

    const TurretUpdate update = UpdateHoldingStations(instance, 'A', d12, d13);
    EXPECT_EQ(update.stations, 2);
    EXPECT_EQ(update.failed, (std::vector<std::string>{"Locked", "Short"}));
    EXPECT_EQ(ReadTurret("1"),
              core::TextFileBytes({"1,A,Diameter,13.7,13.7,0,0,0,1", "2,,,0,0,0,0,,2",
                                   "3,B,Square,10,10,0,0,idx,3", "4,A,Diameter,13.7,13.7,0,0,0,1",
                                   "5,,,0,0,0,0,,4"}));
    EXPECT_EQ(ReadTurret("2"), other);
    EXPECT_EQ(ReadTurret("3"), locked);
    EXPECT_EQ(ReadTurret("4"), shortFile);
    EXPECT_EQ(ReadTurret("lkp"), index);
    EXPECT_TRUE(ui.events.empty());
}

}  // namespace
}  // namespace tooling::library
