#include "numeric/KeyFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/support/GoldenCases.h"

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

TEST(KeyFilterTest, EachModeTakesItsSetUpToItsLength) {
    std::string every;
    for (int key = 0; key < 256; ++key) {
        every += static_cast<char>(key);
    }
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_GOLDEN_DIR "/key-filter.txt")) {
        SCOPED_TRACE("mode " + row.fields.at(0));
        const int mode = std::stoi(row.fields[0]);
        const std::string taken = row.fields.at(1) == "every" ? every : row.fields[1];
        const int limit = std::stoi(row.fields.at(2));
        // The codes the mode takes into a box with some text, part of it selected.
        std::string accepted;
        for (char key : every) {
            if (Takes(static_cast<unsigned char>(key), mode, "x", 1)) {
                accepted += key;
            }
        }
        EXPECT_EQ(accepted, taken);
        // Wide keys belong to no set, even where their low byte would.
        for (int key : {'A' + 256, '-' + 65280, 65535}) {
            EXPECT_EQ(Takes(key, mode, "x"), taken == every);
        }
        if (limit == 0) {
            EXPECT_TRUE(Takes('7', mode, std::string(1000, '1')));
            continue;
        }
        // A full box takes a key only in place of a selection; Backspace and Enter always.
        const std::string full(static_cast<std::size_t>(limit), 'a');
        EXPECT_TRUE(Takes('B', mode, full.substr(1)));
        EXPECT_FALSE(Takes('B', mode, full));
        EXPECT_FALSE(Takes('B', mode, full + "a"));
        EXPECT_TRUE(Takes('B', mode, full, limit));
        EXPECT_TRUE(Takes(kBackspace, mode, full));
        EXPECT_TRUE(Takes(kEnter, mode, full));
        // A name cannot begin with a blank.
        if (taken.find(' ') != std::string::npos) {
            EXPECT_FALSE(Takes(' ', mode, "") || Takes(' ', mode, "", 3));
        }
    }
}

TEST(KeyFilterTest, WorksWithoutABeep) {
    EXPECT_EQ(KeyFilter('a', -1, "", 0, nullptr), 0);
    EXPECT_EQ(KeyFilter('1', -1, "", 0, {}), '1');
}

}  // namespace
}  // namespace tooling::numeric
