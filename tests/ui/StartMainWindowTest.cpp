#include "ui/StartMainWindow.h"

#include <gtest/gtest.h>

#include "tests/support/FixtureInstallation.h"
#include "ui/ToolLibrary.h"

namespace tooling::ui {
namespace {

using Events = std::vector<std::string>;

TEST(StartMainWindow, ReadyInstallationGivesAWindowToShow) {
    test::FixtureInstallation fixture;
    ToolLibrary window(fixture.session());
    EXPECT_EQ(StartMainWindow(window, fixture.ui()), 0);
    EXPECT_EQ(fixture.ui().events, Events{});
    EXPECT_FALSE(window.isVisible());
}

TEST(StartMainWindow, EndsBeforeTheWindowShowsOnAMissingSiblingOrAFileError) {
    const std::tuple<std::string, int, bool> rows[] = {
        // The file removed, the exit status, and whether the error names it.
        {"Program/Varnholt.exe", kExitRefused, false},
        {"Program/Pellarin.exe", kExitRefused, false},
        {"Program/Ostrevan.cfg", kExitStartupError, true},
        {"Program/Machine.lst", kExitStartupError, true},
        {"Data/Data/Metric.stn", kExitStartupError, true},
    };
    for (const auto& [removed, status, named] : rows) {
        test::FixtureInstallation fixture;
        fixture.Remove(removed);
        ToolLibrary window(fixture.session());
        EXPECT_EQ(StartMainWindow(window, fixture.ui()), status) << removed;
        EXPECT_EQ(fixture.ui().events, named ? Events{"startup:The Tool Library cannot start: \"" +
                                                      fixture.Path(removed) + "\": file not found"}
                                             : Events{"beep"});
        EXPECT_FALSE(window.isVisible());
    }
}

}  // namespace
}  // namespace tooling::ui
