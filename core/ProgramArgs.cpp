#include "core/ProgramArgs.h"

#include <algorithm>

#include "core/Version.h"

namespace tooling::core {

ProgramInfo AskedInfo(const std::vector<std::string>& args) {
    const auto has = [&](std::string_view arg) {
        return std::find(args.begin(), args.end(), arg) != args.end();
    };
    if (has("--help") || has("-h")) {
        return ProgramInfo::Help;
    }
    return has("--version") ? ProgramInfo::Version : ProgramInfo::None;
}

ProgramArgs ParseProgramArgs(const std::vector<std::string>& args) {
    ProgramArgs parsed;
    constexpr std::string_view kProgramDir = "--program-dir";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == kProgramDir) {
            if (i + 1 == args.size() || args[i + 1].empty()) {
                parsed.error = "--program-dir needs a folder";
                return parsed;
            }
            parsed.programDir = args[++i];
        } else if (arg.starts_with(std::string(kProgramDir) + "=")) {
            parsed.programDir = arg.substr(kProgramDir.size() + 1);
            if (parsed.programDir.empty()) {
                parsed.error = "--program-dir needs a folder";
                return parsed;
            }
        } else {
            parsed.error = "unknown argument \"" + arg + "\"";
            return parsed;
        }
    }
    return parsed;
}

std::string VersionLine(std::string_view program) {
    return std::string(program) + " " + std::string(kVersion) + "\n";
}

std::string ProgramHelp() {
    return "usage: tooling [--program-dir DIR]\n"
           "\n"
           "The Ostrevan Tool Library: the punch tools, standard turrets and default tools of\n"
           "the installation whose Ostrevan.cfg lies in DIR. Without --program-dir it starts on\n"
           "the current folder when that holds Ostrevan.cfg, else on the folder chosen at the\n"
           "first start; when neither holds it, it says where it looked and asks for the folder.\n"
           "\n"
           "options:\n"
           "  --program-dir DIR   the folder that holds Ostrevan.cfg\n"
           "  --version           print the version and end\n"
           "  -h, --help          print this help and end\n"
           "Qt's own options (such as -platform NAME) are taken as well.\n"
           "\n"
           "Exit status: 0 the window was closed, 1 start-up failed on a file or no folder was\n"
           "chosen, 2 a program of the suite is missing from the program folder, 64 a command\n"
           "line it does not understand.\n";
}

}  // namespace tooling::core
