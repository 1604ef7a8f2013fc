#include "numeric/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace tooling::numeric {
namespace {

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
    struct Row {
        double value;
        int decimals;
        double expected;
    };
    const std::vector<Row> rows = {
        {2.5, 0, 2},
        {3.5, 0, 4},
        {-7.5, 0, -8},
        {-2.5, 0, -2},
        {0.5, 0, 0},
        {1.5, 0, 2},
        {0.125, 2, 0.12},
        {0.375, 2, 0.38},
        {-0.125, 2, -0.12},
        {2.4999, 0, 2},
        {2.5001, 0, 3},
        // Halves as the value is written, not as the binary product happens to fall.
        {0.15, 1, 0.2},
        {0.45, 1, 0.4},
        {2.675, 2, 2.68},
        {1.005, 2, 1.0},
        {1.015, 2, 1.02},
        {0.00015, 4, 0.0002},
        {1.23456789, 6, 1.234568},
        {9.9995, 3, 10.0},
        {99.95, 1, 100.0},
        {0.004, 2, 0},
        {123.456, 0, 123},
        {1e20, 2, 1e20},
        {1e300, 6, 1e300},
        {1000000000000.1, 6, 1000000000000.1},
        {1e15 + 0.25, 1, 1e15 + 0.25},
        {std::numeric_limits<double>::denorm_min(), 6, 0},
        {0.1, 400, 0.1},
        {2.5, -1, 2.5},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(RoundHalfEven(row.value, row.decimals), row.expected)
            << row.value << " to " << row.decimals << " decimals";
    }
}

TEST(RoundingTest, NonFiniteValuesAreReturnedUnchanged) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(RoundHalfEven(inf, 2), inf);
    EXPECT_EQ(RoundHalfEven(-inf, 0), -inf);
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""), 3)));
}

TEST(RoundingTest, NearestInt16RoundsHalvesToEvenWithinRange) {
    struct Row {
        double value;
        std::optional<std::int16_t> expected;
    };
    const std::vector<Row> rows = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-0.4, 0},
        {7.49, 7},
        {32767.4, 32767},
        {32767.5, std::nullopt},
        {32768, std::nullopt},
        {-32768.5, -32768},
        {-32768.6, std::nullopt},
        {-32769, std::nullopt},
        {1e300, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
        {-std::numeric_limits<double>::infinity(), std::nullopt},
        {std::nan(""), std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NearestInt16(row.value), row.expected) << row.value;
    }
}

}  // namespace
}  // namespace tooling::numeric
