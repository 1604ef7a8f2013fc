#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/TempDir.h"

namespace tooling::test {

// Compares a text a test built with the golden file at `path`, whole. TOOLING_WRITE_GOLDEN=1
// writes the file anew instead, after a change of the behaviour it records.
inline void ExpectGolden(const std::string& path, const std::string& actual) {
    if (std::getenv("TOOLING_WRITE_GOLDEN") != nullptr) {
        WriteFile(path, actual);
    }
    EXPECT_EQ(actual, FileExists(path) ? ReadFile(path) : "(no " + path + ")") << path;
}

// The golden file of the running test: <folder>/<test suite>/<test>.txt.
inline std::string GoldenOfThisTest(const std::string& folder) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return folder + "/" + test->test_suite_name() + "/" + test->name() + ".txt";
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
