#include <QApplication>
#include <QIcon>
#include <iostream>
#include <string>
#include <vector>

#include "core/ProgramArgs.h"
#include "core/Session.h"
#include "core/Version.h"
#include "platform/NativeFileSystem.h"
#include "platform/Services.h"
#include "platform/qt/QtProcess.h"
#include "platform/qt/QtTextPage.h"
#include "platform/qt/QtUi.h"
#include "ui/StartFolderChoice.h"
#include "ui/StartMainWindow.h"
#include "ui/ToolLibrary.h"

// Exit statuses: 0 after the window is closed, 1 when start-up fails on a file (reported in a
// message box and on standard error) or no program folder was chosen, 2 when a sibling program
// of the suite is missing, 64 on a command line it does not understand.
int main(int argc, char* argv[]) {
    // Help and version need no display.
    switch (tooling::core::AskedInfo({argv + 1, argv + argc})) {
        case tooling::core::ProgramInfo::Help:
            std::cout << tooling::core::ProgramHelp();
            return 0;
        case tooling::core::ProgramInfo::Version:
            std::cout << tooling::core::VersionLine("tooling");
            return 0;
        case tooling::core::ProgramInfo::None:
            break;
    }

    QApplication app(argc, argv);  // takes its own options out of argv
    QApplication::setOrganizationName(QStringLiteral("Ostrevan"));
    QApplication::setApplicationName(QStringLiteral("Ostrevan Tool Library"));
    QApplication::setApplicationVersion(QString::fromUtf8(tooling::core::kVersion));
    QApplication::setDesktopFileName(QStringLiteral("org.ostrevan.Tooling"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.ostrevan.Tooling")));

    const tooling::core::ProgramArgs args =
        tooling::core::ParseProgramArgs({argv + 1, argv + argc});
    if (!args.error.empty()) {
        std::cerr << "tooling: " << args.error << "\n(tooling --help tells more)\n";
        return tooling::core::kExitUsage;
    }

    tooling::platform::NativeFileSystem fs;
    const std::optional<std::string> startDir = tooling::ui::ChooseStartFolder(args.programDir, fs);
    if (!startDir) {
        return tooling::ui::kExitStartupError;
    }

    tooling::platform::QtUi ui;
    tooling::platform::QtTextPage printer;
    tooling::platform::QtProcess process;
    tooling::platform::Services services{fs, ui, printer, process};

    tooling::core::Session session(services);
    session.inst.StartDir = *startDir;

    tooling::ui::ToolLibrary window(session);
    if (const int status = tooling::ui::StartMainWindow(window, ui); status != 0) {
        return status;
    }
    window.show();
    return QApplication::exec();
}
