#pragma once

// Tests that note what happens as they go and compare the notes whole, at their end, with their
// transcript (a test that notes nothing has none).

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

#include "tests/support/GoldenText.h"
#include "tests/support/TempDir.h"

namespace tooling::tools {

template <typename Range>
std::string Joined(const Range& parts, const char* separator = ";") {
    std::string text;
    for (const auto& part : parts) {
        text += text.empty() ? "" : separator;
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(part)>>) {
            char number[32];
            std::snprintf(number, sizeof number, "%.9g", static_cast<double>(part));
            text += number;
        } else {
            text += part;
        }
    }
    return text;
}

class TranscriptTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (!transcript.empty()) {
            test::ExpectTranscript(transcript);
        }
    }

    // Notes what the user was told since the last note, with the folder `dir` written "<dir>/".
    void NoteEvents(std::vector<std::string>& events, const std::string& dir = "") {
        for (const std::string& event : events) {
            transcript += " {" + test::Replaced(event, dir, "<dir>/") + "}";
        }
        events.clear();
    }

    std::string transcript;
};

}  // namespace tooling::tools
