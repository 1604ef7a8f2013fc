#include "numeric/EvalExpr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "tests/support/GoldenCases.h"

namespace tooling::numeric {
namespace {

TEST(EvalExprTest, ExpressionsGiveTheirValueOrNone) {
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_GOLDEN_DIR "/eval-expr.txt")) {
        const std::string& expected = row.fields.at(1);
        EXPECT_EQ(EvalExpr(row.fields[0]),
                  test::IsNone(expected) ? std::nullopt : std::optional(test::NumberOf(expected)))
            << "line " << row.line;
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
    const std::pair<double, double> rows[] = {{-30, 330}, {360, 0}, {725.5, 5.5}, {-1e-20, 0}};
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
