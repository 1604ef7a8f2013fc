// Any layout file either reads as one spot per station of the machine, in row order, within ten
// metres of the centre, or as nothing; what is read and saved reads back, and the saved text
// settles after one save.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/Machine.h"
#include "illustration/TurretLayout.h"

using namespace tooling;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    core::Machine machine;
    machine.StationCount = static_cast<std::int16_t>(data[0] % 8);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::optional<illustration::TurretLayout> layout =
        illustration::ParseLayout(bytes, machine);
    if (!layout) {
        return 0;
    }
    if (layout->size() != static_cast<std::size_t>(machine.StationCount)) {
        std::abort();
    }
    for (std::size_t i = 0; i < layout->size(); ++i) {
        const illustration::StationSpot& spot = (*layout)[i];
        if (spot.station != static_cast<std::int16_t>(i + 1) || !(std::fabs(spot.x) <= 10000) ||
            !(std::fabs(spot.y) <= 10000)) {
            std::abort();
        }
    }
    const std::string saved = illustration::LayoutBytes(*layout);
    const std::optional<illustration::TurretLayout> again =
        illustration::ParseLayout(saved, machine);
    if (!again || illustration::LayoutBytes(*again) != saved) {
        std::abort();
    }
    return 0;
}
