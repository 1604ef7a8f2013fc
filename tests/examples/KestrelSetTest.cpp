// The sample machine's tool-settings stand-in, run without a window as a test runs it: it reads
// "Settings.cfg" from the folder it starts in and writes the picked number back.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <optional>
#include <string>

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

struct SettingsCase {
    const char* name;
    std::optional<std::string> before;  // nothing: no "Settings.cfg"
    std::string pick;
    std::optional<std::string> after;
    int status;
};

TEST(KestrelSet, WritesThePickedNumberBack) {
    const std::string toolRequest = " 5 \r\nMild Steel\r\n 1 \r\n******\r\n";
    const std::string mainRequest = "4\r\n******\r\n";
    const SettingsCase cases[] = {
        {"a tool's number", toolRequest, "7", " 5 \r\nMild Steel\r\n 7 \r\n******\r\n", 0},
        {"lines kept as they stand, ends made CR LF", "5\nStainless 304 \n 12\n******\n", "32767",
         "5\r\nStainless 304 \r\n 32767 \r\n******\r\n", 0},
        {"the main window's request is left alone", mainRequest, "7", mainRequest, 0},
        {"no number", toolRequest, "", toolRequest, 2},
        {"zero", toolRequest, "0", toolRequest, 2},
        {"beyond the highest", toolRequest, "32768", toolRequest, 2},
        {"trailing letters", toolRequest, "7x", toolRequest, 2},
        {"no Settings.cfg", std::nullopt, "7", std::nullopt, 1},
    };
    for (const SettingsCase& c : cases) {
        TempDir dir;
        const std::string file = dir.path() + "Settings.cfg";
        if (c.before) {
            WriteFile(file, *c.before);
        }
        EXPECT_EQ(RunKestrelSet(dir.path(), c.pick), c.status) << c.name;
        EXPECT_EQ(FileExists(file) ? std::optional(ReadFile(file)) : std::nullopt, c.after)
            << c.name;
    }
}

}  // namespace
}  // namespace tooling::test
