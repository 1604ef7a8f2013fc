#include "core/FieldReader.h"

#include <gtest/gtest.h>

#include "platform/FileError.h"

namespace tooling::core {
namespace {

struct FieldCase {
    const char* name;
    std::string bytes;
    // Each field read, followed by "|end" when the text is used up right after it.
    std::vector<std::string> fields;
};

class FieldReaderCases : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldReaderCases, ReadsFieldsAndTellsTheEnd) {
    const FieldCase& c = GetParam();
    FieldReader in(c.bytes, "list");
    std::vector<std::string> got;
    for (std::size_t i = 0; i < c.fields.size(); ++i) {
        std::string field = in.Next();
        got.push_back(in.AtEnd() ? field + "|end" : field);
    }
    EXPECT_EQ(got, c.fields);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldReaderCases,
    testing::Values(
        FieldCase{
            "CommasAndLines", "1,abc,2.5\r\n2,def,3\r\n", {"1", "abc", "2.5", "2", "def", "3|end"}},
        FieldCase{"QuotedTextsKeepCommasAndBlanks",
                  "\"a, b\",\" padded \",x\r\n",
                  {"a, b", " padded ", "x|end"}},
        FieldCase{"BlanksAroundUnquotedFieldsGo", "  7 words  ,\tz\t\n", {"7 words", "z|end"}},
        FieldCase{"TextAfterAClosingQuoteIsSkipped", "\"ab\"cd,e", {"ab", "e|end"}},
        FieldCase{"UnclosedQuoteRunsToTheEnd", "\"ab,\r\ncd", {"ab,\r\ncd|end"}},
        FieldCase{"EmptyFieldsBetweenCommasAndAtLineEnds", "a,,\r\n,b", {"a", "", "", "", "b|end"}},
        FieldCase{"LoneCrAndLfEndLines", "a\rb\nc", {"a", "b", "c|end"}},
        FieldCase{"EmptyLineIsAnEmptyField", "a\r\n\r\nb\r\n", {"a", "", "b|end"}},
        FieldCase{"EndMarkIsAField", "1,x\r\n******\r\n", {"1", "x", "******|end"}},
        FieldCase{"LastItemWithoutLineEnd", "1,2", {"1", "2|end"}},
        FieldCase{"NothingLeftGivesEmptyFields", "", {"|end", "|end"}}),
    [](const testing::TestParamInfo<FieldCase>& info) { return info.param.name; });

TEST(FieldReader, FieldOfARecordPastTheEndIsAFileError) {
    FieldReader in("1,Name", "/x/M.stn");
    EXPECT_EQ(in.Next(), "1");
    EXPECT_EQ(in.NextInRecord(), "Name");
    try {
        in.NextInRecord();
        FAIL() << "no error";
    } catch (const platform::FileError& e) {
        EXPECT_STREQ(e.what(), "\"/x/M.stn\": the file ends inside a record");
    }
}

}  // namespace
}  // namespace tooling::core
