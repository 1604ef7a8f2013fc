#include "illustration/TurretLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>

#include "core/Machine.h"
#include "illustration/TurretPicture.h"
#include "platform/FileError.h"
#include "tests/illustration/SampleTurret.h"
#include "tests/support/GoldenCases.h"

namespace tooling::illustration {
namespace {

TEST(ParseLayout, ReadsEveryStationOnceWithinTenMetresOrNothing) {
    core::Machine machine;
    machine.StationCount = 3;
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_GOLDEN_DIR "/ParseLayout.txt")) {
        std::optional<TurretLayout> expected;
        if (!test::IsNone(row.fields.at(2))) {
            expected.emplace();
            for (const std::string& spot : test::Split(row.fields[2], ';')) {
                const std::vector<double> n = test::NumbersOf(spot);
                expected->push_back({static_cast<std::int16_t>(n.at(0)), n.at(1), n.at(2)});
            }
        }
        EXPECT_EQ(ParseLayout(row.fields.at(1), machine), expected) << row.fields[0];
    }
}

class LayoutFile : public test::SampleTurret {};

// The default layout saved to a hundredth of a millimetre reads back as saved; a missing,
// malformed or unreadable file gives the default.
TEST_F(LayoutFile, SavesUnderToolingAndLoadsTheSavedLayoutOrTheDefault) {
    const std::string folder = dir.path() + test::Native("Program/Tooling");
    const std::string path = folder + test::Native("/Kestrel20.layout");
    const TurretLayout defaults = DefaultLayout(session.machine);
    EXPECT_EQ(LoadLayout(session), defaults);

    const TurretLayout saved = ParseLayout(LayoutBytes(defaults), session.machine).value();
    for (std::size_t i = 0; i < saved.size(); ++i) {
        EXPECT_EQ(saved[i].station, defaults[i].station);
        EXPECT_LE(std::hypot(saved[i].x - defaults[i].x, saved[i].y - defaults[i].y), 0.0071);
    }
    std::filesystem::remove_all(test::PathOf(folder));
    SaveLayout(session, saved);
    test::ExpectGolden(TOOLING_GOLDEN_DIR "/Kestrel20.layout", test::ReadFile(path));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(test::PathOf(folder)), {}), 1);
    EXPECT_EQ(LoadLayout(session), saved);

    fs.readFailures = 1;
    EXPECT_EQ(LoadLayout(session), defaults) << "unreadable";
    test::WriteFile(path, LayoutBytes(TurretLayout(saved.begin(), saved.end() - 1)));
    EXPECT_EQ(LoadLayout(session), defaults) << "a station short";
}

// Moves count in layout mode only; Save writes them, Cancel drops them, Default Layout puts
// every station back, and a failed save keeps the mode and the moves.
TEST_F(LayoutFile, LayoutModeMovesStationsUntilSavedOrCancelled) {
    TurretPicture picture(session);
    picture.Open();
    const TurretLayout defaults = picture.layout();
    TurretLayout moved = defaults;
    moved[1] = {2, 5, 6};
    const auto state = [&] {
        return std::tuple(picture.layout(), picture.layoutMode, picture.layoutChanged);
    };
    picture.Station_Move(rows, 1, {5, 6});
    EXPECT_EQ(state(), std::tuple(defaults, false, false));
    picture.Layout_Click();
    picture.Station_Move(rows, 1, {5, 6});
    EXPECT_EQ(state(), std::tuple(moved, true, true));
    picture.LayoutCancel_Click();
    EXPECT_EQ(state(), std::tuple(defaults, false, false));
    picture.Layout_Click();
    picture.Station_Move(rows, 1, {5, 6});
    picture.LayoutSave_Click();
    EXPECT_EQ(state(), std::tuple(moved, false, false));
    EXPECT_EQ(LayoutBytes(LoadLayout(session)), LayoutBytes(moved));
    picture.Layout_Click();
    picture.LayoutReset_Click();
    EXPECT_EQ(state(), std::tuple(defaults, true, true));
    fs.failOn = "Tooling/";
    picture.LayoutSave_Click();
    EXPECT_EQ(state(), std::tuple(defaults, true, true));
    EXPECT_EQ(ui.events,
              (std::vector<std::string>{
                  "beep",
                  "message:" +
                      std::string(
                          platform::FileError(LayoutPath(session), "Permission denied").what())}));
    EXPECT_EQ(LayoutBytes(LoadLayout(session)), LayoutBytes(moved));
}

}  // namespace
}  // namespace tooling::illustration
