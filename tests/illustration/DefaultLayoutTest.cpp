#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "core/Machine.h"
#include "illustration/Proportions.h"
#include "illustration/TurretLayout.h"

namespace tooling::illustration {
namespace {

// A turret of `count` stations, each of a station type of its own with the size given.
core::Machine MachineOf(int count, const std::function<double(int)>& size) {
    core::Machine machine;
    machine.StationCount = static_cast<std::int16_t>(count);
    for (int s = 1; s <= count; ++s) {
        machine.StationTable[static_cast<std::size_t>(s)].size1 = static_cast<float>(size(s));
        machine.TurretStations.push_back(
            {static_cast<std::int16_t>(s), 0, static_cast<std::int16_t>(s), 10, "T", "", true});
    }
    return machine;
}

// For 1 to 64 stations of several mixes of sizes: no two circles overlap, the stations stand
// in order clockwise from the top of their ring, and on two rings the larger ones are outside.
TEST(DefaultLayout, KeepsTheCirclesApartInStationOrderWithTheLargeOnesOutside) {
    std::uint32_t seed = 20261207;
    const std::map<std::string, std::function<double(int)>> mixes = {
        {"equal", [](int) { return 31.7; }},
        {"alternating", [](int s) { return s % 2 ? 12.7 : 88.9; }},
        {"a few huge", [](int s) { return s % 16 == 3 ? 158 : 12.7; }},
        {"random", [&seed](int) {
             seed = seed * 1103515245U + 12345U;
             return 3 + (seed >> 8) % 1400 / 10.0;
         }}};
    int twoRings = 0;
    for (const auto& [mix, size] : mixes) {
        for (int count = 1; count <= 64; ++count) {
            const core::Machine machine = MachineOf(count, size);
            const TurretLayout layout = DefaultLayout(machine);
            const std::string name = mix + ", " + std::to_string(count) + " stations";
            ASSERT_EQ(layout.size(), static_cast<std::size_t>(count)) << name;
            std::map<long, std::vector<std::size_t>> rings;  // by radius in micrometres
            for (std::size_t i = 0; i < layout.size(); ++i) {
                const StationSpot& a = layout[i];
                ASSERT_EQ(a.station, static_cast<std::int16_t>(i + 1)) << name;
                rings[std::lround(std::hypot(a.x, a.y) * 1000)].push_back(i);
                for (std::size_t j = 0; j < i; ++j) {
                    const StationSpot& b = layout[j];
                    const double sizes = double{machine.StationTable[i + 1].size1} +
                                         machine.StationTable[j + 1].size1;
                    EXPECT_GE(std::hypot(a.x - b.x, a.y - b.y) + 1e-9, sizes / 2 + kStationGap)
                        << name << ": " << a.station << " and " << b.station;
                }
            }
            ASSERT_LE(rings.size(), 2u) << name;
            twoRings += rings.size() == 2;
            float innerWidest = 0;
            for (const auto& [radius, ring] : rings) {
                double before = -1e-9;
                for (const std::size_t i : ring) {
                    const double turn = std::atan2(layout[i].x, layout[i].y);
                    const double clockwise = turn < -1e-9 ? turn + 2 * std::numbers::pi : turn;
                    EXPECT_GT(clockwise, before) << name << ": station " << i + 1;
                    EXPECT_TRUE(i != ring.front() || clockwise < 1e-9) << name << ": not on top";
                    EXPECT_GE(machine.StationTable[i + 1].size1, innerWidest) << name;
                    before = clockwise;
                }
                for (const std::size_t i : ring) {
                    innerWidest = std::max(innerWidest, machine.StationTable[i + 1].size1 + 1e-3F);
                }
            }
        }
    }
    EXPECT_GT(twoRings, 0);
}

// A station whose type has no usable size, or no type, is drawn as large as the smallest usable
// holder of the turret.
TEST(StationDiameter, IsTheTypesFirstSizeOrElseTheSmallestUsableOne) {
    const std::vector<double> sizes = {31.7, 0, 25, 600, std::nan(""), 2.9, 20};
    const core::Machine machine = MachineOf(7, [&](int s) { return sizes[s - 1]; });
    std::vector<double> drawn;
    for (std::int16_t s = 1; s <= 8; ++s) {
        drawn.push_back(StationDiameter(machine, s));
    }
    EXPECT_EQ(drawn, (std::vector<double>{31.7F, 20, 25, 20, 20, 20, 20, 20}));
}

}  // namespace
}  // namespace tooling::illustration
