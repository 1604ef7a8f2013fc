#pragma once

#include <cstdint>
#include <string>

namespace tooling::library {

// The bytes of a library's empty turret: one line per station s = 1 to `stationCount`,
// "s, , , 0, 0, 0, 0, , 0", then "******", each line ending in CR LF.
std::string EmptyTurretText(std::int16_t stationCount);

// The bytes of a turret index that holds no turret.
std::string EmptyIndexText();

}  // namespace tooling::library
