#include "numeric/KeyFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tooling::numeric {
namespace {

// Calls KeyFilter and checks the beep: once when the key is refused, never when it is taken.
bool Takes(int key, int mode, std::string_view text, int selection = 0) {
    int beeps = 0;
    const int result = KeyFilter(key, mode, text, selection, [&beeps] { ++beeps; });
    EXPECT_LE(beeps, 1) << "key " << key << " in mode " << mode;
    EXPECT_EQ(result, beeps == 0 ? key : 0) << "key " << key << " in mode " << mode;
    return beeps == 0;
}

// The codes 0..255 a mode takes into a box with some text, part of it selected.
std::string Accepted(int mode) {
    std::string taken;
    for (int key = 0; key < 256; ++key) {
        if (Takes(key, mode, "x", 1)) {
            taken += static_cast<char>(key);
        }
    }
    return taken;
}

TEST(KeyFilterTest, EachModeTakesItsSetUpToItsLength) {
    std::string every;
    for (int key = 0; key < 256; ++key) {
        every += static_cast<char>(key);
    }
    // Backspace and Enter pass in every mode; the rest of each set follows in code order.
    const std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::string lower = "abcdefghijklmnopqrstuvwxyz";
    const std::string name = "\b\r &()+-.0123456789" + upper + "_" + lower;
    struct Row {
        int mode;
        std::string taken;
        int limit;  // 0: none
    };
    const std::vector<Row> rows = {
        {-1, "\b\r0123456789", 0},
        {-2, "\b\r-0123456789", 0},
        {-4, "\b\r.0123456789", 0},
        {-5, "\b\r-.0123456789", 0},
        {-6, "\b\r()*+-./0123456789^", 0},
        {-7, "\b\r()*+-./0123456789P^p", 0},
        {-8, "\b\r()*+-./0123456789" + upper + "^" + lower, 0},
        {-80, "\b\r-0123456789" + upper + "_" + lower, 8},
        {-83, "\b\r-.0123456789" + upper + "_" + lower, 12},
        {-32, name, 32},
        {-321, name, 36},
        {-322, "\b\r &()*+-.0123456789?" + upper + "_" + lower, 36},
        {-48, name, 48},
        {1, name, 1},
        {40, name, 40},
        {0, every, 0},
        {-3, every, 0},
        {-32768, every, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("mode " + std::to_string(row.mode));
        EXPECT_EQ(Accepted(row.mode), row.taken);
        // Wide keys belong to no set, even where their low byte would.
        for (int key : {'A' + 256, '-' + 65280, 65535}) {
            EXPECT_EQ(Takes(key, row.mode, "x"), row.taken == every);
        }
        if (row.limit == 0) {
            EXPECT_TRUE(Takes('7', row.mode, std::string(1000, '1')));
            continue;
        }
        // A full box takes a key only in place of a selection; Backspace and Enter always.
        const std::string full(static_cast<std::size_t>(row.limit), 'a');
        EXPECT_TRUE(Takes('B', row.mode, full.substr(1)));
        EXPECT_FALSE(Takes('B', row.mode, full));
        EXPECT_FALSE(Takes('B', row.mode, full + "a"));
        EXPECT_TRUE(Takes('B', row.mode, full, row.limit));
        EXPECT_TRUE(Takes(kBackspace, row.mode, full));
        EXPECT_TRUE(Takes(kEnter, row.mode, full));
        // A name cannot begin with a blank.
        if (row.taken.find(' ') != std::string::npos) {
            EXPECT_FALSE(Takes(' ', row.mode, "") || Takes(' ', row.mode, "", 3));
        }
    }
}

TEST(KeyFilterTest, WorksWithoutABeep) {
    EXPECT_EQ(KeyFilter('a', -1, "", 0, nullptr), 0);
    EXPECT_EQ(KeyFilter('1', -1, "", 0, {}), '1');
}

}  // namespace
}  // namespace tooling::numeric
