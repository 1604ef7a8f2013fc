#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::core {
struct Machine;
struct Session;
}  // namespace tooling::core

namespace tooling::illustration {

// Where a station of the machine's turret stands: its centre in millimetres from the turret's
// centre, x to the right and y up.
struct StationSpot {
    std::int16_t station = 0;  // the entry of TurretStations
    double x = 0;
    double y = 0;

    bool operator==(const StationSpot&) const = default;
};

// One spot per station of the machine's turret, rows 1 to StationCount in order.
using TurretLayout = std::vector<StationSpot>;

// No station stands farther than this from the centre, in millimetres along either axis.
inline constexpr double kLayoutReach = 10000;

// Where this program keeps a machine's layout: ProgramDir + "Tooling" + separator +
// MachineFolder + ".layout".
std::string LayoutPath(const core::Session& session);

// The layout a file's bytes hold: one line "station,x,y" for each station of the machine's
// turret, in any order, then "******" or the end. Nothing when a station is missing, named twice
// or not on the turret, when a line has other fields or a value that is not a finite number
// within kLayoutReach of the centre, or when the file is not text.
std::optional<TurretLayout> ParseLayout(std::string_view bytes, const core::Machine& machine);

// The file's bytes: the stations in row order, coordinates to a hundredth of a millimetre.
std::string LayoutBytes(const TurretLayout& layout);

// The saved layout of the session's machine, or its default layout when none is saved or the
// file is missing, cannot be read, is malformed or is far larger than any layout.
TurretLayout LoadLayout(const core::Session& session);

// Writes the layout of the session's machine under its lock, creating the folder "Tooling" when
// it is missing. Throws platform::FileError.
void SaveLayout(core::Session& session, const TurretLayout& layout);

// The diameter a station is drawn with: its station type's first size, or the smallest holder
// size when the type has none.
double StationDiameter(const core::Machine& machine, std::int16_t station);

// The stations of the machine's turret on rings about the centre, in station order clockwise from
// the top: one ring, or the larger stations on an outer ring when that takes less room. No two
// station circles overlap.
TurretLayout DefaultLayout(const core::Machine& machine);

}  // namespace tooling::illustration
