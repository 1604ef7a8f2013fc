#include "numeric/NumText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "numeric/DecimalDigits.h"
#include "numeric/Rounding.h"

namespace tooling::numeric {

namespace {

constexpr int kMaxDecimals = 6;

// The base text: `significant` digits at most, trailing zeros dropped, no "0" in front of the
// point, exponent form ("1E+20", "1.5E-05") when the decimal exponent is below -4 or above 14.
// Works on the exact binary value with std::to_chars, so it never depends on the locale.
std::string BaseText(double value, int significant) {
    if (value == 0.0) {
        return "0";  // also -0
    }
    const DecimalDigits decimal = DecimalDigitsOf(std::fabs(value), significant);
    const std::string_view digits = decimal.digits();
    const int exponent = decimal.exponent;

    std::string out;
    out.reserve(32);
    if (std::signbit(value)) {
        out += '-';
    }
    if (exponent < -4 || exponent > 14) {
        out += digits.front();
        if (digits.size() > 1) {
            out += '.';
            out.append(digits.substr(1));
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            out += '0';
        }
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        out += '.';
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits;
            out.append(whole - digits.size(), '0');
        } else {
            out.append(digits.substr(0, whole));
            out += '.';
            out.append(digits.substr(whole));
        }
    }
    return out;
}

bool HasNegativeExponent(const std::string& text) {
    return text.find("E-") != std::string::npos || text.find("D-") != std::string::npos;
}

std::string Format(double value, int decimals, int significant) {
    // A value without a finite double (overflow in a caller's arithmetic) is written as zero,
    // so every file stays readable by the suite's other programs.
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    if (decimals > kMaxDecimals) {
        decimals = kMaxDecimals;
    }
    std::string text = BaseText(decimals < 0 ? value : RoundHalfEven(value, decimals), significant);
    if (HasNegativeExponent(text)) {
        text = "0";
    }
    // A "0" in front of a leading point, after the sign.
    std::string out;
    out.reserve(text.size() + 8);
    if (text.starts_with('.')) {
        out += '0';
        out += text;
    } else if (text.starts_with("-.")) {
        out += "-0";
        out.append(text, 1);
    } else {
        out += text;
    }
    if (decimals >= 0) {
        // Exactly `decimals` decimals, padded with zeros; none and no point for 0.
        std::size_t point = out.find('.');
        if (point == std::string::npos) {
            point = out.size();
            out += '.';
        }
        out.resize(point + 1 + static_cast<std::size_t>(decimals), '0');
        if (decimals == 0) {
            out.resize(point);
        }
    }
    return out;
}

}  // namespace

std::string NumText(double value, int decimals) {
    return Format(value, decimals, 15);
}

std::string NumText(float value, int decimals) {
    // Rounded as the decimal the float stands for (0.35f is 0.35, not 0.3499999940...).
    double shown = value;
    if (std::isfinite(value)) {
        std::array<char, 32> buffer{};
        const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
        std::from_chars(buffer.data(), written.ptr, shown);
    }
    return Format(shown, decimals, 7);
}

std::string IntText(std::int16_t value) {
    return std::to_string(value);
}

std::string PrintedNumber(std::int32_t value) {
    std::string text;
    if (value >= 0) {
        text += ' ';
    }
    text += std::to_string(value);
    text += ' ';
    return text;
}

}  // namespace tooling::numeric
