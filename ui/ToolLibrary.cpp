#include "ui/ToolLibrary.h"

namespace tooling::ui {

ToolLibrary::ToolLibrary(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Tool Library"));
    resize(800, 560);
}

}  // namespace tooling::ui
