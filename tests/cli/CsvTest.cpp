#include "cli/Csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tooling::test {
namespace {

using cli::CsvLine;
using cli::ParseCsv;

TEST(Csv, QuotesOnlyWhatNeedsItAndReadsItBack) {
    struct Case {
        std::vector<std::string> fields;
        std::string line;
    };
    const std::vector<Case> cases = {
        {{"A", "Diameter", "12.7"}, "A,Diameter,12.7\r\n"},
        {{"", "", ""}, ",,\r\n"},
        {{"a,b", "say \"hi\""}, "\"a,b\",\"say \"\"hi\"\"\"\r\n"},
        {{"two\r\nlines", " blank "}, "\"two\r\nlines\", blank \r\n"},
        {{"\xB0 \xE9t\xE9"}, "\xB0 \xE9t\xE9\r\n"},  // Windows-1252 bytes pass as they are
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CsvLine(c.fields), c.line);
        const std::vector<cli::CsvRow> rows = ParseCsv(c.line);
        ASSERT_EQ(rows.size(), 1U) << c.line;
        EXPECT_EQ(rows[0].fields, c.fields) << c.line;
    }
}

TEST(Csv, CountsLinesAcrossQuotedLineBreaksAndSkipsEmptyLines) {
    const std::vector<cli::CsvRow> rows = ParseCsv("h1,h2\n\n\"x\ny\",2\r\nlast,3");
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0].line, 1);
    EXPECT_EQ(rows[1].line, 3);
    EXPECT_EQ(rows[1].fields, (std::vector<std::string>{"x\ny", "2"}));
    EXPECT_EQ(rows[2].line, 5);
    EXPECT_EQ(rows[2].fields, (std::vector<std::string>{"last", "3"}));
}

TEST(Csv, RefusesBrokenQuotesNamingTheLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a,b\r\n\"open,c\r\n", "line 2: a quoted field is not closed"},
        {"a\r\nb\r\n\"x\"y,c\r\n", "line 3: text after a closing quote"},
        {"a\r\nb\"c\r\n", "line 2: a quote inside an unquoted field"},
    };
    for (const auto& [text, message] : cases) {
        try {
            ParseCsv(text);
            ADD_FAILURE() << "accepted " << text;
        } catch (const cli::CsvError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
}

}  // namespace
}  // namespace tooling::test
