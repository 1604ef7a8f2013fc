#include "numeric/EvalExpr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace tooling::numeric {
namespace {

struct Row {
    std::string expression;
    std::optional<double> expected;  // nullopt: the empty result
};

void ExpectRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE("expression: \"" + row.expression + "\"");
        const std::optional<double> result = EvalExpr(row.expression);
        ASSERT_EQ(result.has_value(), row.expected.has_value());
        if (row.expected) {
            EXPECT_DOUBLE_EQ(*result, *row.expected);
        }
    }
}

TEST(EvalExprTest, EdgeCaseTableHolds) {
    ExpectRows({
        {"12.5", 12.5},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"2+3*4", 20},
        {"2*(3+4)", 14},
        {"(1+2)*(3+4)", 21},
        {"-3+5", 2},
        {"2*-3", -6},
        {"2--3", 5},
        {"3-(-5)", 8},
        {"-(-3)", -3},
        {"2(3+4)", 27},
        {"1/0", std::nullopt},
        {"5+1/0", std::nullopt},
        {"(2+3", std::nullopt},
        {"2+3)", std::nullopt},
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
    });
}

TEST(EvalExprTest, WorkedExampleGivesSeven) {
    ExpectRows({{"2*(3+SIN(30))", 7}});
}

TEST(EvalExprTest, AppliesOperatorsFromLeftToRight) {
    ExpectRows({
        {"10-2-3", 5},
        {"2^3^2", 64},
        {"1+2*3-4/2", 2.5},
        {"8/2/2", 2},
        {"2^-1", 0.5},
        {"(2+3)*(4-1)/5", 3},
        {"((1+2)*(3+4))+1", 22},
        {"0^0", 1},
    });
}

TEST(EvalExprTest, ReadsNumbersAsTyped) {
    ExpectRows({
        {"1.2.3", 1.2},  // a second point ends the number
        {"12 mm", 12},   // other characters are dropped
        {" 4 2 ", 42},   // blanks too, so the digits run together
        {".5", 0.5},
        {"5.", 5},
        {"-", 0},  // "-" alone reads as 0
        {".", 0},
        {"--3", -3},  // a sign, then a subtraction: 0 - 3
        {"3++4", 7},
        {"+5", 5},
        {"7*", 7},
        {"2+*3", 5},  // the "*" waits for a number that never comes
        {"1e3", 13},  // "e" is dropped, it is not an exponent
        {"0.30000000000000004", 0.30000000000000004},
    });
}

TEST(EvalExprTest, GroupValuesPassThroughFifteenDigits) {
    // The full-precision value of the last pass is the result; a group comes back as text.
    EXPECT_EQ(EvalExpr("1/3"), 1.0 / 3.0);
    EXPECT_EQ(EvalExpr("(1/3)"), 0.333333333333333);
    ExpectRows({{"(1/3)*3", 0.999999999999999}});
    // A group below 1E-04 comes back as "0", as the number text writes it.
    EXPECT_EQ(EvalExpr("(1/100000)*100000"), 0.0);
}

TEST(EvalExprTest, LargeGroupValuesComeBackWhole) {
    // "1E+20" would be read back as 1; the value is written out in digits instead.
    ExpectRows({
        {"(10^20)*2", 2e20},
        {"(10^20)", 1e20},
        {"(-(10^20))+1", -1e20 + 1},
        {"ABS(10^20)/(10^19)", 10},
        {"(10^20/3)", 3.33333333333333e19},
        {"2(10^15)", 21e15},  // the digits still run together
    });
}

TEST(EvalExprTest, EmptyGroupTakesTheSlotOfThePreviousGroup) {
    ExpectRows({
        {"()", std::nullopt},
        {"(((())))", std::nullopt},
        {"(5)+()", 5},
        {"()(2)", 22},
        {"(3+)4", 34},
    });
}

TEST(EvalExprTest, RejectsUnbalancedOrMisplacedParentheses) {
    ExpectRows({
        {")1(", std::nullopt},
        {"((1)", std::nullopt},
        {"(1))", std::nullopt},
        {")(", std::nullopt},
        {"1)+(2", std::nullopt},
        {std::string(1000, '('), std::nullopt},
    });
}

