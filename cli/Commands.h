#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextPage.h"

namespace tooling::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitDataError = 1;
inline constexpr int kExitUsage = 2;

// What one run of tooling-cli is given from outside.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    platform::FileSystem& fs;
    // The folder the run was started in, with a final separator (empty: the current folder).
    std::string startDir;
    // A page that writes a PDF file at the path; empty when the build has no PDF printing.
    std::function<std::unique_ptr<platform::TextPage>(const std::string& path)> pdfPage;
    // The error stream is a terminal: long imports show a progress line on it.
    bool showProgress = false;
};

// Runs the command line (without the program's name) on the installation and returns the exit
// status: 0 success, 1 a file or data error (told on the error stream), 2 a usage error.
int RunCli(const std::vector<std::string>& args, const CliContext& context);

}  // namespace tooling::cli
