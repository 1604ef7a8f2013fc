#include "core/SuiteConfig.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Session.h"
#include "core/StartUp.h"
#include "platform/FileError.h"
#include "tests/core/Tree.h"
#include "tests/support/FixtureInstallation.h"

namespace tooling::core {
namespace {

using test::FixtureInstallation;

std::string Cfg(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

std::string FileErrorOf(Session& session) {
    try {
        ReadSuiteConfig(session);
    } catch (const platform::FileError& e) {
        return e.what();
    }
    return "no error";
}

TEST(ReadSuiteConfig, MachineNumberIsTheRoundedLeadingNumberAtLeastOne) {
    struct Row {
        const char* line4;
        std::int16_t expected;
    };
    const Row rows[] = {{"0", 1},         {"-3", 1},          {"", 1},       {"   ", 1},
                        {"machine", 1},   {"2.6", 3},         {"2.5", 2},    {"3.5", 4},
                        {"  7 words", 7}, {" 1 ", 1},         {"-99999", 1}, {"-1e300", 1},
                        {"32767", 32767}, {"32767.4", 32767}, {"0.5", 1},    {"1.5", 2}};
    for (const Row& r : rows) {
        FixtureInstallation fx;
        fx.Write("Program/Ostrevan.cfg",
                 Cfg({fx.ProgramDir(), fx.DataDir(), fx.UserRoot(), r.line4, "Ostrevan"}));
        ReadSuiteConfig(fx.session());
        EXPECT_EQ(fx.session().inst.MachineNo, r.expected) << "line 4: \"" << r.line4 << "\"";
    }
}

TEST(ReadSuiteConfig, MachineNumberAbove16BitsIsAFileErrorOfLine4) {
    for (const char* line4 : {"99999", "32767.6", "1e300"}) {
        FixtureInstallation fx;
        fx.Write("Program/Ostrevan.cfg",
                 Cfg({fx.ProgramDir(), fx.DataDir(), fx.UserRoot(), line4, "Ostrevan"}));
        EXPECT_EQ(FileErrorOf(fx.session()), "\"" + fx.ProgramDir() +
                                                 "Ostrevan.cfg\": line 4: machine number \"" +
                                                 line4 + "\" is above 32767");
    }
}

TEST(ReadSuiteConfig, RootsGetExactlyOneFinalSeparator) {
    FixtureInstallation fx;
    std::string program = fx.ProgramDir();
    program.pop_back();
    fx.Write("Program/Ostrevan.cfg",
             Cfg({"  " + program + "  ", fx.DataDir(), "", " 2 ", "  Work Dir  "}));
    ReadSuiteConfig(fx.session());
    const Installation& inst = fx.session().inst;
    EXPECT_EQ(inst.ProgramDir, fx.ProgramDir());
    EXPECT_EQ(inst.DataDir, fx.DataDir());
    EXPECT_EQ(inst.UserRoot, "/");
    EXPECT_EQ(inst.MachineNo, 2);
    EXPECT_EQ(inst.UserDirName, "Work Dir");
}

TEST(ReadSuiteConfig, WorkFolderWithAColonIsEmptiedAndLinesAfterTheFifthAreIgnored) {
    FixtureInstallation fx;
    fx.Write("Program/Ostrevan.cfg", Cfg({fx.ProgramDir(), fx.DataDir(), fx.UserRoot(), "1",
                                          "D:\\Work", "ignored", "99999"}));
    ReadSuiteConfig(fx.session());
    EXPECT_EQ(fx.session().inst.UserDirName, "");
    EXPECT_EQ(fx.session().inst.MachineNo, 1);
}

TEST(ReadSuiteConfig, MissingOrShortConfigurationIsAFileError) {
    FixtureInstallation fx;
    const std::string path = fx.ProgramDir() + "Ostrevan.cfg";
    fx.Write("Program/Ostrevan.cfg", Cfg({fx.ProgramDir(), fx.DataDir(), fx.UserRoot(), "1"}));
    EXPECT_EQ(FileErrorOf(fx.session()), "\"" + path + "\": fewer than 5 lines");
    // A fifth line without its line end still counts.
    fx.Write("Program/Ostrevan.cfg",
             Cfg({fx.ProgramDir(), fx.DataDir(), fx.UserRoot(), "1"}) + "Ostrevan");
    EXPECT_EQ(FileErrorOf(fx.session()), "no error");
    fx.Remove("Program/Ostrevan.cfg");
    EXPECT_EQ(FileErrorOf(fx.session()), "\"" + path + "\": file not found");
}

TEST(ReadSuiteConfig, SiblingsDecidePresenceFlags) {
    struct Row {
        std::vector<const char*> dropped;
        bool reverse;
        bool siblings;
        bool reversePresent;
    };
    const Row rows[] = {{{}, false, true, false},
                        {{}, true, true, true},
                        {{"Varnholt.exe"}, false, false, false},
                        {{"Pellarin.exe"}, false, false, false},
                        {{"Varnholt.exe", "Pellarin.exe"}, false, false, false},
                        {{"Varnholt.exe"}, true, false, false}};
    for (const Row& r : rows) {
        FixtureInstallation fx;
        for (const char* program : r.dropped) {
            fx.DropSibling(program);
        }
        if (r.reverse) {
            fx.AddReverseProgram();
        }
        ReadSuiteConfig(fx.session());
        const Installation& inst = fx.session().inst;
        EXPECT_EQ(inst.SiblingsPresent, r.siblings);
        EXPECT_EQ(inst.ReverseProgPresent, r.reversePresent);
        EXPECT_EQ(fx.Exists("Data/RevSubs"), r.reversePresent);
        EXPECT_EQ(fx.Exists("Data/Blocks"), r.siblings);
        EXPECT_EQ(fx.Exists("Program/Undo"), r.siblings);
        EXPECT_EQ(inst.ProgramDrive, fx.services().fs.VolumeOf(fx.ProgramDir()));
        EXPECT_FALSE(inst.ProgramDrive.empty());
    }
}

TEST(ReadSuiteConfig, SiblingNamesIgnoreCase) {
    FixtureInstallation fx;
    fx.DropSibling("Varnholt.exe");
    fx.Write("Program/VARNHOLT.EXE", "x");
    ReadSuiteConfig(fx.session());
    EXPECT_TRUE(fx.session().inst.SiblingsPresent);
}

TEST(ReadSuiteConfig, ReverseProgramNeedsItsListAndTheMachineList) {
    for (const char* missing : {"Reverse.lst", "Machine.lst"}) {
        FixtureInstallation fx;
        fx.AddReverseProgram();
        fx.Remove(std::string("Program/") + missing);
        EXPECT_EQ(FileErrorOf(fx.session()),
                  "\"" + fx.ProgramDir() + missing + "\": file not found");
        EXPECT_FALSE(fx.Exists("Data/RevSubs"));
    }
}

TEST(ReadSuiteConfig, FirstStartSeedsDataDefaultWithExactCopies) {
    FixtureInstallation fx;
    fx.Write("Data/Data/Notes.txt", std::string("binary\0\r\nbytes", 15));
    fx.Write("Data/Data/Sub/Inner.txt", "not copied");
    const std::set<std::string> before = test::Tree(fx.Path("Data/Data/"));
    ReadSuiteConfig(fx.session());
    std::vector<std::string> copied;
    for (const std::string& entry : before) {
        if (entry.find('/') == std::string::npos) {
            copied.push_back("Default/" + entry);
            EXPECT_EQ(fx.Read("Data/Data/Default/" + entry), fx.Read("Data/Data/" + entry));
        }
    }
    copied.insert(copied.begin(), "Default/");
    EXPECT_EQ(test::Added(before, test::Tree(fx.Path("Data/Data/"))), copied);
    EXPECT_EQ(copied.size(), 19U);  // the folder, 17 machine files and Notes.txt

    // A second start copies nothing, even what is new or changed.
    fx.Write("Data/Data/Later.txt", "later");
    fx.Write("Data/Data/Notes.txt", "changed");
    const std::set<std::string> seeded = test::Tree(fx.Path("Data/Data/"));
    ReadSuiteConfig(fx.Restart());
    EXPECT_EQ(test::Tree(fx.Path("Data/Data/")), seeded);
    EXPECT_EQ(fx.Read("Data/Data/Default/Notes.txt"), std::string("binary\0\r\nbytes", 15));
}

TEST(ReadSuiteConfig, ExistingEmptyDataDefaultIsLeftEmpty) {
    FixtureInstallation fx;
    std::filesystem::create_directories(fx.Path("Data/Data/default"));
    ReadSuiteConfig(fx.session());
    EXPECT_TRUE(std::filesystem::is_empty(fx.Path("Data/Data/default")));
    EXPECT_FALSE(fx.Exists("Data/Data/Default"));
}

TEST(ReadSuiteConfig, MissingDataFolderIsAFileError) {
    FixtureInstallation fx;
    fx.Remove("Data/Data");
    EXPECT_EQ(FileErrorOf(fx.session()), "\"" + fx.DataDir() +
                                             "Data/Default\": cannot create the folder: No such "
                                             "file or directory");
}

}  // namespace
}  // namespace tooling::core
