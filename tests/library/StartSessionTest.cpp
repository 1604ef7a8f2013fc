#include <gtest/gtest.h>

#include <string>

#include "core/Session.h"
#include "library/LibrarySetUp.h"
#include "tests/support/FixtureInstallation.h"
#include "turrets/EmptyTurret.h"

namespace tooling::library {
namespace {

using test::FixtureInstallation;

TEST(StartSession, OpensTheLibraryOfTheDefaultMaterial) {
    struct Row {
        int machine;
        bool shopExists;
        std::string library;
        std::string folder;
        std::int16_t stations;
    };
    const Row rows[] = {
        {FixtureInstallation::kMetric, true, "Shop", "Metric", 24},
        {FixtureInstallation::kMetric, false, "Full Library", "Metric", 24},
        {FixtureInstallation::kImperial, true, "Shop", "Imperial", 20},
    };
    for (const Row& row : rows) {
        FixtureInstallation fixture(row.machine);
        const std::string tools = "Data/Tools/" + row.folder + "/";
        const std::string turrets = "Data/Turrets/" + row.folder + "/";
        if (row.shopExists) {
            fixture.Write(tools + "Shop.lkp", "******\r\n");
        }
        core::Session& session = fixture.session();
        ASSERT_EQ(StartSession(session), core::StartOutcome::Ready);
        EXPECT_EQ(session.lib.MaterialName, "Default");
        EXPECT_EQ(session.lib.LibraryName, row.library);
        EXPECT_EQ(session.lib.ToolLibPrefix, fixture.Path(tools + row.library + "."));
        EXPECT_EQ(session.lib.TurretLibPrefix, fixture.Path(turrets + row.library + "."));
        EXPECT_EQ(fixture.Read(turrets + row.library + ".0"),
                  turrets::EmptyTurretText(row.stations));
        EXPECT_EQ(fixture.Read(turrets + "Full Library.lkp"), "******\r\n");
        EXPECT_EQ(fixture.Read(tools + "Full Library.lkp"), "******\r\n");
        EXPECT_TRUE(fixture.ui().events.empty());
    }
}

TEST(StartSession, RouterMachineGetsThePrefixesOnly) {
    FixtureInstallation fixture(FixtureInstallation::kRouter);
    core::Session& session = fixture.session();
    ASSERT_EQ(StartSession(session), core::StartOutcome::Ready);
    EXPECT_EQ(session.lib.LibraryName, "Routing");
    EXPECT_EQ(session.lib.ToolLibPrefix, fixture.Path("Data/Tools/Router/Routing."));
    EXPECT_EQ(session.lib.TurretLibPrefix, fixture.Path("Data/Turrets/Router/Routing."));
    EXPECT_FALSE(fixture.Exists("Data/Tools/Router/Full Library.lkp"));
    EXPECT_FALSE(fixture.Exists("Data/Turrets/Router/Routing.0"));
}

TEST(StartSession, NoLibraryWhenASiblingProgramIsMissing) {
    FixtureInstallation fixture;
    fixture.DropSibling("Pellarin.exe");
    core::Session& session = fixture.session();
    EXPECT_EQ(StartSession(session), core::StartOutcome::Refused);
    EXPECT_EQ(session.lib.LibraryName, "");
    EXPECT_EQ(session.lib.ToolLibPrefix, "");
    EXPECT_FALSE(fixture.Exists("Data/Tools/Metric/Full Library.lkp"));
}

}  // namespace
}  // namespace tooling::library
