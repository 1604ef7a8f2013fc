#pragma once

#include <algorithm>

namespace tooling::illustration {

// The proportions the default layout leaves room for and the picture draws with, in
// millimetres.

// Between two station circles of one ring.
inline constexpr double kStationGap = 6;

// A station's label, drawn outside its circle away from the centre: high enough to read when the
// whole turret, `radius` millimetres from the centre to its farthest edge, fills a window.
inline double LabelHeight(double radius) {
    return std::clamp(radius / 22, 3.0, 40.0);
}

// The turning arrow of an index station, drawn outside its circle towards the centre: its
// distance from the circle.
inline double ArrowClearance(double labelHeight) {
    return labelHeight * 0.3;
}

}  // namespace tooling::illustration
