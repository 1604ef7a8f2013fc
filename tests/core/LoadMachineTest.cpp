#include "core/LoadMachine.h"

#include <gtest/gtest.h>

#include "core/Session.h"
#include "core/StartUp.h"
#include "tests/core/Helpers.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/NativeFileSystem.h"

namespace tooling::core {
namespace {

using test::At;
using test::ErrorOf;
using test::FixtureInstallation;

TEST(LoadMachine, MachineListLookUp) {
    for (const test::GoldenCase& row :
         test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/MachineList.txt")) {
        FixtureInstallation fx(2);
        fx.Write("Program/Machine.lst", row["list"]);
        const std::string error = ErrorOf([&] { StartUp(fx.session()); });
        const Machine& m = fx.session().machine;
        EXPECT_EQ(error != "no error"
                      ? error
                      : m.MachineName + "|" + m.MachineFolder + "|" + m.SettingsProgName,
                  At(fx, row["machine"]))
            << row.name;
    }
}

// The export settings are copied from Export.cfg when missing; present files are left alone.
TEST(LoadMachine, ExportSettingsAndStockList) {
    FixtureInstallation fx;
    const std::string exportCfg = "1\r\ndxf\r\n4\r\n1\r\nE:\\\r\n******\r\nextra";
    fx.Write("Program/Export.cfg", exportCfg);
    fx.Write("Data/Material/Metric/Stock.lst", "1250 x 2500\r\n******\r\n");
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    EXPECT_EQ(fx.Read("Data/Data/Metric.xpt"), exportCfg);
    EXPECT_EQ(fx.Read("Data/Material/Metric/Stock.lst"), "1250 x 2500\r\n******\r\n");

    fx.Write("Data/Data/Metric.xpt", "kept");
    ASSERT_EQ(StartUp(fx.Restart()), StartOutcome::Ready);
    EXPECT_EQ(fx.Read("Data/Data/Metric.xpt"), "kept");
}

TEST(LoadMachine, NestingSettingsAndFolder) {
    for (const test::GoldenCase& row : test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/Nesting.txt")) {
        FixtureInstallation fx;
        if (row.Has("cfg")) {
            fx.Write("Program/Nesting.cfg", At(fx, "  " + row["cfg"] + "  \r\n******\r\n"));
        }
        if (row["program"] == "yes") {
            fx.Write("Program/Murrane.exe", "nesting stand-in");
        }
        if (row.Has("nst before")) {
            fx.Write("Data/Data/Metric.nst", row["nst before"]);
        }
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
        EXPECT_EQ(fx.Exists("Data/Data/Metric.nst") ? fx.Read("Data/Data/Metric.nst") : "none",
                  row.Has("nst after") ? row["nst after"] : "none")
            << row.name;
        EXPECT_EQ(fx.Exists("Program/Nesting"), row["folder made"] == "yes") << row.name;
    }
}

// The configuration is read from the start folder and rewritten in the program folder.
TEST(LoadMachine, WorkFolderResolution) {
    for (const test::GoldenCase& row :
         test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/WorkFolders.txt")) {
        FixtureInstallation fx;
        fx.Write("Start/Ostrevan.cfg", fx.Config(" 1 ", row["line 5"]));
        fx.Remove("Program/Ostrevan.cfg");
        fx.session().inst.StartDir = fx.Path("Start/");
        for (std::string folder : test::Words(row["folders"])) {
            std::replace(folder.begin(), folder.end(), '_', ' ');
            std::filesystem::create_directories(fx.Path("Users/Metric/" + folder));
        }
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready) << row.name;
        EXPECT_EQ(fx.session().inst.UserDirName, row["work folder"]) << row.name;
        EXPECT_EQ(fx.Read("Program/Ostrevan.cfg"), fx.Config(" 1 ", row["work folder"]));
    }
}

TEST(ResolveWorkDir, NameWithAColonStaysOnlyWhenItsDriveIsReady) {
    FixtureInstallation fx;
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    std::filesystem::create_directories(fx.Path("Users/Metric/Alpha"));
    EXPECT_EQ(ResolveWorkDir(fx.session(), " " + fx.Root() + "x:y "), fx.Root() + "x:y");
    const std::string unready = test::UnreadyDrive();
    EXPECT_EQ(ResolveWorkDir(fx.session(), unready + "\\Work"), "Alpha");
    EXPECT_EQ(ResolveWorkDir(fx.session(), unready), "Alpha");
}

}  // namespace
}  // namespace tooling::core
