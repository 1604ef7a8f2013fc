#include "turrets/DefaultTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/Session.h"
#include "platform/FileError.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestServices.h"

namespace tooling::turrets {
namespace {

using core::DefaultToolRec;
using test::FileExists;
using test::ReadFile;
using test::WriteFile;

// The 47 bytes of the empty default.
std::string EmptyBytes() {
    return std::string(2, '\0') + " " + std::string(18, ' ') + std::string(26, '\0');
}

DefaultToolRec Rectangle() {
    DefaultToolRec rec;
    rec.recordNo = -2;
    rec.shape = 'D';
    rec.descr = "Rectangle         ";
    rec.dims = {10.5F, 2.25F, 0.0F, -1.0F};
    rec.stnType = 7;
    rec.stnKind = 25;
    rec.angle = 90.0F;
    return rec;
}

DefaultToolRec Tool(std::int16_t recordNo, char shape, float dim1) {
    DefaultToolRec rec;
    rec.recordNo = recordNo;
    rec.shape = shape;
    rec.dims[0] = dim1;
    return rec;
}

class DefaultsFile : public ::testing::Test {
  protected:
    DefaultsFile() : session(services.services) {
        session.lib.ToolLibPrefix = dir.path() + "Tools/M1/Shop.";
        path = dir.path() + "Tools/M1/Shop.dft";
        WriteFile(dir.path() + "Tools/M1/Shop.lkp", "******\r\n");
    }

