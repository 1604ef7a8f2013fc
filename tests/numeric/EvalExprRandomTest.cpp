#include "numeric/EvalExpr.h"

#include <gtest/gtest.h>

#include <array>
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

std::size_t Below(std::mt19937_64& random, std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
}

// Digits, operators, brackets, function names, blanks and letters in random order.
std::string Mix(std::mt19937_64& random, std::size_t length) {
    static constexpr std::array<std::string_view, 40> kPieces = {
        "0",   "1",   "2",   "3",   "5",   "7",   "9",   "00",  "12",   ".",
        ".",   "+",   "-",   "-",   "*",   "/",   "^",   "(",   "(",    ")",
        ")",   " ",   " ",   "x",   "E",   "m",   "SIN", "cos", "TAN",  "ASN",
        "acs", "ATN", "RND", "INT", "ABS", "SQR", "Sec", "\t",  "\xe9", "99999999"};
    std::string text;
    while (text.size() < length) {
        text += kPieces[Below(random, kPieces.size())];
    }
    text.resize(length);
    return text;
}

// A million texts, every 100,000th of them 100,000 characters long.
TEST(EvalExprRandomTest, RandomTextsGiveFiniteResultsOrNone) {
    SCOPED_TRACE("seed " + std::to_string(Seed()));
    std::mt19937_64 random(Seed());
    std::size_t withResult = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const std::string text = Mix(random, i % 100'000 == 0 ? 100'000 : Below(random, 65));
        const std::optional<double> result = EvalExpr(text);
        if (result) {
            ++withResult;
            ASSERT_TRUE(std::isfinite(*result)) << "\"" << text.substr(0, 80) << "\"";
        }
    }
    // The mix is meant to reach both outcomes often.
    EXPECT_GT(withResult, 100'000u);
    EXPECT_LT(withResult, 900'000u);
}

}  // namespace
}  // namespace tooling::numeric
