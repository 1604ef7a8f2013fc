#pragma once

#include "platform/Services.h"
#include "platform/posix/PosixFileSystem.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/FakeUi.h"
#include "tests/support/RecordingPage.h"

namespace tooling::test {

// The real file system with the fakes for everything a user sees.
struct TestServices {
    platform::PosixFileSystem fs;
    FakeUi ui;
    RecordingPage printer;
    FakeProcess process;
    platform::Services services{fs, ui, printer, process};
};

}  // namespace tooling::test
