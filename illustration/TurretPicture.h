#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "illustration/TurretDrawing.h"
#include "illustration/TurretLayout.h"

namespace tooling::core {
struct Session;
}

namespace tooling::illustration {

// The picture pane of the turret editor: the open turret drawn on the machine's layout. Layout
// lets the user move the stations to where they stand in the machine, then save the layout or
// go back to the default one; the turret's rows never change here.
class TurretPicture {
  public:
    static constexpr const char* kLayoutCaption = "Layout";
    static constexpr const char* kSaveCaption = "Save Layout";
    static constexpr const char* kResetCaption = "Default Layout";
    static constexpr const char* kCancelCaption = "Cancel";

    explicit TurretPicture(core::Session& session);

    // Stations can be dragged; Save, Default and Cancel are offered in place of Layout.
    bool layoutMode = false;
    // The layout shown differs from the one saved (or the default when none is saved).
    bool layoutChanged = false;

    const TurretLayout& layout() const { return layout_; }

    // Loads the machine's layout for a turret just opened, out of layout mode.
    void Open();
    // The picture of these rows on the layout shown.
    platform::Drawing Draw(const std::vector<library::StationRow>& rows,
                           const std::vector<bool>& notInLibrary, int selected) const;
    TurretView View(const std::vector<library::StationRow>& rows,
                    const std::vector<bool>& notInLibrary) const;

    void Layout_Click();
    // Puts the station of a row at a point, in layout mode only.
    void Station_Move(const std::vector<library::StationRow>& rows, std::size_t row,
                      platform::DrawingPoint to);
    // Writes the layout and leaves layout mode; a file error keeps the mode and the moves.
    void LayoutSave_Click();
    // Puts every station back where the default layout has it; Save keeps that.
    void LayoutReset_Click();
    // Drops the moves not saved and leaves layout mode.
    void LayoutCancel_Click();

  private:
    core::Session& session_;
    TurretLayout layout_;
};

}  // namespace tooling::illustration
