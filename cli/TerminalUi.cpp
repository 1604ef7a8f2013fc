#include "cli/TerminalUi.h"

namespace tooling::cli {

void TerminalUi::Message(std::string_view text) {
    if (sink_ != nullptr) {
        sink_->emplace_back(text);
        return;
    }
    err_ << text << '\n';
}

bool TerminalUi::Ask(std::string_view text) {
    Message(std::string(text) + (yes_ ? " Yes" : " No"));
    return yes_;
}

bool TerminalUi::AskWithDetail(std::string_view text, std::string_view detail, bool) {
    if (!detail.empty()) {
        Message(detail);
    }
    return Ask(text);
}

}  // namespace tooling::cli
