#include "library/ToolFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/RecordBytes.h"
#include "core/Text.h"
#include "library/DefaultTools.h"
#include "library/SpecialDrawings.h"
#include "numeric/NumText.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/GoldenText.h"
#include "tests/support/LibraryFixture.h"
#include "tests/support/ToolRows.h"

namespace tooling::library {
namespace {

using core::DefaultToolRec;

// A tool of the shape whose first dimension is `dim1`; its settings number tells it apart.
ToolRec Tool(char shape, float dim1, std::int32_t id, const std::string& name = "Square") {
    return test::Tool(shape, name, {dim1, dim1, 0, 0}, {{1, 10}}, {0}, id);
}

ToolRec Special(const std::string& name, std::int32_t id) {
    return Tool('S', 12.0F, id, name);
}

// A drawing file of `size` bytes whose extents are x and y.
std::string Drawing(float x, float y, std::size_t size = 518) {
    std::string bytes(size, '\x01');
    core::RecordBytes(bytes).PutFloat(150, x);
    core::RecordBytes(bytes).PutFloat(154, y);
    return bytes;
}

// The text of the refusal that `run` throws, or "no refusal".
template <typename Run>
std::string RefusalOf(Run run) {
    return test::ErrorOf<ToolFileRefusal>(run, "no refusal");
}

DefaultToolRec Default(std::int16_t recordNo, char shape) {
    DefaultToolRec rec;
    rec.recordNo = recordNo;
    rec.shape = shape;
    rec.descr = PaddedDescr("Square");
    return rec;
}

class ToolFileTest : public ::testing::Test {
  protected:
    ToolFileTest() { session.lib.ToolLibPrefix = fixture.ToolPath("Shop."); }

    std::string Path(const std::string& ext) const { return fixture.ToolPath("Shop." + ext); }

    void WriteTools(char shape, const std::vector<ToolRec>& recs) {
        test::WriteFile(Path(std::string(1, shape)), test::ToolFileBytes(recs));
    }

    // The file's records as "dim1#id" (special: "name#id"), in file order.
    std::string Contents(char shape) const {
        std::string text;
        for (const ToolRec& rec : ReadToolFile(session, shape)) {
            text += (text.empty() ? "" : " ") +
                    (shape == 'S' ? core::Trim(rec.Descr) : numeric::NumText(rec.Dims[0], -1)) +
                    "#" + std::to_string(rec.SettingsNo);
        }
        return text;
    }

    void WriteDefaults(const DefaultSet& defaults) {
        std::string bytes;
        for (const DefaultToolRec& rec : defaults) {
            bytes += EncodeDefault(rec);
        }
        test::WriteFile(Path("dft"), bytes);
    }

    // The record numbers of the four defaults in the file, "-" for an empty default.
    std::string DefaultNumbers() const {
        std::string text;
        for (const DefaultToolRec& rec : DecodeDefaults(test::ReadFile(Path("dft")))) {
            text += (text.empty() ? "" : " ") +
                    (rec == DefaultToolRec{} ? "-" : std::to_string(rec.recordNo) + rec.shape);
        }
        return text;
    }

