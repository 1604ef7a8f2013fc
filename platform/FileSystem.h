#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// windows.h makes DeleteFile a macro for its own function, which would rename ours. A file that
// includes windows.h after this header undefines it again.
#ifdef DeleteFile
#undef DeleteFile
#endif

namespace tooling::platform {

// The native separator of path components. On Windows "/" separates components as well: the
// file system accepts it, and the logic treats it as a separator (IsSeparator), but builds paths
// with the native one.
#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

constexpr bool IsSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

// The root of the system's drive ("C:\\" on Windows), where "Program Files" lies.
#ifdef _WIN32
inline constexpr std::string_view kSystemRoot = "C:\\";
#else
inline constexpr std::string_view kSystemRoot = "/";
#endif

// Which entries a listing returns.
enum class ListFilter { Files, FilesAndDirs };

// Held while a read-modify-write of one file is under way; releases the lock when destroyed.
class FileLock {
  public:
    virtual ~FileLock() = default;
};

// Everything the system does with files and folders. Paths use the native separator. Where the
// exact name of a path component is missing, an existing entry whose name differs only in case
// is used instead, so "SHOP.lkp" finds "Shop.lkp". Every failure throws FileError.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // True when the path names an existing file, or (with FilesAndDirs) an existing folder.
    virtual bool Exists(std::string_view path, ListFilter filter) const = 0;

    // Names (not paths) of the entries of a folder that match a pattern given as the last
    // component of `pattern` ("dir/*.lkp", "dir/*.*", "dir/Name.*"). Matching ignores case;
    // "*.*" matches every name. "." and ".." are never listed, nor are hidden entries: names
    // starting with "." (the file system keeps its scratch and lock files under such names) and,
    // on Windows, entries marked hidden or system. The names are sorted without regard to case, so
    // listing order is the same on every machine. A missing folder lists nothing.
    virtual std::vector<std::string> List(std::string_view pattern, ListFilter filter) const = 0;

    // Creates one folder; its parent must exist.
    virtual void MakeDir(std::string_view path) = 0;

    virtual void DeleteFile(std::string_view path) = 0;
    // Deletes every file that List(pattern, Files) returns.
    virtual void DeleteFiles(std::string_view pattern) = 0;

    // Copies a file's bytes over `to` (replaced atomically).
    virtual void Copy(std::string_view from, std::string_view to) = 0;

    virtual std::uint64_t Length(std::string_view path) const = 0;
    virtual std::string ReadAll(std::string_view path) const = 0;

    // Replaces (or creates) the file atomically: the file holds either its old bytes or all of
    // the new ones, whatever fails or crashes on the way.
    virtual void Replace(std::string_view path, std::string_view bytes) = 0;

    // An exclusive lock around a read-modify-write of `path`, shared with other processes.
    // Waits up to `wait` for it, then throws FileError.
    virtual std::unique_ptr<FileLock> Lock(std::string_view path,
                                           std::chrono::milliseconds wait) = 0;

    // The root of the volume that holds the path (with a final separator), or empty when the
    // path is not absolute.
    virtual std::string VolumeOf(std::string_view path) const = 0;
    // The volume of the path is mounted and its root can be listed.
    virtual bool VolumeReady(std::string_view path) const = 0;
};

}  // namespace tooling::platform
