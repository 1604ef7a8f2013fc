#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/FileError.h"
#include "tests/support/TempDir.h"

namespace tooling::test {

// The text of the `Error` that `run` throws, or `none`.
template <typename Error = platform::FileError, typename Run>
std::string ErrorOf(Run run, const std::string& none = "no error") {
    try {
        run();
    } catch (const Error& error) {
        return error.what();
    }
    return none;
}

// Compares a text a test built with the golden file at `path`, whole. TOOLING_WRITE_GOLDEN=1
// writes the file anew instead, after a change of the behaviour it records.
inline void ExpectGolden(const std::string& path, const std::string& actual) {
    if (std::getenv("TOOLING_WRITE_GOLDEN") != nullptr) {
        WriteFile(path, actual);
    }
    EXPECT_EQ(actual, FileExists(path) ? ReadFile(path) : "(no " + path + ")") << path;
}

// Compares what the running test noted with its transcript, golden/<test suite>/<test>.txt beside
// the test program.
inline void ExpectTranscript(const std::string& text) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    ExpectGolden(std::string(TOOLING_GOLDEN_DIR) + "/" + test->test_suite_name() + "/" +
                     test->name() + ".txt",
                 text);
}

// The text with each `from` in it written `to`.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (auto at = from.empty() ? text.npos : text.find(from); at != text.npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// File bytes as transcript lines: each CR shown as "\r", so line ends stay visible.
inline std::string ShownBytes(const std::string& bytes) {
    std::string shown;
    for (const char c : bytes) {
        shown += c == '\r' ? std::string("\\r") : std::string(1, c);
    }
    return shown.empty() || shown.back() == '\n' ? shown : shown + "\n";
}

}  // namespace tooling::test
