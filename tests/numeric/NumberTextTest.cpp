// Numbers written as text and read from it, and the rounding both use.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "numeric/LeadingNumber.h"
#include "numeric/NumText.h"
#include "numeric/Rounding.h"
#include "tests/support/GoldenCases.h"

namespace tooling::numeric {
namespace {

using test::DataRow;
using test::NumberOf;
using test::ReadDataRows;

bool Same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

TEST(NumTextTest, DoublesKeepFifteenDigitsFloatsSevenOrTheDecimalsAsked) {
    for (const DataRow& row : ReadDataRows(TOOLING_GOLDEN_DIR "/num-text.txt")) {
        const double value = NumberOf(row.fields.at(1));
        const int decimals = std::stoi(row.fields.at(2));
        EXPECT_EQ(row.fields[0] == "f" ? NumText(static_cast<float>(value), decimals)
                                       : NumText(value, decimals),
                  row.fields.at(3))
            << "line " << row.line;
    }
}

TEST(NumTextTest, IntegersAndPrintedNumbers) {
    EXPECT_EQ(IntText(-32768) + "|" + IntText(0) + "|" + IntText(32767), "-32768|0|32767");
    EXPECT_EQ(PrintedNumber(5) + "|" + PrintedNumber(-3) + "|" + PrintedNumber(0), " 5 |-3 | 0 ");
}

TEST(LeadingNumberTest, ReadsTheNumberATextBeginsWith) {
    for (const DataRow& row : ReadDataRows(TOOLING_GOLDEN_DIR "/leading-number.txt")) {
        EXPECT_EQ(LeadingNumber(row.fields[0]), NumberOf(row.fields.at(1))) << "line " << row.line;
    }
    EXPECT_EQ(LeadingNumber(std::string(100000, ' ') + "3"), 3);
}

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
    for (const DataRow& row : ReadDataRows(TOOLING_GOLDEN_DIR "/rounding.txt")) {
        const double rounded = RoundHalfEven(NumberOf(row.fields[0]), std::stoi(row.fields.at(1)));
        EXPECT_TRUE(Same(rounded, NumberOf(row.fields.at(2))))
            << "line " << row.line << ": " << rounded;
    }
}

TEST(RoundingTest, NearestInt16RoundsHalvesToEvenWithinRange) {
    for (const DataRow& row : ReadDataRows(TOOLING_GOLDEN_DIR "/nearest-int16.txt")) {
        const std::string& expected = row.fields.at(1);
        EXPECT_EQ(NearestInt16(NumberOf(row.fields[0])),
                  test::IsNone(expected) ? std::nullopt
                                         : std::optional<std::int16_t>(std::stoi(expected)))
            << "line " << row.line;
    }
}

}  // namespace
}  // namespace tooling::numeric
