#include "core/LoadMachine.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <map>

#include "core/Session.h"
#include "core/StartUp.h"
#include "platform/FileError.h"
#include "tests/core/Tree.h"
#include "tests/support/FixtureInstallation.h"

namespace tooling::core {
namespace {

using test::FixtureInstallation;

std::string StartError(FixtureInstallation& fx) {
    try {
        StartUp(fx.session());
    } catch (const platform::FileError& e) {
        return e.what();
    }
    return "no error";
}

// The fixture's metric machine file with some lines replaced (1-based), cut to `keep` lines
// (0 keeps all), followed by the line "******" (which counts as a line of the layout).
std::string MchWith(FixtureInstallation& fx, const std::map<std::size_t, std::string>& lines,
                    std::size_t keep = 0) {
    std::vector<std::string> all;
    std::string bytes = fx.Read("Data/Data/Metric.mch");
    for (std::size_t at = 0; (at = bytes.find("\r\n")) != std::string::npos;) {
        all.push_back(bytes.substr(0, at));
        bytes.erase(0, at + 2);
    }
    all.pop_back();  // "******"
    for (const auto& [line, text] : lines) {
        all[line - 1] = text;
    }
    if (keep != 0) {
        all.resize(keep);
    }
    return FixtureInstallation::TextFile(all);
}

TEST(LoadMachine, MeasurementAndSettingsValuesFollowTheLabelRule) {
    struct Row {
        const char* line1;
        bool on;
    };
    const Row msr[] = {{"Measurement System : IMPERIAL", true},
                       {"Units:imperial", true},
                       {"  Imperial  ", true},
                       {"x : ImPeRiAl ", true},
                       {"Units : IMPERIAL INCHES", false},
                       {"Units : METRIC", false},
                       {"Imperial : Metric", false},
                       {"", false}};
    for (const Row& r : msr) {
        FixtureInstallation fx;
        fx.Write("Data/Data/Metric.msr", FixtureInstallation::TextFile({r.line1}));
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready) << r.line1;
        EXPECT_EQ(fx.session().machine.MachineImperial, r.on) << r.line1;
        EXPECT_EQ(fx.session().machine.ImperialDisplay, r.on) << r.line1;
    }
    const Row prm[] = {{"Tool Settings : yes", true}, {"YES", true},         {"a:b: Yes", false},
                       {"Tool Settings : No", false}, {"yes please", false}, {"Yes :", false}};
    for (const Row& r : prm) {
        FixtureInstallation fx;
        fx.Write("Data/Data/Metric.prm", FixtureInstallation::TextFile({r.line1}));
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready) << r.line1;
        EXPECT_EQ(fx.session().machine.ToolSettingsOn, r.on) << r.line1;
    }
}

TEST(LoadMachine, MachineKindSetsTheFlagsAndTheFolders) {
    struct Row {
        const char* line2;
        std::int16_t type;
        bool turret, router;
    };
    const Row rows[] = {{"9", 9, false, false},        {"10", 10, true, false},
                        {"39.9", 39, true, false},     {"40", 40, false, true},
                        {"Type: 49", 49, false, true}, {"50", 50, false, false},
                        {"-10", -10, false, false},    {"kind", 0, false, false}};
    for (const Row& r : rows) {
        FixtureInstallation fx;
        fx.Write("Data/Data/Metric.mch", MchWith(fx, {{2, r.line2}}));
        if (!r.turret) {
            fx.Remove("Data/Data/Metric.trt");  // only a turret machine needs it
        }
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready) << r.line2;
        const Machine& m = fx.session().machine;
        EXPECT_EQ(m.MachineType, r.type);
        EXPECT_EQ(m.TurretMachine, r.turret) << r.line2;
        EXPECT_EQ(m.RouterMachine, r.router) << r.line2;
        EXPECT_EQ(m.TurretStations.size(), r.turret ? 25U : 1U) << r.line2;
        for (const char* top : {"Data/Tools", "Data/Turrets", "Data/Profiles"}) {
            EXPECT_EQ(fx.Exists(std::string(top) + "/Metric"), r.turret || r.router) << top;
        }
        EXPECT_TRUE(fx.Exists("Data/Shapes/Metric/Undefined"));
    }
}

