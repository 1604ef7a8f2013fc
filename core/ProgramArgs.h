#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tooling::core {

// The command line of the program with a window (after the toolkit has taken its own options).
struct ProgramArgs {
    std::string programDir;  // --program-dir DIR; empty when not given
    std::string error;       // what is wrong with the line; empty when it is sound
};

// What the program only tells and then ends on, without a window or a display.
enum class ProgramInfo { None, Help, Version };

// --help (or -h) and --version anywhere on the line; help wins.
ProgramInfo AskedInfo(const std::vector<std::string>& args);

ProgramArgs ParseProgramArgs(const std::vector<std::string>& args);

// "tooling 1.2.3"
std::string VersionLine(std::string_view program);

// The text --help prints.
std::string ProgramHelp();

// The exit status of a command line the program does not understand.
inline constexpr int kExitUsage = 64;

}  // namespace tooling::core
