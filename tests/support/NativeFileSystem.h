#pragma once

#include <string>
#include <utility>

#include "platform/NativeFileSystem.h"

#ifdef _WIN32
#include "platform/win/WinError.h"
#else
#include <cerrno>
#include <cstring>
#endif

namespace tooling::test {

using platform::NativeFileSystem;

// The native file system without the flush to disk of replaced files, for throw-away folders
// where a power cut does not matter and flushing is slow. Everything else is the real one.
inline NativeFileSystem UnflushedFileSystem() {
#ifdef _WIN32
    platform::WinCalls calls;
    calls.flush = [](void*) { return true; };
#else
    platform::PosixCalls calls;
    calls.fsync = [](int) { return 0; };
#endif
    return NativeFileSystem(std::move(calls));
}

// What the native file system says when a folder on the way to a path is missing.
inline std::string MissingFolderText() {
#ifdef _WIN32
    constexpr unsigned long kPathNotFound = 3;
    return platform::WinErrorText(kPathNotFound);
#else
    return std::strerror(ENOENT);
#endif
}

// A drive that is not ready: on Windows a letter no volume has, elsewhere "C:", which names no
// volume at all.
std::string UnreadyDrive();

}  // namespace tooling::test
