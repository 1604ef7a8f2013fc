#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "illustration/TurretLayout.h"
#include "library/TurretRows.h"
#include "platform/Drawing.h"

namespace tooling::illustration {

// What the picture of a turret shows: the machine's stations where the layout puts them and the
// tools the rows put in them.
struct TurretView {
    const core::Machine& machine;
    const TurretLayout& layout;
    const std::vector<library::StationRow>& rows;
    // One flag per row: its tool is not in the library (shorter lists mark nothing).
    const std::vector<bool>& notInLibrary;
};

// The entry of the layout that places row `row`'s station: the one of the row's station number,
// or the row's place on the turret when the number is not a station of the layout.
std::size_t SpotOf(const TurretView& view, std::size_t row);

// Where row `row`'s station stands.
platform::DrawingPoint StationCentre(const TurretView& view, std::size_t row);

// The picture: the turret's rim, then for each row its station circle (filled for the
// `selected` row), its label outside the circle away from the centre, for an index station a
// turning arrow outside the circle on the side towards the centre, and the outline of its tool
// turned to its angle (scaled down only when it would cross the circle), or the warning mark for
// a tool that is not in the library.
platform::Drawing DrawTurret(const TurretView& view, int selected = -1);

// The row whose station circle holds the point, or else whose circle's edge is within `reach`
// millimetres of it (the nearest edge); nothing elsewhere.
std::optional<std::size_t> RowAt(const TurretView& view, platform::DrawingPoint point,
                                 double reach);

}  // namespace tooling::illustration
