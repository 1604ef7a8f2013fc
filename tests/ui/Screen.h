#pragma once

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/FixtureInstallation.h"
#include "ui/ToolLibrary.h"

namespace tooling::test {

// A widget as the user sees it: its title, then its visible frames and controls in creation
// order, joined by " | ": frame titles in brackets, labels, box texts in quotes, a tick box with
// [x] or [ ], button captions in parentheses ("~" before a disabled box or button), each list's
// or table's lines with "*" after the selected ones; for a window, the control with the focus.
std::string Shown(const QWidget& root);

void ClickRow(QAbstractItemView& view, int row, bool twice = false);

// Runs `act` on the modal window once `open` brings it up, and closes it if `act` did not.
void WithModal(const std::function<void(QWidget&)>& act, const std::function<void()>& open);

template <typename Widget>
Widget* Find(const QWidget& root, const char* name) {
    return root.findChild<Widget*>(QString::fromLatin1(name));
}

// What a test saw, a line at a time, compared whole with its transcript when it ends; the
// fixture's root folder is written "<root>/", line ends within a line "\r" and "\n".
class Transcript {
  public:
    explicit Transcript(std::string root = {}) : root_(std::move(root)) {}
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;
    ~Transcript();

    Transcript& operator<<(const std::string& line);
    Transcript& operator<<(const char* line) { return *this << std::string(line); }
    Transcript& operator<<(const QString& line) { return *this << line.toStdString(); }
    // Each event on its line, and the list emptied.
    Transcript& operator<<(std::vector<std::string>& events);

  private:
    std::string root_;
    std::string text_;
};

// The main window, loaded, on a fixture installation of the machine whose tool folders hold
// the library "Shop".
class MainWindowFixture {
  public:
    explicit MainWindowFixture(int machineNo = FixtureInstallation::kMetric,
                               const std::function<void(FixtureInstallation&)>& change = {});

    core::Session& session() { return fixture.session(); }
    QAction* Action(const char* name) { return Find<QAction>(*window, name); }
    // The menu bar with every menu's entries, then the status line's three texts in brackets.
    std::string MenusAndStatus() const;

    FixtureInstallation fixture;
    std::unique_ptr<ui::ToolLibrary> window;
};

}  // namespace tooling::test
