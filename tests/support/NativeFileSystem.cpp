#include "tests/support/NativeFileSystem.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tooling::test {

std::string UnreadyDrive() {
#ifdef _WIN32
    const DWORD drives = ::GetLogicalDrives();
    for (char letter = 'Z'; letter > 'C'; --letter) {
        if ((drives & (1u << (letter - 'A'))) == 0) {
            return std::string(1, letter) + ":";
        }
    }
    throw std::runtime_error("every drive letter is in use");
#else
    return "C:";
#endif
}

}  // namespace tooling::test
