#include "core/FileValues.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/FieldReader.h"
#include "tests/core/Helpers.h"

namespace tooling::core {
namespace {

TEST(FieldReader, ReadsFieldsUpToTheEnd) {
    // The fields read until the text is used up, each followed by "|".
    const std::pair<const char*, const char*> rows[] = {
        {"1,abc,2.5\r\n2,def,3\r\n", "1|abc|2.5|2|def|3|"},
        {"\"a, b\",\" padded \",x\r\n", "a, b| padded |x|"},
        {"  7 words  ,\tz\t\n", "7 words|z|"},
        {"\"ab\"cd,e", "ab|e|"},        // text after a closing quote is skipped
        {"\"ab,\r\ncd", "ab,\r\ncd|"},  // an unclosed quote runs to the end
        {"a,,\r\n,b", "a||||b|"},
        {"a\rb\nc", "a|b|c|"},
        {"a\r\n\r\nb\r\n", "a||b|"},
        {"1,x\r\n******\r\n", "1|x|******|"},
        {"", "|"},
    };
    for (const auto& [bytes, expected] : rows) {
        FieldReader in(bytes, "list");
        std::string fields;
        do {
            fields += in.Next() + "|";
        } while (!in.AtEnd() && fields.size() < 100);
        EXPECT_EQ(fields, expected) << bytes;
        EXPECT_EQ(in.Next(), "");
    }
}

TEST(Millimetres, InchesBecomeMillimetresToThreeDecimals) {
    const float inf = std::numeric_limits<float>::infinity();
    const std::tuple<double, bool, float> rows[] = {
        {1.5, true, 38.1F},       {0.3937, true, 10.0F}, {-2.0, true, -50.8F},
        {0.00005, true, 0.001F},  // 0.00127 mm
        {0.3937, false, 0.3937F}, {1e300, false, inf},   {-1e300, true, -inf}};
    for (const auto& [value, imperial, expected] : rows) {
        EXPECT_EQ(Millimetres(value, imperial), expected) << value << (imperial ? " in" : " mm");
    }
}

TEST(FileValues, SixteenBitFieldsAreTruncatedOrRoundedHalfEven) {
    // A field, its value truncated, its value rounded half to even; none outside 16 bits.
    const std::tuple<const char*, std::optional<std::int16_t>, std::optional<std::int16_t>> rows[] =
        {{" 39.9 ", 39, 40}, {"-2.7", -2, -3},   {"2.5", 2, 2},          {"3.5", 3, 4},
         {"abc", 0, 0},      {"", 0, 0},         {"32767.9", 32767, {}}, {"-32768", -32768, -32768},
         {"32768", {}, {}},  {"-32769", {}, {}}, {"1e999", {}, {}}};
    for (const auto& [text, truncated, rounded] : rows) {
        EXPECT_EQ(TruncatedInt16(text), truncated) << text;
        std::optional<std::int16_t> got;
        test::ErrorOf([&] { got = Int16Field(text, "/M.stn", "kind"); });
        EXPECT_EQ(got, rounded) << text;
    }
}

}  // namespace
}  // namespace tooling::core
