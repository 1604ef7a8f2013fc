#pragma once

#include <string>
#include <string_view>

namespace tooling::platform {
class FileSystem;
}

namespace tooling::core {

struct Session;

// The PDF reader installed under `root`: in the folders of `root` whose name holds "ACROBAT",
// in their folders whose name holds "ACROBAT" or "READER", the last "Acrobat.exe" or
// "AcroRd32.exe" (case ignored), in listing order; empty when there is none.
std::string FindPdfReader(const platform::FileSystem& fs, std::string_view root);

// The PDF reader named by "Acrobat.cfg" in ProgramDir; when the file is missing, the reader
// found under `root`, written to a new "Acrobat.cfg". Empty when none is named or the named
// file is missing, and when anything fails: this never stops start-up.
std::string SetUpPdfReader(Session& session, std::string_view root);

// The manuals folder named by "Manuals.cfg" in ProgramDir (written with the default
// ProgramDir + "Manuals/" when missing), created when missing. Empty when it holds no "*.pdf"
// file, and when anything fails: this never stops start-up.
std::string SetUpManuals(Session& session);

}  // namespace tooling::core
