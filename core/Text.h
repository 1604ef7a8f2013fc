#pragma once

#include <string>
#include <string_view>

namespace tooling::core {

// The text without blanks at either end (blanks only, as the suite's files are trimmed).
std::string Trim(std::string_view text);

// ASCII letters upper-cased; other bytes unchanged.
std::string Upper(std::string_view text);

// Equal without regard to the case of ASCII letters.
bool SameText(std::string_view a, std::string_view b);

// The text contains ":".
bool HasColon(std::string_view text);

// The text after the first ":" of a line, trimmed; the whole line trimmed when it has no ":".
std::string ValuePart(std::string_view line);

// The text padded with blanks, or cut, to exactly `width` characters.
std::string Fixed(std::string_view text, std::size_t width);

}  // namespace tooling::core
