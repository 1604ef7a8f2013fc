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
// session.os.printer: one line per station of the machine's turret.
void PrintTurret(core::Session& session, std::int16_t number, std::string_view name);
// The same sheet on another page: a PDF file, a print preview.
void PrintTurret(core::Session& session, std::int16_t number, std::string_view name,
                 platform::TextPage& page);

}  // namespace tooling::output
