#include "core/LoadMachine.h"

#include <gtest/gtest.h>

#include "core/Session.h"
#include "core/StartUp.h"
#include "tests/core/Helpers.h"
#include "tests/support/NativeFileSystem.h"

namespace tooling::core {
namespace {

using test::At;
using test::ErrorOf;
using test::FixtureInstallation;

TEST(LoadMachine, MachineListLookUp) {
    const std::string metric = "\"Metric Name\",\" Metric \",\"MSet\",\"\"\r\n";
    const std::string found = "Metric Name|Metric|MSet";
    const std::string missing = "\"@Program/Machine.lst\": machine 2 is not in the list";
    const std::pair<std::string, std::string> rows[] = {
        {"1,A,x,s,e\r\n0,B,y,s,e\r\n2," + metric + "******\r\n", missing},  // stops at 0
        {"1,A,x,s,e\r\n,B,y,s,e\r\n2," + metric, missing},                  // at an empty number
        {"1,A,x,s,e\r\n******\r\n2," + metric, missing},                    // at the end mark
        {"1," + metric + "2", missing},  // a number that is the last item starts no record
        {"", missing},
        {"1,A,x,s,e\r\n2.9," + metric + "******\r\n", found},
        {"1,A,x,s,e\r\n2," + metric, found},
        {"2," + metric + "2,B,y,s,e\r\n******\r\n", found},
    };
    for (const auto& [list, expected] : rows) {
        FixtureInstallation fx(2);
        fx.Write("Program/Machine.lst", list);
        const std::string error = ErrorOf([&] { StartUp(fx.session()); });
        const Machine& m = fx.session().machine;
        EXPECT_EQ(error != "no error"
                      ? error
                      : m.MachineName + "|" + m.MachineFolder + "|" + m.SettingsProgName,
                  At(fx, expected))
            << list;
    }
}

// Made with these bytes when missing, and left as they are when present.
TEST(LoadMachine, ExportSettingsAndStockList) {
    FixtureInstallation fx;
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    EXPECT_EQ(fx.Read("Data/Data/Metric.xpt"),
              "0\r\nprg\r\n3\r\n2\r\n" + fx.session().inst.ProgramDrive + "\r\n******\r\n");
    EXPECT_EQ(fx.Read("Data/Material/Metric/Stock.lst"), "******\r\n");

    const std::string exportCfg = "1\r\ndxf\r\n4\r\n1\r\nE:\\\r\n******\r\nextra";
    fx.Write("Program/Export.cfg", exportCfg);
    fx.Remove("Data/Data/Metric.xpt");
    fx.Write("Data/Material/Metric/Stock.lst", "1250 x 2500\r\n******\r\n");
    ASSERT_EQ(StartUp(fx.Restart()), StartOutcome::Ready);
    EXPECT_EQ(fx.Read("Data/Data/Metric.xpt"), exportCfg);
    EXPECT_EQ(fx.Read("Data/Material/Metric/Stock.lst"), "1250 x 2500\r\n******\r\n");

    fx.Write("Data/Data/Metric.xpt", "kept");
    ASSERT_EQ(StartUp(fx.Restart()), StartOutcome::Ready);
    EXPECT_EQ(fx.Read("Data/Data/Metric.xpt"), "kept");
}

TEST(LoadMachine, NestingSettingsAndFolder) {
    const std::string off = "Nesting ? (Yes / No)" + std::string(25, ' ') + ": No\r\n******\r\n";
    // Line 1 of Nesting.cfg ("@" the fixture's root) or null, Murrane.exe there, the nst file
    // before (or null) and after ("-" none), Program/Nesting made.
    const std::tuple<const char*, bool, const char*, std::string, bool> rows[] = {
        {nullptr, true, nullptr, "-", false},
        {"@", false, nullptr, "-", false},
        {"/no/such/nesting", true, nullptr, "-", false},
        {"@", true, nullptr, off, false},
        {"@", true, "", off, false},
        {"@", true, "Nesting : no\r\n", "Nesting : no\r\n", false},
        {"@", true, "Nesting : Yes\r\n", "Nesting : Yes\r\n", true},
        {"@", true, "\r\n", "\r\n", true},  // a blank value counts as on
    };
    for (const auto& [cfg, program, nst, after, folder] : rows) {
        FixtureInstallation fx;
        if (cfg != nullptr) {
            fx.Write("Program/Nesting.cfg", At(fx, "  " + std::string(cfg) + "  \r\n******\r\n"));
        }
        if (program) {
            fx.Write("Program/Murrane.exe", "nesting stand-in");
        }
        if (nst != nullptr) {
            fx.Write("Data/Data/Metric.nst", nst);
        }
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
        EXPECT_EQ(fx.Exists("Data/Data/Metric.nst") ? fx.Read("Data/Data/Metric.nst") : "-", after);
        EXPECT_EQ(fx.Exists("Program/Nesting"), folder) << after;
    }
}

// The configuration is read from the start folder and rewritten in the program folder.
TEST(LoadMachine, WorkFolderResolution) {
    // Folders made under Users/Metric ("." that folder alone, "_" for a blank), line 5 of the
    // configuration, the work folder that start-up takes and writes back.
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"", "Work", "Ostrevan"},
        {".", "Work", "Ostrevan"},
        {"Alpha Work", "  WORK  ", "Work"},       // as stored on disk
        {"Alpha Ostrevan", "C:\\Work", "Alpha"},  // a drive name is emptied
        {"Alpha Ostrevan", "Gone", "Ostrevan"},
        {"Alpha Ostrevan_Directory", "Gone", "Ostrevan Directory"},
        {"Beta Alpha", "Gone", "Alpha"},
        {"EXSUBS Work", "", "Work"},
        {"exsubs Zeta", "exsubs", "Zeta"},
        {"EXSUBS", "Gone", ""},
        {"Alpha Beta/Inner", "Beta/Inner", "Alpha"},
        {"Alpha Ostrevan", "..", "Alpha"},
    };
    for (const auto& [folders, line5, expected] : rows) {
        FixtureInstallation fx;
        fx.Write("Start/Ostrevan.cfg", fx.Config(" 1 ", line5));
        fx.Remove("Program/Ostrevan.cfg");
        fx.session().inst.StartDir = fx.Path("Start/");
        for (std::string folder : test::Words(folders)) {
            std::replace(folder.begin(), folder.end(), '_', ' ');
            std::filesystem::create_directories(fx.Path("Users/Metric/" + folder));
        }
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready) << line5;
        EXPECT_EQ(fx.session().inst.UserDirName, expected) << line5;
        EXPECT_EQ(fx.Read("Program/Ostrevan.cfg"), fx.Config(" 1 ", expected));
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
