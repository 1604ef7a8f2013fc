#pragma once

#include <string>
#include <string_view>

namespace tooling::platform {

// The system's texts and names are single-byte Windows-1252; these convert them to and from the
// UTF-16 that the toolkit and the Windows API use. Every byte has a character (the undefined
// ones map to the control of the same number); characters without a byte become "?", one for
// each character, also outside the basic plane.
std::u16string Utf16FromCp1252(std::string_view bytes);
std::string Cp1252FromUtf16(std::u16string_view text);

}  // namespace tooling::platform
