#pragma once

#include <array>
#include <string_view>

namespace tooling::numeric {

// The decimal digits of a finite, non-negative number: the first digit stands for
// 10^exponent. Trailing zeros are dropped; zero is the single digit "0".
struct DecimalDigits {
    std::array<char, 24> buffer{};
    int count = 0;
    int exponent = 0;

    std::string_view digits() const { return {buffer.data(), static_cast<std::size_t>(count)}; }
};

// With `significant` 0, the shortest digits that read back as the same double; otherwise that
// many significant digits, rounded half to even on the exact binary value.
DecimalDigits DecimalDigitsOf(double magnitude, int significant = 0);

}  // namespace tooling::numeric
