#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tooling::core {

struct Machine;
struct Session;

// The nesting settings written when the machine's "nst" file is needed and missing or empty.
inline constexpr std::string_view kNestingDefault =
    "Nesting ? (Yes / No)                         : No";

// The machine state back to its empty start: texts empty, numbers and flags zero, empty tables.
void ClearMachine(Machine& machine);

// Loads the machine `machineNo` of "Machine.lst" with its files, makes sure of its folders,
// resolves the user's work folder from `userDirName` and rewrites the suite configuration.
// The installation's roots and SiblingsPresent must be set. Throws platform::FileError.
void LoadMachine(Session& session, std::int16_t machineNo, std::string userDirName);

// The work folder under the machine's user folder that a candidate name stands for: a name
// with ":" stays when its drive is ready; another name is looked up (case ignored) and taken as
// stored on disk; an empty, missing or unusable result (".", "..", "EXSUBS") gives the first
// usable entry of the machine's user folder, or empty when there is none.
std::string ResolveWorkDir(const Session& session, std::string_view candidate);

}  // namespace tooling::core
