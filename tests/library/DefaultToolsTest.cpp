#include "library/DefaultTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "core/Session.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/LibraryFixture.h"

namespace tooling::library {
namespace {

using core::DefaultToolRec;

// The empty default, whose bytes the record test holds against the golden file.
const std::string kEmpty = EncodeDefault({});

DefaultToolRec Tool(std::int16_t recordNo, char shape, float dim1) {
    DefaultToolRec rec;
    rec.recordNo = recordNo;
    rec.shape = shape;
    rec.dims[0] = dim1;
    return rec;
}

TEST(DefaultRecord, EncodesEveryFieldAtItsOffset) {
    DefaultToolRec rectangle = Tool(-2, 'D', 10.5F);
    rectangle.descr = "Rectangle         ";
    rectangle.dims = {10.5F, 2.25F, 0.0F, -1.0F};
    rectangle.stnType = 7;
    rectangle.stnKind = 25;
    rectangle.angle = 90.0F;
    rectangle.reserved = 1;
    const std::vector<test::GoldenCase> golden =
        test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/Records.txt");
    ASSERT_EQ(golden[2].name, "Rectangle default");
    const std::string& expected = golden[2]["bytes"];
    EXPECT_EQ(EncodeDefault(rectangle), expected);
    EXPECT_EQ(DecodeDefault(expected), rectangle);
    EXPECT_EQ(DecodeDefault(expected.substr(0, 46)), DefaultToolRec{});
    ASSERT_EQ(golden[3].name, "empty default");
    EXPECT_EQ(kEmpty, golden[3]["bytes"]);
    EXPECT_EQ(DecodeDefault(kEmpty), DefaultToolRec{});
}

class DefaultsFile : public ::testing::Test, public test::LibraryFixture {
  protected:
    DefaultsFile() { session.lib.ToolLibPrefix = ToolPath("Shop."); }

    const std::string path = ToolPath("Shop.dft");
};

TEST_F(DefaultsFile, MissingAndOddLengthFilesReadWholeRecordsOnlyAndStayAsTheyAre) {
    session.lib.DefaultTools.fill(Tool(9, 'S', 9.0F));
    ReadDefaults(session);
    EXPECT_EQ(session.lib.DefaultTools, DefaultSet{});
    EXPECT_FALSE(test::FileExists(path));

    const DefaultSet stored = {Tool(1, 'B', 1.0F), Tool(2, 'D', 2.0F), Tool(3, 'B', 3.0F),
                               Tool(4, 'A', 4.0F)};
    std::string records;
    for (const DefaultToolRec& rec : stored) {
        records += EncodeDefault(rec);
    }
    records += records;
    // Lengths and the records they hold whole.
    for (const auto& [length, whole] :
         {std::pair{46, 0}, {2 * 47 + 10, 2}, {4 * 47 - 1, 3}, {5 * 47, 4}}) {
        const std::string bytes = records.substr(0, static_cast<std::size_t>(length));
        test::WriteFile(path, bytes);
        session.lib.DefaultTools.fill(Tool(9, 'S', 9.0F));
        ReadDefaults(session);
        DefaultSet expected{};
        std::copy_n(stored.begin(), whole, expected.begin());
        EXPECT_EQ(session.lib.DefaultTools, expected) << length << " bytes";
        EXPECT_EQ(test::ReadFile(path), bytes);
    }
}

TEST_F(DefaultsFile, WriteReplacesItsOwnRecordAndPadsWithEmptyOnes) {
    session.lib.DefaultTools = {Tool(9, 'A', 5.0F), Tool(8, 'B', 6.0F), Tool(7, 'D', 7.0F),
                                Tool(6, 'A', 8.0F)};
    const auto e = [&](std::size_t i) { return EncodeDefault(session.lib.DefaultTools[i]); };
    // Kind 3 first, into no file.
    WriteDefault(session, kClearing);
    EXPECT_EQ(test::ReadFile(path), kEmpty + kEmpty + e(2));
    EXPECT_EQ(Listing(), "Shop.dft | ");

    const std::string r = EncodeDefault(Tool(1, 'B', 1.0F));
    const std::tuple<std::string, int, std::string> rows[] = {
        {r + r + r + r + "tail", kYShearing, r + e(1) + r + r + "tail"},
        {r, kNibbling, r + kEmpty + kEmpty + e(3)},
        // A part of record 2 read as empty and is written so; a part of record 4 is replaced.
        {r + "partial", kNibbling, r + kEmpty + kEmpty + e(3)},
        {r + kEmpty + kEmpty + "xyz", kNibbling, r + kEmpty + kEmpty + e(3)},
        {r + "partial", kXShearing, e(0) + "partial"},
    };
    for (const auto& [before, kind, after] : rows) {
        test::WriteFile(path, before);
        WriteDefault(session, kind);
        EXPECT_EQ(test::ReadFile(path), after) << "before: " << before.size() << " bytes";
    }
}

TEST_F(DefaultsFile, UnreadableFileIsDeletedAndReadOnceMore) {
    // Failed reads, a refused delete, and record 1 as read the second time.
    const std::tuple<int, bool, DefaultToolRec> rows[] = {
        {1, false, {}},  // deleted: the second read finds no file
        {2, true, {}},
        {1, true, Tool(1, 'B', 1.0F)},
    };
    for (const auto& [failures, deleteFails, first] : rows) {
        test::WriteFile(path, EncodeDefault(Tool(1, 'B', 1.0F)));
        fs.readFailures = failures;
        fs.failOn = deleteFails ? "Shop.dft" : "";
        EXPECT_EQ(ReadDefaultsFile(fs, path), (DefaultSet{first}));
        EXPECT_EQ(test::FileExists(path), deleteFails);
    }
}

// A default is defined when its shape suits its kind; emptying one leaves the others.
TEST_F(DefaultsFile, DefinedWhenTheShapeSuitsTheKind) {
    std::string defined;  // per record number and kind 0 to 5, the shapes that define it
    for (std::int16_t recordNo : {1, 0, -4}) {
        for (int k = 0; k <= 5; ++k) {
            defined += " " + std::to_string(k) + ":";
            for (char shape : std::string("ABCDSb ")) {
                session.lib.DefaultTools.fill(Tool(recordNo, shape, 1.0F));
                defined += DefaultDefined(session, k) ? std::string(1, shape) : "";
            }
        }
    }
    EXPECT_EQ(defined, " 0: 1:BD 2:BD 3:B 4:A 5: 0: 1: 2: 3: 4: 5: 0: 1: 2: 3: 4: 5:");
    for (int k : {kYShearing, 0, 5}) {
        EmptyDefault(session, k);
    }
    const DefaultToolRec b = Tool(-4, ' ', 1.0F);  // the last filled
    EXPECT_EQ(session.lib.DefaultTools, (DefaultSet{b, {}, b, b}));
}

}  // namespace
}  // namespace tooling::library
