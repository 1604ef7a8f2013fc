#include "tests/support/FixtureInstallation.h"

#include <gtest/gtest.h>

namespace tooling::test {
namespace {

TEST(FixtureInstallation, WritesAConfigurationWithAbsoluteRoots) {
    FixtureInstallation fx(FixtureInstallation::kImperial);
    EXPECT_EQ(fx.Read("Program/Ostrevan.cfg"), fx.ProgramDir() + "\r\n" + fx.DataDir() + "\r\n" +
                                                   fx.UserRoot() +
                                                   "\r\n 3 \r\nOstrevan\r\n******\r\n");
    EXPECT_EQ(fx.session().inst.StartDir, fx.ProgramDir());
    EXPECT_EQ(fx.Root().front(), '/');
}

TEST(FixtureInstallation, HoldsEveryMachineFileAndTheSiblings) {
    FixtureInstallation fx;
    for (const char* path :
         {"Program/Machine.lst", "Program/Varnholt.exe", "Program/Pellarin.exe",
          "Data/Data/Metric.msr", "Data/Data/Metric.mch", "Data/Data/Metric.prm",
          "Data/Data/Metric.stn", "Data/Data/Metric.trt", "Data/Data/Metric.cms",
          "Data/Data/Router.stn", "Data/Data/Imperial.trt", "Data/Material/Metric/Default.mtl",
          "Data/Material/Router/Default.mtl", "Users"}) {
        EXPECT_TRUE(fx.Exists(path)) << path;
    }
    EXPECT_FALSE(fx.Exists("Data/Data/Router.trt"));
    EXPECT_FALSE(fx.Exists("Program/Dostrel.exe"));
    EXPECT_EQ(fx.Read("Program/Machine.lst"),
              "1,\"Kessler TP-20 Metric\",\"Metric\",\"KesSet\",\"\"\r\n"
              "2,\"Falcon Router R-4\",\"Router\",\"FalSet\",\"\"\r\n"
              "3,\"Kessler TP-20 Imperial\",\"Imperial\",\"KesSet\",\"\"\r\n******\r\n");
}

TEST(FixtureInstallation, KnobsChangeTheFilesBeforeStart) {
    FixtureInstallation fx;
    fx.DropSibling("Pellarin.exe");
    fx.AddReverseProgram();
    fx.Write("Program/Export.cfg", "x");
    fx.WriteConfig(2, "Work");
    EXPECT_FALSE(fx.Exists("Program/Pellarin.exe"));
    EXPECT_TRUE(fx.Exists("Program/Dostrel.exe"));
    EXPECT_TRUE(fx.Exists("Program/Reverse.lst"));
    EXPECT_EQ(fx.Read("Program/Export.cfg"), "x");
    EXPECT_EQ(fx.Read("Program/Ostrevan.cfg"), fx.ProgramDir() + "\r\n" + fx.DataDir() + "\r\n" +
                                                   fx.UserRoot() + "\r\n 2 \r\nWork\r\n******\r\n");
    core::Session& first = fx.session();
    first.inst.MachineNo = 9;
    EXPECT_EQ(fx.Restart().inst.MachineNo, 1);
}

}  // namespace
}  // namespace tooling::test
