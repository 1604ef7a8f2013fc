#include "numeric/NumText.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace tooling::numeric {
namespace {

template <typename T>
struct Row {
    T value;
    int decimals;
    std::string expected;
};

template <typename T>
void ExpectRows(const std::vector<Row<T>>& rows) {
    for (const Row<T>& row : rows) {
        EXPECT_EQ(NumText(row.value, row.decimals), row.expected)
            << "value " << row.value << ", decimals " << row.decimals;
    }
}

TEST(NumTextTest, DoublesKeepFifteenDigitsOrTheDecimalsAsked) {
    const double inf = std::numeric_limits<double>::infinity();
    ExpectRows<double>({
        // The worked examples.
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
        // Full precision: 15 digits, exponent form from 1E+15, and zero below 1E-04.
        {-0.0, -1, "0"},
        {1.5, -7, "1.5"},
        {2.0 / 3.0, -1, "0.666666666666667"},
        {123456789012345, -1, "123456789012345"},
        {1234567890123456, -1, "1.23456789012346E+15"},
        {999999999999999.9, -1, "1E+15"},
        {std::numeric_limits<double>::max(), -1, "1.79769313486232E+308"},
        {0.0001, -1, "0.0001"},
        {0.000099999, -1, "0"},
        {std::numeric_limits<double>::denorm_min(), -1, "0"},
        // Fixed decimals: halves to even as written, no sign on a zero, exponents padded.
        {0, 1, "0.0"},
        {-0.4, 0, "0"},
        {-0.05, 1, "0.0"},
        {-7.5, 0, "-8"},
        {0.125, 2, "0.12"},
        {0.15, 1, "0.2"},
        {9.9999, 3, "10.000"},
        {0.00015, 4, "0.0002"},
        {1e20, 2, "1E+20.00"},
        {-1e20, 0, "-1E+20"},
        // No finite value: zero in the asked form.
        {inf, -1, "0"},
        {std::numeric_limits<double>::quiet_NaN(), 3, "0.000"},
    });
}

TEST(NumTextTest, FloatsKeepSevenDigits) {
    ExpectRows<float>({
        {0.1f, -1, "0.1"},
        {1.0f / 3.0f, -1, "0.3333333"},
        {12345678.0f, -1, "12345680"},
        {-0.25f, 3, "-0.250"},
        // 0.35f is a half as shown, though stored just below.
        {0.35f, 1, "0.4"},
        {std::numeric_limits<float>::infinity(), 2, "0.00"},
    });
}

TEST(NumTextTest, IntegersAndPrintedNumbers) {
    EXPECT_EQ(IntText(-32768) + "|" + IntText(0) + "|" + IntText(32767), "-32768|0|32767");
    EXPECT_EQ(PrintedNumber(5) + "|" + PrintedNumber(-3) + "|" + PrintedNumber(0), " 5 |-3 | 0 ");
}

}  // namespace
}  // namespace tooling::numeric
