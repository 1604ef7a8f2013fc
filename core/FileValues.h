#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tooling::core {

// The leading number of the text truncated toward zero, when that fits 16 bits.
std::optional<std::int16_t> TruncatedInt16(std::string_view text);

// The leading number of a field read into a 16-bit integer: rounded to the nearest, halves to
// the even neighbour. Throws platform::FileError naming `path` and `what` when it overflows.
std::int16_t Int16Field(std::string_view text, const std::string& path, std::string_view what);

// A length of a machine file as held in memory: millimetres, single precision. On an imperial
// machine the value is in inches: times 25.4, at 3 decimals (halves to even). Values beyond the
// single-precision range become infinities of their sign.
float Millimetres(double value, bool imperial);

}  // namespace tooling::core
