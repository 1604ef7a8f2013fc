#pragma once

#include <string>

#include "library/ToolRec.h"

namespace tooling::library {

// The size of a tool as the lists show it: its dimensions written with NumText at full precision
// (in inches rounded to `imperialDecimals` decimals when `imperialDisplay` is set), joined by the
// shape's letters ("20x10r2", "10r2", "12w4r3", a keyway's key width without its sign); a special
// tool's trimmed name.
std::string ToolSizeText(char shapeCode, const ToolRec& rec, bool imperialDisplay,
                         int imperialDecimals = 3);

}  // namespace tooling::library
