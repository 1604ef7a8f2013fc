#include "numeric/LeadingNumber.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace tooling::numeric {
namespace {

TEST(LeadingNumberTest, ReadsTheNumberATextBeginsWith) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        std::string text;
        double expected;
    };
    const std::vector<Row> rows = {
        {"  7 words", 7},
        {"2.6", 2.6},
        {"", 0},
        {"abc", 0},
        {"-3", -3},
        {"+3", 3},
        {"1.2.3", 1.2},
        {"1e3", 1000},
        {"1E3", 1000},
        {"1D2", 100},
        {"1d2", 100},
        {"2.5E-1", 0.25},
        {"1e+2x", 100},
        {"1e", 1},
        {"1e+", 1},
        {"1ex", 1},
        {".5", 0.5},
        {"5.", 5},
        {".", 0},
        {"-", 0},
        {"-.", 0},
        {"+-3", 0},
        {"--3", 0},
        {"- 3", -3},  // blanks are skipped wherever they stand
        {" 1 2 . 5 ", 12.5},
        {"\t\n4\t2", 42},
        {"12\r\n", 12},  // a carriage return ends the number
        {"12,5", 12},
        {"0x10", 0},
        {"007", 7},
        {"1" + std::string(400, '0'), inf},
        {"-1" + std::string(400, '0'), -inf},
        {"1e400", inf},
        {"-9.9D999", -inf},
        {"1e99999999999999999999", inf},
        {"1e0000000000000000000000005", 100000},
        {"1e-400", 0},
        {"0." + std::string(400, '0') + "1", 0},
        {"0e999999", 0},
        {"1e-310", 1e-310},
        {"0.000" + std::string(350, '0') + "1e400", 1e46},
        {std::string(100000, ' ') + "3", 3},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(LeadingNumber(row.text), row.expected) << "\"" << row.text.substr(0, 40) << "\"";
    }
}

}  // namespace
}  // namespace tooling::numeric
