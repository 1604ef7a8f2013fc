// tooling-cli where-used on a copy of the sample installation: the text and CSV of every shape,
// a drifted station, a turret that cannot be read, the router and the usage errors.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/SampleCli.h"

namespace tooling::test {
namespace {

const std::string kGolden = TOOLING_GOLDEN_DIR "/";

class WhereUsed : public SampleCli {
  protected:
    std::string Turret(std::string_view ext) const {
        return Path("Data/Turrets/Kestrel20/Shop Standard.") + std::string(ext);
    }
};

TEST_F(WhereUsed, ListsEveryToolOfTheSampleWithItsStations) {
    EXPECT_EQ(Run({"where-used"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), ReadFile(kGolden + "where-used.txt"));
    EXPECT_EQ(Run({"where-used", "--csv"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), ReadFile(kGolden + "where-used.csv"));
    EXPECT_EQ(err_.str(), "");
}

TEST_F(WhereUsed, OneShapeFollowsItsStationsIntoEveryTurret) {
    // The Spare turret takes the 12.7 mm Diameter into station 20 as well.
    std::string spare = ReadFile(Turret("3"));
    const std::string empty = "20,,,0,0,0,0,,1\r\n";
    spare.replace(spare.find(empty), empty.size(), "20,A,Diameter,12.7,12.7,0,0,0,1\r\n");
    WriteFile(Turret("3"), spare);
    EXPECT_EQ(Run({"where-used", "--shape", "A", "--csv"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), ReadFile(kGolden + "where-used-diameter.csv"));
}

TEST_F(WhereUsed, ATurretThatCannotBeReadIsReportedAndLeftOut) {
    WriteFile(Turret("2"), "1,,,0,0,0,0,,1\r\n******\r\n");
    EXPECT_EQ(Run({"where-used", "--shape", "S", "--csv"}), 1);
    EXPECT_EQ(out_.str(),
              "shape,size,turret,station\r\n"
              "Special,CORNER NOTCH 12,,\r\nSpecial,FLANGE NOTCH,,\r\nSpecial,HEART 25,,\r\n"
              "Special,STAR 30,,\r\n");
    EXPECT_EQ(err_.str(), "tooling-cli: turret \"Specials\" cannot be read: \"" + Turret("2") +
                              "\": the file holds 1 station lines; the machine has 20 stations\n"
                              "tooling-cli: 1 turret(s) could not be read\n");
}

TEST_F(WhereUsed, ARouterGivesEachToolOneRowWithoutStations) {
    WriteFile(Path("Program/Ostrevan.cfg"), Path("Program/") + "\r\n" + Path("Data/") + "\r\n" +
                                                Path("Users/") +
                                                "\r\n 2 \r\nOstrevan\r\n******\r\n");
    EXPECT_EQ(Run({"where-used", "--csv"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), ReadFile(kGolden + "where-used-router.csv"));
}

TEST_F(WhereUsed, RefusesWhatItDoesNotKnow) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"where-used", "--shape", "Z"},
          {"where-used", "turret"},
          {"where-used", "--pdf", "x.pdf"},
          {"where-used", "--shape"}}) {
        EXPECT_EQ(Run(args), 2) << args.back();
        EXPECT_EQ(out_.str(), "");
    }
    EXPECT_EQ(Run({"where-used", "--help"}), 0);
    EXPECT_EQ(out_.str().substr(0, 56), "usage: tooling-cli where-used [--shape CODE|all] [--csv]");
}

}  // namespace
}  // namespace tooling::test
