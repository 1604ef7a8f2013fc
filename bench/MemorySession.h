#pragma once

#include "bench/MemoryFileSystem.h"
#include "core/Session.h"
#include "platform/Services.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/FakeUi.h"
#include "tests/support/RecordingPage.h"

namespace tooling::bench {

// A session whose files are held in memory, with a library under "/lib/Shop.".
struct MemorySession {
    MemorySession() {
        session.lib.ToolLibPrefix = "/lib/Shop.";
        session.lib.TurretLibPrefix = "/lib/Shop.";
    }

    MemoryFileSystem fs;
    test::FakeUi ui;
    test::RecordingPage printer;
    test::FakeProcess process;
    platform::Services services{fs, ui, printer, process};
    core::Session session{services};
};

}  // namespace tooling::bench
