#include "numeric/KeyFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tooling::numeric {
namespace {

// Calls KeyFilter and checks the beep: once when the key is refused, never when it is taken.
bool Takes(int key, int mode, std::string_view text = "", int selection = 0) {
    int beeps = 0;
    const int result = KeyFilter(key, mode, text, selection, [&beeps] { ++beeps; });
    if (result == 0) {
        EXPECT_EQ(beeps, 1) << "refused key " << key << " in mode " << mode;
        return false;
    }
    EXPECT_EQ(result, key) << "mode " << mode;
    EXPECT_EQ(beeps, 0) << "taken key " << key << " in mode " << mode;
    return true;
}

// Every printable ASCII key and a few others, so each mode's set is checked whole.
std::string Accepted(int mode, std::string_view text = "x") {
    std::string taken;
    for (int key = 32; key < 127; ++key) {
        if (Takes(key, mode, text, 1)) {
            taken += static_cast<char>(key);
        }
    }
    return taken;
}

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kUpper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kLower = "abcdefghijklmnopqrstuvwxyz";

std::string Printable() {
    std::string all;
    for (int key = 32; key < 127; ++key) {
        all += static_cast<char>(key);
    }
    return all;
}

TEST(KeyFilterTest, EachModeTakesItsSet) {
    const std::string letters = std::string(kUpper) + std::string(kLower);
    const std::string name =
        " &()+-." + std::string(kDigits) + std::string(kUpper) + "_" + std::string(kLower);
    struct Row {
        int mode;
        std::string expected;  // in code order
    };
    const std::vector<Row> rows = {
        {-1, std::string(kDigits)},
        {-2, "-" + std::string(kDigits)},
        {-4, "." + std::string(kDigits)},
        {-5, "-." + std::string(kDigits)},
        {-6, "()*+-./" + std::string(kDigits) + "^"},
        {-7, "()*+-./" + std::string(kDigits) + "P^p"},
        {-8, "()*+-./" + std::string(kDigits) + std::string(kUpper) + "^" + std::string(kLower)},
        {-80, "-" + std::string(kDigits) + std::string(kUpper) + "_" + std::string(kLower)},
        {-83, "-." + std::string(kDigits) + std::string(kUpper) + "_" + std::string(kLower)},
        {-32, name},
        {-321, name},
        {-322,
         " &()*+-." + std::string(kDigits) + "?" + std::string(kUpper) + "_" + std::string(kLower)},
        {-48, name},
        {1, name},
        {40, name},
        {0, Printable()},
        {-3, Printable()},
        {-9, Printable()},
        {-32768, Printable()},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Accepted(row.mode), row.expected) << "mode " << row.mode;
    }
}

TEST(KeyFilterTest, BackspaceAndEnterAlwaysPass) {
    for (int mode : {-1, -2, -4, -5, -6, -7, -8, -80, -83, -32, -321, -322, -48, 0, 5, -99}) {
        // Even with a full box and nothing selected.
        const std::string full(64, 'A');
        EXPECT_TRUE(Takes(kBackspace, mode, full)) << mode;
        EXPECT_TRUE(Takes(kEnter, mode, full)) << mode;
    }
}

TEST(KeyFilterTest, ControlAndWideKeysAreRefusedWhereAModeHasASet) {
    for (int mode : {-1, -6, -8, -80, -32, -322, 12}) {
        for (int key : {0, 1, 3, 9, 22, 24, 27, 127, 160, 233, 0x41 + 256, 0x2D + 65280, 65535}) {
            EXPECT_FALSE(Takes(key, mode, "x")) << "key " << key << " mode " << mode;
        }
    }
    // Modes without a set take them all.
    for (int key : {3, 27, 233, 65535}) {
        EXPECT_TRUE(Takes(key, 0, "x"));
        EXPECT_TRUE(Takes(key, -100, "x"));
    }
}

