#include "numeric/LeadingNumber.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace tooling::numeric {
namespace {

TEST(LeadingNumberTest, ReadsTheNumberATextBeginsWith) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::string zeros(400, '0');
    const std::vector<std::pair<std::string, double>> rows = {
        {"  7 words", 7},
        {"", 0},
        {"abc", 0},
        {"-3", -3},
        {"+3", 3},
        {"1.2.3", 1.2},
        {".5", 0.5},
        {"-", 0},
        {"+-3", 0},
        {"1E3", 1000},
        {"1d2", 100},
        {"2.5E-1", 0.25},
        {"1e+2x", 100},
        {"1e+", 1},   // an exponent without digits is no exponent
        {"- 3", -3},  // blanks, tabs and line feeds are skipped wherever they stand
        {"\t\n4\t2", 42},
        {"12\r\n", 12},
        {"0x10", 0},
        {"1" + zeros, inf},
        {"-9.9D999", -inf},
        {"1e99999999999999999999", inf},
        {"1e0000000000000000000000005", 100000},
        {"1e-400", 0},
        {"0." + zeros + "1", 0},
        {"0e999999", 0},
        {"1e-310", 1e-310},
        {"0.000" + std::string(350, '0') + "1e400", 1e46},
        {std::string(100000, ' ') + "3", 3},
    };
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(LeadingNumber(text), expected) << "\"" << text.substr(0, 40) << "\"";
    }
}

}  // namespace
}  // namespace tooling::numeric
