#include "platform/StartFolder.h"

#include <filesystem>
#include <system_error>

#include "platform/FileSystem.h"

namespace tooling::platform {

std::string StartFolder() {
    std::error_code error;
    std::string dir = std::filesystem::current_path(error).string();
    if (error || dir.empty()) {
        return {};
    }
    if (dir.back() != kSeparator) {
        dir += kSeparator;
    }
    return dir;
}

}  // namespace tooling::platform
