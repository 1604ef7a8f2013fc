#pragma once

#include <string>
#include <string_view>

namespace tooling::core {

struct Session;

// Path of a material's settings file of the machine in use.
std::string MaterialPath(const Session& session, std::string_view material);

// The tool library named by a material's settings (line 7, case kept), or empty when the machine
// kind has no such line or the file is missing, unreadable or short.
std::string MaterialLibraryName(const Session& session, std::string_view material);

}  // namespace tooling::core
