// The sample machine's tool-settings stand-in, run without a window as a test runs it: it reads
// "Settings.cfg" from the folder it starts in and writes the picked number back.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <string>

#include "tests/support/GoldenCases.h"
#include "tests/support/TempDir.h"

namespace tooling::test {
namespace {

// Runs the stand-in in `dir` with KESTRELSET_PICK set; its exit status, -1 when it crashed.
int RunKestrelSet(const std::string& dir, const std::string& pick) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KESTRELSET_PICK"), QString::fromStdString(pick));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QString::fromStdString(dir));
    process.start(QStringLiteral(TOOLING_KESTRELSET), {});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return process.exitCode();
}

TEST(KestrelSet, WritesThePickedNumberBack) {
    for (const GoldenCase& c : ReadGoldenCases(TOOLING_GOLDEN_DIR "/KestrelSet.txt")) {
        TempDir dir;
        const std::string file = dir.path() + "Settings.cfg";
        if (c.Has("before")) {
            WriteFile(file, c["before"]);
        }
        EXPECT_EQ(RunKestrelSet(dir.path(), c["pick"]), std::stoi(c["status"])) << c.name;
        EXPECT_EQ(FileExists(file) ? ReadFile(file) : "none", c.Has("after") ? c["after"] : "none")
            << c.name;
    }
}

}  // namespace
}  // namespace tooling::test
