#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace tooling::test {

// Records what the logic showed, in order: "beep", "message:<text>", "ask:<text>" (a question
// with No the default), "ask-yes:<text>" (Yes the default) followed by "detail:<detail>" when the
// box offers one, "wait:on", "wait:off", "startup:<text>". Questions are answered from `answers`
// (No when it has run out).
class FakeUi : public platform::Ui {
  public:
    void Message(std::string_view text) override {
        events.push_back("message:" + std::string(text));
    }
    bool Ask(std::string_view text) override { return AskWithDetail(text, {}, false); }
    bool AskWithDetail(std::string_view text, std::string_view detail, bool yesByDefault) override {
        events.push_back((yesByDefault ? "ask-yes:" : "ask:") + std::string(text));
        if (!detail.empty()) {
            events.push_back("detail:" + std::string(detail));
        }
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
