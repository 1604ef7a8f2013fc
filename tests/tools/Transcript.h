#pragma once

// Tests that note what happens as they go and compare the notes whole, at their end, with the
// transcript of their name beside the tests (a test that notes nothing has none).

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "tests/support/TempDir.h"

namespace tooling::tools {

template <typename Range>
std::string Joined(const Range& parts, const char* separator = ";") {
    std::string text;
    for (const auto& part : parts) {
        text += text.empty() ? "" : separator;
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(part)>>) {
            text += std::to_string(part);
        } else {
            text += part;
        }
    }
    return text;
}

class TranscriptTest : public ::testing::Test {
  protected:
    void TearDown() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        if (!transcript.empty()) {
            EXPECT_EQ(transcript, test::ReadFile(TOOLING_DATA_DIR "transcripts/" + name + ".txt"));
        }
    }

    std::string transcript;
};

}  // namespace tooling::tools
