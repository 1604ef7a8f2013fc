#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>

#include "core/Session.h"
#include "core/StartUp.h"
#include "core/Stations.h"
#include "platform/FileError.h"
#include "tests/support/FixtureInstallation.h"

namespace tooling::core {
namespace {

using test::FixtureInstallation;

// Bytes made of what the suite's files are made of, so that most of them come close to valid.
std::string RandomText(std::mt19937& random, std::size_t maxLength) {
    static const std::string kAlphabet = "0123456789,,,\"\r\n\r\n  -.eE:*AZaz\t";
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::string text(length(random), ' ');
    for (char& c : text) {
        c = kAlphabet[pick(random)];
    }
    return text;
}

// Any content of the station files gives the tables or a file error, never a crash.
TEST(RandomFiles, StationFilesGiveTablesOrAFileError) {
    FixtureInstallation fx;
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    std::mt19937 random(20240611);
    int errors = 0;
    for (int i = 0; i < 600; ++i) {
        fx.Write(i % 2 == 0 ? "Data/Data/Metric.stn" : "Data/Data/Metric.trt",
                 RandomText(random, 120));
        try {
            ReadStations(fx.session());
        } catch (const platform::FileError&) {
            ++errors;
        }
        const Machine& m = fx.session().machine;
        ASSERT_GE(m.StationList[0], 0);
        ASSERT_LE(m.StationList[0], kMaxStationType);
        for (const TurretStation& s : m.TurretStations) {
            ASSERT_TRUE(s.type >= 0 && s.type <= kMaxStationType);
        }
        for (const StationType& t : m.StationTable) {
            ASSERT_EQ(t.name.size(), kStationNameWidth);
        }
    }
    EXPECT_GT(errors, 0);
    EXPECT_LT(errors, 600);
}

// Any content of the machine list, the machine files and the configuration's machine number and
// work folder starts the machine or stops with a file error; nothing is created outside the
// installation.
TEST(RandomFiles, MachineFilesStartOrGiveAFileError) {
    FixtureInstallation fx;
    const auto here = [] {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(".")) {
            names.insert(entry.path().filename().string());
        }
        return names;
    };
    const std::set<std::string> before = here();
    std::mt19937 random(7);
    const char* files[] = {"Program/Machine.lst", "Data/Data/Metric.mch", "Data/Data/Metric.msr",
                           "Data/Data/Metric.prm", "Program/Ostrevan.cfg"};
    int ready = 0;
    for (int i = 0; i < 150; ++i) {
        const std::string file = files[i % 5];
        const std::string original = fx.Read(file);
        if (file == "Program/Ostrevan.cfg") {
            fx.Write(file, fx.ProgramDir() + "\r\n" + fx.DataDir() + "\r\n" + fx.UserRoot() +
                               "\r\n" + RandomText(random, 12) + "\r\n" + RandomText(random, 12));
        } else if (file == "Data/Data/Metric.mch") {
            // The layout's first lines kept, so the random part reaches the pair lines.
            fx.Write(file, original.substr(0, original.find("Number Of Zone Pairs")) +
                               RandomText(random, 80));
        } else {
            fx.Write(file, RandomText(random, 80));
        }
        try {
            if (StartUp(fx.Restart()) == StartOutcome::Ready) {
                ++ready;
            }
        } catch (const platform::FileError&) {
        }
        fx.Write(file, original);
        fx.WriteConfig(1);
    }
    EXPECT_GT(ready, 0);
    EXPECT_EQ(here(), before);
}

}  // namespace
}  // namespace tooling::core
