#include "core/StartUp.h"

#include <gtest/gtest.h>

#include "core/Session.h"
#include "core/SuiteConfig.h"
#include "platform/FileError.h"
#include "tests/core/Tree.h"
#include "tests/support/FixtureInstallation.h"

namespace tooling::core {
namespace {

using test::FixtureInstallation;

// What start-up creates on the fixture for a turret machine in `folder`, in tree order.
std::vector<std::string> CreatedForTurretMachine(const std::string& folder) {
    std::vector<std::string> created = {"Data/Blocks/", "Data/Data/" + folder + ".xpt"};
    for (const char* name :
         {"Imperial.cms", "Imperial.mch", "Imperial.msr", "Imperial.prm", "Imperial.stn",
          "Imperial.trt", "Metric.cms", "Metric.mch", "Metric.msr", "Metric.prm", "Metric.stn",
          "Metric.trt", "Router.cms", "Router.mch", "Router.msr", "Router.prm", "Router.stn"}) {
        created.push_back(std::string("Data/Data/Default/") + name);
    }
    created.push_back("Data/Data/Default/");
    created.push_back("Data/Material/" + folder + "/Stock.lst");
    for (const char* top : {"Profiles", "Tools", "Turrets"}) {
        created.push_back(std::string("Data/") + top + "/");
        created.push_back(std::string("Data/") + top + "/" + folder + "/");
    }
    created.push_back("Data/Shapes/");
    created.push_back("Data/Shapes/" + folder + "/");
    for (const char* shape :
         {"Circle", "Custom", "Double-D", "Obround", "Rad-Rect", "Rectangle", "Single-D"}) {
        const std::string base = "Data/Shapes/" + folder + "/" + shape + "/";
        created.push_back(base);
        if (std::string(shape) != "Custom") {
            created.push_back(base + "Inside/");
            created.push_back(base + "Outside/");
        }
    }
    created.push_back("Data/Shapes/" + folder + "/Undefined/");
    for (const char* entry :
         {"Program/Acrobat.cfg", "Program/Manuals.cfg", "Program/Manuals/", "Program/Undo/"}) {
        created.push_back(entry);
    }
    created.push_back("Users/" + folder + "/");
    created.push_back("Users/" + folder + "/Ostrevan/");
    std::sort(created.begin(), created.end());
    return created;
}

TEST(StartUp, FreshInstallationGetsExactlyTheSuiteFolders) {
    FixtureInstallation fx;
    const std::set<std::string> before = test::Tree(fx.Root());
    EXPECT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    EXPECT_EQ(test::Added(before, test::Tree(fx.Root())), CreatedForTurretMachine("Metric"));
    EXPECT_TRUE(fx.ui().events.empty());
}

TEST(StartUp, RewritesTheConfigurationWithSixLines) {
    FixtureInstallation fx;
    std::string program = fx.ProgramDir();
    program.pop_back();
    fx.Write("Program/Ostrevan.cfg", "  " + program + "\r\n" + fx.DataDir() + "\r\n" +
                                         fx.UserRoot() + "\r\n2.6 machines\r\n  Ostrevan  \r\n");
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    EXPECT_EQ(fx.Read("Program/Ostrevan.cfg"), fx.ProgramDir() + "\r\n" + fx.DataDir() + "\r\n" +
                                                   fx.UserRoot() +
                                                   "\r\n 3 \r\nOstrevan\r\n******\r\n");
}

TEST(StartUp, ConfigurationIsRewrittenInTheProgramFolderNotTheStartFolder) {
    FixtureInstallation fx;
    const std::string original = fx.Read("Program/Ostrevan.cfg");
    fx.Write("Start/Ostrevan.cfg", original);
    fx.session().inst.StartDir = fx.Path("Start/");
    fx.Remove("Program/Ostrevan.cfg");
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    EXPECT_EQ(fx.Read("Program/Ostrevan.cfg"), original);
    EXPECT_EQ(fx.Read("Start/Ostrevan.cfg"), original);
}

TEST(StartUp, MissingSiblingBeepsAndStopsAfterTheFirstStep) {
    for (const char* dropped : {"Varnholt.exe", "Pellarin.exe"}) {
        FixtureInstallation fx;
        fx.DropSibling(dropped);
        fx.AddReverseProgram();
        const std::string config = fx.Read("Program/Ostrevan.cfg");
        const std::set<std::string> before = test::Tree(fx.Root());
        EXPECT_EQ(StartUp(fx.session()), StartOutcome::Refused);
        EXPECT_EQ(fx.ui().events, std::vector<std::string>{"beep"});
        EXPECT_EQ(fx.Read("Program/Ostrevan.cfg"), config);
        std::vector<std::string> added = test::Added(before, test::Tree(fx.Root()));
        // Only the first step's files: Data/Default with its copies and the two settings files.
        std::erase_if(added, [](const std::string& entry) {
            return entry.rfind("Data/Data/Default/", 0) == 0;
        });
        EXPECT_EQ(added, (std::vector<std::string>{"Program/Acrobat.cfg", "Program/Manuals.cfg",
                                                   "Program/Manuals/"}))
            << dropped;
        EXPECT_TRUE(fx.session().machine.MachineFolder.empty());
    }
}

TEST(StartUp, LoadsEachMachineOfTheFixture) {
    struct Row {
        int number;
        const char* name;
        const char* folder;
        bool imperial, turret, router, settings;
        std::int16_t type, stations;
        std::size_t turretRows;
    };
    const Row rows[] = {
        {1, "Kessler TP-20 Metric", "Metric", false, true, false, true, 20, 24, 25},
        {2, "Falcon Router R-4", "Router", false, false, true, false, 40, 0, 1},
        {3, "Kessler TP-20 Imperial", "Imperial", true, true, false, true, 30, 20, 21},
    };
    for (const Row& r : rows) {
        FixtureInstallation fx(r.number);
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready) << r.name;
        const Machine& m = fx.session().machine;
        EXPECT_EQ(m.MachineName, r.name);
        EXPECT_EQ(m.MachineFolder, r.folder);
        EXPECT_EQ(m.MachineDataPrefix, fx.DataDir() + "Data/" + r.folder + ".");
        EXPECT_EQ(m.MaterialDir, fx.DataDir() + "Material/" + r.folder + "/");
        EXPECT_EQ(m.MachineImperial, r.imperial);
        EXPECT_EQ(m.ImperialDisplay, r.imperial);
        EXPECT_EQ(m.TurretMachine, r.turret);
        EXPECT_EQ(m.RouterMachine, r.router);
        EXPECT_EQ(m.ToolSettingsOn, r.settings);
        EXPECT_EQ(m.MachineType, r.type);
        EXPECT_EQ(m.StationCount, r.stations);
        EXPECT_EQ(m.TurretStations.size(), r.turretRows);
        EXPECT_EQ(fx.Read("Data/Material/" + std::string(r.folder) + "/Stock.lst"), "******\r\n");
        EXPECT_TRUE(fx.Exists("Data/Tools/" + std::string(r.folder)));
        EXPECT_EQ(fx.session().inst.UserDirName, "Ostrevan");
    }
}

TEST(StartUp, ImperialMachineHoldsMillimetres) {
    FixtureInstallation fx(FixtureInstallation::kImperial);
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    const Machine& m = fx.session().machine;
    EXPECT_EQ(m.StationTable[1].size1, 12.7F);
    EXPECT_EQ(m.StationTable[2].size1, 31.75F);
    EXPECT_EQ(m.StationTable[3].size1, 50.8F);
    EXPECT_EQ(m.StationTable[4].size1, 31.75F);
    EXPECT_EQ(m.StationTable[4].size2, 0.0F);
}

TEST(StartUp, ReverseProgramGetsItsFolder) {
    FixtureInstallation fx;
    fx.AddReverseProgram();
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    EXPECT_TRUE(fx.session().inst.ReverseProgPresent);
    EXPECT_TRUE(fx.Exists("Data/RevSubs"));
}

TEST(StartUp, FolderThatCannotBeCreatedStopsStartUp) {
    FixtureInstallation fx;
    fx.Remove("Users");
    try {
        StartUp(fx.session());
        FAIL() << "no error";
    } catch (const platform::FileError& e) {
        EXPECT_EQ(std::string(e.what()), "\"" + fx.UserRoot() +
                                             "Metric\": cannot create the folder: No such file "
                                             "or directory");
    }
    EXPECT_EQ(fx.Read("Program/Ostrevan.cfg"),
              FixtureInstallation::TextFile(
                  {fx.ProgramDir(), fx.DataDir(), fx.UserRoot(), " 1 ", "Ostrevan"}));
}

TEST(StartUp, SecondStartCreatesNothingNewAndWritesTheSameConfiguration) {
    FixtureInstallation fx;
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    const std::set<std::string> first = test::Tree(fx.Root());
    const std::string config = fx.Read("Program/Ostrevan.cfg");
    ASSERT_EQ(StartUp(fx.Restart()), StartOutcome::Ready);
    EXPECT_EQ(test::Tree(fx.Root()), first);
    EXPECT_EQ(fx.Read("Program/Ostrevan.cfg"), config);
}

}  // namespace
}  // namespace tooling::core