    test::LibraryFixture fixture;
    core::Session& session = fixture.session;
};

TEST(ToolRecord, HoldsEveryFieldAtItsOffset) {
    ToolRec rec;
    rec.Shape = 'K';
    rec.Descr = "Keyway";  // padded when written
    rec.Dims = {10.5F, 9.5F, -3.0F, 0.0F};
    rec.Stns[0] = {3, 12};
    rec.Stns[1] = {-2, 25};
    rec.Angles = {0.0F, 90.0F, kNoAngle, kNoAngle, kNoAngle, kNoAngle};
    rec.DefMark = 5;
    rec.SettingsNo = 70000;
    const std::vector<test::GoldenCase> golden =
        test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/Records.txt");
    ASSERT_EQ(golden[0].name, "Keyway tool");
    EXPECT_EQ(ToolRecBytes(rec), golden[0]["bytes"]);
    rec.Descr = PaddedDescr(rec.Descr);
    EXPECT_EQ(ToolRecFromBytes(golden[0]["bytes"]), rec);
    ASSERT_EQ(golden[1].name, "blank tool");
    EXPECT_EQ(ToolRecBytes(BlankToolRec()), golden[1]["bytes"]);
    EXPECT_EQ(ToolRecFromBytes(golden[1]["bytes"]), BlankToolRec());
}

TEST_F(ToolFileTest, NewToolsStandAfterEqualSizesAndInvalidRecordsAreDropped) {
    // The file holds records a rewrite drops: sizes of 0.1 and 1000 and below, and a blank one.
    WriteTools('B', {Tool('B', 0.1F, 1), Tool('B', 10, 2), BlankToolRec(), Tool('B', 20, 3),
                     Tool('B', 1000, 4), Tool('B', 999.99F, 5), Tool('B', -5, 6)});
    EXPECT_EQ(InsertTool(session, 'B', Tool('B', 10, 7), 0), 2);
    EXPECT_EQ(Contents('B'), "10#2 10#7 20#3 999.99#5");
    EXPECT_EQ(InsertTool(session, 'B', Tool('B', 5, 8), 0), 1);
    EXPECT_EQ(InsertTool(session, 'B', Tool('B', 999.995F, 9), 0), 6);
    // Replacing moves the tool to its new place.
    EXPECT_EQ(InsertTool(session, 'B', Tool('B', 15, 10), 1), 3);
    EXPECT_EQ(Contents('B'), "10#2 10#7 15#10 20#3 999.99#5 999.995#9");
    // A missing file is an empty one; the last record cut short is not read.
    EXPECT_EQ(InsertTool(session, 'F', Tool('F', 3, 1), 0), 1);
    test::WriteFile(Path("B"), test::ReadFile(Path("B")) + "partial");
    EXPECT_EQ(Contents('B'), "10#2 10#7 15#10 20#3 999.99#5 999.995#9");
}

TEST_F(ToolFileTest, SpecialToolsStandInNameOrderOfTheirPaddedNames) {
    WriteTools('S', {Special("Bolt", 1), Special("bolt", 2), Special("  ", 3), Special("Ring", 4)});
    EXPECT_EQ(InsertTool(session, 'S', Special("Bolt ", 5), 0), 2);  // equal when padded
    EXPECT_EQ(InsertTool(session, 'S', Special("Bolt-A", 6), 0), 3);
    ToolRec noStation = Special("Arc", 7);
    noStation.Stns[0] = {};
    EXPECT_EQ(InsertTool(session, 'S', noStation, 0), 1);
    EXPECT_EQ(Contents('S'), "Arc#7 Bolt#1 Bolt#5 Bolt-A#6 bolt#2 Ring#4");
    // The rewrite that adds a tool drops records without a first station; a delete does not.
    WriteTools('S', {noStation, Special("Ring", 4)});
    DeleteTools(session, 'S', {2});
    EXPECT_EQ(Contents('S'), "Arc#7");
    InsertTool(session, 'S', Special("Ring", 4), 0);
    EXPECT_EQ(Contents('S'), "Ring#4");
}

// Each rewrite keeps the defaults pointing at their tools.
TEST_F(ToolFileTest, DefaultsFollowTheirTools) {
    for (const test::GoldenCase& row :
         test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/DefaultsFollowTools.txt")) {
        SCOPED_TRACE(row.name);
        const char shape = row["shape"][0];
        std::vector<ToolRec> file;
        std::istringstream sizes(row["sizes"]);
        for (float size = 0; sizes >> size;) {
            file.push_back(Tool(shape, size, static_cast<std::int32_t>(file.size() + 1)));
        }
        WriteTools(shape, file);
        DefaultSet defaults{};
        std::istringstream numbers(row["defaults"]);
        for (DefaultToolRec& rec : defaults) {
            std::string number;
            numbers >> number;
            if (number != "-") {
                rec = Default(static_cast<std::int16_t>(std::stoi(number)), number.back());
            }
        }
        WriteDefaults(defaults);
        ReadDefaults(session);
        std::istringstream change(row["change"]);
        std::string verb;
        change >> verb;
        if (verb == "insert") {
            float size = 0;
            std::string replacing;
            std::int16_t old = 0;
            change >> size >> replacing >> old;
            InsertTool(session, shape, Tool(shape, size, 9), old);
        } else {
            std::vector<std::int16_t> deleted;
            for (std::int16_t number = 0; change >> number;) {
                deleted.push_back(number);
            }
            DeleteTools(session, shape, deleted);
        }
        EXPECT_EQ(DefaultNumbers(), row["after"]);
        EXPECT_EQ(session.lib.DefaultTools, DecodeDefaults(test::ReadFile(Path("dft"))));
    }
    // Without a defaults file no file is made.
    std::filesystem::remove(Path("dft"));
    InsertTool(session, 'B', Tool('B', 1, 1), 0);
    EXPECT_FALSE(test::FileExists(Path("dft")));
}

TEST_F(ToolFileTest, AnEditRefusesWhenTheRecordNoLongerHoldsTheLoadedTool) {
    WriteTools('B', {Tool('B', 10, 1), Tool('B', 20, 2)});
    WriteDefaults({Default(2, 'B'), {}, {}, {}});
    EXPECT_EQ(ReplaceTool(session, 'B', Tool('B', 5, 3), 2, Tool('B', 20, 2)), 1);
    EXPECT_EQ(Contents('B'), "5#3 10#1");
    EXPECT_EQ(DefaultNumbers(), "1B - - -");
    const std::string before = test::ReadFile(Path("B"));
    // Record 2 now holds another tool, record 3 none.
    for (const std::int16_t old : {2, 3, 0}) {
        EXPECT_EQ(
            RefusalOf([&] { ReplaceTool(session, 'B', Tool('B', 7, 4), old, Tool('B', 20, 2)); }),
            "Tool Has Been Changed By Another User !")
            << old;
    }
    EXPECT_EQ(test::ReadFile(Path("B")), before);
    EXPECT_EQ(DefaultNumbers(), "1B - - -");
}

TEST_F(ToolFileTest, AFullFileRefusesOneMoreToolAndStaysAsItIs) {
    std::string bytes;
    for (int i = 0; i < kMaxToolRecords; ++i) {
        bytes += ToolRecBytes(Tool('A', 1.0F + static_cast<float>(i) / 100.0F, i));
    }
    test::WriteFile(Path("A"), bytes);
    EXPECT_EQ(RefusalOf([&] { InsertTool(session, 'A', Tool('A', 5, 99999), 0); }),
              "The Tool File Is Full !");
    EXPECT_EQ(test::ReadFile(Path("A")), bytes);
    // Replacing one keeps the count.
    EXPECT_EQ(InsertTool(session, 'A', Tool('A', 500, 99999), 1), kMaxToolRecords);
}

TEST_F(ToolFileTest, AFailedRewriteOrAMarkOfRecordZeroChangesNoFile) {
    WriteTools('B', {Tool('B', 10, 1), Tool('B', 20, 2)});
    WriteDefaults({Default(1, 'B'), {}, {}, {}});
    const std::string tools = test::ReadFile(Path("B"));
    const std::string defaults = test::ReadFile(Path("dft"));
    const auto mark = [](std::int16_t) { return std::int16_t{5}; };
    EXPECT_FALSE(RewriteDefMark(session, 'B', 0, mark));
    fixture.fs.failOn = "Shop.B";
    EXPECT_THROW(InsertTool(session, 'B', Tool('B', 5, 3), 0), platform::FileError);
    EXPECT_THROW(DeleteTools(session, 'B', {1}), platform::FileError);
    EXPECT_THROW(RewriteDefMark(session, 'B', 1, mark), platform::FileError);
    EXPECT_EQ(test::ReadFile(Path("B")), tools);
    EXPECT_EQ(test::ReadFile(Path("dft")), defaults);
}

TEST(DrawingFile, ExtentsOfShortOrOddFilesAreThoseOfAMissingDrawing) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::tuple<float, float, std::size_t, DrawingExtents> rows[] = {
        {25.5F, 40.0F, 518, {25.5F, 40.0F}}, {25.5F, 40.0F, 517, {12, 12}},
        {0.0F, 40.0F, 518, {12, 12}},        {25.5F, -1.0F, 518, {12, 12}},
        {inf, 40.0F, 518, {12, 12}},         {25.5F, nan, 518, {12, 12}},
    };
    for (const auto& [x, y, size, extents] : rows) {
        EXPECT_EQ(ExtentsFromBytes(Drawing(x, y, size)), extents) << x << " " << y << " " << size;
    }
    EXPECT_EQ(ExtentsFromBytes(""), (DrawingExtents{12, 12}));
}

TEST_F(ToolFileTest, DeletingSpecialToolsRemovesTheirEntriesAndDrawings) {
    WriteTools('S', {Special("Arc", 1), Special("Bolt Hole", 2), Special("Ring", 3)});
    test::WriteFile(Path("lkp"),
                    "Arc, 1 \r\nBolt Hole,2\r\nOdd line\r\nRing, 3 \r\nArc, 4 \r\nStar, 9 \r\n"
                    "******\r\n");
    for (const char* drawing : {"1", "2", "3", "4", "9"}) {
        test::WriteFile(Path(drawing), std::string(518, 'd'));
    }
    DeleteTools(session, 'S', {1, 2});
    EXPECT_EQ(Contents('S'), "Ring#3");
    EXPECT_EQ(test::ReadFile(Path("lkp")), "Odd line\r\nRing, 3 \r\nStar, 9 \r\n******\r\n");
    EXPECT_EQ(fixture.Listing(), "Shop.3 Shop.9 Shop.S Shop.lkp | ");
}

// A special tool's extents come from the drawing its index entry names.
TEST_F(ToolFileTest, DrawingIndexNamesTheDrawingsOfSpecialTools) {
    const test::GoldenCase row =
        test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/DrawingIndex.txt").at(0);
    test::WriteFile(Path("lkp"), row["index"]);
    std::string read;
    for (const DrawingEntry& entry : ReadDrawingIndex(session)) {
        read += "[" + entry.name + "=" + std::to_string(entry.number) + "]";
    }
    EXPECT_EQ(read, row["entries"]);
    EXPECT_EQ(DrawingPath(session, 3), Path("3"));
    test::WriteFile(Path("3"), Drawing(30.25F, 12.5F));
    EXPECT_EQ(ReadDrawingExtents(session, "Bolt Hole"), (DrawingExtents{30.25F, 12.5F}));
    for (const char* other : {"bolt hole", "Quoted", "After"}) {  // no drawing or no entry
        EXPECT_EQ(ReadDrawingExtents(session, other), (DrawingExtents{12, 12})) << other;
    }
}

}  // namespace
}  // namespace tooling::library
