#pragma once

// The file system of the machine the program is built for.

#ifdef _WIN32
#include "platform/win/WinFileSystem.h"
#else
#include "platform/posix/PosixFileSystem.h"
#endif

namespace tooling::platform {

#ifdef _WIN32
using NativeFileSystem = WinFileSystem;
#else
using NativeFileSystem = PosixFileSystem;
#endif

}  // namespace tooling::platform
