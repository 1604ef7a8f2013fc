#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tooling::core {
struct Session;
}

namespace tooling::platform {
class FileSystem;
}

namespace tooling::library {

// The folders of the machine's tool and turret libraries, each ending in a separator.
std::string ToolFolder(const core::Session& session);
std::string TurretFolder(const core::Session& session);

// The prefixes of library `name`: its folder, the name and ".".
std::string ToolPrefix(const core::Session& session, std::string_view name);
std::string TurretPrefix(const core::Session& session, std::string_view name);

// Sets ToolLibPrefix and TurretLibPrefix from LibraryName.
void SetLibraryPrefixes(core::Session& session);

// The library has its tool index.
bool LibraryExists(const core::Session& session, std::string_view name);

// A file belongs to library L when its name is L + "." + an extension that is neither empty nor
// holds a "." (compared without regard to case): "Shop.Old.lkp" belongs to "Shop.Old", not to
// "Shop".
bool BelongsTo(std::string_view fileName, std::string_view library);

// The names of the files of `library` in `folder` (ending in a separator), in listing order.
std::vector<std::string> OwnFiles(const platform::FileSystem& fs, const std::string& folder,
                                  std::string_view library);

// The extension of a trimmed file name: the text after a "." that stands within the last four
// characters and not in the first position; empty otherwise.
std::string FileExt(std::string_view name);

// Creates, each only when missing and in this order, the tool index, the turret index and the
// empty turret of library `name`.
void CreateLibraryFiles(core::Session& session, std::string_view name);

}  // namespace tooling::library
