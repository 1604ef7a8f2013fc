#include <cmath>
#include <numbers>
#include <set>

#include "core/Machine.h"
#include "illustration/Proportions.h"
#include "illustration/TurretLayout.h"

namespace tooling::illustration {

namespace {

struct Station {
    std::int16_t number = 0;
    double diameter = 0;
};

// Stations on one ring, in order clockwise from the top, each given an arc in proportion to its
// size.
struct Ring {
    std::vector<Station> stations;
    std::vector<double> angles;  // radians clockwise from the top
    double radius = 0;

    double Widest() const {
        double widest = 0;
        for (const Station& station : stations) {
            widest = std::max(widest, station.diameter);
        }
        return widest;
    }
    double Extent() const { return radius + Widest() / 2; }
};

// The smallest ring at least `least` millimetres in radius on which no two circles come closer
// than `gap`.
Ring MakeRing(std::vector<Station> stations, double gap, double least) {
    Ring ring;
    ring.stations = std::move(stations);
    const std::size_t n = ring.stations.size();
    double total = 0;
    for (const Station& station : ring.stations) {
        total += station.diameter + gap;
    }
    double at = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double share = (ring.stations[i].diameter + gap) / total * 2 * std::numbers::pi;
        if (i > 0) {
            at += share / 2;
        }
        ring.angles.push_back(at);
        at += share / 2;
    }
    ring.radius = least;  // a ring of one station too: it stands `least` from the centre
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            const double apart = ring.angles[j] - ring.angles[i];
            const double chord = 2 * std::sin(std::min(apart, 2 * std::numbers::pi - apart) / 2);
            const double need = (ring.stations[i].diameter + ring.stations[j].diameter) / 2 + gap;
            ring.radius = std::max(ring.radius, need / chord);
        }
    }
    return ring;
}

void Place(const Ring& ring, TurretLayout& layout) {
    for (std::size_t i = 0; i < ring.stations.size(); ++i) {
        layout.push_back({ring.stations[i].number, ring.radius * std::sin(ring.angles[i]),
                          ring.radius * std::cos(ring.angles[i])});
    }
}

// The stations on one ring, or split by size on two, whichever reaches least far from the
// centre; the room between the rings holds the inner ring's labels and the outer ring's arrows.
TurretLayout Arrange(const std::vector<Station>& stations, double gap, double between) {
    const Ring single = MakeRing(stations, gap, 0);
    std::optional<std::pair<Ring, Ring>> best;
    std::set<double> sizes;
    for (const Station& station : stations) {
        sizes.insert(station.diameter);
    }
    for (auto size = sizes.begin(); size != sizes.end() && std::next(size) != sizes.end(); ++size) {
        std::vector<Station> small, large;
        for (const Station& station : stations) {
            (station.diameter <= *size ? small : large).push_back(station);
        }
        Ring inner = MakeRing(std::move(small), gap, 0);
        const double least = inner.radius + inner.Widest() / 2 + between;
        Ring outer = MakeRing(std::move(large), gap, 0);
        outer = MakeRing(std::move(outer.stations), gap, least + outer.Widest() / 2);
        const double reach = best ? best->second.Extent() : single.Extent();
        if (outer.Extent() < reach) {
            best.emplace(std::move(inner), std::move(outer));
        }
    }
    TurretLayout layout;
    if (best) {
        Place(best->first, layout);
        Place(best->second, layout);
        std::sort(layout.begin(), layout.end(),
                  [](const StationSpot& a, const StationSpot& b) { return a.station < b.station; });
    } else {
        Place(single, layout);
    }
    return layout;
}

}  // namespace

TurretLayout DefaultLayout(const core::Machine& machine) {
    std::vector<Station> stations;
    for (int row = 1; row <= machine.StationCount; ++row) {
        const auto number = static_cast<std::int16_t>(row);
        stations.push_back({number, StationDiameter(machine, number)});
    }
    // The labels' height follows the turret's size, which follows the room left for them: a
    // first arrangement with the plain gap tells the size.
    const double label = LabelHeight(MakeRing(stations, kStationGap, 0).Extent());
    const double gap = std::max(kStationGap, 2 * label);
    return Arrange(stations, gap, gap + 1.5 * label + ArrowClearance(label) + label);
}

}  // namespace tooling::illustration
