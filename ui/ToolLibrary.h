#pragma once

#include <QMainWindow>
#include <QString>
#include <array>

#include "core/StartUp.h"
#include "tools/ToolListPanel.h"

class QAction;
class QMenu;
class QVBoxLayout;

namespace tooling::core {
struct Session;
}

namespace tooling::ui {

class StatusLine;
class ToolListPanel;
class TurretFrames;

// The main window: the menu bar that holds every command, the frames the commands show and the
// status line naming the library, the tool shape and the machine.
class ToolLibrary : public QMainWindow {
    Q_OBJECT

  public:
    explicit ToolLibrary(core::Session& session, QWidget* parent = nullptr);

    // Start-up followed by the window's own set-up. Returns Refused when the program must end
    // quietly (a sibling program is missing); a file error throws platform::FileError. The
    // window is not shown here, so on either failure nothing of it has appeared.
    core::StartOutcome Form_Load();
    // The window's own set-up, on a session whose start-up has been done.
    void SetUpWindow();

    // Redraws the status line and moves the Tool Shape check mark to the current shape.
    void ToolStatus();
    // Forgets the station lines the add dialogs remembered.
    void ClearStnLidx();
    // Every command that shows a frame or a dialog calls MenusOff first and MenusOn last.
    void MenusOff();
    void MenusOn();

    void LibraryItem_Click(int index);
    void DefaultTool_Click(int index);
    void ExportItem_Click();
    // Does what the tool list panel's Print button does.
    void PrintToolsItem_Click();
    // The pages Print Tool List would print, in a preview window.
    void PrintPreviewItem_Click();
    void ToolShape_Click(int index);
    void AddTool_Click();
    void EditTool_Click();
    void DeleteTool_Click();
    void Measurement_Click(int index);
    void ToolSettings_Click();
    void ExitLibrary_Click();
    // Help, About Tool Library: the program's name and version.
    void AboutItem_Click();

    const StatusLine& statusLine() const { return *statusBar_; }
    QString listHeader() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption);
    void AddSeparator(QMenu* menu, const QString& name);
    void BuildMenus();
    void BuildClientArea();
    // The frames are built when a command first needs them: a window that starts and ends
    // without a tool list or a turret command never pays for them.
    ToolListPanel& ToolList();
    TurretFrames& Turrets();
    // Shows the list logic's state in the frame, building it only when the list is to be seen.
    void ShowToolList();
    void ShowMeasurementMarks();
    void ShowDefaultToolMarks();
    void SetMenusEnabled(bool on);
    // Edit Tool or Delete Tool: the list of the shape's tools, or the end of the command.
    void ListTools(bool (tools::ToolListPanel::*command)());
    void ToolListClosed(tools::PanelAction action);
    // Every tool command ends here: no command state left, the menus back, the marks and the
    // status line shown afresh.
    void EndToolCommand();

    core::Session& session_;

    QMenu* fileMenu_ = nullptr;
    QMenu* toolShapeMenu_ = nullptr;
    QMenu* measureMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    std::array<QAction*, 3> libraryItem_{};
    std::array<QAction*, 4> defaultTool_{};
    std::array<QAction*, 14> toolShape_{};
    std::array<QAction*, 2> measurement_{};
    QAction* addTool_ = nullptr;
    QAction* editTool_ = nullptr;
    QAction* deleteTool_ = nullptr;
    QAction* toolSettings_ = nullptr;
    QAction* exitLibrary_ = nullptr;

    tools::ToolListPanel toolListLogic_;
    QVBoxLayout* clientLayout_ = nullptr;
    ToolListPanel* toolList_ = nullptr;
    TurretFrames* turretFrames_ = nullptr;
    StatusLine* statusBar_ = nullptr;
};

}  // namespace tooling::ui
