#pragma once

#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace tooling::core {

struct Session;

inline constexpr std::string_view kSuiteConfigName = "Ostrevan.cfg";

// Where the suite's PDF reader is searched for when "Acrobat.cfg" is missing. On POSIX no such
// folder exists, so the search finds nothing there.
inline const std::string kPdfReaderRoot =
    std::string(platform::kSystemRoot) + "Program Files" + platform::kSeparator + "Adobe";

// The first step of start-up: reads "Ostrevan.cfg" from the start folder into the
// installation's roots, MachineNo and UserDirName; looks for the sibling programs; checks
// "Reverse.lst" and "Machine.lst" when the reverse-subroutine program is present; seeds
// "Data/Default" on the first start; makes sure of the suite folders; sets up the PDF reader
// (searched under `pdfRoot`) and the manuals folder. Throws platform::FileError.
void ReadSuiteConfig(Session& session, std::string_view pdfRoot = kPdfReaderRoot);

// Rewrites "Ostrevan.cfg" in ProgramDir: the three roots, MachineNo as a printed number,
// UserDirName and "******". A file that holds these bytes already is left as it is.
void WriteSuiteConfig(Session& session);

}  // namespace tooling::core
