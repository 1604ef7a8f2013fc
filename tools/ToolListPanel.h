#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "library/CrossReference.h"
#include "library/ToolRec.h"
#include "tools/ToolListLine.h"

namespace tooling::core {
struct Session;
}

namespace tooling::tools {

// What the panel's list is for.
enum class ListMode : std::int16_t {
    None = 0,
    PickSpecial = 1,  // pick a drawn special tool to add
    Edit = 2,
    Delete = 3,
};

// What Add Tool asks of the main window.
enum class AddStart {
    ToolDialogs,  // open the shape's dialog again and again while AddAgain holds, then EndCommand
    PickList,     // the panel shows the special tools to pick from
    Nothing,      // the command has ended (after its message)
};

// What the main window does after Ok.
enum class PanelAction {
    None,            // the command has ended
    OpenToolDialog,  // open the dialog of the current shape (EditRecNo and SpecialName say for
                     // which tool), then EndCommand
};

// The columns show this many lines at once.
inline constexpr int kVisibleLines = 18;

// The tool list panel of the main window (ToolFrame): what it shows, and one method per event.
// The frame that displays it reports the user's clicks through the event methods and shows the
// state again afterwards. The lines are built once per command from one read of the tool file.
class ToolListPanel {
  public:
    explicit ToolListPanel(core::Session& session);

    bool visible = false;  // ToolFrame with its lists
    std::string caption;   // ToolFrame: "Edit Diameter", "Add Special" ...
    std::string header;    // ListLabel: the column heading
    // The heading of the fourth column, "Turrets", in the edit and delete lists; empty otherwise.
    std::string turretsHeader;
    ListMode mode = ListMode::None;
    std::vector<ToolListLine> lines;
    std::vector<std::int16_t> ListRecNo;    // the record of each line; 0 for a special tool to add
    std::vector<library::ToolRec> ListRec;  // the tool of each line; blank for a special to add
    std::vector<bool> selected;             // one flag per line; one line at most but in Delete
    int barMax = 0;                         // ListBar runs from 0 to barMax
    int barValue = 0;                       // the top line shown

    bool MultiSelect() const { return mode == ListMode::Delete; }

    // The heading of the current shape's list, after the Tool Shape menu.
    void ShowShapeHeader();

    AddStart AddTool_Click();
    // Edit Tool and Delete Tool: true when the panel shows the shape's tools; false (after the
    // beep, or a file error's message) when there is none to show and the command has ended.
    bool EditTool_Click();
    bool DeleteTool_Click();

    PanelAction ToolOk_Click();
    void ToolCncl_Click();

    void ToolListSngl_Click(int line);
    PanelAction ToolListSngl_DblClick(int line);
    void ToolListMult_Click(int line, bool on);
    PanelAction ToolListMult_DblClick(int line);
    void ListBar_Change(int value);

    // Ends the command: no record in edit, no add loop, no list.
    void EndCommand();

  private:
    bool ListTools(ListMode listMode);
    // Fills the Turrets column of the lines from the standard turrets and the shape's records,
    // the turrets that cannot be read reported once.
    void CrossReferenceTools(char code, std::vector<library::ToolRec> recs);
    // The tools among the numbers that turrets hold, each with its size and stations.
    std::string HeldDetail(const std::vector<std::int16_t>& numbers) const;
    void Show(ListMode listMode);
    bool ValidLine(int line) const;
    void DeleteSelected();

    core::Session& session_;
    library::CrossReference crossReference_;
};

}  // namespace tooling::tools
