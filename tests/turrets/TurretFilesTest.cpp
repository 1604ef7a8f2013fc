#include "turrets/TurretFiles.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/FileError.h"
#include "tests/support/GoldenCases.h"
#include "tests/turrets/TurretFixture.h"

namespace tooling::turrets {
namespace {

using test::ErrorOf;
using test::FileExists;
using test::TurretFixture;

const std::string kData = std::string(TOOLING_GOLDEN_DIR) + "/TurretFiles/";

std::string Listing(const std::vector<TurretEntry>& entries) {
    std::string text;
    for (const TurretEntry& entry : entries) {
        text += (text.empty() ? "" : ";") + entry.name + "=" + std::to_string(entry.number);
    }
    return text;
}

TEST(TurretIndex, ListsTheEntriesUpToTheFirstLineThatEndsItAndRewritesKeepWhatItSkips) {
    for (const test::DataRow& row : test::ReadDataRows(kData + "IndexListings.txt")) {
        EXPECT_EQ(Listing(ParseTurretIndex(row.fields.at(0))), row.fields.at(1)) << row.line;
    }
    for (const test::DataRow& row : test::ReadDataRows(kData + "IndexRewrites.txt")) {
        const auto& [before, name, number, after] =
            std::tie(row.fields.at(0), row.fields.at(1), row.fields.at(2), row.fields.at(3));
        const auto no = static_cast<std::int16_t>(test::NumberOf(number));
        EXPECT_EQ(test::IsNone(name) ? IndexWithout(before, no) : IndexWithEntry(before, name, no),
                  after)
            << row.line;
    }
}

class TurretFiles : public ::testing::Test, public TurretFixture {};

TEST_F(TurretFiles, FreeNumberIsTheSmallestWithoutAFile) {
    for (const test::DataRow& row : test::ReadDataRows(kData + "FreeNumbers.txt")) {
        TurretFixture fixture;
        for (const std::string& file : test::Split(row.fields.at(0), ',')) {
            if (!file.empty()) {
                test::WriteFile(library::TurretFolder(fixture.session) + file, "x");
            }
        }
        EXPECT_EQ(FreeTurretNo(fixture.session), test::NumberOf(row.fields.at(1))) << row.line;
    }
}

TEST_F(TurretFiles, SavesEveryRowAsItsStationLineAndLoadsBothFormsOfLine) {
    std::string log = ChangedFiles();
    SaveTurret(session, 7, StationRows("Saved"));
    log += "== saved as 7\n" + ChangedFiles();
    WriteTurret("2", test::ReadFile(kData + "Shop.2"));
    for (const std::int16_t number : {2, 0}) {
        log += "== loaded " + std::to_string(number) + "\n";
        for (const StationRow& row : LoadTurret(session, number)) {
            log += std::to_string(row.station) + "|" + row.shape + "|" + row.tool + "|" +
                   ::testing::PrintToString(row.dims) + "|" + row.angle + "|" +
                   std::to_string(row.typeIdx) + "\n";
        }
    }
    SaveTurret(session, 3, LoadTurret(session, 0));
    log += "== the empty turret saved as 3\n" + ChangedFiles();
    test::ExpectTranscript(log);
}

TEST_F(TurretFiles, ReadingABadTurretFileNamesTheFileAndWhatIsWrong) {
    for (const test::DataRow& row : test::ReadDataRows(kData + "BadTurretFiles.txt")) {
        WriteTurret("4", row.fields.at(0));
        EXPECT_EQ(ErrorOf([&] { LoadTurret(session, 4); }),
                  "\"" + Turret("4") + "\": " + row.fields.at(1))
            << row.line;
    }
    EXPECT_EQ(ErrorOf([&] { LoadTurret(session, 8); }), "\"" + Turret("8") + "\": file not found");
    std::filesystem::remove(Turret("lkp"));
    for (const auto& run : std::vector<std::function<void()>>{
             [&] { ReadTurretIndex(session); }, [&] { InsertTurretEntry(session, "A", 1); },
             [&] { RemoveTurretEntry(session, 1); },
             [&] { SaveNewTurret(session, "A", LoadTurret(session, 0)); }}) {
        EXPECT_EQ(ErrorOf(run), "\"" + Turret("lkp") + "\": file not found");
    }
    EXPECT_FALSE(FileExists(Turret("lkp")));
    EXPECT_FALSE(FileExists(Turret("1")));
}

TEST_F(TurretFiles, FindsATurretByItsTrimmedName) {
    WriteTurret("lkp", "Front, 1\r\nMiddle, 3\r\n******\r\n");
    EXPECT_EQ(FindTurret(session, " middle "), std::optional<std::int16_t>(3));
    EXPECT_EQ(FindTurret(session, "Back"), std::nullopt);
}

}  // namespace
}  // namespace tooling::turrets
