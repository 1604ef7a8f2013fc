#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tooling::core {

inline constexpr int kMaxStationType = 64;
inline constexpr std::size_t kStationNameWidth = 18;

// One station type of the machine (a size of tool holder).
struct StationType {
    std::int16_t number = 0;
    std::string name = std::string(kStationNameWidth, ' ');  // always 18 characters
    std::int16_t kind = 0;
    float size1 = 0.0F;  // millimetres
    float size2 = 0.0F;
    std::int16_t count = 0;
    std::int16_t countCopy = 0;
};

// One station of the machine's turret.
struct TurretStation {
    std::int16_t station = 0;
    std::int16_t second = 0;
    std::int16_t type = 0;
    std::int16_t kind = 0;
    std::string label;
    std::string fifth;
    bool valid = false;
};

// The machine in use, read from the suite's machine files at start-up.
struct Machine {
    std::string MachineName;
    std::string MachineFolder;
    std::string SettingsProgName;
    std::string MachineDataPrefix;
    std::string MaterialDir;
    bool MachineImperial = false;
    bool ImperialDisplay = false;
    std::int16_t MachineType = 0;
    bool TurretMachine = false;
    bool RouterMachine = false;
    std::int16_t StationCount = 0;
    bool ToolSettingsOn = false;

    std::array<StationType, kMaxStationType + 1> StationTable{};  // indexed by type number
    std::array<std::int16_t, kMaxStationType + 1> StationList{};  // [0] = n, then type numbers
    std::vector<TurretStation> TurretStations = std::vector<TurretStation>(1);  // [0] empty
};

inline bool IsTurretKind(std::int16_t code) {
    return code >= 10 && code < 40;
}
inline bool IsRouterKind(std::int16_t code) {
    return code >= 40 && code < 50;
}
inline bool IsIndexStation(std::int16_t kind) {
    return kind >= 20 && kind < 40;
}

}  // namespace tooling::core
