#include "library/EmptyTurret.h"

#include <vector>

#include "core/TextFile.h"

namespace tooling::library {

std::string EmptyTurretText(std::int16_t stationCount) {
    std::vector<std::string> lines;
    for (int s = 1; s <= stationCount; ++s) {
        lines.push_back(std::to_string(s) + ", , , 0, 0, 0, 0, , 0");
    }
    return core::TextFileBytes(lines);
}

std::string EmptyIndexText() {
    return core::TextFileBytes({});
}

}  // namespace tooling::library
