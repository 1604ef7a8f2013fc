#include <QApplication>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/Session.h"
#include "platform/NativeFileSystem.h"
#include "platform/Services.h"
#include "platform/qt/QtProcess.h"
#include "platform/qt/QtTextPage.h"
#include "platform/qt/QtUi.h"
#include "ui/StartMainWindow.h"
#include "ui/ToolLibrary.h"

namespace {

// The folder the program was started in, with a final separator; empty (read relative to it)
// when it can no longer be named.
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

// Exit statuses: 0 after the window is closed, 1 when start-up fails on a file (reported in a
// message box and on standard error), 2 when a sibling program of the suite is missing.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ostrevan Tool Library"));

    tooling::platform::NativeFileSystem fs;
    tooling::platform::QtUi ui;
    tooling::platform::QtTextPage printer;
    tooling::platform::QtProcess process;
    tooling::platform::Services services{fs, ui, printer, process};

    tooling::core::Session session(services);
    session.inst.StartDir = StartDir();

    tooling::ui::ToolLibrary window(session);
    if (const int status = tooling::ui::StartMainWindow(window, ui); status != 0) {
        return status;
    }
    window.show();
    return QApplication::exec();
}
