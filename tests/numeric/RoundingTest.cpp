#include "numeric/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace tooling::numeric {
namespace {

const double kInf = std::numeric_limits<double>::infinity();

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
    struct Row {
        double value;
        int decimals;
        double expected;
    };
    const std::vector<Row> rows = {
        {-2.5, 0, -2},
        {0.5, 0, 0},
        {2.4999, 0, 2},
        {2.5001, 0, 3},
        // Halves as the value is written, not as the binary product happens to fall.
        {0.45, 1, 0.4},
        {2.675, 2, 2.68},
        {1.005, 2, 1.0},
        {std::numeric_limits<double>::denorm_min(), 6, 0},
        // Values with no more decimals than asked, and non-finite ones, come back unchanged.
        {1e20, 2, 1e20},
        {1000000000000.1, 6, 1000000000000.1},
        {1e15 + 0.25, 1, 1e15 + 0.25},
        {0.1, 400, 0.1},
        {2.5, -1, 2.5},
        {kInf, 2, kInf},
        {-kInf, 0, -kInf},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(RoundHalfEven(row.value, row.decimals), row.expected)
            << row.value << " to " << row.decimals << " decimals";
    }
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""), 3)));
}

TEST(RoundingTest, NearestInt16RoundsHalvesToEvenWithinRange) {
    const std::vector<std::pair<double, std::optional<std::int16_t>>> rows = {
        {2.5, 2},
        {32767.4, 32767},
        {32767.5, std::nullopt},
        {-32768.5, -32768},
        {-32768.6, std::nullopt},
        {kInf, std::nullopt},
        {std::nan(""), std::nullopt},
    };
    for (const auto& [value, expected] : rows) {
        EXPECT_EQ(NearestInt16(value), expected) << value;
    }
}

}  // namespace
}  // namespace tooling::numeric
