#pragma once

#include "platform/Ui.h"

class QWidget;

namespace tooling::platform {

// Message boxes and the beep of a Qt desktop. Boxes are modal to the active window.
class QtUi : public Ui {
  public:
    void Message(std::string_view text) override;
    bool Ask(std::string_view text) override;
    bool AskWithDetail(std::string_view text, std::string_view detail, bool yesByDefault) override;
    void Beep() override;
    // The hourglass is on or off, however often either is asked for. A box shown meanwhile
    // has the normal pointer.
    void SetWaitCursor(bool on) override;
    void StartupError(std::string_view text) override;

  private:
    // Takes the hourglass away while a box is up.
    class NormalPointer;

    bool waiting_ = false;
};

}  // namespace tooling::platform
