#include "output/Export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/output/OutputFixture.h"

namespace tooling::output {
namespace {

class ExportTest : public ::testing::Test, public test::ExportFixture {
  protected:
    void Export(const std::string& title, const std::vector<ExportEntry>& tools,
                const std::string& folder) {
        const int copied = ExportDrawings(session, tools, folder);
        log += Outcome(title + ": " + std::to_string(copied) + " copied");
    }

    std::string log;
};

TEST_F(ExportTest, DrawingNumbersComeFromTheIndexByExactTrimmedName) {
    const std::pair<std::string, std::int16_t> rows[] = {
        {"FLANGE", 3},       {"  FLANGE ", 3}, {"flange", -1}, {"CORNER NOTCH 12", 1},
        {"NOT INDEXED", -1}, {"A/B", 6},       {"", -1},
    };
    for (const auto& [name, number] : rows) {
        EXPECT_EQ(SpecialToolNo(session, name), number) << name;
    }
    std::filesystem::remove(test::PathOf(Tool("lkp")));
    EXPECT_EQ(SpecialToolNo(session, "FLANGE"), -1);
}

TEST(ExportName, OnlyNamesThatStayInsideTheFolderOnEveryPlatformAreTaken) {
    for (const char* name : {"FLANGE", "VENT LOUVRE 60", "a.b",
                             "\xDC"
                             "ber",
                             "CONSOLE", "COM0", "LPT", ".hidden", "x y"}) {
        EXPECT_TRUE(ExportableName(name)) << name;
    }
    for (const char* name :
         {"",      "A/B",   "A\\B", "..",      "A..B", "../x",     "x\x01", "x\x7F",
          "x\ty",  "a:b",   "a<b",  "a>b",     "a|b",  "a?b",      "a*b",   "a\"b",
          "name.", "name ", "CON",  "con.txt", "LPT1", "Com9.dat", "NUL",   "aux"}) {
        EXPECT_FALSE(ExportableName(name)) << name;
    }
}

// Copies under the tools' names, each refusal or failure reported; a failing copy ends the
// export and leaves no half-written target or scratch file.
TEST_F(ExportTest, CopiesTheDrawingsUnderTheToolsNamesAndRecordsTheFolder) {
    test::WriteFile(Out("FLANGE"), "an older copy");
    log = Outcome("before");
    Export("FLANGE, A/B and VENT", {{"FLANGE", 3}, {"A/B", 6}, {"VENT", 5}}, Out(""));
    const std::string folder = Out("");
    Export("VENT to the folder without its final separator", {{"VENT", 5}},
           folder.substr(0, folder.size() - 1));
    Export("\"..\"", {{"..", 3}}, Out(""));
    test::WriteFile(Out("VENT"), "an older copy");
    fs.failOn = "Out/VENT";
    Export("the medium refuses VENT", {{"FLANGE", 3}, {"VENT", 5}, {"A/B", 6}, {"LOGO", 4}},
           Out(""));
    fs.failOn.clear();
    std::filesystem::remove(test::PathOf(Tool("3")));
    Export("FLANGE's drawing gone since the list was made",
           {{"LOGO", 4}, {"FLANGE", 3}, {"VENT", 5}}, Out(""));
    std::filesystem::remove(test::PathOf(session.machine.MachineDataPrefix + "xtl"));
    session.inst.ProgramDrive.clear();
    fs.failOn = "M1.xtl";
    RecordExportFolder(session, " " + Out("") + " ");
    log += Outcome("the record cannot be written");
    test::ExpectTranscript(log);
}

}  // namespace
}  // namespace tooling::output
