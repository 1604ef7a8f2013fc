#include "numeric/EvalExpr.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace tooling::numeric {
namespace {

// A fixed seed keeps failures reproducible; TOOLING_RANDOM_SEED picks another run.
std::uint64_t Seed() {
    const char* text = std::getenv("TOOLING_RANDOM_SEED");
    return text != nullptr ? std::strtoull(text, nullptr, 10) : 20240611u;
}

class Generator {
  public:
    explicit Generator(std::uint64_t seed) : random_(seed) {}

    std::size_t Below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    // Digits, operators, brackets, function names, blanks and letters in random order.
    std::string Mix(std::size_t length) {
        static constexpr std::array<std::string_view, 40> kPieces = {
            "0",   "1",   "2",   "3",   "5",   "7",   "9",   "00",  "12",   ".",
            ".",   "+",   "-",   "-",   "*",   "/",   "^",   "(",   "(",    ")",
            ")",   " ",   " ",   "x",   "E",   "m",   "SIN", "cos", "TAN",  "ASN",
            "acs", "ATN", "RND", "INT", "ABS", "SQR", "Sec", "\t",  "\xe9", "99999999"};
        std::string text;
        while (text.size() < length) {
            text += kPieces[Below(kPieces.size())];
        }
        text.resize(length);
        return text;
    }

    // A plain decimal number: an optional "-", digits, and perhaps a point among them.
    std::string Decimal() {
        std::string text = Below(4) == 0 ? "-" : "";
        const std::size_t digits = 1 + Below(18);
        const std::size_t point = Below(digits + 2);
        for (std::size_t i = 0; i < digits; ++i) {
            if (i == point) {
                text += '.';
            }
            text += static_cast<char>('0' + Below(10));
        }
        return text;
    }

    int Small() { return static_cast<int>(Below(100)); }

  private:
    std::mt19937_64 random_;
};

double ValueOf(std::string_view decimal) {
    const bool negative = decimal.front() == '-';
    if (negative) {
        decimal.remove_prefix(1);
    }
    double value = 0.0;
    std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
    return negative ? -value : value;
}

TEST(EvalExprRandomTest, RandomTextsGiveFiniteResultsOrNone) {
    Generator random(Seed());
    SCOPED_TRACE("seed " + std::to_string(Seed()));
    std::size_t withResult = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const std::string text = random.Mix(random.Below(65));
        const std::optional<double> result = EvalExpr(text);
        if (result) {
            ++withResult;
            ASSERT_TRUE(std::isfinite(*result)) << "\"" << text << "\"";
        }
    }
    // The mix is meant to reach both outcomes often.
    EXPECT_GT(withResult, 100'000u);
    EXPECT_LT(withResult, 900'000u);
}

TEST(EvalExprRandomTest, LongRandomTextsFinish) {
    Generator random(Seed() + 1);
    for (int i = 0; i < 8; ++i) {
        const std::string text = random.Mix(100'000);
        const std::optional<double> result = EvalExpr(text);
        EXPECT_TRUE(!result || std::isfinite(*result));
    }
    // Balanced brackets in random places, so the passes run through to the end.
    for (int i = 0; i < 4; ++i) {
        std::string text;
        std::size_t open = 0;
        while (text.size() < 100'000) {
            const std::size_t pick = random.Below(6);
            if (pick == 0) {
                text += '(';
                ++open;
            } else if (pick == 1 && open > 0) {
                text += ')';
                --open;
            } else {
                text += "1+-*"[pick % 4];
            }
        }
        text.append(open, ')');
        const std::optional<double> result = EvalExpr(text);
        EXPECT_TRUE(!result || std::isfinite(*result));
    }
}

TEST(EvalExprRandomTest, PlainDecimalsEvaluateToTheirValue) {
    Generator random(Seed() + 2);
    for (int i = 0; i < 100'000; ++i) {
        const std::string text = random.Decimal();
        const std::optional<double> result = EvalExpr(text);
        ASSERT_TRUE(result.has_value()) << "\"" << text << "\"";
        ASSERT_EQ(*result, ValueOf(text)) << "\"" << text << "\"";
    }
}

// Small whole numbers joined by operators, some in brackets: the result is the fold from left
// to right, and a division by zero anywhere gives none.
TEST(EvalExprRandomTest, FlatExpressionsFoldFromLeftToRight) {
    Generator random(Seed() + 3);
    for (int i = 0; i < 100'000; ++i) {
        const int first = random.Small();
        std::string text = std::to_string(first);
        std::optional<double> expected = first;
        const std::size_t terms = random.Below(8);
        for (std::size_t t = 0; t < terms; ++t) {
            const char op = "+-*/"[random.Below(4)];
            const int n = random.Small() - 20;
            std::string operand = std::to_string(n);
            if (random.Below(3) == 0) {
                operand = "(" + operand + ")";
            }
            text += op;
            text += operand;
            if (expected) {
                switch (op) {
                    case '+':
                        *expected += n;
                        break;
                    case '-':
                        *expected -= n;
                        break;
                    case '*':
                        *expected *= n;
                        break;
                    default:
                        expected = n == 0 ? std::nullopt : std::optional<double>(*expected / n);
                        break;
                }
            }
        }
        const std::optional<double> result = EvalExpr(text);
        ASSERT_EQ(result.has_value(), expected.has_value()) << "\"" << text << "\"";
        if (expected) {
            ASSERT_EQ(*result, *expected) << "\"" << text << "\"";
        }
    }
}

}  // namespace
}  // namespace tooling::numeric
