#pragma once

#include <string>
#include <vector>

namespace tooling::platform {
class FileSystem;
}

namespace tooling::core {

// The places an installed program may find its installation's Ostrevan.cfg in.
struct ProgramFolderPlaces {
    std::string option;      // --program-dir as given; empty when not given
    std::string current;     // the folder the program was started in; empty when it has no name
    std::string remembered;  // the folder chosen at an earlier first start; empty when none
};

struct ProgramFolderSearch {
    std::string found;                // the folder to start in; empty when none holds the file
    std::vector<std::string> looked;  // every folder looked in, in order
};

// A folder given as an option is the only one looked in. Otherwise the current folder comes
// first, as every program of the suite starts there, then the remembered one. Folders end in a
// separator.
ProgramFolderSearch FindProgramFolder(const ProgramFolderPlaces& places,
                                      const platform::FileSystem& fs);

// Looks in one more folder: notes it as looked in (once) and takes it when it holds
// Ostrevan.cfg. Returns whether it was taken.
bool LookIn(ProgramFolderSearch& search, const std::string& folder, const platform::FileSystem& fs);

// What the first start says when no folder looked in holds Ostrevan.cfg.
std::string NoSuiteConfigMessage(const std::vector<std::string>& looked);

}  // namespace tooling::core
