#include "platform/win/WinError.h"

#include <windows.h>

namespace tooling::platform {

std::string WinErrorText(unsigned long code) {
    constexpr DWORD kFlags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    char text[512];
    DWORD length =
        FormatMessageA(kFlags, nullptr, code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), text,
                       sizeof text, nullptr);
    if (length == 0) {
        length = FormatMessageA(kFlags, nullptr, code, 0, text, sizeof text, nullptr);
    }
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    return message.empty() ? "error " + std::to_string(code) : message;
}

}  // namespace tooling::platform
