#pragma once

#include <cstdint>
#include <string>

namespace tooling::core {

// Where the suite is installed and how this run was started; fixed at start-up.
struct Installation {
    // The folder "Ostrevan.cfg" is read from: the current folder at launch, with a final
    // separator; empty means relative to the current folder.
    std::string StartDir;
    std::string ProgramDir;  // each of the three roots ends in a separator
    std::string DataDir;
    std::string UserRoot;
    std::int16_t MachineNo = 1;
    std::string UserDirName;
    std::string ProgramDrive;  // root of the volume that holds ProgramDir
    bool SiblingsPresent = false;
    bool ReverseProgPresent = false;
    std::string PdfReader;   // from "Acrobat.cfg"; empty when none
    std::string ManualsDir;  // empty when no manuals folder is in use
};

}  // namespace tooling::core
