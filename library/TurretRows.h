#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::core {
struct Machine;
struct Session;
}  // namespace tooling::core

namespace tooling::library {

// The station lines of a library's turret files, as the turret commands and the turret sheet
// read them.

// One station row of an open turret: the station number (field 1), the shape code, the tool
// description, the four dimensions in millimetres, the angle text, and the station type.
struct StationRow {
    std::int16_t station = 0;
    std::string shape, tool;
    std::array<double, 4> dims{};
    std::string angle;
    std::int16_t typeIdx = 0;

    bool operator==(const StationRow&) const = default;
};

// Turret `number` of the current library: TurretLibPrefix followed by the number (0: the empty
// turret).
std::string TurretFilePath(const core::Session& session, std::int16_t number);

// The first StationCount station lines of a turret file's bytes; each row's type is that of the
// machine's turret station of the same row. Throws platform::FileError naming `path` for a file
// with fewer station lines, a line with fewer than nine fields or a station number beyond 16 bits.
std::vector<StationRow> ParseTurret(std::string_view bytes, const core::Machine& machine,
                                    const std::string& path);

// Turret `number` of the current library (0: the empty turret). Throws platform::FileError.
std::vector<StationRow> LoadTurret(const core::Session& session, std::int16_t number);

// The shape code of a row holding one of the fourteen shapes, or a blank for an empty station.
char StationShape(const StationRow& row);
// The tool type of a row: its tool description, "Special   " for a special tool, empty for an
// empty station.
std::string StationToolType(const StationRow& row);
// The size of a row's tool as the lists show it (a special tool's name), empty for an empty
// station; in inches rounded to `imperialDecimals` decimals when `imperialDisplay` is set.
std::string StationToolSize(const StationRow& row, bool imperialDisplay, int imperialDecimals);

}  // namespace tooling::library
