#include "ui/StartMainWindow.h"

#include <gtest/gtest.h>

#include "tests/support/FixtureInstallation.h"
#include "ui/ToolLibrary.h"

namespace tooling::ui {
namespace {

using Events = std::vector<std::string>;

// The window shows only on a ready installation: a missing sibling program ends quietly, a file
// error with its message. (Which files start-up needs is the start-up's own affair.)
TEST(StartMainWindow, EndsBeforeTheWindowShowsOnAMissingSiblingOrAFileError) {
    const std::tuple<std::string, int, bool> rows[] = {
        // The file removed, the exit status, and whether the error names it.
        {"", 0, false},
        {"Program/Varnholt.exe", kExitRefused, false},
        {"Program/Ostrevan.cfg", kExitStartupError, true},
    };
    for (const auto& [removed, status, named] : rows) {
        test::FixtureInstallation fixture;
        if (!removed.empty()) {
            fixture.Remove(removed);
        }
        ToolLibrary window(fixture.session());
        EXPECT_EQ(StartMainWindow(window, fixture.ui()), status) << removed;
        const Events error = {"startup:The Tool Library cannot start: \"" + fixture.Path(removed) +
                              "\": file not found"};
        EXPECT_EQ(fixture.ui().events, named ? error : removed.empty() ? Events{} : Events{"beep"});
        EXPECT_FALSE(window.isVisible());
    }
}

}  // namespace
}  // namespace tooling::ui
