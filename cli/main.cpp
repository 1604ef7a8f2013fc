#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/Commands.h"

#ifdef _WIN32
#include <io.h>

#include "platform/win/WinFileSystem.h"
using NativeFileSystem = tooling::platform::WinFileSystem;
#else
#include <unistd.h>

#include "platform/posix/PosixFileSystem.h"
using NativeFileSystem = tooling::platform::PosixFileSystem;
#endif

#ifdef TOOLING_CLI_PDF
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "cli/PdfPage.h"
#endif

namespace {

// The folder the program was started in, with a final separator; empty when it can no longer
// be named.
std::string StartDir() {
    std::error_code error;
    std::string dir = std::filesystem::current_path(error).string();
    if (error || dir.empty()) {
        return {};
    }
    if (dir.back() != tooling::platform::kSeparator) {
        dir += tooling::platform::kSeparator;
    }
    return dir;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    NativeFileSystem fs;
    tooling::cli::CliContext context{std::cout, std::cerr, fs, StartDir(), {}};
#ifdef _WIN32
    context.showProgress = _isatty(_fileno(stderr)) != 0;
#else
    context.showProgress = isatty(STDERR_FILENO) != 0;
#endif
#ifdef TOOLING_CLI_PDF
    // Qt starts only for a print command, and draws its pages without a display.
    std::unique_ptr<QGuiApplication> app;
    context.pdfPage = [&](const std::string& path) {
        if (!app) {
            if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            app = std::make_unique<QGuiApplication>(argc, argv);
        }
        return tooling::cli::PdfPage(path);
    };
#endif
    return tooling::cli::RunCli(args, context);
}
