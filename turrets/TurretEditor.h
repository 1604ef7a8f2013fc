#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "illustration/TurretPicture.h"
#include "turrets/PickedTool.h"
#include "turrets/TurretFiles.h"

namespace tooling::core {
struct Session;
}

namespace tooling::turrets {

// Shows the Tooling dialog modally for a station of the given type and returns its choice.
using RunTrtTol = std::function<PickedTool(std::int16_t stationType)>;

// The turret editor panel of the main window: one row per station of the machine's turret in
// five columns that move as one (station, type, shape, size, angle), Select Tool and Remove Tool
// for the selected row, Ok to save the turret and Cancel to drop the changes. The turret being
// edited is the session's CurTurret (0 or less: not saved yet) with the name given to Open.
class TurretEditor {
  public:
    static constexpr int kVisibleLines = 19;
    static constexpr std::string_view kHeader =
        "STN       TYPE               SHAPE             SIZE                   ANGLE";
    static constexpr const char* kTooManyTurrets = "Too Many Turrets !";

    // `closed` runs when Ok or Cancel has closed the panel.
    TurretEditor(core::Session& session, std::function<void()> closed);

    bool frameVisible = false;  // TurretFrame with its two button panels
    bool trtDscVisible = false;
    std::string trtDsc;  // the turret's name
    // TurretList(1) to TurretList(5): line r of each shows row r.
    std::array<std::vector<std::string>, 5> columns;
    // One flag per row: the row holds a tool that is not in the library.
    std::vector<bool> notInLibrary;
    static constexpr std::string_view kNotInLibrary = "Not in the library";
    int selected = -1;  // the line selected in all five lists
    int topLine = 0;    // the first line shown, in all five lists; TurretBar's value
    int barMax = 0;
    bool buttonsDefault = false;  // TurretOk and TurretCncl are the default and cancel buttons
    bool focusList = false;       // the keyboard focus goes to TurretList(1)

    // The picture pane beside the lists.
    illustration::TurretPicture picture;

    // The rows of the open turret; a row's angle is the text of its fifth column.
    const std::vector<StationRow>& rows() const { return rows_; }

    // Shows the panel for the rows of a turret just loaded; in inches, sizes show
    // `imperialDecimals` decimals.
    void Open(std::vector<StationRow> rows, std::string_view name, int imperialDecimals);

    // A click, a press or a drag with a button held (`button` not 0) on line `line` of any of
    // the five lists, whose first shown line is then `top`.
    void TurretList_Click(int line, int top);
    void TurretList_MouseDown(int line, int top);
    void TurretList_MouseMove(int button, int line, int top);
    void TurretList_DblClick(int line, int top, const RunTrtTol& runTrtTol);
    void TurretBar_Change(int value);
    // A click on the picture at a point in millimetres: selects the row of the station there
    // (within `reach` of its circle) and scrolls the lists to show it. False when no station is
    // there.
    bool Picture_Click(platform::DrawingPoint point, double reach);
    // The picture of the rows as they stand, the selected one marked.
    platform::Drawing Picture() const;
    // What the picture shows: the rows on the machine's layout.
    illustration::TurretView PictureView() const { return picture.View(rows_, notInLibrary); }

    void Selectool_Click(const RunTrtTol& runTrtTol);
    void Removetool_Click();
    // Neither closes the panel while the picture's layout is being changed: the beep sounds.
    void TurretOk_Click();
    void TurretCncl_Click();

  private:
    void ShowRow(std::size_t r, int imperialDecimals);
    // Marks the rows whose tool none of the library's tool files holds.
    void MarkStrays();
    void SelectLine(int line, int top);
    // True, after the beep, while the picture is in layout mode.
    bool LayoutUnderWay();
    void Close();

    core::Session& session_;
    std::function<void()> closed_;
    std::vector<StationRow> rows_;
    std::string name_;
};

}  // namespace tooling::turrets
