#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "library/ToolRec.h"

namespace tooling::core {
struct Machine;
struct Session;
}  // namespace tooling::core

namespace tooling::library {

// A turret file's bytes with every station that holds `old` (a tool of the shape `shapeCode`)
// holding `now` instead: such a line gets the new shape code, description and dimensions, and
// keeps the text of its station, angle and station-type fields; every other byte of the file
// stays as it was. `changed` is told how many stations changed. Throws platform::FileError
// naming `path` for a file that cannot be read as a turret.
std::string TurretWithTool(std::string_view bytes, const core::Machine& machine,
                           const std::string& path, char shapeCode, const ToolRec& old,
                           const ToolRec& now, int& changed);

// What an update of the standard turrets did.
struct TurretUpdate {
    int stations = 0;                 // the stations now holding the new tool
    std::vector<std::string> failed;  // the names of the turrets that could not be rewritten
};

// Makes every station of the current library's standard turrets that holds `old` hold `now`.
// Under the index's lock, each turret file is read and replaced atomically under its own lock;
// a turret that cannot be read or written keeps its file whole and is named in `failed`, while
// the others keep their update. Throws platform::FileError when the index cannot be read.
TurretUpdate UpdateHoldingStations(core::Session& session, char shapeCode, const ToolRec& old,
                                   const ToolRec& now);

}  // namespace tooling::library
