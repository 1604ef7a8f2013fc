#include "cli/Csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/GoldenCases.h"
#include "tests/support/GoldenText.h"

namespace tooling::test {
namespace {

using cli::ParseCsv;

TEST(Csv, QuotesOnlyWhatNeedsItAndReadsItBack) {
    for (const DataRow& row : ReadDataRows(TOOLING_GOLDEN_DIR "/csv-lines.txt")) {
        const std::vector<std::string> fields(row.fields.begin() + 1, row.fields.end());
        EXPECT_EQ(cli::CsvLine(fields), row.fields[0]) << "line " << row.line;
        const std::vector<cli::CsvRow> rows = ParseCsv(row.fields[0]);
        ASSERT_EQ(rows.size(), 1U) << "line " << row.line;
        EXPECT_EQ(rows[0].fields, fields) << "line " << row.line;
    }
}

TEST(Csv, CountsLinesAcrossQuotedLineBreaksSkipsEmptyLinesAndEndsAfterAQuote) {
    const std::vector<cli::CsvRow> rows = ParseCsv("h1,h2\n\n\"x\ny\",2\r\nlast,\"3\"");
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0].line, 1);
    EXPECT_EQ(rows[1].line, 3);
    EXPECT_EQ(rows[1].fields, (std::vector<std::string>{"x\ny", "2"}));
    EXPECT_EQ(rows[2].line, 5);
    EXPECT_EQ(rows[2].fields, (std::vector<std::string>{"last", "3"}));
}

TEST(Csv, RefusesBrokenQuotesNamingTheLine) {
    for (const DataRow& row : ReadDataRows(TOOLING_GOLDEN_DIR "/csv-broken.txt")) {
        EXPECT_EQ(test::ErrorOf<cli::CsvError>([&] { ParseCsv(row.fields[0]); }), row.fields.at(1))
            << "line " << row.line;
    }
}

}  // namespace
}  // namespace tooling::test
