#include "platform/Cp1252Text.h"

#include <array>

namespace tooling::platform {

namespace {

// Bytes 0x80 to 0x9F; the rest of Windows-1252 equals Latin-1. Undefined bytes map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool HighSurrogate(char16_t code) {
    return code >= 0xD800 && code < 0xDC00;
}
bool LowSurrogate(char16_t code) {
    return code >= 0xDC00 && code < 0xE000;
}

}  // namespace

std::u16string Utf16FromCp1252(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.push_back(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80]
                                                   : static_cast<char16_t>(byte));
    }
    return text;
}

std::string Cp1252FromUtf16(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t code = text[i];
        char byte = '?';
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            byte = static_cast<char>(code);
        } else if (HighSurrogate(code)) {
            // One character outside the basic plane: one "?", not one per half.
            if (i + 1 < text.size() && LowSurrogate(text[i + 1])) {
                ++i;
            }
        } else {
            for (std::size_t k = 0; k < kHighControls.size(); ++k) {
                if (kHighControls[k] == code) {
                    byte = static_cast<char>(0x80 + k);
                    break;
                }
            }
        }
        bytes.push_back(byte);
    }
    return bytes;
}

}  // namespace tooling::platform
