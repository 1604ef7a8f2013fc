#include "illustration/TurretPicture.h"

#include "core/Session.h"
#include "platform/FileError.h"

namespace tooling::illustration {

TurretPicture::TurretPicture(core::Session& session) : session_(session) {}

void TurretPicture::Open() {
    layout_ = LoadLayout(session_);
    layoutMode = false;
    layoutChanged = false;
}

TurretView TurretPicture::View(const std::vector<library::StationRow>& rows,
                               const std::vector<bool>& notInLibrary) const {
    return {session_.machine, layout_, rows, notInLibrary};
}

platform::Drawing TurretPicture::Draw(const std::vector<library::StationRow>& rows,
                                      const std::vector<bool>& notInLibrary, int selected) const {
    return DrawTurret(View(rows, notInLibrary), selected);
}

void TurretPicture::Layout_Click() {
    layoutMode = true;
}

void TurretPicture::Station_Move(const std::vector<library::StationRow>& rows, std::size_t row,
                                 platform::DrawingPoint to) {
    if (!layoutMode || row >= rows.size() || row >= layout_.size()) {
        return;
    }
    const std::vector<bool> none;
    StationSpot& spot = layout_[SpotOf(View(rows, none), row)];
    spot.x = to.x;
    spot.y = to.y;
    layoutChanged = true;
}

void TurretPicture::LayoutSave_Click() {
    try {
        SaveLayout(session_, layout_);
    } catch (const platform::FileError& error) {
        session_.os.ui.Refuse(error.what());
        return;
    }
    layoutMode = false;
    layoutChanged = false;
}

void TurretPicture::LayoutReset_Click() {
    const TurretLayout defaults = DefaultLayout(session_.machine);
    layoutChanged = layoutChanged || defaults != layout_;
    layout_ = defaults;
}

void TurretPicture::LayoutCancel_Click() {
    Open();
}

}  // namespace tooling::illustration
