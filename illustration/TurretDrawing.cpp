#include "illustration/TurretDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/Machine.h"
#include "core/Stations.h"
#include "core/Text.h"
#include "illustration/Proportions.h"
#include "numeric/NumText.h"
#include "tools/ToolOutline.h"

namespace tooling::illustration {

namespace {

using platform::DrawingCircle;
using platform::DrawingPath;
using platform::DrawingPoint;
using platform::DrawingText;
using platform::Ink;

// Arcs of outlines and arrows as chords straying at most this far.
constexpr double kChordTolerance = 0.05;
// A tool outline keeps this share of its circle's radius clear.
constexpr double kOutlineRoom = 0.92;
// An average character's width against its height.
constexpr double kCharWidth = 0.6;
constexpr double kArrowSweep = 70 * std::numbers::pi / 180;
constexpr int kArrowSteps = 12;

double Length(DrawingPoint p) {
    return std::hypot(p.x, p.y);
}

// The unit vector from the turret's centre through the point, or up at the centre.
DrawingPoint Outward(DrawingPoint p) {
    const double length = Length(p);
    return length > 1e-9 ? DrawingPoint{p.x / length, p.y / length} : DrawingPoint{0, 1};
}

std::int16_t StationOf(const TurretView& view, std::size_t row) {
    return view.layout[SpotOf(view, row)].station;
}

std::string LabelOf(const core::Machine& machine, std::int16_t station) {
    std::string label = core::Trim(core::TurretStationAt(machine, station).label);
    return label.empty() ? numeric::IntText(station) : label;
}

// The arc of an index station's arrow, on the side towards the turret's centre, with its head.
void AddArrow(platform::Drawing& drawing, DrawingPoint centre, double radius) {
    const DrawingPoint in = Outward(centre);
    const double towards = std::atan2(-in.y, -in.x);
    DrawingPath arc;
    for (int step = 0; step <= kArrowSteps; ++step) {
        const double a = towards - kArrowSweep / 2 + kArrowSweep * step / kArrowSteps;
        arc.points.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
    }
    const double end = towards + kArrowSweep / 2;
    const DrawingPoint tip = arc.points.back();
    const DrawingPoint along{-std::sin(end), std::cos(end)};  // the way the arc turns
    const DrawingPoint across{std::cos(end), std::sin(end)};
    const double head = radius * 0.12 + 0.5;
    DrawingPath arrowHead{{tip,
                           {tip.x - along.x * head + across.x * head / 2,
                            tip.y - along.y * head + across.y * head / 2},
                           {tip.x - along.x * head - across.x * head / 2,
                            tip.y - along.y * head - across.y * head / 2}},
                          Ink::Line,
                          true,
                          true};
    drawing.items.emplace_back(std::move(arc));
    drawing.items.emplace_back(std::move(arrowHead));
}

void AddWarning(platform::Drawing& drawing, DrawingPoint centre, double radius) {
    const double side = radius * 1.1;
    const double h = side * std::sqrt(3.0) / 2;
    drawing.items.emplace_back(DrawingPath{{{centre.x, centre.y + h * 2 / 3},
                                            {centre.x - side / 2, centre.y - h / 3},
                                            {centre.x + side / 2, centre.y - h / 3}},
                                           Ink::Warning,
                                           true,
                                           true});
    drawing.items.emplace_back(
        DrawingText{{centre.x, centre.y - h / 12}, "!", h / 2, Ink::Line, true});
}

void AddOutline(platform::Drawing& drawing, const library::StationRow& row, DrawingPoint centre,
                double radius) {
    const std::optional<tools::ToolOutline> outline =
        tools::StationOutline(row.shape, row.tool, row.dims, row.angle);
    if (!outline) {
        return;
    }
    std::vector<std::vector<tools::OutlinePoint>> polygons;
    double farthest = 0;
    for (const tools::OutlinePath& path : outline->paths) {
        polygons.push_back(tools::Flattened(path, kChordTolerance));
        for (const tools::OutlinePoint& p : polygons.back()) {
            farthest = std::max(farthest, std::hypot(p.x, p.y));
        }
    }
    const double scale = farthest > kOutlineRoom * radius ? kOutlineRoom * radius / farthest : 1;
    for (const auto& polygon : polygons) {
        DrawingPath path;
        path.closed = true;
        path.filled = true;
        path.dashed = !outline->label.empty();
        for (const tools::OutlinePoint& p : polygon) {
            path.points.push_back({centre.x + p.x * scale, centre.y + p.y * scale});
        }
        drawing.items.emplace_back(std::move(path));
    }
}

}  // namespace

std::size_t SpotOf(const TurretView& view, std::size_t row) {
    const std::int16_t station = view.rows[row].station;
    if (station >= 1 && static_cast<std::size_t>(station) <= view.layout.size()) {
        return static_cast<std::size_t>(station - 1);
    }
    return row;
}

platform::DrawingPoint StationCentre(const TurretView& view, std::size_t row) {
    const StationSpot& spot = view.layout[SpotOf(view, row)];
    return {spot.x, spot.y};
}

platform::Drawing DrawTurret(const TurretView& view, int selected) {
    platform::Drawing drawing;
    const std::size_t count = std::min(view.rows.size(), view.layout.size());
    double reach = 0;
    for (const StationSpot& spot : view.layout) {
        reach = std::max(
            reach, Length({spot.x, spot.y}) + StationDiameter(view.machine, spot.station) / 2);
    }
    const double label = LabelHeight(reach);
    const double rim = reach + 2 * label;
    drawing.items.emplace_back(DrawingCircle{{0, 0}, rim, Ink::Faint, false});
    drawing.min = {-rim - label / 2, -rim - label / 2};
    drawing.max = {rim + label / 2, rim + label / 2};

    for (std::size_t r = 0; r < count; ++r) {
        const std::int16_t station = StationOf(view, r);
        const DrawingPoint centre = StationCentre(view, r);
        const double radius = StationDiameter(view.machine, station) / 2;
        const bool chosen = static_cast<int>(r) == selected;
        drawing.items.emplace_back(
            DrawingCircle{centre, radius, chosen ? Ink::Selected : Ink::Line, chosen});

        const std::string text = LabelOf(view.machine, station);
        const DrawingPoint out = Outward(centre);
        const double width = kCharWidth * label * static_cast<double>(text.size());
        const double away =
            radius + label * 0.3 + std::fabs(out.x) * width / 2 + std::fabs(out.y) * label / 2;
        drawing.items.emplace_back(DrawingText{
            {centre.x + out.x * away, centre.y + out.y * away}, text, label, Ink::Line, chosen});

        if (core::IsIndexStation(core::TurretStationAt(view.machine, station).kind)) {
            AddArrow(drawing, centre, radius + ArrowClearance(label));
        }
        if (library::StationShape(view.rows[r]) == ' ') {
            continue;
        }
        if (r < view.notInLibrary.size() && view.notInLibrary[r]) {
            AddWarning(drawing, centre, radius);
        } else {
            AddOutline(drawing, view.rows[r], centre, radius);
        }
    }
    return drawing;
}

std::optional<std::size_t> RowAt(const TurretView& view, platform::DrawingPoint point,
                                 double reach) {
    std::optional<std::size_t> nearest;
    double nearestEdge = 0;
    const std::size_t count = std::min(view.rows.size(), view.layout.size());
    for (std::size_t r = 0; r < count; ++r) {
        const DrawingPoint centre = StationCentre(view, r);
        const double edge = std::hypot(point.x - centre.x, point.y - centre.y) -
                            StationDiameter(view.machine, StationOf(view, r)) / 2;
        if (edge <= reach && (!nearest || edge < nearestEdge)) {
            nearest = r;
            nearestEdge = edge;
        }
    }
    return nearest;
}

}  // namespace tooling::illustration
