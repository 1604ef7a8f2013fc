#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "platform/NativeFileSystem.h"
#include "platform/StartFolder.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#ifdef TOOLING_CLI_PDF
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "cli/PdfPage.h"
#endif

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    tooling::platform::NativeFileSystem fs;
    tooling::cli::CliContext context{
        std::cout, std::cerr, fs, tooling::platform::StartFolder(), {}};
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
