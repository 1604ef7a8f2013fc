#include "numeric/DecimalDigits.h"

#include <charconv>

namespace tooling::numeric {

DecimalDigits DecimalDigitsOf(double magnitude, int significant) {
    // std::to_chars is locale-free: d[.ddd]e±xx.
    std::array<char, 64> text{};
    const auto written = significant > 0
                             ? std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                             std::chars_format::scientific, significant - 1)
                             : std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                             std::chars_format::scientific);
    DecimalDigits result;
    const char* p = text.data();
    for (; p != written.ptr && *p != 'e'; ++p) {
        if (*p != '.' && result.count < static_cast<int>(result.buffer.size())) {
            result.buffer[static_cast<std::size_t>(result.count++)] = *p;
        }
    }
    if (p != written.ptr) {
        ++p;  // 'e'
        const bool negative = *p == '-';
        ++p;  // the exponent's sign is always written
        std::from_chars(p, written.ptr, result.exponent);
        if (negative) {
            result.exponent = -result.exponent;
        }
    }
    while (result.count > 1 && result.buffer[static_cast<std::size_t>(result.count - 1)] == '0') {
        --result.count;
    }
    return result;
}

}  // namespace tooling::numeric
