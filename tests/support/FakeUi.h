#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace tooling::test {

// Records what the logic showed, in order: "beep", "message:<text>", "ask:<text>",
// "wait:on", "wait:off", "startup:<text>". Questions are answered from `answers` (No when it
// has run out).
class FakeUi : public platform::Ui {
  public:
    void Message(std::string_view text) override {
        events.push_back("message:" + std::string(text));
    }
    bool Ask(std::string_view text) override {
        events.push_back("ask:" + std::string(text));
        if (whileAsking) {
            whileAsking();
        }
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Beep() override { events.push_back("beep"); }
    void SetWaitCursor(bool on) override { events.push_back(on ? "wait:on" : "wait:off"); }
    void StartupError(std::string_view text) override {
        events.push_back("startup:" + std::string(text));
    }

    std::vector<std::string> events;
    std::deque<bool> answers;
    std::function<void()> whileAsking;  // runs while a question is up
};

}  // namespace tooling::test
