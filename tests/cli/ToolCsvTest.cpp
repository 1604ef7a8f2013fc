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
    const std::vector<std::string> after = ToolFiles();
    for (std::size_t i = 0; i < kShapeCodes.size(); ++i) {
        EXPECT_EQ(after[i], before[i]) << "shape " << kShapeCodes[i];
    }
}

TEST_F(ToolCsv, ExportWritesTheDialogsValuesStationsAndAngles) {
    const std::string csv = Path("k.csv");
    ASSERT_EQ(Run({"export-csv", csv, "--shape", "k"}), 0) << err_.str();
    EXPECT_EQ(ReadFile(csv),
              "Shape,Name,Units,Dim1,Dim2,Dim3,Rounded,Stations,Angles,SettingsNo\r\n"
              "K,Keyway,mm,10,9.5,6,,A 12.7mm,0;90;180;270,40\r\n"
              "K,Keyway,mm,20,22,4,yes,B 31.7mm,0;90;180;270,41\r\n");
}

TEST_F(ToolCsv, ARefusedRowIsReportedWithItsLineAndNothingIsWritten) {
    const std::string header =
        "Shape,Name,Units,Dim1,Dim2,Dim3,Rounded,Stations,Angles,SettingsNo\r\n";
    const std::string good = "A,,mm,7,,,,A 12.7mm,,\r\n";
    struct Case {
        std::string row;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"C,,mm,10,5,,,B 31.7mm,0;45,", "Invalid Tool Dimension(s) !"},
        {"B,,mm,0,,,,B 31.7mm,,", "Invalid Tool Dimension !"},
        {"K,,mm,10,9.5,6,yes,A 12.7mm,,", "Invalid Tool Dimension(s) !"},
        {"D,,mm,20,5,,,,0,", "Station Type Must Be Selected !"},
        {"D,,mm,20,5,,,Z 99mm,0,", "no station type \"Z 99mm\" holds tools on this machine"},
        {"S,NO SUCH DRAWING,mm,,,,,B 31.7mm,0,", "Tool Must Be Drawn First !"},
        {"S,HEART 25,mm,,,,,B 31.7mm,0,",
         "the special tool \"HEART 25\" is in the library already"},
        {"D,,cm,20,5,,,B 31.7mm,0,", "units must be mm or in, not \"cm\""},
        {"X,,mm,20,5,,,B 31.7mm,0,", "unknown shape \"X\""},
        {"B,,mm,10,,,,B 31.7mm,0;1;2;3;4;5;6,", "more than 6 angles"},
        {"B,,mm,10,,,,B 31.7mm,0,x2", "SettingsNo must be a whole number, not \"x2\""},
    };
    const std::vector<std::string> before = ToolFiles();
    const std::string csv = Path("bad.csv");
    for (const Case& c : cases) {
        WriteFile(csv, header + good + c.row + "\r\n" + good);
        EXPECT_EQ(Run({"import-csv", csv}), 1) << c.row;
        EXPECT_EQ(err_.str(), csv + ": line 3: " + c.reason +
                                  "\ntooling-cli: no tool added: 1 row(s) refused\n");
        EXPECT_EQ(out_.str(), "");
        EXPECT_EQ(ToolFiles(), before) << c.row;
    }
}

TEST_F(ToolCsv, InchesAreTakenAsTheDialogTakesThemAndListedInMillimetres) {
    const std::string csv = Path("in.csv");
    WriteFile(csv,
              "SettingsNo,Shape,Name,Units,Dim1,Dim2,Dim3,Rounded,Stations,Angles\n"
              "9,d,,in,1.5,0.25,,,C 50.8mm,90;-90\n");
    progress_ = true;
    ASSERT_EQ(Run({"import-csv", csv}), 0) << err_.str();
    EXPECT_EQ(err_.str(), "\rchecking row 1 of 1\r\x1b[K\radding row 1 of 1\r\x1b[K");
    ASSERT_EQ(Run({"list", "--shape", "D", "--csv"}), 0) << err_.str();
    EXPECT_EQ(out_.str(),
              "Shape,Size,Stations,Angles\r\n"
              "Rectangle,10x3,A 12.7mm,\"0, 90\"\r\n"
              "Rectangle,20x5,B 31.7mm,\"0, 90\"\r\n"
              "Rectangle,30x10,\"B 31.7mm, C 50.8mm\",\"0, 90\"\r\n"
              "Rectangle,38.1x6.35,C 50.8mm,\"90, 270\"\r\n"
              "Rectangle,40x4,C Index,\"idx, 0\"\r\n"
              "Rectangle,50x5,C 50.8mm,\"0, 90\"\r\n"
              "Rectangle,80x10,D 88.9mm,\"0, 90\"\r\n");
}

TEST_F(ToolCsv, UsageErrorsEndWithStatusTwoAndHelpWithZero) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"bogus"}, 2, "tooling-cli: unknown command \"bogus\"\n(tooling-cli --help tells more)\n"},
        {{"list", "--shape", "Q"},
         2,
         "tooling-cli: unknown shape \"Q\"\n(tooling-cli list --help tells more)\n"},
        {{"export-csv"},
         2,
         "tooling-cli: expected 1 operand(s)\n(tooling-cli export-csv --help tells more)\n"},
        {{"--library"},
         2,
         "tooling-cli: --library needs a value\n(tooling-cli --help tells more)\n"},
        {{"list", "--dry-run"},
         2,
         "tooling-cli: unknown option --dry-run\n(tooling-cli list --help tells more)\n"},
        {{"print-turret", "FRONT"},
         2,
         "tooling-cli: print-turret needs --pdf\n(tooling-cli print-turret --help tells more)\n"},
        {{"print-turret", "FRONT", "--pdf", "x.pdf"},
         1,
         "tooling-cli: this build of tooling-cli cannot write PDF files\n"},
        {{"--library", "Nowhere", "list"},
         1,
         "tooling-cli: the machine has no library \"Nowhere\"\n"},
        {{"import-csv", "--help"}, 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.args), c.status) << c.args[0];
        EXPECT_EQ(err_.str(), c.err) << c.args[0];
    }
    EXPECT_EQ(out_.str().rfind("usage: tooling-cli import-csv FILE [--dry-run]\n", 0), 0U);
}

TEST_F(ToolCsv, AMissingConfigurationIsAFileError) {
    std::filesystem::remove(PathOf(Path("Program/Ostrevan.cfg")));
    EXPECT_EQ(Run({"list"}), 1);
    EXPECT_NE(err_.str().find("Ostrevan.cfg"), std::string::npos) << err_.str();
}

}  // namespace
}  // namespace tooling::test
