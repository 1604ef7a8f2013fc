#pragma once

#include <string_view>

namespace tooling::platform {
class FileSystem;
}

namespace tooling::core {

// The volume that holds the path is mounted and its root can be listed; false for an empty
// path. Never reports an error itself.
bool DriveReady(const platform::FileSystem& fs, std::string_view path);

}  // namespace tooling::core
