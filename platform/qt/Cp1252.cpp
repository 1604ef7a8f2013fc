#include "platform/qt/Cp1252.h"

#include <array>

namespace tooling::platform {

namespace {

// Bytes 0x80 to 0x9F; the rest of Windows-1252 equals Latin-1. Undefined bytes map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QString FromCp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(QChar(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80]
                                                      : static_cast<char16_t>(byte)));
    }
    return text;
}

std::string ToCp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t code = text[i].unicode();
        char byte = '?';
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            byte = static_cast<char>(code);
        } else if (QChar::isHighSurrogate(code)) {
            // One character outside the basic plane: one "?", not one per half.
            if (i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
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
