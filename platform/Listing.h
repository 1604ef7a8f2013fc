#pragma once

#include <string>
#include <string_view>

namespace tooling::platform {

// Case-insensitive match of a name against a pattern of "*" and "?". A pattern ending in ".*"
// also matches the name without extension ("Name.*" finds "Name"), so "*.*" matches every name.
bool MatchesPattern(std::string_view name, std::string_view pattern);

// Orders names without regard to case, then by bytes (unsigned), so every machine lists alike.
bool ListingOrder(const std::string& a, const std::string& b);

// ASCII letters in lower case; other bytes unchanged. Lock files are named with it, so that
// names differing only in case share one lock.
std::string LowerAscii(std::string_view name);

}  // namespace tooling::platform
