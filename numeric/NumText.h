#pragma once

#include <cstdint>
#include <string>

namespace tooling::numeric {

// A number as the system shows, stores and prints it: `decimals` 0 to 6 gives exactly that many
// decimals (counts above 6 count as 6), a negative count gives full precision. "." is the
// decimal point whatever the locale. A value with no finite double (infinity, not a number) is
// written as zero in the asked form ("0", "0.000"), so every file stays readable.
std::string NumText(double value, int decimals);  // 15 significant digits
std::string NumText(float value, int decimals);   // 7 significant digits (stored dimensions)

// A 16-bit integer in decimal, "-" for negatives, no blanks.
std::string IntText(std::int16_t value);

// A number as the suite's files print it: a blank in the sign place of a non-negative number,
// the digits, and a blank after them (" 5 ", "-3 ").
std::string PrintedNumber(std::int32_t value);

}  // namespace tooling::numeric
