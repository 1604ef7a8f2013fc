#include "core/FileValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/FileError.h"

namespace tooling::core {
namespace {

TEST(Millimetres, ImperialLengthsAreConvertedToThreeDecimalsHalfEven) {
    struct Row {
        double value;
        bool imperial;
        float expected;
    };
    const Row rows[] = {
        {1.5, true, 38.1F},
        {0.3937, true, 10.0F},
        {0.5, true, 12.7F},
        {1.25, true, 31.75F},
        {-2.0, true, -50.8F},
        {0.0, true, 0.0F},
        // 0.00005 in = 0.00127 mm: the third decimal rounds to 0.001
        {0.00005, true, 0.001F},
        {0.3937, false, 0.3937F},
        {38.1, false, 38.1F},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(Millimetres(r.value, r.imperial), r.expected)
            << r.value << (r.imperial ? " in" : " mm");
    }
}

TEST(Millimetres, ValuesBeyondSinglePrecisionBecomeInfinities) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(Millimetres(1e300, false), inf);
    EXPECT_EQ(Millimetres(-1e300, true), -inf);
    EXPECT_EQ(Millimetres(std::numeric_limits<double>::infinity(), true), inf);
}

TEST(TruncatedInt16, TruncatesTowardZeroAndRefusesOverflow) {
    struct Row {
        const char* text;
        std::optional<std::int16_t> expected;
    };
    const Row rows[] = {{"20", 20},    {" 39.9 ", 39}, {"-2.7", -2},       {"", 0},
                        {"abc", 0},    {"Type", 0},    {"32767.9", 32767}, {"-32768", -32768},
                        {"32768", {}}, {"-32769", {}}, {"1e10", {}},       {"1e999", {}}};
    for (const Row& r : rows) {
        EXPECT_EQ(TruncatedInt16(r.text), r.expected) << r.text;
    }
}

TEST(Int16Field, RoundsHalfEvenAndNamesTheFileOnOverflow) {
    EXPECT_EQ(Int16Field("2.5", "f", "kind"), 2);
    EXPECT_EQ(Int16Field("3.5", "f", "kind"), 4);
    EXPECT_EQ(Int16Field(" 20 ", "f", "kind"), 20);
    try {
        Int16Field("40000", "/x/M.stn", "kind of station type 3");
        FAIL() << "no error";
    } catch (const platform::FileError& e) {
        EXPECT_STREQ(e.what(),
                     "\"/x/M.stn\": kind of station type 3: \"40000\" is outside -32768 to 32767");
    }
}

}  // namespace
}  // namespace tooling::core
