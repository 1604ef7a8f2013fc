#include "numeric/Rounding.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

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
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(value), std::chars_format::scientific);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(written.ptr - buffer.data()));
    // text is d[.ddd]e±x: the digits, and the power of ten of the first one.
    const std::size_t e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            digits.push_back(c);
        }
    }
    const long exponent = std::strtol(std::string(text.substr(e + 1)).c_str(), nullptr, 10);

    // Digits kept: those in front of the point and `decimals` after it.
    const long keep = exponent + 1 + static_cast<long>(decimals);
    if (keep >= static_cast<long>(digits.size())) {
        return value;
    }
    std::string kept;
    bool up = false;
    if (keep < 0) {
        up = false;
    } else {
        kept = digits.substr(0, static_cast<std::size_t>(keep));
        const char next = digits[static_cast<std::size_t>(keep)];
        const bool more = static_cast<std::size_t>(keep) + 1 < digits.size();
        const bool odd = !kept.empty() && (kept.back() - '0') % 2 == 1;
        up = next > '5' || (next == '5' && (more || odd));
    }
    if (kept.empty()) {
        kept = "0";
    }
    if (up) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') {
            kept[--i] = '0';
        }
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }
    // The kept digits stand for kept * 10^-decimals.
    const std::string result = kept + "e-" + std::to_string(decimals);
    double rounded = 0.0;
    std::from_chars(result.data(), result.data() + result.size(), rounded);
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
