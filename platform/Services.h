#pragma once

#include "platform/FileSystem.h"
#include "platform/Process.h"
#include "platform/TextPage.h"
#include "platform/Ui.h"

namespace tooling::platform {

// The platform as the logic sees it.
struct Services {
    FileSystem& fs;
    Ui& ui;
    TextPage& printer;
    Process& process;
};

}  // namespace tooling::platform
