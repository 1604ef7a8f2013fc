#include "numeric/Rounding.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "numeric/DecimalDigits.h"

namespace tooling::numeric {

// Halves are judged on the shortest decimal text that reads back as the value, the text the
// system shows: 0.15 is a half and gives 0.2, 2.675 gives 2.68. Scaling by a power of ten
// instead would round such values by the binary product's accident (0.15 -> 0.2 but
// 2.675 -> 2.67).
double RoundHalfEven(double value, int decimals) {
    if (decimals < 0 || !std::isfinite(value) || value == 0.0) {
        return value;
    }
    const bool negative = std::signbit(value);
    const DecimalDigits decimal = DecimalDigitsOf(std::fabs(value));
    const std::string_view digits = decimal.digits();

    // Digits kept: those in front of the point and `decimals` after it.
    const long keep = static_cast<long>(decimal.exponent) + 1 + static_cast<long>(decimals);
    if (keep >= static_cast<long>(digits.size())) {
        return value;
    }
    // The kept digits, one more place for a carry, then "e-<decimals>".
    std::array<char, 64> text{};
    std::size_t length = 0;
    bool up = false;
    if (keep >= 0) {
        const auto kept = static_cast<std::size_t>(keep);
        text[length++] = '0';
        for (std::size_t i = 0; i < kept; ++i) {
            text[length++] = digits[i];
        }
        const char next = digits[kept];
        const bool more = kept + 1 < digits.size();
        const bool odd = (text[length - 1] - '0') % 2 == 1;
        up = next > '5' || (next == '5' && (more || odd));
    } else {
        text[length++] = '0';
    }
    if (up) {
        // The leading "0" takes the carry of 9.99 -> 10.00.
        std::size_t i = length - 1;
        while (text[i] == '9') {
            text[i--] = '0';
        }
        ++text[i];
    }
    text[length++] = 'e';
    text[length++] = '-';
    const auto end = std::to_chars(text.data() + length, text.data() + text.size(), decimals);
    double rounded = 0.0;
    std::from_chars(text.data(), end.ptr, rounded);
    return negative ? -rounded : rounded;
}

std::optional<std::int16_t> NearestInt16(double value) {
    if (std::isnan(value)) {
        return std::nullopt;
    }
    const double rounded = RoundHalfEven(value, 0);
    if (rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace tooling::numeric
