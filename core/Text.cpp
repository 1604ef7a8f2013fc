#include "core/Text.h"

#include <algorithm>

namespace tooling::core {

namespace {
char UpperChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

std::string Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string Upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), UpperChar);
    return result;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return UpperChar(x) == UpperChar(y);
           });
}

bool HasColon(std::string_view text) {
    return text.find(':') != std::string_view::npos;
}

std::string ValuePart(std::string_view line) {
    const std::size_t colon = line.find(':');
    return Trim(colon == std::string_view::npos ? line : line.substr(colon + 1));
}

std::string Fixed(std::string_view text, std::size_t width) {
    std::string result(text.substr(0, std::min(width, text.size())));
    result.resize(width, ' ');
    return result;
}

}  // namespace tooling::core
