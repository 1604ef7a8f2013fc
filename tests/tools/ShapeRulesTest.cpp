#include "tools/ShapeRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace tooling::tools {
namespace {

using Dims = std::optional<std::array<float, 4>>;
constexpr Dims kRejected = std::nullopt;

TEST(ShapeRules, StoredDimensionsAndTheirLimits) {
    const std::tuple<char, std::vector<double>, bool, Dims> rows[] = {
        {'A', {10}, false, {{10, 10, 0, 0}}},
        {'A', {0}, false, kRejected},
        {'A', {10, 10}, false, kRejected},  // one box only
        // A first dimension the tool file would drop: 0.1 mm or less, 1000 mm or more.
        {'A', {0.1}, false, kRejected},
        {'A', {0.101}, false, {{0.101F, 0.101F, 0, 0}}},
        {'A', {999.999}, false, {{999.999F, 999.999F, 0, 0}}},
        {'M', {1000, 6, 7}, false, kRejected},
        {'B', {10}, false, {{10, 10, 0, 0}}},
        {'C', {10, 5}, false, kRejected},
        {'C', {10, 4.999}, false, {{10, 10, 0, 4.999F}}},
        {'C', {10, 0}, false, kRejected},
        {'D', {10, 10}, false, kRejected},
        {'D', {20, 10}, false, {{20, 10, 0, 0}}},
        {'E', {20, 10, 5}, false, kRejected},
        {'E', {20, 10, 4.999}, false, {{20, 10, 0, 4.999F}}},
        {'E', {20, 20, 1}, false, kRejected},
        {'F', {10, 10}, false, kRejected},
        {'F', {10, 9.999}, false, {{10, 9.999F, 0, 0}}},
        {'G', {10, 10}, false, kRejected},
        {'G', {10, 9.999}, false, {{10, 9.999F, 0, 0}}},
        {'H', {10, 10}, false, kRejected},
        {'I', {20, 30}, false, {{20, 30, 0, 0}}},
        {'I', {19.999, 30}, false, kRejected},
        {'J', {10}, false, {{10, 11.547F, 0, 0}}},
        {'K', {10, 6, 6}, false, kRejected},
        {'K', {10, 9.5, 6}, false, {{10, 9.5F, 6, 0}}},
        {'K', {10, 9.5, 6}, true, kRejected},
        {'K', {10, 13, 6}, true, {{10, 13, -6, 0}}},
        {'K', {10, 6, 10}, false, {{10, 6, 10, 0}}},  // key as wide as the diameter
        {'K', {10, 20, 12}, false, kRejected},        // key wider than the diameter
        {'L', {20, 10}, false, {{20, 10, 0, 0}}},
        {'L', {20, 10.001}, false, kRejected},
        {'M', {20, 6, 7}, false, {{20, 20, 6, 7}}},
        {'M', {20, 6, 7.001}, false, kRejected},
        {'S', {12}, false, kRejected},
        {'Z', {12}, false, kRejected},
    };
    for (const auto& [code, values, keyRound, dims] : rows) {
        EXPECT_EQ(ShapeDims(code, values, keyRound), dims)
            << code << " " << values.front() << " " << values.back() << " " << keyRound;
    }
}

}  // namespace
}  // namespace tooling::tools
