#include <QApplication>

#include "ui/ToolLibrary.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ostrevan Tool Library"));
    tooling::ui::ToolLibrary window;
    window.show();
    return QApplication::exec();
}
