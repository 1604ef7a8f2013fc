#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace tooling::core {
struct Session;
}

namespace tooling::cli {

// Writes each tool of the shapes (menu order, each in the edit list's order) with its size as
// the edit list shows it and the standard turrets' stations that hold it. As text: the shape's
// name, then a line per tool with its size and its stations ("PRODUCTION T2, Spare T5"). As CSV:
// the header shape,size,turret,station and a row per holding station, turrets in index order
// and stations in turret order; a tool no turret holds gives one row with the last two fields
// empty. Returns a message for each turret that could not be read (it is left out). Throws
// platform::FileError when a tool file or the turret index cannot be read.
std::vector<std::string> WriteWhereUsed(core::Session& session,
                                        const std::vector<std::int16_t>& shapes, bool csv,
                                        std::ostream& out);

}  // namespace tooling::cli
