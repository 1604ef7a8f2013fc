#pragma once

#include <string>

#include "core/DefaultToolRec.h"

namespace tooling::core {
struct Session;
}

namespace tooling::turrets {

// The four kinds of default tool, numbered as their records in the file.
inline constexpr int kXShearing = 1;
inline constexpr int kYShearing = 2;
inline constexpr int kClearing = 3;
inline constexpr int kNibbling = 4;

// The 47 bytes of a default record, and the record read back from them.
std::string EncodeDefault(const core::DefaultToolRec& rec);
core::DefaultToolRec DecodeDefault(std::string_view bytes);

// Reads records 1 to 4 of the current library's defaults file into DefaultTools.
void ReadDefaults(core::Session& session);
// Writes DefaultTools entry k - 1 as record k of the file, creating the file when missing.
void WriteDefault(core::Session& session, int k);
// Sets DefaultTools entry k - 1 to the empty default.
void EmptyDefault(core::Session& session, int k);
// Kind k has a tool of a shape that suits it.
bool DefaultDefined(const core::Session& session, int k);

}  // namespace tooling::turrets
