// The least a window with a menu bar and a line of text costs: a main window of the program's
// size with one menu and a label. Between the bare window and the program, it shows how much of
// the gap any such window pays (the font database, the menu bar) and how much is the program's.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Menu Window"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.setCentralWidget(new QLabel(QStringLiteral("Tool Library")));
    window.resize(800, 560);
    window.show();
    return QApplication::exec();
}
