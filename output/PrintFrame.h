#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/TextPage.h"

namespace tooling::core {
struct Session;
}

namespace tooling::output {

// What both prints share: the page in portrait while the print runs, and its heading block.

inline constexpr const char* kPrinterError = "Printer Error !";

// Runs `print` on `page`. A page that is not in portrait is switched to it (its
// empty document ended, so the pages that follow come out upright) and set back afterwards. A
// printer or file failure ends the print: the orientation is set back, the beep sounds and
// "Printer Error !" is shown.
void RunPrint(core::Session& session, platform::TextPage& page,
              const std::function<void(platform::TextPage&)>& print);

// The heading block: bold "Times New Roman", an empty line, the heading underlined at column 5,
// an empty line, the column titles, an empty line; bold is off again afterwards.
void PrintHeading(platform::TextPage& page, const std::string& heading,
                  const std::vector<platform::PageItem>& titles);

}  // namespace tooling::output
