#pragma once

#include <string>

#include "library/ToolRec.h"

namespace tooling::core {
struct Machine;
}

namespace tooling::library {

// The texts of a tool that the tool list shows and the printed list prints beside its size.

// The trimmed names of the tool's station types joined by ", "; a type outside the machine's
// table (a damaged file) names no station.
std::string StationNames(const core::Machine& machine, const ToolRec& rec);

// "idx" when the tool sits in an index station, followed by its load angles (those of 0 or
// more), joined by ", ".
std::string AngleList(const ToolRec& rec);

}  // namespace tooling::library
