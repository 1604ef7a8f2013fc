#include "core/FileValues.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/FieldReader.h"
#include "tests/core/Helpers.h"
#include "tests/support/GoldenCases.h"

namespace tooling::core {
namespace {

TEST(FieldReader, ReadsFieldsUpToTheEnd) {
    for (const test::GoldenCase& row :
         test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/FieldReader.txt")) {
        FieldReader in(row["bytes"], "list");
        std::string fields;
        do {
            fields += in.Next() + "|";
        } while (!in.AtEnd() && fields.size() < 100);
        EXPECT_EQ(fields, row["fields"]) << row.name;
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