TEST(EvalExprTest, OperationsWithoutFiniteResultGiveNothing) {
    ExpectRows({
        {"ASN(1)", std::nullopt},
        {"ASN(-1)", std::nullopt},
        {"ACS(1.5)", std::nullopt},
        {"ACS(-1)", std::nullopt},
        {"(-8)^0.5", std::nullopt},
        {"(0-8)^(1/3)", std::nullopt},
        {"0^-1", std::nullopt},
        {"10^400", std::nullopt},
        {"10^300*10^300", std::nullopt},
        {"(10^300)*10^300", std::nullopt},
        {std::string(400, '9'), std::nullopt},  // a literal beyond the double range
        {"1+" + std::string(400, '9') + "-1", std::nullopt},
        {"2/(1-1)", std::nullopt},
        {"5+ASN(2)", std::nullopt},
    });
}

TEST(EvalExprTest, TinyLiteralsReadAsZero) {
    ExpectRows({
        {"0." + std::string(400, '0') + "1", 0},
        {"1+0." + std::string(400, '0') + "1", 1},
    });
}

TEST(EvalExprTest, FunctionsTakeTheirArgumentAsWritten) {
    ExpectRows({
        {"SIN30+1", 0.51504},  // the argument runs on: SIN(31)
        {"SIN 30", 30},        // empty argument, SIN(0) = 0 before "30"
        {"ACS(0)", 1.5708},
        {"ACS(0.5)", 1.0472},
        {"TAN(45)", 1},
        {"TAN(405)", 1},
        {"COS(-300)", 0.5},
        {"ATN(-1)*2", -1.5708},
        {"INT(2.7)+INT(-2.7)", 0},
        {"RND(3.5)+RND(-2.5)", 2},
        {"RND(0.5)", 0},
        {"SQR(2)", 1.41421},
        {"sqr(16)+abs(-2)", 6},
        {"S", 0},  // a name cut short takes an empty argument
        {"COS", 1},
        {"2*ABS(3)+1", 7},
        {"ABS2(3)", 23},  // "(" after the argument ends it
        {"ABS((1+2)*3)", 9},
        {"ABS(1/0)+5", 5},  // an argument without a result counts as 0
        {"SIN(3x0)", 0.5},  // letters inside the brackets are skipped
    });
}

TEST(EvalExprTest, NormAngleBringsAnglesIntoOneTurn) {
    struct AngleRow {
        double degrees;
        double expected;
    };
    const std::vector<AngleRow> rows = {
        {0, 0},         {-30, 330},  {360, 0},        {725.5, 5.5}, {-720, 0},
        {359.5, 359.5}, {-1e-20, 0}, {-0.25, 359.75}, {-390, 330},
    };
    for (const AngleRow& row : rows) {
        SCOPED_TRACE(row.degrees);
        const double a = NormAngle(row.degrees);
        EXPECT_DOUBLE_EQ(a, row.expected);
        EXPECT_GE(a, 0.0);
        EXPECT_LT(a, 360.0);
    }
    EXPECT_TRUE(std::isnan(NormAngle(INFINITY)));
    EXPECT_TRUE(std::isnan(NormAngle(-INFINITY)));
    EXPECT_TRUE(std::isnan(NormAngle(NAN)));
}

TEST(EvalExprTest, DegToRadUsesTheFourteenDecimalPi) {
    EXPECT_DOUBLE_EQ(DegToRad(180), 3.14159265358979);
    EXPECT_DOUBLE_EQ(DegToRad(-90), 270 * 3.14159265358979 / 180);
    EXPECT_NE(DegToRad(180), std::numbers::pi);
}

TEST(EvalExprTest, DeepAndLongExpressionsEvaluate) {
    const std::size_t depth = 50000;
    const std::string nested = std::string(depth, '(') + "1+2" + std::string(depth, ')');
    EXPECT_EQ(EvalExpr(nested), 3.0);

    std::string chain;
    for (int i = 0; i < 20000; ++i) {
        chain += "(1+1)+";
    }
    chain += "0";
    EXPECT_EQ(EvalExpr(chain), 40000.0);

    std::string sum = "0";
    for (int i = 0; i < 20000; ++i) {
        sum += "+(2*(3-1))";
    }
    EXPECT_EQ(EvalExpr(sum), 80000.0);
}

}  // namespace
}  // namespace tooling::numeric
