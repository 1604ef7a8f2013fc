#include "output/Export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/output/ExportFixture.h"

namespace tooling::output {
namespace {

using Events = std::vector<std::string>;

class ExportTest : public ::testing::Test, public test::ExportFixture {
  protected:
    // The names in the export folder, sorted.
    std::vector<std::string> OutNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(test::PathOf(Out("")))) {
            names.push_back(test::BytesOf(entry.path().filename()));
        }
        std::sort(names.begin(), names.end());
        return names;
    }
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
    EXPECT_EQ(ExportableTools(session), std::vector<ExportEntry>{});
}

TEST_F(ExportTest, OnlyToolsWithAStationAnIndexEntryAndADrawingCanBeExported) {
    EXPECT_EQ(ExportableTools(session),
              (std::vector<ExportEntry>{{"A/B", 6}, {"FLANGE", 3}, {"VENT", 5}}));
    std::filesystem::remove(test::PathOf(Tool("S")));
    EXPECT_EQ(ExportableTools(session), std::vector<ExportEntry>{});
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

TEST_F(ExportTest, CopiesTheDrawingsUnderTheToolsNamesAndRecordsTheFolder) {
    test::WriteFile(Out("FLANGE"), "an older copy");
    const int copied = ExportDrawings(session, {{"FLANGE", 3}, {"A/B", 6}, {"VENT", 5}}, Out(""));
    EXPECT_EQ(copied, 2);
    EXPECT_EQ(ui.events, (Events{"beep", "message:\"A/B\" Is Not A Valid File Name !",
                                 "message:2 Tools Exported !"}));
    EXPECT_EQ(test::ReadFile(Out("FLANGE")), "drawing 3");
    EXPECT_EQ(test::ReadFile(Out("VENT")), "drawing 5");
    EXPECT_EQ(OutNames(), (std::vector<std::string>{"FLANGE", "VENT", "keep"}));
    EXPECT_EQ(Record(), Out("") + "\r\n******\r\n");
    EXPECT_EQ(session.inst.ProgramDrive, Out(""));

    // A folder given without its final separator gets one.
    ui.events.clear();
    const std::string folder = Out("");
    EXPECT_EQ(ExportDrawings(session, {{"VENT", 5}}, folder.substr(0, folder.size() - 1)), 1);
    EXPECT_EQ(ui.events, Events{"message:1 Tool Exported !"});
    EXPECT_EQ(Record(), Out("") + "\r\n******\r\n");

    ui.events.clear();
    EXPECT_EQ(ExportDrawings(session, {{"..", 3}}, Out("")), 0);
    EXPECT_EQ(ui.events, (Events{"beep", "message:\"..\" Is Not A Valid File Name !",
                                 "message:No Tools Exported !"}));
}

TEST_F(ExportTest, AFailingCopyEndsTheExportAndLeavesNoHalfWrittenTarget) {
    test::WriteFile(Out("VENT"), "an older copy");
    // The medium refuses VENT; the old copy stays whole.
    fs.failOn = "Out/VENT";
    EXPECT_EQ(
        ExportDrawings(session, {{"FLANGE", 3}, {"VENT", 5}, {"A/B", 6}, {"LOGO", 4}}, Out("")), 1);
    ASSERT_EQ(ui.events.size(), 3U);
    EXPECT_EQ(ui.events[0], "beep");
    EXPECT_EQ(ui.events[1].rfind("message:\"" + Out("VENT") + "\": ", 0), 0U) << ui.events[1];
    EXPECT_EQ(ui.events[2], "message:1 Tool Exported !");
    EXPECT_EQ(test::ReadFile(Out("VENT")), "an older copy");
    EXPECT_FALSE(test::FileExists(Out("LOGO")));
    EXPECT_EQ(Record(), Out("") + "\r\n******\r\n");

    // A drawing gone since the list was made: the copy exported before stays.
    fs.failOn.clear();
    ui.events.clear();
    std::filesystem::remove(test::PathOf(Tool("3")));
    EXPECT_EQ(ExportDrawings(session, {{"LOGO", 4}, {"FLANGE", 3}, {"VENT", 5}}, Out("")), 1);
    ASSERT_EQ(ui.events.size(), 3U);
    EXPECT_EQ(ui.events[1].rfind("message:\"" + Tool("3") + "\": ", 0), 0U) << ui.events[1];
    EXPECT_EQ(ui.events[2], "message:1 Tool Exported !");
    EXPECT_EQ(test::ReadFile(Out("LOGO")), "drawing 4");
    EXPECT_EQ(test::ReadFile(Out("FLANGE")), "drawing 3");
    EXPECT_EQ(test::ReadFile(Out("VENT")), "an older copy");
    // No scratch file stayed behind.
    EXPECT_EQ(OutNames(), (std::vector<std::string>{"FLANGE", "LOGO", "VENT", "keep"}));
}

TEST_F(ExportTest, AnExportRecordThatCannotBeWrittenIsReportedAndTheFolderStillRemembered) {
    fs.failOn = "M1.xtl";
    RecordExportFolder(session, " " + Out("") + " ");
    ASSERT_EQ(ui.events.size(), 2U);
    EXPECT_EQ(ui.events[1].rfind("message:\"", 0), 0U);
    EXPECT_EQ(session.inst.ProgramDrive, Out(""));
    EXPECT_FALSE(test::FileExists(session.machine.MachineDataPrefix + "xtl"));
}

}  // namespace
}  // namespace tooling::output
