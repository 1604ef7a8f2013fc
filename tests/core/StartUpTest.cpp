#include "core/StartUp.h"

#include <gtest/gtest.h>

#include "core/Session.h"
#include "tests/core/Helpers.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/NativeFileSystem.h"

namespace tooling::core {
namespace {

using test::At;
using test::ErrorOf;
using test::FixtureInstallation;

const std::string kNoSuch = test::MissingFolderText();

// A fresh start creates exactly these, with Data/Default holding exact copies of the files
// directly in Data/Data; a later start creates and copies nothing.
TEST(StartUp, FreshInstallationGetsExactlyTheSuiteFolders) {
    const std::string binary("binary\0\r\nbytes", 15);
    for (const test::GoldenCase& row :
         test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/FreshInstallation.txt")) {
        SCOPED_TRACE(row.name);
        FixtureInstallation fx;
        if (row.name == "with the reverse program") {
            fx.AddReverseProgram();
        }
        fx.Write("Data/Data/Notes.txt", binary);
        fx.Write("Data/Data/Sub/Inner.txt", "not copied");
        fx.Remove("Data/Material");
        std::set<std::string> expected = test::Words(row["added"]);
        for (const auto& [entry, bytes] : test::Snapshot(fx.Path("Data/Data/"))) {
            if (entry.find('/') == std::string::npos) {
                expected.insert("Data/Data/Default/" + entry);
            }
        }
        EXPECT_EQ(test::AddedBy(fx.Root(),
                                [&] { ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready); }),
                  expected);
        EXPECT_TRUE(fx.ui().events.empty());

        const std::string config = fx.Read("Program/Ostrevan.cfg");
        fx.Write("Data/Data/Later.txt", "later");
        fx.Write("Data/Data/Notes.txt", "changed");
        EXPECT_EQ(test::AddedBy(fx.Root(), [&] { StartUp(fx.Restart()); }),
                  std::set<std::string>());
        EXPECT_EQ(fx.Read("Data/Data/Default/Notes.txt"), binary);
        EXPECT_EQ(fx.Read("Program/Ostrevan.cfg"), config);
    }
}

TEST(StartUp, MissingSiblingBeepsAndStopsAfterTheFirstStep) {
    for (const char* dropped : {"Program/Varnholt.exe", "Program/Pellarin.exe"}) {
        FixtureInstallation fx;
        fx.Remove(dropped);
        fx.AddReverseProgram();
        fx.WriteConfig("1");
        std::set<std::string> added = test::AddedBy(
            fx.Root(), [&] { EXPECT_EQ(StartUp(fx.session()), StartOutcome::Refused); });
        EXPECT_EQ(fx.ui().events, std::vector<std::string>{"beep"});
        EXPECT_EQ(fx.Read("Program/Ostrevan.cfg"), fx.Config("1"));
        // Only the first step's files: Data/Default with its copies and the two settings files.
        std::erase_if(added,
                      [](const std::string& e) { return e.starts_with("Data/Data/Default/"); });
        EXPECT_EQ(added, test::Words("Program/Acrobat.cfg Program/Manuals.cfg Program/Manuals/"));
        EXPECT_FALSE(fx.session().inst.ReverseProgPresent);
        EXPECT_EQ(fx.session().machine.MachineFolder, "");
    }
}

// The folder, the kind with its flags, the station count / turret-station rows, and whether the
// folders Tools, Turrets and Profiles of the machine were made.
std::string Loaded(FixtureInstallation& fx) {
    const Machine& m = fx.session().machine;
    EXPECT_EQ(m.ImperialDisplay, m.MachineImperial);
    int made = 0;
    for (const std::string top : {"Tools/", "Turrets/", "Profiles/"}) {
        made += fx.Exists("Data/" + top + m.MachineFolder) ? 1 : 0;
    }
    return m.MachineFolder + " " + std::to_string(m.MachineType) +
           (m.TurretMachine ? " turret" : "") + (m.RouterMachine ? " router" : "") +
           (m.MachineImperial ? " imperial" : "") + (m.ToolSettingsOn ? " settings" : "") + " " +
           std::to_string(m.StationCount) + "/" + std::to_string(m.TurretStations.size()) +
           (made > 0 ? " folders:" + std::to_string(made) : "");
}

TEST(StartUp, LoadsTheMachineOfTheConfiguration) {
    for (const test::GoldenCase& row :
         test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/LoadedMachines.txt")) {
        FixtureInstallation fx(std::stoi(row["machine"]));
        if (row.Has("file")) {
            test::Change(fx, row["file"], row);
        }
        ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready) << row.name;
        EXPECT_EQ(Loaded(fx), row["loaded"]) << row.name;
    }
}

// A start that fails leaves the configuration as it was.
TEST(StartUp, FileErrorsNameTheFileAndWhatIsWrong) {
    for (const test::GoldenCase& row :
         test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/StartUpErrors.txt")) {
        FixtureInstallation fx;
        const std::string file =
            row["file"][0] == '.' ? "Data/Data/Metric" + row["file"] : row["file"];
        fx.WriteConfig("1");  // a start that ends rewrites it with " 1 "
        if (row.Has("reverse program")) {
            fx.AddReverseProgram();
        }
        test::Change(fx, file, row);
        std::string error = row["error"];
        if (const std::size_t at = error.find("<missing folder>"); at != std::string::npos) {
            error.replace(at, std::string_view("<missing folder>").size(), kNoSuch);
        }
        std::string got;
        const std::set<std::string> added =
            test::AddedBy(fx.Root(), [&] { got = ErrorOf([&] { StartUp(fx.session()); }); });
        EXPECT_EQ(got, error[0] == '"' ? At(fx, error) : "\"" + fx.Path(file) + "\": " + error)
            << row.name;
        EXPECT_TRUE(!row.Has("reverse program") || added.empty()) << row.name;
        EXPECT_TRUE(!fx.Exists("Program/Ostrevan.cfg") ||
                    fx.Read("Program/Ostrevan.cfg") == fx.Config("1"));
    }
}

}  // namespace
}  // namespace tooling::core
