#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTimer>
#include <chrono>
#include <filesystem>
#include <string>

#include "platform/qt/QtProcess.h"
#include "tests/support/TempDir.h"

namespace tooling::platform {
namespace {

using test::FileExists;
using test::ReadFile;
using test::WriteFile;

std::string Script(const test::TempDir& dir, const std::string& name, const std::string& body) {
    const std::string path = dir.path() + name;
    WriteFile(path, "#!/bin/sh\n" + body);
    ::chmod(path.c_str(), 0755);
    return path;
}

TEST(QtProcess, TellsWhetherTheProgramCouldStart) {
    test::TempDir dir;
    QtProcess process;
    EXPECT_TRUE(process.RunAndWait("/bin/true"));
    EXPECT_TRUE(process.RunAndWait("/bin/false"));  // it started; how it ended is its own affair
    EXPECT_FALSE(process.RunAndWait(dir.path() + "Missing.exe"));
    WriteFile(dir.path() + "NotExecutable.exe", "#!/bin/sh\n");
    EXPECT_FALSE(process.RunAndWait(dir.path() + "NotExecutable.exe"));
}

TEST(QtProcess, StartsTheProgramWithNoArguments) {
    test::TempDir dir;
    const std::string program =
        Script(dir, "Settings.exe", "echo \"$#\" > \"$(dirname \"$0\")/count\"\n");
    QtProcess process;
    ASSERT_TRUE(process.RunAndWait(program));
    EXPECT_EQ(ReadFile(dir.path() + "count"), "0\n");
}

TEST(QtProcess, ReturnsOnlyAfterTheProgramEndedAndKeepsEventsFlowing) {
    test::TempDir dir;
    const std::string program =
        Script(dir, "Slow.exe", "sleep 0.5\necho done > \"$(dirname \"$0\")/ended\"\n");
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);

    QtProcess process;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(process.RunAndWait(program));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_TRUE(FileExists(dir.path() + "ended"));
    EXPECT_GT(ticks, 5) << "the event loop did not run while waiting";
}

}  // namespace
}  // namespace tooling::platform
