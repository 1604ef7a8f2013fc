#pragma once

#include <string_view>

namespace tooling::platform {

// The message boxes, the beep and the mouse pointer. Every box carries the title "Ostrevan" and
// the exclamation icon. Texts are the system's single-byte (Windows-1252) text.
class Ui {
  public:
    virtual ~Ui() = default;

    virtual void Message(std::string_view text) = 0;  // Ok button
    virtual bool Ask(std::string_view text) = 0;      // Yes / No, No the default; true = Yes
    // A Yes / No question whose box also offers `detail` (nothing when empty), with Yes or No as
    // the default button.
    virtual bool AskWithDetail(std::string_view text, std::string_view detail,
                               bool yesByDefault) = 0;
    virtual void Beep() = 0;
    virtual void SetWaitCursor(bool on) = 0;
    // A start-up failure: shown to the user and written to standard error.
    virtual void StartupError(std::string_view text) = 0;

    // A refusal or an error: the beep, then the message.
    void Refuse(std::string_view text) {
        Beep();
        Message(text);
    }
};

}  // namespace tooling::platform
