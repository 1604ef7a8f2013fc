#pragma once

#include <cstdint>
#include <string_view>

namespace tooling::core {
struct Session;
}

namespace tooling::platform {
class TextPage;
}

namespace tooling::output {

// Prints the sheet of turret `number` of the current library, headed by its name, on
// session.os.printer: one line per station of the machine's turret. `withIllustration` adds a
// page with the turret drawn on the machine's layout, under its name, the library and the
// machine.
void PrintTurret(core::Session& session, std::int16_t number, std::string_view name,
                 bool withIllustration = false);
// The same pages on another page: a PDF file, a print preview.
void PrintTurret(core::Session& session, std::int16_t number, std::string_view name,
                 platform::TextPage& page, bool withIllustration = false);

}  // namespace tooling::output
