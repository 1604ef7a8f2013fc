#include "core/DriveReady.h"

#include "platform/FileError.h"
#include "platform/FileSystem.h"

namespace tooling::core {

bool DriveReady(const platform::FileSystem& fs, std::string_view path) {
    if (path.empty()) {
        return false;
    }
    try {
        return fs.VolumeReady(path);
    } catch (const platform::FileError&) {
        return false;
    }
}

}  // namespace tooling::core
