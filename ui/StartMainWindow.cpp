#include "ui/StartMainWindow.h"

#include <exception>
#include <string>

#include "core/StartUp.h"
#include "platform/Ui.h"
#include "ui/ToolLibrary.h"

namespace tooling::ui {

namespace {
const std::string kCannotStart = "The Tool Library cannot start: ";
}

int StartMainWindow(ToolLibrary& window, platform::Ui& ui) {
    try {
        if (window.Form_Load() == core::StartOutcome::Refused) {
            return kExitRefused;
        }
        return 0;
    } catch (const std::exception& error) {  // platform::FileError above all
        ui.StartupError(kCannotStart + error.what());
    }
    return kExitStartupError;
}

}  // namespace tooling::ui
