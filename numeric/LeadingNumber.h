#pragma once

#include <string_view>

namespace tooling::numeric {

// The value of the number a text begins with, as the suite's files are read: blanks, tabs and
// line feeds are skipped wherever they stand; an optional sign, digits with at most one decimal
// point, and an exponent (E or D, optional sign, digits) make the number; reading stops at the
// first character that cannot continue it. No number gives 0. A number beyond the double range
// gives an infinity of its sign.
double LeadingNumber(std::string_view text);

}  // namespace tooling::numeric
