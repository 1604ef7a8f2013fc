// tooling-cli where-used on a copy of the sample installation: the text and CSV of every shape,
// a drifted station, a turret that cannot be read and the router.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/SampleCli.h"

namespace tooling::test {
namespace {

using WhereUsed = SampleCli;

TEST_F(WhereUsed, ListsEveryToolOfTheSampleWithItsStations) {
    EXPECT_EQ(Run({"where-used"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), Golden("where-used.txt"));
    EXPECT_EQ(Run({"where-used", "--csv"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), Golden("where-used.csv"));
    EXPECT_EQ(err_.str(), "");
}

// The Spare turret takes the 12.7 mm Diameter into station 20 as well; the Specials turret
// cannot be read.
TEST_F(WhereUsed, OneShapeFollowsItsStationsIntoEveryTurret) {
    const std::string turret = Path("Data/Turrets/Kestrel20/Shop Standard.");
    std::string spare = ReadFile(turret + "3");
    const std::string empty = "20,,,0,0,0,0,,1\r\n";
    spare.replace(spare.find(empty), empty.size(), "20,A,Diameter,12.7,12.7,0,0,0,1\r\n");
    WriteFile(turret + "3", spare);
    WriteFile(turret + "2", "1,,,0,0,0,0,,1\r\n******\r\n");
    EXPECT_EQ(Run({"where-used", "--shape", "A", "--csv"}), 1);
    EXPECT_EQ(out_.str(), Golden("where-used-diameter.csv"));
    EXPECT_EQ(err_.str(), "tooling-cli: turret \"Specials\" cannot be read: \"" + turret + "2" +
                              "\": the file holds 1 station lines; the machine has 20 stations\n"
                              "tooling-cli: 1 turret(s) could not be read\n");
}

TEST_F(WhereUsed, ARouterGivesEachToolOneRowWithoutStations) {
    Configure(2);
    EXPECT_EQ(Run({"where-used", "--csv"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), Golden("where-used-router.csv"));
}

}  // namespace
}  // namespace tooling::test
