// The yardstick of the start-up measurement: a Qt window of the main window's size and nothing
// else, shown as the program shows its own.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.resize(800, 560);
    window.show();
    return QApplication::exec();
}
