#pragma once

#include "platform/Services.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/FakeUi.h"
#include "tests/support/NativeFileSystem.h"
#include "tests/support/RecordingPage.h"

namespace tooling::test {

// The real file system with the fakes for everything a user sees.
struct TestServices {
    NativeFileSystem fs;
    FakeUi ui;
    RecordingPage printer;
    FakeProcess process;
    platform::Services services{fs, ui, printer, process};
};

}  // namespace tooling::test
