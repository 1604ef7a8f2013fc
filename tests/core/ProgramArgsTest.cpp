#include "core/ProgramArgs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tooling::core {
namespace {

using Args = std::vector<std::string>;

TEST(ProgramArgs, TakesTheProgramFolderAndRefusesEverythingElse) {
    struct Row {
        Args args;
        std::string programDir;
        std::string error;
    };
    const Row rows[] = {
        {{}, "", ""},
        {{"--program-dir", "/opt/O/Program"}, "/opt/O/Program", ""},
        {{"--program-dir=/opt/O"}, "/opt/O", ""},
        {{"--program-dir", "a", "--program-dir", "b"}, "b", ""},
        {{"--program-dir"}, "", "--program-dir needs a folder"},
        {{"--program-dir", ""}, "", "--program-dir needs a folder"},
        {{"--program-dir="}, "", "--program-dir needs a folder"},
        {{"/opt/O/Program"}, "", "unknown argument \"/opt/O/Program\""},
        {{"--program-dir", "a", "--library"}, "a", "unknown argument \"--library\""},
    };
    for (const Row& row : rows) {
        const ProgramArgs parsed = ParseProgramArgs(row.args);
        EXPECT_EQ(parsed.programDir, row.programDir) << testing::PrintToString(row.args);
        EXPECT_EQ(parsed.error, row.error) << testing::PrintToString(row.args);
    }
}

TEST(ProgramArgs, HelpAndVersionAnywhereHelpFirst) {
    const std::pair<Args, ProgramInfo> rows[] = {
        {{}, ProgramInfo::None},
        {{"--program-dir", "x"}, ProgramInfo::None},
        {{"--version"}, ProgramInfo::Version},
        {{"--program-dir", "x", "--version"}, ProgramInfo::Version},
        {{"-h"}, ProgramInfo::Help},
        {{"--version", "--help"}, ProgramInfo::Help},
        {{"--versions"}, ProgramInfo::None},
    };
    for (const auto& [args, info] : rows) {
        EXPECT_EQ(AskedInfo(args), info) << testing::PrintToString(args);
    }
}

}  // namespace
}  // namespace tooling::core
