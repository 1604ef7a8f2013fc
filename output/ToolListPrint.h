#pragma once

#include <cstdint>

namespace tooling::core {
struct Session;
}

namespace tooling::platform {
class TextPage;
}

namespace tooling::output {

// Prints the tool list of a shape (1 to 14, or 21 for Router) on session.os.printer.
void PrintToolList(core::Session& session, std::int16_t shapeNo);
// The same pages on another page: a PDF file, a print preview.
void PrintToolList(core::Session& session, std::int16_t shapeNo, platform::TextPage& page);

}  // namespace tooling::output
