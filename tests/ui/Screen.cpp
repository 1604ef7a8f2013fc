#include "tests/ui/Screen.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <cstdlib>

#include "core/Session.h"
#include "tests/support/GoldenText.h"
#include "ui/StatusLine.h"

namespace tooling::test {

namespace {

QString Lines(const QAbstractItemModel& model, const std::function<bool(int)>& selected) {
    QStringList lines;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            cells << model.index(row, column).data().toString();
        }
        lines << cells.join('|') + (selected(row) ? "*" : "");
    }
    return lines.join(',');
}

QString Part(const QWidget* widget) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return "[" + frame->title() + "]";
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
        return (box->isEnabled() ? "'" : "~'") + box->text() + "'";
    }
    if (const auto* tick = qobject_cast<const QCheckBox*>(widget)) {
        return tick->text() + (tick->isChecked() ? "[x]" : "[ ]");
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text().isEmpty() ? ""
                                        : (button->isEnabled() ? "(" : "~(") + button->text() + ")";
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return Lines(*combo->model(), [combo](int row) { return row == combo->currentIndex(); });
    }
    const auto* view = qobject_cast<const QAbstractItemView*>(widget);
    if (view == nullptr || qobject_cast<const QHeaderView*>(widget) != nullptr) {
        return {};
    }
    return Lines(*view->model(),
                 [view](int row) { return view->selectionModel()->isRowSelected(row); });
}

// Menu entries as the user finds them: the caption, "~" before a disabled entry, "*" after a
// checked one, "-" for a separator, a menu's entries in brackets; hidden entries left out.
std::string MenuEntries(const QList<QAction*>& actions) {
    QStringList entries;
    for (const QAction* action : actions) {
        QString entry = (action->isEnabled() ? "" : "~") +
                        (action->isSeparator() ? QStringLiteral("-") : action->text()) +
                        (action->isChecked() ? "*" : "");
        if (action->menu() != nullptr) {
            entry += "[" + QString::fromStdString(MenuEntries(action->menu()->actions())) + "]";
        }
        if (action->isVisible()) {
            entries << entry;
        }
    }
    return entries.join('|').toStdString();
}

}  // namespace

std::string Shown(const QWidget& root) {
    QStringList parts{root.isWindow() ? root.windowTitle() : Part(&root)};
    for (const QWidget* widget : root.findChildren<QWidget*>()) {
        if (widget->isVisible() && !Part(widget).isEmpty()) {
            parts << Part(widget);
        }
    }
    if (const QWidget* focus = root.focusWidget(); focus != nullptr && root.isWindow()) {
        parts << "focus " + focus->objectName();
    }
    return parts.join(" | ").toStdString();
}

void ClickRow(QAbstractItemView& view, int row, bool twice) {
    const QPoint at = view.visualRect(view.model()->index(row, 0)).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    if (twice) {
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
    }
}

void WithModal(const std::function<void(QWidget&)>& act, const std::function<void()>& open) {
    int runs = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || runs > 0) {
            return;
        }
        ++runs;
        act(*modal);
        if (modal->isVisible()) {
            modal->close();
        }
    });
    poll.start(10);
    open();
    EXPECT_EQ(runs, 1) << "no window came up";
}

Transcript& Transcript::operator<<(const std::string& line) {
    for (const char c : Replaced(line, root_, "<root>/")) {
        text_ += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    }
    text_ += "\n";
    return *this;
}

Transcript& Transcript::operator<<(std::vector<std::string>& events) {
    for (const std::string& event : events) {
        *this << "  " + event;
    }
    events.clear();
    return *this;
}

Transcript::~Transcript() {
    ExpectTranscript(text_);
}

MainWindowFixture::MainWindowFixture(int machineNo,
                                     const std::function<void(FixtureInstallation&)>& change)
    : fixture(machineNo) {
    for (const char* folder : {"Metric", "Imperial"}) {
        fixture.Write("Data/Tools/" + std::string(folder) + "/Shop.lkp", "******\r\n");
    }
    if (change) {
        change(fixture);
    }
    window = std::make_unique<ui::ToolLibrary>(fixture.session());
    EXPECT_EQ(window->Form_Load(), core::StartOutcome::Ready);
}

std::string MainWindowFixture::MenusAndStatus() const {
    const ui::StatusLine& line = window->statusLine();
    return MenuEntries(window->menuBar()->actions()) +
           QStringLiteral(" [%1][%2][%3]")
               .arg(line.leftText(), line.middleText(), line.rightText())
               .toStdString();
}

}  // namespace tooling::test
