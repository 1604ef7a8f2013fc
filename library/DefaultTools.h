#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/DefaultToolRec.h"

namespace tooling::core {
struct Session;
}

namespace tooling::platform {
class FileSystem;
}

namespace tooling::library {

// The four default tools of a library, entries 0 to 3 for kinds 1 to 4.
using DefaultSet = std::array<core::DefaultToolRec, 4>;

// The four kinds of default tool, numbered as their records in the file.
inline constexpr int kXShearing = 1;
inline constexpr int kYShearing = 2;
inline constexpr int kClearing = 3;
inline constexpr int kNibbling = 4;

// The 47 bytes of a default record, and the record read back from them.
std::string EncodeDefault(const core::DefaultToolRec& rec);
// Fewer than 47 bytes give the empty default.
core::DefaultToolRec DecodeDefault(std::string_view bytes);

// The defaults file of the current library (ToolLibPrefix + "dft").
std::string DefaultsPath(const core::Session& session);

// The four records of a defaults file's bytes; records the bytes do not hold whole are empty.
DefaultSet DecodeDefaults(std::string_view bytes);

// Reads a defaults file without writing to it. A missing file gives four empty defaults; a file
// that cannot be read is deleted and read once more, and gives four empty defaults when that
// fails too.
DefaultSet ReadDefaultsFile(platform::FileSystem& fs, const std::string& path);

// Reads records 1 to 4 of the current library's defaults file into DefaultTools.
void ReadDefaults(core::Session& session);
// Writes DefaultTools entry k - 1 as record k of the file under the file's lock, creating the
// file when missing; records before k that the file lacks are written empty. Throws FileError.
void WriteDefault(core::Session& session, int k);
// Sets DefaultTools entry k - 1 to the empty default.
void EmptyDefault(core::Session& session, int k);
// A tool of the shape can be kind k's default: Square or Rectangle for shearing, Square for
// clearing, a shape-A tool (Diameter or Router) for nibbling.
bool ShapeSuitsKind(int k, char shapeCode);
// Kind k has a tool of a shape that suits it.
bool DefaultDefined(const core::Session& session, int k);

}  // namespace tooling::library
