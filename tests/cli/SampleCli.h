#pragma once

// A copy of the sample installation and tooling-cli run on it, as the program runs it.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/NativeFileSystem.h"
#include "tests/support/TempDir.h"

namespace tooling::test {

inline constexpr std::string_view kShapeCodes = "ABCDEFGHIJKLMS";

class SampleCli : public ::testing::Test {
  protected:
    SampleCli() {
        std::filesystem::copy(TOOLING_EXAMPLES_DIR, PathOf(dir_.path()),
                              std::filesystem::copy_options::recursive);
        Configure(1);
    }

    // The installation's configuration, naming the machine.
    void Configure(int machineNo) {
        WriteFile(Path("Program/Ostrevan.cfg"),
                  Path("Program/") + "\r\n" + Path("Data/") + "\r\n" + Path("Users/") + "\r\n " +
                      std::to_string(machineNo) + " \r\nOstrevan\r\n******\r\n");
    }

    // A file of expected output kept beside the tests.
    static std::string Golden(std::string_view name) {
        return ReadFile(TOOLING_GOLDEN_DIR "/" + std::string(name));
    }

    std::string Path(std::string_view relative) const { return dir_.path() + Native(relative); }
    std::string Tools(std::string_view ext) const {
        return Path("Data/Tools/Kestrel20/Shop Standard.") + std::string(ext);
    }
    std::string ToolFile(char code) const { return Tools(std::string(1, code)); }
    std::vector<std::string> ToolFiles() const {
        std::vector<std::string> files;
        for (const char code : kShapeCodes) {
            files.push_back(FileExists(ToolFile(code)) ? ReadFile(ToolFile(code)) : "(none)");
        }
        return files;
    }

    // Runs tooling-cli in the sample's program folder; the exit status.
    int Run(const std::vector<std::string>& args) {
        out_.str({});
        err_.str({});
        cli::CliContext context{out_, err_, fs_, Path("Program/"), {}, progress_};
        return cli::RunCli(args, context);
    }

    TempDir dir_;
    bool progress_ = false;  // as on a terminal
    NativeFileSystem fs_ = UnflushedFileSystem();
    std::ostringstream out_;
    std::ostringstream err_;
};

}  // namespace tooling::test
