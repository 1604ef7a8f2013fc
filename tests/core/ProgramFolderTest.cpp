#include "core/ProgramFolder.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/GoldenCases.h"
#include "tests/support/NativeFileSystem.h"
#include "tests/support/TempDir.h"

namespace tooling::core {
namespace {

TEST(FindProgramFolder, LooksInTheOrderOfThePlaces) {
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_GOLDEN_DIR "/program-folder.txt")) {
        test::TempDir root;
        const auto path = [&](char name) { return root.path() + name; };
        for (const char name : std::string("abc")) {
            const bool holds = row.fields[4].find(name) != std::string::npos;
            test::WriteFile(path(name) + (holds ? "/Ostrevan.cfg" : "/Machine.lst"), "******\r\n");
        }
        const auto given = [&](const std::string& name) {
            return name.empty() ? name : path(name[0]);
        };
        const ProgramFolderSearch search =
            FindProgramFolder({given(row.fields[1]), given(row.fields[2]), given(row.fields[3])},
                              test::UnflushedFileSystem());
        std::string shown = search.found + "|";
        for (const std::string& folder : search.looked) {
            shown += folder;
        }
        std::string expected;
        for (const char c : row.fields[5] + "|" + row.fields[6]) {
            expected += c == '|' ? std::string("|") : test::Native(path(c) + "/");
        }
        EXPECT_EQ(shown, expected) << row.fields[0];
    }
}

TEST(NoSuiteConfigMessage, NamesEachFolderLookedIn) {
    const std::string advice =
        "\nChoose the program folder of the Ostrevan installation, the folder that holds "
        "Ostrevan.cfg. The Tool Library remembers it for the next start.";
    EXPECT_EQ(
        NoSuiteConfigMessage({"/home/ann/", "/opt/Ostrevan/Program/"}),
        "No Ostrevan.cfg was found in:\n    /home/ann/\n    /opt/Ostrevan/Program/\n" + advice);
    EXPECT_EQ(NoSuiteConfigMessage({}), "No Ostrevan.cfg was found.\n" + advice);
}

}  // namespace
}  // namespace tooling::core
