#pragma once

#include <QMainWindow>

namespace tooling::ui {

// The main window: menus, frames and the status line.
class ToolLibrary : public QMainWindow {
    Q_OBJECT

  public:
    explicit ToolLibrary(QWidget* parent = nullptr);
};

}  // namespace tooling::ui
