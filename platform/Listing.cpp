#include "platform/Listing.h"

#include <algorithm>

namespace tooling::platform {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool GlobMatch(std::string_view name, std::string_view pattern) {
    // Iterative matcher with one back-tracking point for the last "*".
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    if (GlobMatch(name, pattern)) {
        return true;
    }
    // As on the suite's home platform, "Name.*" also finds a "Name" without extension.
    return pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
           GlobMatch(name, pattern.substr(0, pattern.size() - 2));
}

bool ListingOrder(const std::string& a, const std::string& b) {
    // Bytes compare as unsigned, as std::string does, whatever the signedness of char.
    const auto lowerLess = [](char x, char y) {
        return static_cast<unsigned char>(Lower(x)) < static_cast<unsigned char>(Lower(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lowerLess)) {
        return true;
    }
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lowerLess)) {
        return false;
    }
    return a < b;
}

std::string LowerAscii(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
    return lower;
}

}  // namespace tooling::platform
