#include "numeric/NumText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace tooling::numeric {
namespace {

struct Row {
    double value;
    int decimals;
    std::string expected;
};

void ExpectRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        EXPECT_EQ(NumText(row.value, row.decimals), row.expected)
            << "value " << row.value << ", decimals " << row.decimals;
    }
}

TEST(NumTextTest, WorkedExamplesHold) {
    ExpectRows({
        {2.5, 3, "2.500"},
        {10, 3, "10.000"},
        {0.25, 3, "0.250"},
        {-0.25, 3, "-0.250"},
        {-1.5, 2, "-1.50"},
        {1.23456789, 6, "1.234568"},
        {1.5, 8, "1.500000"},
        {7, 0, "7"},
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {0.00005, 6, "0.000000"},
        {0.30000000000000004, -1, "0.3"},
        {1.0 / 3.0, -1, "0.333333333333333"},
        {-0.5, -1, "-0.5"},
        {12, -1, "12"},
        {0.00001, -1, "0"},
        {1e20, -1, "1E+20"},
    });
}

TEST(NumTextTest, FullPrecisionKeepsFifteenDigits) {
    ExpectRows({
        {0, -1, "0"},
        {-0.0, -1, "0"},
        {0.25, -1, "0.25"},
        {-0.25, -1, "-0.25"},
        {1.5, -7, "1.5"},  // any negative count
        {123456789012345, -1, "123456789012345"},
        {1234567890123456, -1, "1.23456789012346E+15"},
        {999999999999999.9, -1, "1E+15"},  // rounds up into exponent form
        {1e14, -1, "100000000000000"},
        {1e15, -1, "1E+15"},
        {-1.5e300, -1, "-1.5E+300"},
        {0.0001, -1, "0.0001"},
        {0.000123456, -1, "0.000123456"},
        {0.000099999, -1, "0"},
        {2.0 / 3.0, -1, "0.666666666666667"},
        {-100.125, -1, "-100.125"},
        {0.1 + 0.2, -1, "0.3"},
        {std::numeric_limits<double>::max(), -1, "1.79769313486232E+308"},
        {std::numeric_limits<double>::denorm_min(), -1, "0"},
    });
}

TEST(NumTextTest, FixedDecimalsAlwaysShowThatMany) {
    ExpectRows({
        {0, 0, "0"},
        {0, 1, "0.0"},
        {0, 6, "0.000000"},
        {-0.4, 0, "0"},  // rounds to -0, shown without a sign
        {-0.0004, 3, "0.000"},
        {0.0006, 3, "0.001"},
        {-7.5, 0, "-8"},
        {0.125, 2, "0.12"},
        {0.375, 2, "0.38"},
        {0.15, 1, "0.2"},  // a half as shown
        {2.675, 2, "2.68"},
        {9.9999, 3, "10.000"},
        {-0.05, 1, "0.0"},  // the even neighbour is 0, shown without a sign
        {123.456, 6, "123.456000"},
        {0.00005, 4, "0.0000"},
        {0.00015, 4, "0.0002"},
        {0.00004, 4, "0.0000"},
        {1e20, 2, "1E+20.00"},
        {-1e20, 0, "-1E+20"},
        {1e15, 6, "1E+15.000000"},
        {5, 100, "5.000000"},
    });
}

TEST(NumTextTest, NonFiniteValuesAreWrittenAsZero) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ExpectRows({
        {inf, -1, "0"},
        {-inf, -1, "0"},
        {nan, -1, "0"},
        {inf, 0, "0"},
        {nan, 3, "0.000"},
        {-inf, 9, "0.000000"},
    });
    EXPECT_EQ(NumText(std::numeric_limits<float>::infinity(), 2), "0.00");
    EXPECT_EQ(NumText(std::numeric_limits<float>::quiet_NaN(), -1), "0");
}

TEST(NumTextTest, FloatsKeepSevenDigits) {
    struct FloatRow {
        float value;
        int decimals;
        std::string expected;
    };
    const std::vector<FloatRow> rows = {
        {0.1f, -1, "0.1"},
        {25.4f, -1, "25.4"},
        {-12.7f, -1, "-12.7"},
        {1.0f / 3.0f, -1, "0.3333333"},
        {12345678.0f, -1, "12345680"},
        {1e20f, -1, "1E+20"},
        {0.00001f, -1, "0"},
        {0.35f, 1, "0.4"},  // 0.35f is a half as shown, though stored just below
        {0.45f, 1, "0.4"},
        {2.5f, 0, "2"},
        {3.14159265f, 4, "3.1416"},
        {-0.25f, 3, "-0.250"},
    };
    for (const FloatRow& row : rows) {
        EXPECT_EQ(NumText(row.value, row.decimals), row.expected)
            << "value " << row.value << ", decimals " << row.decimals;
    }
}

TEST(NumTextTest, IntegersAndPrintedNumbers) {
    struct IntRow {
        std::int16_t value;
        std::string text;
        std::string printed;
    };
    const std::vector<IntRow> rows = {
        {5, "5", " 5 "},
        {-3, "-3", "-3 "},
        {0, "0", " 0 "},
        {32767, "32767", " 32767 "},
        {-32768, "-32768", "-32768 "},
        {17, "17", " 17 "},
    };
    for (const IntRow& row : rows) {
        EXPECT_EQ(IntText(row.value), row.text);
        EXPECT_EQ(PrintedNumber(row.value), row.printed);
    }
}

}  // namespace
}  // namespace tooling::numeric
