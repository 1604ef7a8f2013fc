// The sample libraries' generator: what it makes of a source and what it refuses. That the files
// committed under examples/ are what it writes is CompareSampleTools.cmake's test.

#include "examples/generator/SampleLibrary.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/Machine.h"
#include "library/ToolRec.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/GoldenText.h"

namespace tooling::test {
namespace {

using examples::SampleFile;
using examples::SampleLibraryFiles;
using library::ToolRec;

// Station types 1 "A 12.7mm" (kind 10), 2 "B Index" (kind 20), 3 "Gap" (kind 0, listed but
// not offered by the dialogs), 4 "Clamp" (kind 5, not listed).
core::Machine Stations() {
    core::Machine machine;
    const auto add = [&](std::int16_t number, const std::string& name, std::int16_t kind) {
        machine.StationTable[static_cast<std::size_t>(number)] = {
            number, name + std::string(18 - name.size(), ' '), kind, 0, 0, 1, 1};
    };
    add(1, "A 12.7mm", 10);
    add(2, "B Index", 20);
    add(3, "Gap", 0);
    add(4, "Clamp", 5);
    machine.StationList = {3, 1, 2, 3};
    return machine;
}

ToolRec Rec(char shape, const std::string& descr, std::array<float, 4> dims,
            std::array<library::ToolStation, 6> stations, std::array<float, 6> angles,
            std::int32_t settingsNo) {
    ToolRec rec;
    rec.Shape = shape;
    rec.Descr = library::PaddedDescr(descr);
    rec.Dims = dims;
    rec.Stns = stations;
    rec.Angles = angles;
    rec.SettingsNo = settingsNo;
    return rec;
}

std::string Names(const std::vector<SampleFile>& files) {
    std::string names;
    for (const SampleFile& file : files) {
        names += (names.empty() ? "" : " ") + file.name;
    }
    return names;
}

TEST(SampleLibrary, WritesRecordsIndexAndDrawings) {
    const std::string source =
        "# comment\n"
        "J | 10 | A 12.7mm | 0 90 | 3\n"
        "K | 20 22 4 rounded | A 12.7mm, B Index | 0 90 180 270 | 4\n"
        "S | BLANK | B Index | 0 | 6\n"
        "S | STAR | A 12.7mm | 0 90 | 5\n"
        "index | STAR | 7\n"
        "index | BLANK | 2\n"
        "drawing | 7 | 25.456 10\n";
    const std::vector<SampleFile> files = SampleLibraryFiles(source, "Lib", Stations());
    ASSERT_EQ(Names(files), "Lib.J Lib.K Lib.S Lib.lkp Lib.7");
    constexpr float n = library::kNoAngle;
    EXPECT_EQ(files[0].bytes, library::ToolRecBytes(Rec('J', "Hexagon", {10, 11.547F, 0, 0},
                                                        {{{1, 10}}}, {0, 90, n, n, n, n}, 3)));
    EXPECT_EQ(files[1].bytes,
              library::ToolRecBytes(Rec('K', "Keyway", {20, 22, -4, 0}, {{{1, 10}, {2, 20}}},
                                        {0, 90, 180, 270, n, n}, 4)));
    EXPECT_EQ(files[2].bytes, library::ToolRecBytes(Rec('S', "BLANK", {12, 12, 0, 0}, {{{2, 20}}},
                                                        {0, n, n, n, n, n}, 6)) +
                                  library::ToolRecBytes(Rec('S', "STAR", {25.46F, 10, 0, 0},
                                                            {{{1, 10}}}, {0, 90, n, n, n, n}, 5)));
    EXPECT_EQ(files[3].bytes, "STAR, 7 \r\nBLANK, 2 \r\n******\r\n");
    std::string drawing(518, '\0');
    drawing.replace(2, 18, "STAR              ");
    drawing.replace(20, 72, std::string(72, ' '));
    drawing.replace(150, 8, std::string("\xe3\xa5\xcb\x41\x00\x00\x20\x41", 8));  // 25.456, 10
    EXPECT_EQ(files[4].bytes, drawing);

    const std::vector<SampleFile> imperial =
        SampleLibraryFiles("units | inch\nA | 1/3 | A 12.7mm | 0 | 1\n", "Imp", Stations());
    ASSERT_EQ(Names(imperial), "Imp.A Imp.lkp");
    EXPECT_EQ(imperial[0].bytes, library::ToolRecBytes(Rec('A', "Diameter", {8.467F, 8.467F, 0, 0},
                                                           {{{1, 10}}}, {0, n, n, n, n, n}, 1)));
    EXPECT_EQ(imperial[1].bytes, "******\r\n");
}

TEST(SampleLibrary, RefusesWhatADialogOrTheToolFileWouldNot) {
    for (const GoldenCase& row : ReadGoldenCases(TOOLING_GOLDEN_DIR "/SampleRefusals.txt")) {
        EXPECT_EQ(test::ErrorOf<examples::SampleSourceError>(
                      [&] { SampleLibraryFiles(row["source"], "Lib", Stations()); }),
                  row["message"])
            << row.name;
    }
}

}  // namespace
}  // namespace tooling::test