TEST(LoadMachine, MachineFileErrors) {
    struct Row {
        std::map<std::size_t, std::string> lines;
        std::size_t keep;
        const char* error;
    };
    const Row rows[] = {
        {{}, 21, "fewer than 23 lines"},
        {{{21, "Pairs : 5"}}, 0, "line 21: more than 4 pairs of lines"},
        {{{21, "Pairs : 99999"}}, 0, "line 21: more than 4 pairs of lines"},
        {{{21, "-1"}}, 0, "line 21: a negative count of pairs of lines"},
        {{{21, "3"}}, 0, "fewer than 29 lines"},
        {{}, 25, "fewer than 27 lines"},
        {{{2, "Type : 40000"}}, 0, "line 2: \"40000\" is outside -32768 to 32767"},
        {{{3, "-32769"}}, 0, "line 3: \"-32769\" is outside -32768 to 32767"},
    };
    for (const Row& r : rows) {
        FixtureInstallation fx;
        fx.Write("Data/Data/Metric.mch", MchWith(fx, r.lines, r.keep));
        EXPECT_EQ(StartError(fx), "\"" + fx.DataDir() + "Data/Metric.mch\": " + r.error);
    }
}

TEST(LoadMachine, PairCountWithinRangeNeedsOnlyItsLines) {
    FixtureInstallation fx;
    fx.Write("Data/Data/Metric.mch", MchWith(fx, {{21, "0"}}, 23));
    EXPECT_EQ(StartError(fx), "no error");
    EXPECT_EQ(fx.session().machine.StationCount, 24);
}

TEST(LoadMachine, RequiredMachineFilesMissing) {
    const char* rows[] = {"Program/Machine.lst",  "Data/Data/Metric.msr", "Data/Data/Metric.mch",
                          "Data/Data/Metric.prm", "Data/Data/Metric.stn", "Data/Data/Metric.trt",
                          "Data/Data/Metric.cms"};
    for (const char* missing : rows) {
        FixtureInstallation fx;
        fx.Remove(missing);
        EXPECT_EQ(StartError(fx), "\"" + fx.Path(missing) + "\": file not found");
    }
    FixtureInstallation fx;
    fx.Write("Data/Data/Metric.cms", "");
    EXPECT_EQ(StartError(fx), "\"" + fx.DataDir() + "Data/Metric.cms\": the file is empty");
}

TEST(LoadMachine, MachineListLookUp) {
    const std::string metric = "\"Metric Name\",\" Metric \",\"MSet\",\"\"\r\n";
    struct Row {
        const char* name;
        std::string list;
        int machineNo;
        const char* folder;  // empty: the machine is not found
    };
    const Row rows[] = {
        {"AfterRecordZero", "1,A,x,s,e\r\n0,B,y,s,e\r\n2," + metric + "******\r\n", 2, ""},
        {"AfterEmptyNumber", "1,A,x,s,e\r\n,B,y,s,e\r\n2," + metric, 2, ""},
        {"AfterEndMark", "1,A,x,s,e\r\n******\r\n2," + metric, 2, ""},
        {"TruncatedNumber", "1,A,x,s,e\r\n2.9," + metric + "******\r\n", 2, "Metric"},
        {"WithoutEndMark", "1,A,x,s,e\r\n2," + metric, 2, "Metric"},
        {"LastItemIsANumber", "1," + metric + "2", 2, ""},
        {"FirstOfSeveral", "2," + metric + "2,B,y,s,e\r\n******\r\n", 2, "Metric"},
        {"EmptyList", "", 1, ""},
    };
    for (const Row& r : rows) {
        FixtureInstallation fx(r.machineNo);
        fx.Write("Program/Machine.lst", r.list);
        const std::string error = StartError(fx);
        if (*r.folder == 0) {
            EXPECT_EQ(error, "\"" + fx.ProgramDir() + "Machine.lst\": machine " +
                                 std::to_string(r.machineNo) + " is not in the list")
                << r.name;
            EXPECT_FALSE(fx.Exists("Data/Data/.xpt")) << r.name;
            EXPECT_FALSE(fx.Exists("Data/Material/Stock.lst")) << r.name;
        } else {
            EXPECT_EQ(error, "no error") << r.name;
            EXPECT_EQ(fx.session().machine.MachineFolder, r.folder) << r.name;
            EXPECT_EQ(fx.session().machine.MachineName, "Metric Name") << r.name;
            EXPECT_EQ(fx.session().machine.SettingsProgName, "MSet") << r.name;
        }
    }
}

