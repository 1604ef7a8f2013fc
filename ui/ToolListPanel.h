#pragma once

#include <QGroupBox>

#include "tools/ToolListPanel.h"

class QItemSelection;
class QLabel;
class QModelIndex;
class QPushButton;
class QTableView;

namespace tooling::core {
struct Session;
}

namespace tooling::ui {

class ToolListModel;

// The main window's tool list frame (ToolFrame): shows a tools::ToolListPanel and hands it the
// user's clicks. The widgets carry the names of the frame's controls (ListLabel over ToolList,
// whose scroll bar is the ListBar, ToolOk the default button, ToolCncl the cancel button).
class ToolListPanel : public QGroupBox {
    Q_OBJECT

  public:
    // The window keeps the logic, so the frame is built only when a command first shows it.
    ToolListPanel(core::Session& session, tools::ToolListPanel& logic, QWidget* parent = nullptr);

    tools::ToolListPanel& logic() { return logic_; }
    const tools::ToolListPanel& logic() const { return logic_; }

    // Prints the tool list of the current shape.
    void PrintToolsBttn_Click();

    // Shows the logic's state; after a command has filled the list, puts the focus on it.
    void ShowState();
    void FocusList();

  signals:
    // Ok, Cancel or a double click has closed the frame; the window carries on with `action`.
    void closed(tools::PanelAction action);

  private:
    void SelectionChanged(const QItemSelection& on, const QItemSelection& off);
    void DoubleClicked(const QModelIndex& index);
    void HideBeforeOk();
    void Close(tools::PanelAction action);
    bool InCommand() const;
    // Column widths that put each column under its word of the heading.
    void AlignColumns();

    core::Session& session_;
    tools::ToolListPanel& logic_;
    QLabel* listLabel_;
    QTableView* list_;
    ToolListModel* model_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* print_;
};

}  // namespace tooling::ui
