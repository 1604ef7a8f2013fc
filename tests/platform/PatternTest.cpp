#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/posix/PosixFileSystem.h"

namespace tooling::platform {
namespace {

struct PatternRow {
    const char* name;
    const char* pattern;
    bool matches;
};

TEST(MatchesPattern, FollowsTheSuiteWildcardsWithoutRegardToCase) {
    const PatternRow rows[] = {
        {"Shop.lkp", "*.lkp", true},
        {"SHOP.LKP", "*.lkp", true},
        {"shop.lkp", "*.LKP", true},
        {"Shop.lkpx", "*.lkp", false},
        {"Shop.lk", "*.lkp", false},
        {"lkp", "*.lkp", false},
        {"Shop.lkp.bak", "*.lkp", false},
        {"Shop.lkp", "*.*", true},
        {"README", "*.*", true},
        {"a.b.c", "*.*", true},
        {"Shop", "Shop.*", true},  // "Name.*" also finds the name without extension
        {"shop.A", "Shop.*", true},
        {"SHOP.1", "Shop.*", true},
        {"Shop.", "Shop.*", true},
        {"Shop.Old.lkp", "Shop.*", true},  // callers that mean one library must say so
        {"Shops", "Shop.*", false},
        {"ShopX.lkp", "Shop.*", false},
        {"XShop.lkp", "Shop.*", false},
        {"Tool1", "Tool?", true},
        {"Tool12", "Tool?", false},
        {"Tool", "Tool?", false},
        {"abcabd", "*abd", true},
        {"abcabdx", "*abd", false},
        {"aaa", "a*a*a", true},
        {"aa", "a*a*a", false},
        {"Data", "DATA", true},
        {"Dat", "DATA", false},
        {"", "*", true},
        {"x", "", false},
        {"Name", "*", true},
    };
    for (const PatternRow& row : rows) {
        EXPECT_EQ(MatchesPattern(row.name, row.pattern), row.matches)
            << "\"" << row.name << "\" against \"" << row.pattern << "\"";
    }
}

TEST(ListingOrder, IgnoresCaseThenComparesUnsignedBytes) {
    std::vector<std::string> names = {"b.lkp", "\xE9t\xE9", "A.lkp", "Z", "a.lkp",
                                      "_x",    "10",        "B",     "9", "b"};
    std::sort(names.begin(), names.end(), ListingOrder);
    // Bytes above 0x7F sort after the letters on every machine, whether char is signed or not.
    const std::vector<std::string> expected = {"10", "9", "_x",    "A.lkp", "a.lkp",
                                               "B",  "b", "b.lkp", "Z",     "\xE9t\xE9"};
    EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace tooling::platform