TEST(LoadMachine, FolderNameMustNameOneFolder) {
    for (const char* folder : {"", "..", "../Metric", "a/b"}) {
        FixtureInstallation fx;
        fx.Write("Program/Machine.lst", "1,Name,\"" + std::string(folder) + "\",S,E\r\n******\r\n");
        EXPECT_EQ(StartError(fx), "\"" + fx.ProgramDir() + "Machine.lst\": machine 1: \"" + folder +
                                      "\" is not a folder name");
    }
}

TEST(LoadMachine, ExportSettingsCopyExportCfgOrGetTheDefaultLines) {
    {
        FixtureInstallation fx;
        const std::string exportCfg = "1\r\ndxf\r\n4\r\n1\r\nE:\\\r\n******\r\nextra";
        fx.Write("Program/Export.cfg", exportCfg);
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
        EXPECT_EQ(fx.Read("Data/Data/Metric.xpt"), exportCfg);
    }
    {
        FixtureInstallation fx;
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
        const std::string drive = fx.session().inst.ProgramDrive;
        EXPECT_EQ(drive.back(), '/');
        EXPECT_EQ(fx.Read("Data/Data/Metric.xpt"),
                  "0\r\nprg\r\n3\r\n2\r\n" + drive + "\r\n******\r\n");
    }
    {
        FixtureInstallation fx;
        fx.Write("Data/Data/Metric.xpt", "kept");
        fx.Write("Program/Export.cfg", "not copied");
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
        EXPECT_EQ(fx.Read("Data/Data/Metric.xpt"), "kept");
    }
}

TEST(LoadMachine, ExistingStockListIsKept) {
    FixtureInstallation fx;
    fx.Write("Data/Material/Metric/Stock.lst", "1250 x 2500\r\n******\r\n");
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    EXPECT_EQ(fx.Read("Data/Material/Metric/Stock.lst"), "1250 x 2500\r\n******\r\n");
}

TEST(LoadMachine, NestingCheck) {
    const std::string nestingDefault =
        "Nesting ? (Yes / No)" + std::string(25, ' ') + ": No\r\n******\r\n";
    struct Row {
        const char* name;
        const char* nestingCfg;  // nullptr: no Nesting.cfg; "@" names the fixture's root
        bool murrane;
        const char* nst;       // nullptr: no nst file
        const char* nstAfter;  // nullptr: none; "@" the default
        bool folder;
    };
    const Row rows[] = {
        {"NoConfig", nullptr, true, nullptr, nullptr, false},
        {"NoNestingProgram", "@", false, nullptr, nullptr, false},
        {"ConfigEndMark", "******", true, nullptr, nullptr, false},
        {"ConfigEmpty", "", true, nullptr, nullptr, false},
        {"ConfigNamesMissingPath", "/no/such/nesting", true, nullptr, nullptr, false},
        {"MissingNstGetsTheDefault", "@", true, nullptr, "@", false},
        {"EmptyNstGetsTheDefault", "@", true, "", "@", false},
        {"NestingOff", "@", true, "Nesting : no\r\n", "Nesting : no\r\n", false},
        {"NestingOn", "@", true, "Nesting : Yes\r\n", "Nesting : Yes\r\n", true},
        {"BlankLineCountsAsOn", "@", true, "\r\n", "\r\n", true},
    };
    for (const Row& r : rows) {
        FixtureInstallation fx;
        if (r.nestingCfg != nullptr) {
            const std::string named = std::string(r.nestingCfg) == "@" ? fx.Root() : r.nestingCfg;
            fx.Write("Program/Nesting.cfg", "  " + named + "  \r\n******\r\n");
        }
        if (r.murrane) {
            fx.Write("Program/Murrane.exe", "nesting stand-in");
        }
        if (r.nst != nullptr) {
            fx.Write("Data/Data/Metric.nst", r.nst);
        }
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready) << r.name;
        if (r.nstAfter == nullptr) {
            EXPECT_FALSE(fx.Exists("Data/Data/Metric.nst")) << r.name;
        } else {
            EXPECT_EQ(fx.Read("Data/Data/Metric.nst"),
                      std::string(r.nstAfter) == "@" ? nestingDefault : r.nstAfter)
                << r.name;
        }
        EXPECT_EQ(fx.Exists("Program/Nesting"), r.folder) << r.name;
    }
}