    test::TempDir dir;
    test::TestServices services;
    core::Session session;
    std::string path;
};

TEST(DefaultRecord, EncodesEveryFieldAtItsOffset) {
    const std::string expected = std::string("\xFE\xFF", 2) + "D" + "Rectangle         " +
                                 std::string("\x00\x00\x28\x41", 4) +  // 10.5
                                 std::string("\x00\x00\x10\x40", 4) +  // 2.25
                                 std::string(4, '\0') +                // 0
                                 std::string("\x00\x00\x80\xBF", 4) +  // -1
                                 std::string("\x07\x00", 2) +          // station type
                                 std::string("\x19\x00", 2) +          // station kind 25
                                 std::string("\x00\x00\xB4\x42", 4) +  // angle 90
                                 std::string(2, '\0');
    ASSERT_EQ(expected.size(), 47U);
    EXPECT_EQ(EncodeDefault(Rectangle()), expected);
    EXPECT_EQ(DecodeDefault(expected), Rectangle());
}

TEST(DefaultRecord, EmptyDefaultAndDescriptionWidth) {
    EXPECT_EQ(EncodeDefault(DefaultToolRec{}), EmptyBytes());
    EXPECT_EQ(DecodeDefault(EmptyBytes()), DefaultToolRec{});

    DefaultToolRec rec;
    rec.descr = "Rad-Rect";  // shorter than the field: padded
    EXPECT_EQ(EncodeDefault(rec).substr(3, 18), "Rad-Rect          ");
    rec.descr = "A description too long";  // longer: cut
    EXPECT_EQ(EncodeDefault(rec).substr(3, 18), "A description too ");
    // The reserved field is read as stored.
    std::string bytes = EmptyBytes();
    bytes[45] = '\x01';
    EXPECT_EQ(DecodeDefault(bytes).reserved, 1);
    // Fewer bytes than a record: the empty default.
    EXPECT_EQ(DecodeDefault(EncodeDefault(Rectangle()).substr(0, 46)), DefaultToolRec{});
}

TEST(DefaultRecord, AnyBytesReadAndWriteBackUnchanged) {
    std::mt19937 random(47);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> length(0, 5 * 47);
    for (int round = 0; round < 5000; ++round) {
        std::string bytes(length(random), '\0');
        for (char& c : bytes) {
            c = static_cast<char>(byte(random));
        }
        const DefaultSet set = DecodeDefaults(bytes);
        for (std::size_t i = 0; i < set.size(); ++i) {
            const std::size_t at = i * 47;
            const std::string expected =
                at + 47 <= bytes.size() ? bytes.substr(at, 47) : EmptyBytes();
            ASSERT_EQ(EncodeDefault(set[i]), expected) << bytes.size() << " bytes, record " << i;
        }
    }
}

TEST_F(DefaultsFile, MissingFileGivesFourEmptyDefaults) {
    session.lib.DefaultTools[1] = Rectangle();
    ReadDefaults(session);
    for (const DefaultToolRec& rec : session.lib.DefaultTools) {
        EXPECT_EQ(rec, DefaultToolRec{});
    }
    EXPECT_FALSE(FileExists(path));
}

TEST_F(DefaultsFile, WritingKindThreeFirstPadsWithEmptyRecords) {
    session.lib.DefaultTools[2] = Tool(4, 'B', 12.0F);
    WriteDefault(session, kClearing);
    EXPECT_EQ(ReadFile(path), EmptyBytes() + EmptyBytes() + EncodeDefault(Tool(4, 'B', 12.0F)));
    // Nothing else is left beside it.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path() + "Tools/M1")) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Shop.dft", "Shop.lkp"}));

    session.lib.DefaultTools = {};
    ReadDefaults(session);
    EXPECT_EQ(session.lib.DefaultTools[0], DefaultToolRec{});
    EXPECT_EQ(session.lib.DefaultTools[1], DefaultToolRec{});
    EXPECT_EQ(session.lib.DefaultTools[2], Tool(4, 'B', 12.0F));
    EXPECT_EQ(session.lib.DefaultTools[3], DefaultToolRec{});
}

TEST_F(DefaultsFile, WriteChangesOnlyItsOwnRecord) {
    const std::string r1 = EncodeDefault(Tool(1, 'B', 1.0F));
    const std::string r2 = EncodeDefault(Tool(2, 'D', 2.0F));
    const std::string r3 = EncodeDefault(Tool(3, 'B', 3.0F));
    const std::string r4 = EncodeDefault(Tool(4, 'A', 4.0F));
    const std::string tail = "extra bytes kept";
    WriteFile(path, r1 + r2 + r3 + r4 + tail);
    session.lib.DefaultTools[1] = Rectangle();
    session.lib.DefaultTools[3] = Rectangle();  // only entry k - 1 is written
    WriteDefault(session, kYShearing);
    EXPECT_EQ(ReadFile(path), r1 + EncodeDefault(Rectangle()) + r3 + r4 + tail);
}

TEST_F(DefaultsFile, WriteIntoShortAndOddFiles) {
    const std::string r1 = EncodeDefault(Tool(1, 'B', 1.0F));
    const std::string r4 = EncodeDefault(Tool(9, 'A', 5.0F));
    struct Row {
        std::string before;
        int kind;
        std::string after;
    };
    const Row rows[] = {
        {"", kNibbling, EmptyBytes() + EmptyBytes() + EmptyBytes() + r4},
        {r1, kNibbling, r1 + EmptyBytes() + EmptyBytes() + r4},
        // A part of record 2: written empty, as it read.
        {r1 + "partial", kNibbling, r1 + EmptyBytes() + EmptyBytes() + r4},
        // A part of record 4 itself: replaced.
        {r1 + EmptyBytes() + EmptyBytes() + "xyz", kNibbling,
         r1 + EmptyBytes() + EmptyBytes() + r4},
        {r1 + "partial", kXShearing, r4 + "partial"},
    };
    session.lib.DefaultTools = {Tool(9, 'A', 5.0F), {}, {}, Tool(9, 'A', 5.0F)};
    for (const Row& row : rows) {
        WriteFile(path, row.before);
        WriteDefault(session, row.kind);
        EXPECT_EQ(ReadFile(path), row.after) << "before: " << row.before.size() << " bytes";
    }
}

TEST_F(DefaultsFile, OddLengthFilesReadWholeRecordsOnly) {
    const std::string r1 = EncodeDefault(Tool(1, 'B', 1.0F));
    const std::string r2 = EncodeDefault(Tool(2, 'D', 2.0F));
    const std::string r3 = EncodeDefault(Tool(3, 'B', 3.0F));
    const std::string r4 = EncodeDefault(Tool(4, 'A', 4.0F));
    struct Row {
        std::string bytes;
        int whole;  // records read as stored
    };
    const Row rows[] = {
        {"", 0},
        {r1.substr(0, 46), 0},
        {r1, 1},
        {r1 + r2 + r3.substr(0, 10), 2},
        {r1 + r2 + r3, 3},
        {r1 + r2 + r3 + r4 + r1, 4},
        {r1 + r2 + r3 + r4.substr(0, 46), 3},
    };
    const DefaultToolRec stored[] = {Tool(1, 'B', 1.0F), Tool(2, 'D', 2.0F), Tool(3, 'B', 3.0F),
                                     Tool(4, 'A', 4.0F)};
    for (const Row& row : rows) {
        WriteFile(path, row.bytes);
        session.lib.DefaultTools.fill(Rectangle());
        ReadDefaults(session);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(session.lib.DefaultTools[static_cast<std::size_t>(i)],
                      i < row.whole ? stored[i] : DefaultToolRec{})
                << row.bytes.size() << " bytes, entry " << i;
        }
        EXPECT_EQ(ReadFile(path), row.bytes) << "reading wrote to the file";
    }
}

// The real file system, with reads of one file failing a given number of times and deletes
// failing when asked.
class FailingReads : public platform::PosixFileSystem {
  public:
    std::string ReadAll(std::string_view path) const override {
        ++reads;
        if (failures > 0) {
            --failures;
            throw platform::FileError(std::string(path), "Input/output error");
        }
        return PosixFileSystem::ReadAll(path);
    }
    void DeleteFile(std::string_view path) override {
        if (deleteFails) {
            throw platform::FileError(std::string(path), "Permission denied");
        }
        PosixFileSystem::DeleteFile(path);
    }

