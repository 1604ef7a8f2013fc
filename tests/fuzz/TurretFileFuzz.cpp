// Any turret file either reads as one row per station of the machine or is refused with a file
// error; what is read and saved again reads back as the same text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/Machine.h"
#include "platform/FileError.h"
#include "turrets/TurretFiles.h"

using tooling::turrets::StationRow;

namespace {

// A machine of `count` stations whose turret-station table holds the first three.
tooling::core::Machine MachineOf(int count) {
    tooling::core::Machine machine;
    machine.TurretMachine = true;
    machine.StationCount = static_cast<std::int16_t>(count);
    for (std::int16_t s = 1; s <= 3; ++s) {
        tooling::core::TurretStation station;
        station.station = s;
        station.type = static_cast<std::int16_t>(s + 1);
        station.label = "T" + std::to_string(s);
        station.valid = true;
        machine.TurretStations.push_back(station);
    }
    return machine;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const tooling::core::Machine machine = MachineOf(data[0] % 8);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::vector<StationRow> rows;
    try {
        rows = tooling::turrets::ParseTurret(bytes, machine, "fuzz");
    } catch (const tooling::platform::FileError&) {
        return 0;
    }
    if (rows.size() != static_cast<std::size_t>(machine.StationCount)) {
        std::abort();
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::int16_t type = r < 3 ? static_cast<std::int16_t>(r + 2) : std::int16_t{0};
        if (rows[r].typeIdx != type) {
            std::abort();
        }
    }
    // Numbers are written at 15 digits, so the text settles after one save.
    const std::string saved = tooling::turrets::TurretText(rows);
    const std::string again =
        tooling::turrets::TurretText(tooling::turrets::ParseTurret(saved, machine, "fuzz"));
    if (tooling::turrets::TurretText(tooling::turrets::ParseTurret(again, machine, "fuzz")) !=
        again) {
        std::abort();
    }
    return 0;
}