TEST(LoadMachine, WorkFolderResolution) {
    struct Row {
        const char* name;
        std::vector<const char*> folders;  // under Users/Metric; empty list: no Users/Metric
        bool userFolderExists;
        const char* line5;
        const char* expected;
    };
    const Row rows[] = {
        {"NewUserFolderGetsOstrevan", {}, false, "Work", "Ostrevan"},
        {"EmptyUserFolderGetsOstrevan", {}, true, "Work", "Ostrevan"},
        {"ExistingNameKept", {"Alpha", "Work"}, true, "Work", "Work"},
        {"NameAsStoredOnDisk", {"Alpha", "Work"}, true, "  WORK  ", "Work"},
        {"DriveNameEmptiedThenFirstEntry", {"Alpha", "Ostrevan"}, true, "C:\\Work", "Alpha"},
        {"MissingNameFallsBackToOstrevan", {"Alpha", "Ostrevan"}, true, "Gone", "Ostrevan"},
        {"ThenOstrevanDirectory",
         {"Alpha", "Ostrevan Directory"},
         true,
         "Gone",
         "Ostrevan Directory"},
        {"ThenTheFirstEntry", {"Beta", "Alpha"}, true, "Gone", "Alpha"},
        {"EmptyNameTakesFirstUsable", {"EXSUBS", "Work"}, true, "", "Work"},
        {"ExsubsIsNeverTaken", {"exsubs", "Zeta"}, true, "exsubs", "Zeta"},
        {"OnlyExsubsGivesEmpty", {"EXSUBS"}, true, "Gone", ""},
        {"NoFolderBelowTheUserFolder", {"Alpha", "Beta/Inner"}, true, "Beta/Inner", "Alpha"},
        {"DotDotIsNotAFolderName", {"Alpha", "Ostrevan"}, true, "..", "Alpha"},
    };
    for (const Row& r : rows) {
        FixtureInstallation fx;
        fx.WriteConfig(1, r.line5);
        if (r.userFolderExists) {
            std::filesystem::create_directories(fx.Path("Users/Metric"));
        }
        for (const char* folder : r.folders) {
            std::filesystem::create_directories(fx.Path("Users/Metric/" + std::string(folder)));
        }
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready) << r.name;
        EXPECT_EQ(fx.session().inst.UserDirName, r.expected) << r.name;
        EXPECT_EQ(fx.Read("Program/Ostrevan.cfg"),
                  FixtureInstallation::TextFile(
                      {fx.ProgramDir(), fx.DataDir(), fx.UserRoot(), " 1 ", r.expected}))
            << r.name;
        EXPECT_EQ(fx.Exists("Users/Metric/Ostrevan"),
                  std::string(r.expected) == "Ostrevan" ||
                      std::find(r.folders.begin(), r.folders.end(), std::string_view("Ostrevan")) !=
                          r.folders.end())
            << r.name;
    }
}

TEST(ResolveWorkDir, NameWithAColonStaysOnlyWhenItsDriveIsReady) {
    FixtureInstallation fx;
    fx.WriteConfig(1, "Ostrevan");
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    std::filesystem::create_directories(fx.Path("Users/Metric/Alpha"));
    const Session& s = fx.session();
    EXPECT_EQ(ResolveWorkDir(s, " " + fx.Root() + "x:y "), fx.Root() + "x:y");
    EXPECT_EQ(ResolveWorkDir(s, "C:\\Work"), "Alpha");
    EXPECT_EQ(ResolveWorkDir(s, "C:"), "Alpha");
}

TEST(ClearMachine, EmptiesEveryField) {
    FixtureInstallation fx;
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    Machine& m = fx.session().machine;
    ClearMachine(m);
    const Machine empty;
    EXPECT_EQ(m.MachineName, "");
    EXPECT_EQ(m.MachineFolder, "");
    EXPECT_EQ(m.MachineDataPrefix, "");
    EXPECT_FALSE(m.TurretMachine || m.ToolSettingsOn || m.MachineImperial);
    EXPECT_EQ(m.StationCount, 0);
    EXPECT_EQ(m.StationList, empty.StationList);
    EXPECT_EQ(m.StationTable[1].name, std::string(18, ' '));
    EXPECT_EQ(m.TurretStations.size(), 1U);
}

}  // namespace
}  // namespace tooling::core
