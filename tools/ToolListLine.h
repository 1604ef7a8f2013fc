#pragma once

#include <string>

#include "library/ToolRec.h"

namespace tooling::core {
struct Session;
}

namespace tooling::tools {

// One line of the tool list: its three columns, and in the edit and delete lists the number of
// standard turrets holding the tool (empty for none) with their stations ("PRODUCTION T2").
struct ToolListLine {
    std::string size, stations, angles;
    std::string turrets, turretStations;

    bool operator==(const ToolListLine&) const = default;
};

// The line of a tool of the current shape: its size text, the trimmed names of its station
// types joined by ", ", and (for every shape but Diameter and Router) "idx" when it sits in an
// index station followed by its load angles.
ToolListLine ListLine(const core::Session& session, const library::ToolRec& rec);

}  // namespace tooling::tools
