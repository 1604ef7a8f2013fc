#pragma once

#include <cstdint>
#include <optional>

namespace tooling::numeric {

// The value rounded to `decimals` decimals, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// A half is judged on the value's shortest decimal text, so 0.15 to one decimal gives 0.2.
// A negative count, or a value that has no more decimals than asked for, is returned unchanged.
double RoundHalfEven(double value, int decimals);

// The nearest 16-bit integer, halves to the even neighbour; nothing when the value is not a
// number or lies outside -32768 .. 32767 after rounding.
std::optional<std::int16_t> NearestInt16(double value);

}  // namespace tooling::numeric
