#include "numeric/LeadingNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tooling::numeric {

namespace {

bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text without the skipped characters, cut after the longest leading number.
std::string NumberPart(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!IsSkipped(c)) {
            compact.push_back(c);
        }
    }
    std::size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        ++i;
    }
    bool digits = false;
    while (i < compact.size() && IsDigit(compact[i])) {
        ++i;
        digits = true;
    }
    if (i < compact.size() && compact[i] == '.') {
        ++i;
        while (i < compact.size() && IsDigit(compact[i])) {
            ++i;
            digits = true;
        }
    }
    if (!digits) {
        return {};
    }
    std::size_t end = i;
    if (i < compact.size() &&
        (compact[i] == 'E' || compact[i] == 'e' || compact[i] == 'D' || compact[i] == 'd')) {
        std::size_t j = i + 1;
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) {
            ++j;
        }
        if (j < compact.size() && IsDigit(compact[j])) {
            while (j < compact.size() && IsDigit(compact[j])) {
                ++j;
            }
            compact[i] = 'e';
            end = j;
        }
    }
    compact.resize(end);
    return compact;
}

// Roughly the decimal exponent of an unsigned number text: positive for large numbers, zero or
// negative for small ones. Only used to tell overflow from underflow.
long DecimalMagnitude(std::string_view digits) {
    const std::size_t e = digits.find('e');
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view exp = digits.substr(e + 1);
        const bool negative = !exp.empty() && exp.front() == '-';
        if (!exp.empty() && (exp.front() == '-' || exp.front() == '+')) {
            exp.remove_prefix(1);
        }
        for (char c : exp) {
            exponent = std::min(exponent * 10 + (c - '0'), 1000000L);
        }
        if (negative) {
            exponent = -exponent;
        }
        digits = digits.substr(0, e);
    }
    const std::size_t point = std::min(digits.find('.'), digits.size());
    const std::size_t first = digits.find_first_not_of("0.");
    if (first == std::string_view::npos) {
        return exponent - 1;
    }
    const long position =
        first < point ? static_cast<long>(point - first) : -static_cast<long>(first - point - 1);
    return exponent + position;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string number = NumberPart(text);
    if (number.empty()) {
        return 0.0;
    }
    bool negative = false;
    std::string_view digits = number;
    if (digits.front() == '+' || digits.front() == '-') {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = DecimalMagnitude(digits) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace tooling::numeric
