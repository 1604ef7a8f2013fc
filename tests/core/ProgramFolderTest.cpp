#include "core/ProgramFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/NativeFileSystem.h"
#include "tests/support/TempDir.h"

namespace tooling::core {
namespace {

using Names = std::vector<std::string>;

// Folders are named by one letter under a temporary root: "a" is given as the option, "b" as
// the current folder, "c" as the remembered one (or the same letter twice); "" is not given.
struct SearchRow {
    const char* name;
    std::string option;
    std::string current;
    std::string remembered;
    Names holding;  // the folders that hold Ostrevan.cfg; the others exist empty unless "missing"
    Names missing;
    std::string found;
    Names looked;
};

class FindProgramFolderTest : public testing::TestWithParam<SearchRow> {};

TEST_P(FindProgramFolderTest, LooksInTheOrderOfThePlaces) {
    const SearchRow& row = GetParam();
    test::TempDir root;
    const auto path = [&](const std::string& name) {
        return name.empty() ? std::string() : root.path() + name;
    };
    for (const std::string name : {"a", "b", "c"}) {
        if (std::find(row.missing.begin(), row.missing.end(), name) != row.missing.end()) {
            continue;
        }
        const bool holds =
            std::find(row.holding.begin(), row.holding.end(), name) != row.holding.end();
        test::WriteFile(path(name) + (holds ? "/Ostrevan.cfg" : "/Machine.lst"), "******\r\n");
    }
    const platform::NativeFileSystem fs = test::UnflushedFileSystem();

    const ProgramFolderSearch search =
        FindProgramFolder({path(row.option), path(row.current), path(row.remembered)}, fs);

    EXPECT_EQ(search.found, row.found.empty() ? "" : test::Native(path(row.found) + "/"));
    Names looked;
    for (const std::string& name : row.looked) {
        looked.push_back(test::Native(path(name) + "/"));
    }
    EXPECT_EQ(search.looked, looked);
}

INSTANTIATE_TEST_SUITE_P(
    Places, FindProgramFolderTest,
    testing::Values(
        SearchRow{"OptionWinsOverTheCurrentFolder", "a", "b", "c", {"a", "b", "c"}, {}, "a", {"a"}},
        SearchRow{"OptionWithoutTheFileIsTheOnlyPlace", "a", "b", "c", {"b", "c"}, {}, "", {"a"}},
        SearchRow{"CurrentFolderBeforeRemembered", "", "b", "c", {"b", "c"}, {}, "b", {"b"}},
        SearchRow{"RememberedWhenCurrentLacksIt", "", "b", "c", {"c"}, {}, "c", {"b", "c"}},
        SearchRow{"NeitherHoldsIt", "", "b", "c", {}, {}, "", {"b", "c"}},
        SearchRow{"RememberedFolderGone", "", "b", "c", {}, {"c"}, "", {"b", "c"}},
        SearchRow{"NothingRemembered", "", "b", "", {}, {}, "", {"b"}},
        SearchRow{"RememberedIsTheCurrentFolder", "", "b", "b", {}, {}, "", {"b"}},
        SearchRow{"CurrentFolderWithoutName", "", "", "c", {"c"}, {}, "c", {"c"}}),
    [](const testing::TestParamInfo<SearchRow>& info) { return std::string(info.param.name); });

TEST(NoSuiteConfigMessage, NamesEachFolderLookedIn) {
    EXPECT_EQ(NoSuiteConfigMessage({"/home/ann/", "/opt/Ostrevan/Program/"}),
              "No Ostrevan.cfg was found in:\n"
              "    /home/ann/\n"
              "    /opt/Ostrevan/Program/\n"
              "\n"
              "Choose the program folder of the Ostrevan installation, the folder that holds "
              "Ostrevan.cfg. The Tool Library remembers it for the next start.");
    EXPECT_EQ(NoSuiteConfigMessage({}),
              "No Ostrevan.cfg was found.\n"
              "\n"
              "Choose the program folder of the Ostrevan installation, the folder that holds "
              "Ostrevan.cfg. The Tool Library remembers it for the next start.");
}

}  // namespace
}  // namespace tooling::core