    mutable int failures = 0;
    mutable int reads = 0;
    bool deleteFails = false;
};

TEST(DefaultsFileErrors, UnreadableFileIsDeletedAndReadOnceMore) {
    struct Row {
        int failures;
        bool deleteFails;
        bool fileLeft;
        int reads;
        bool recordRead;  // record 1 read as stored rather than empty
    };
    const Row rows[] = {
        {1, false, false, 1, false},  // the first read fails: deleted, the second finds none
        {9, false, false, 1, false},
        {9, true, true, 2, false},  // delete refused: read once more, fails: four empty defaults
        {1, true, true, 2, true},   // delete refused, the second read works
    };
    for (const Row& row : rows) {
        test::TempDir dir;
        FailingReads fs;
        const std::string path = dir.path() + "Shop.dft";
        WriteFile(path, EncodeDefault(Tool(1, 'B', 1.0F)));
        fs.failures = row.failures;
        fs.deleteFails = row.deleteFails;
        const DefaultSet set = ReadDefaultsFile(fs, path);
        EXPECT_EQ(set[0], row.recordRead ? Tool(1, 'B', 1.0F) : DefaultToolRec{});
        for (std::size_t i = 1; i < set.size(); ++i) {
            EXPECT_EQ(set[i], DefaultToolRec{});
        }
        EXPECT_EQ(FileExists(path), row.fileLeft);
        EXPECT_EQ(fs.reads, row.reads);
    }
}

TEST(DefaultDefined, ShapeMustSuitTheKind) {
    struct Row {
        int kind;
        std::int16_t recordNo;
        char shape;
        bool defined;
    };
    const Row rows[] = {
        {kXShearing, 1, 'B', true},  {kXShearing, 1, 'D', true}, {kXShearing, 1, 'A', false},
        {kYShearing, 5, 'B', true},  {kYShearing, 5, 'D', true}, {kYShearing, 5, 'C', false},
        {kClearing, 2, 'B', true},   {kClearing, 2, 'D', false}, {kClearing, 2, 'A', false},
        {kNibbling, 3, 'A', true},   {kNibbling, 3, 'B', false}, {kNibbling, 3, 'S', false},
        {kXShearing, 0, 'B', false}, {kClearing, 0, 'B', false}, {kNibbling, -4, 'A', false},
        {kXShearing, 1, 'b', false}, {kNibbling, 1, ' ', false}, {0, 1, 'B', false},
        {5, 1, 'A', false},
    };
    test::TestServices services;
    core::Session session(services.services);
    for (const Row& row : rows) {
        session.lib.DefaultTools.fill(Tool(row.recordNo, row.shape, 1.0F));
        EXPECT_EQ(DefaultDefined(session, row.kind), row.defined)
            << "kind " << row.kind << ", record " << row.recordNo << ", shape " << row.shape;
    }
}

TEST(EmptyDefault, EmptiesOnlyItsEntry) {
    test::TestServices services;
    core::Session session(services.services);
    session.lib.DefaultTools.fill(Rectangle());
    EmptyDefault(session, kYShearing);
    EmptyDefault(session, 0);
    EmptyDefault(session, 5);
    EXPECT_EQ(session.lib.DefaultTools[0], Rectangle());
    EXPECT_EQ(session.lib.DefaultTools[1], DefaultToolRec{});
    EXPECT_EQ(session.lib.DefaultTools[2], Rectangle());
    EXPECT_EQ(session.lib.DefaultTools[3], Rectangle());
}

}  // namespace
}  // namespace tooling::turrets