TEST(KeyFilterTest, LengthLimitsCountTheTrimmedText) {
    struct Row {
        int mode;
        int limit;
    };
    const std::vector<Row> rows = {{-80, 8},   {-83, 12}, {-32, 32}, {-321, 36},
                                   {-322, 36}, {-48, 48}, {1, 1},    {20, 20}};
    for (const Row& row : rows) {
        SCOPED_TRACE("mode " + std::to_string(row.mode));
        const std::string shorter(static_cast<std::size_t>(row.limit) - 1, 'a');
        const std::string full(static_cast<std::size_t>(row.limit), 'a');
        EXPECT_TRUE(Takes('B', row.mode, shorter));
        EXPECT_FALSE(Takes('B', row.mode, full));
        EXPECT_FALSE(Takes('B', row.mode, full + "a"));
        // A selection is replaced by the key, so the box may take it.
        EXPECT_TRUE(Takes('B', row.mode, full, 1));
        EXPECT_TRUE(Takes('B', row.mode, full, row.limit));
        // Keys outside the set stay refused with a selection.
        EXPECT_FALSE(Takes('!', row.mode, shorter, 1));
    }
    // Modes without a limit take keys into any length of text.
    const std::string longText(1000, '1');
    for (int mode : {-1, -2, -4, -5, -6, -7, -8}) {
        EXPECT_TRUE(Takes('7', mode, longText)) << mode;
    }
}

TEST(KeyFilterTest, NameCannotBeginWithABlank) {
    for (int mode : {-32, -321, -322, -48, 10}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        EXPECT_FALSE(Takes(' ', mode, ""));
        EXPECT_FALSE(Takes(' ', mode, "", 3));
        EXPECT_TRUE(Takes(' ', mode, "Shop"));
        EXPECT_TRUE(Takes('S', mode, ""));
    }
    // Modes without a blank in their set refuse it anywhere; mode 0 takes it anywhere.
    EXPECT_FALSE(Takes(' ', -80, "abc"));
    EXPECT_FALSE(Takes(' ', -6, "12"));
    EXPECT_TRUE(Takes(' ', 0, ""));
}

TEST(KeyFilterTest, DimensionAngleAndNameBoxes) {
    struct Row {
        int key;
        int mode;
        std::string text;
        int selection;
        bool taken;
    };
    const std::vector<Row> rows = {
        {'a', -6, "12", 0, false},  {' ', -6, "12", 0, false}, {',', -6, "12", 0, false},
        {'^', -6, "12", 0, true},   {'(', -6, "", 0, true},    {'+', -5, "12", 0, false},
        {'-', -5, "", 0, true},     {'.', -5, "1", 0, true},   {'/', -32, "a", 0, false},
        {'\\', -32, "a", 0, false}, {'&', -32, "a", 0, true},  {'*', -32, "a", 0, false},
        {'*', -322, "a", 0, true},  {'?', -322, "a", 0, true}, {'.', -80, "a", 0, false},
        {'.', -83, "a", 0, true},   {'p', -7, "", 0, true},    {'q', -7, "", 0, false},
        {'q', -8, "", 0, true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Takes(row.key, row.mode, row.text, row.selection), row.taken)
            << "key '" << static_cast<char>(row.key) << "' mode " << row.mode;
    }
    // The 33rd character of a name is refused unless text is selected.
    const std::string thirtyTwo(32, 'N');
    EXPECT_TRUE(Takes('N', -32, thirtyTwo.substr(1)));
    EXPECT_FALSE(Takes('N', -32, thirtyTwo));
    EXPECT_TRUE(Takes('N', -32, thirtyTwo, 2));
}

TEST(KeyFilterTest, WorksWithoutABeep) {
    EXPECT_EQ(KeyFilter('a', -1, "", 0, nullptr), 0);
    EXPECT_EQ(KeyFilter('1', -1, "", 0, {}), '1');
}

}  // namespace
}  // namespace tooling::numeric
