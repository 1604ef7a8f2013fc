#include "core/ProgramArgs.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace tooling::core {
namespace {

// The program folder or what is wrong with the line, and --help or --version anywhere, help
// first.
TEST(ProgramArgs, TakesTheProgramFolderAndHelpAndVersionAndRefusesEverythingElse) {
    // The arguments, the program folder and "|" and what is wrong, what is only told.
    const std::tuple<std::vector<std::string>, std::string, ProgramInfo> rows[] = {
        {{}, "|", ProgramInfo::None},
        {{"--program-dir", "/opt/O/Program"}, "/opt/O/Program|", ProgramInfo::None},
        {{"--program-dir=/opt/O"}, "/opt/O|", ProgramInfo::None},
        {{"--program-dir", "a", "--program-dir", "b"}, "b|", ProgramInfo::None},
        {{"--program-dir"}, "|--program-dir needs a folder", ProgramInfo::None},
        {{"--program-dir", ""}, "|--program-dir needs a folder", ProgramInfo::None},
        {{"--program-dir="}, "|--program-dir needs a folder", ProgramInfo::None},
        {{"--program-dir", "a", "--version"},
         "a|unknown argument \"--version\"",
         ProgramInfo::Version},
        {{"-h"}, "|unknown argument \"-h\"", ProgramInfo::Help},
        {{"--version", "--help"}, "|unknown argument \"--version\"", ProgramInfo::Help},
    };
    for (const auto& [args, parsed, info] : rows) {
        const ProgramArgs got = ParseProgramArgs(args);
        EXPECT_EQ(got.programDir + "|" + got.error, parsed) << testing::PrintToString(args);
        EXPECT_EQ(AskedInfo(args), info) << testing::PrintToString(args);
    }
}

}  // namespace
}  // namespace tooling::core
