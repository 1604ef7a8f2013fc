#include <QApplication>

#include "core/Session.h"
#include "platform/NativeFileSystem.h"
#include "platform/Services.h"
#include "platform/StartFolder.h"
#include "platform/qt/QtProcess.h"
#include "platform/qt/QtTextPage.h"
#include "platform/qt/QtUi.h"
#include "ui/StartMainWindow.h"
#include "ui/ToolLibrary.h"

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
    session.inst.StartDir = tooling::platform::StartFolder();

    tooling::ui::ToolLibrary window(session);
    if (const int status = tooling::ui::StartMainWindow(window, ui); status != 0) {
        return status;
    }
    window.show();
    return QApplication::exec();
}
