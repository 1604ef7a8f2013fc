#include "ui/StartMainWindow.h"

#include <gtest/gtest.h>

#include "tests/support/FixtureInstallation.h"
#include "ui/ToolLibrary.h"

namespace tooling::ui {
namespace {

using test::FixtureInstallation;

TEST(StartMainWindow, ReadyInstallationGivesAWindowToShow) {
    FixtureInstallation fixture;
    ToolLibrary window(fixture.session());
    EXPECT_EQ(StartMainWindow(window, fixture.ui()), 0);
    EXPECT_EQ(fixture.ui().events, std::vector<std::string>());
    EXPECT_FALSE(window.isVisible());
}

TEST(StartMainWindow, MissingSiblingProgramEndsQuietlyAfterTheBeep) {
    for (const char* sibling : {"Varnholt.exe", "Pellarin.exe"}) {
        SCOPED_TRACE(sibling);
        FixtureInstallation fixture;
        fixture.DropSibling(sibling);
        ToolLibrary window(fixture.session());
        EXPECT_EQ(StartMainWindow(window, fixture.ui()), kExitRefused);
        EXPECT_EQ(fixture.ui().events, std::vector<std::string>({"beep"}));
        EXPECT_FALSE(window.isVisible());
    }
}

TEST(StartMainWindow, FileErrorIsReportedNamingTheFile) {
    struct Row {
        const char* removed;
        const char* path;  // under the fixture's root
    };
    const Row rows[] = {
        {"Program/Machine.lst", "Program/Machine.lst"},
        {"Data/Data/Metric.mch", "Data/Data/Metric.mch"},
        {"Data/Data/Metric.stn", "Data/Data/Metric.stn"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.removed);
        FixtureInstallation fixture;
        fixture.Remove(row.removed);
        ToolLibrary window(fixture.session());
        EXPECT_EQ(StartMainWindow(window, fixture.ui()), kExitStartupError);
        ASSERT_EQ(fixture.ui().events.size(), 1U);
        const std::string expectedStart =
            "startup:The Tool Library cannot start: \"" + fixture.Path(row.path) + "\": ";
        const std::string& event = fixture.ui().events[0];
        EXPECT_EQ(event.substr(0, expectedStart.size()), expectedStart);
        EXPECT_GT(event.size(), expectedStart.size());  // and says what is wrong
        EXPECT_FALSE(window.isVisible());
    }
}

TEST(StartMainWindow, MissingConfigurationIsReported) {
    FixtureInstallation fixture;
    fixture.Remove("Program/Ostrevan.cfg");
    ToolLibrary window(fixture.session());
    EXPECT_EQ(StartMainWindow(window, fixture.ui()), kExitStartupError);
    ASSERT_EQ(fixture.ui().events.size(), 1U);
    EXPECT_NE(fixture.ui().events[0].find("Ostrevan.cfg"), std::string::npos)
        << fixture.ui().events[0];
}

}  // namespace
}  // namespace tooling::ui
