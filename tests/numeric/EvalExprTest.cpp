#include "numeric/EvalExpr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace tooling::numeric {
namespace {

constexpr std::nullopt_t kNone = std::nullopt;

struct Row {
    std::string expression;
    std::optional<double> expected;
};

TEST(EvalExprTest, ExpressionsGiveTheirValueOrNone) {
    const std::vector<Row> rows = {
        // The worked examples.
        {"2*(3+SIN(30))", 7},
        {"12.5", 12.5},
        {"", kNone},
        {"+", kNone},
        {"2+3*4", 20},
        {"2*(3+4)", 14},
        {"(1+2)*(3+4)", 21},
        {"-3+5", 2},
        {"2*-3", -6},
        {"2--3", 5},
        {"3-(-5)", 8},
        {"-(-3)", -3},
        {"2(3+4)", 27},
        {"1/0", kNone},
        {"5+1/0", kNone},
        {"(2+3", kNone},
        {"2+3)", kNone},
        {"SIN(30)", 0.5},
        {"sin30", 0.5},
        {"SIN(-30)", -0.5},
        {"COS(60)+1", 1.5},
        {"ATN(1)", 0.7854},
        {"ASN(0.5)", 0.5236},
        {"RND(2.5)", 2},
        {"INT(-2.7)", -2},
        {"SQR(-16)", 4},
        {"ABS(-4)", 4},
        {"SEC(30)", 30},
        {"SIN(1/0)", 0},
        {"SIN(ABS(-30))", -0.5},
        {"10-2-3", 5},
        {"2^3^2", 64},
        {"1.2.3", 1.2},
        {"12 mm", 12},
        {")1(", kNone},
        // An operator waits for the number after it; numbers read exactly.
        {"2+*3", 5},
        {"-.5", -0.5},
        {"0.30000000000000004", 0.30000000000000004},
        // Blanks and letters are dropped: digits run together, and "e" is no exponent.
        {" 4 2 ", 42},
        {"1e3", 13},
        {"0." + std::string(400, '0') + "1", 0},
        // The final value keeps full precision; a group passes through 15 digits of text, and
        // large ones are written out in digits.
        {"1/3", 1.0 / 3.0},
        {"(1/3)", 0.333333333333333},
        {"(1/100000)*100000", 0},
        {"(10^20)*2", 2e20},
        {"(-(10^20))+1", -1e20},
        {"ABS(10^20)/(10^19)", 10},
        {"(10^20/3)", 3.33333333333333e19},
        // An empty group stands for the previous group's value.
        {"()", kNone},
        {"()(2)", 22},
        // Function arguments as written.
        {"SIN30+1", 0.51504},
        {"SIN 30", 30},
        {"COS", 1},
        {"ABS2(3)", 23},
        {"SIN(3x0)", 0.5},
        {"ACS(0.5)", 1.0472},
        {"TAN(45)", 1},
        {"RND(3.5)+RND(-2.5)", 2},
        // No finite real result.
        {"ASN(1)", kNone},
        {"ACS(-1)", kNone},
        {"(-8)^0.5", kNone},
        {"10^300*10^300", kNone},
        {std::string(400, '9'), kNone}};
    for (const Row& row : rows) {
        EXPECT_EQ(EvalExpr(row.expression), row.expected) << row.expression.substr(0, 40);
    }
}

TEST(EvalExprTest, DeepAndLongExpressionsEvaluate) {
    const std::string nested = std::string(50000, '(') + "1+2" + std::string(50000, ')');
    EXPECT_EQ(EvalExpr(nested), 3.0);
    std::string sum = "0";
    for (int i = 0; i < 20000; ++i) {
        sum += "+(2*(3-1))";
    }
    EXPECT_EQ(EvalExpr(sum), 80000.0);
}

TEST(EvalExprTest, AnglesComeIntoOneTurnAndUseTheFourteenDecimalPi) {
    const std::vector<std::pair<double, double>> rows = {
        {-30, 330}, {360, 0}, {725.5, 5.5}, {-1e-20, 0}};
    for (const auto& [degrees, expected] : rows) {
        EXPECT_EQ(NormAngle(degrees), expected) << degrees;
    }
    for (double degrees : {INFINITY, -INFINITY, NAN}) {
        EXPECT_TRUE(std::isnan(NormAngle(degrees)));
    }
    EXPECT_DOUBLE_EQ(DegToRad(180), 3.14159265358979);
    EXPECT_DOUBLE_EQ(DegToRad(-90), 270 * 3.14159265358979 / 180);
}

}  // namespace
}  // namespace tooling::numeric
