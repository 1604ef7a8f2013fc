#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Ui.h"

namespace tooling::cli {

// The message boxes of a run without a window: messages go to the error stream, questions are
// answered by the --yes option (No without it), the beep and the wait cursor do nothing. While
// a caller collects messages (Collect), they are kept instead of written.
class TerminalUi : public platform::Ui {
  public:
    TerminalUi(std::ostream& err, bool yes) : err_(err), yes_(yes) {}

    void Message(std::string_view text) override;
    bool Ask(std::string_view text) override;
    bool AskWithDetail(std::string_view text, std::string_view detail, bool) override;
    void Beep() override {}
    void SetWaitCursor(bool) override {}
    void StartupError(std::string_view text) override { Message(text); }

    // Keeps the messages in `sink` until called with nullptr.
    void Collect(std::vector<std::string>* sink) { sink_ = sink; }

  private:
    std::ostream& err_;
    bool yes_;
    std::vector<std::string>* sink_ = nullptr;
};

}  // namespace tooling::cli
