#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTimer>
#include <string>

#include "platform/qt/QtProcess.h"
#include "tests/support/TempDir.h"

namespace tooling::platform {
namespace {

// The program runs to its end, with no arguments, while the event loop keeps running.
TEST(QtProcess, RunsTheProgramToItsEndAndTellsWhetherItStarted) {
    test::TempDir dir;
    const std::string program = dir.path() + "Settings.exe";
    test::WriteFile(program, "#!/bin/sh\nsleep 0.5\necho \"$#\" > \"$(dirname \"$0\")/count\"\n");
    ::chmod(program.c_str(), 0755);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);

    QtProcess process;
    EXPECT_TRUE(process.RunAndWait(program));
    EXPECT_EQ(test::ReadFile(dir.path() + "count"), "0\n");
    EXPECT_GT(ticks, 5) << "the event loop did not run while waiting";
    EXPECT_TRUE(process.RunAndWait("/bin/false"));  // it started; how it ended is its own affair
    EXPECT_FALSE(process.RunAndWait(dir.path() + "Missing.exe"));
}

}  // namespace
}  // namespace tooling::platform
