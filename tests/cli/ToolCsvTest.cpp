// tooling-cli's commands, run as the program runs them, on a copy of the sample installation.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/cli/SampleCli.h"

namespace tooling::test {
namespace {

using ToolCsv = SampleCli;

TEST_F(ToolCsv, ExportThenImportIntoEmptiedFilesGivesTheSameBytesForEveryShape) {
    const std::vector<std::string> before = ToolFiles();
    const std::string csv = Path("tools.csv");
    ASSERT_EQ(Run({"export-csv", csv}), 0) << err_.str();
    for (const char code : kShapeCodes) {
        std::filesystem::remove(PathOf(ToolFile(code)));
    }
    ASSERT_EQ(Run({"import-csv", csv, "--dry-run"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), "49 tool(s) would be added\n");
    EXPECT_EQ(ToolFiles(), std::vector<std::string>(kShapeCodes.size(), "(none)"));

    ASSERT_EQ(Run({"import-csv", csv}), 0) << err_.str();
    EXPECT_EQ(out_.str(), "49 tool(s) added\n");
    EXPECT_EQ(ToolFiles(), before);
}

TEST_F(ToolCsv, ExportWritesTheDialogsValuesStationsAndAngles) {
    const std::string csv = Path("k.csv");
    ASSERT_EQ(Run({"export-csv", csv, "--shape", "k"}), 0) << err_.str();
    EXPECT_EQ(ReadFile(csv), Golden("export-keyway.csv"));
}

TEST_F(ToolCsv, ARefusedRowIsReportedWithItsLineAndNothingIsWritten) {
    const std::string header =
        "Shape,Name,Units,Dim1,Dim2,Dim3,Rounded,Stations,Angles,SettingsNo\r\n";
    const std::string good = "A,,mm,7,,,,A 12.7mm,,\r\n";
    const std::vector<std::string> before = ToolFiles();
    const std::string csv = Path("bad.csv");
    for (const DataRow& row : ReadDataRows(TOOLING_GOLDEN_DIR "/refused-rows.txt")) {
        const std::string& refused = row.fields[0];
        WriteFile(csv, header + good + refused + "\r\n" + good);
        EXPECT_EQ(Run({"import-csv", csv}), 1) << refused;
        EXPECT_EQ(err_.str(), csv + ": line 3: " + row.fields.at(1) +
                                  "\ntooling-cli: no tool added: 1 row(s) refused\n");
        EXPECT_EQ(out_.str(), "");
        EXPECT_EQ(ToolFiles(), before) << refused;
    }
}

TEST_F(ToolCsv, InchesAreTakenAsTheDialogTakesThemAndListedInMillimetres) {
    // Columns in another order, a lower-case shape and a negative angle.
    progress_ = true;
    WriteFile(Path("in.csv"), Golden("inch-import.csv"));
    ASSERT_EQ(Run({"import-csv", Path("in.csv")}), 0) << err_.str();
    EXPECT_EQ(err_.str(), "\rchecking row 1 of 1\r\x1b[K\radding row 1 of 1\r\x1b[K");
    ASSERT_EQ(Run({"list", "--shape", "D", "--csv"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), Golden("list-rectangles.csv"));
}

TEST_F(ToolCsv, UsageErrorsEndWithStatusTwoAndHelpWithZero) {
    for (const DataRow& row : ReadDataRows(TOOLING_GOLDEN_DIR "/usage-errors.txt")) {
        const std::vector<std::string> args(row.fields.begin() + 2, row.fields.end());
        EXPECT_EQ(Run(args), std::stoi(row.fields[0])) << "line " << row.line;
        EXPECT_EQ(err_.str(), row.fields[1]) << "line " << row.line;
    }
    EXPECT_EQ(out_.str().rfind("usage: tooling-cli import-csv FILE [--dry-run]\n", 0), 0U);
}

}  // namespace
}  // namespace tooling::test
