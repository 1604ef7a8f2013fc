#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>

#include "platform/FileSystem.h"
#include "platform/Listing.h"

namespace tooling::platform {

// The system calls that Replace makes to write and publish its scratch file. The defaults are
// the real calls; tests give failing ones to prove that a failure leaves the old file intact.
struct PosixCalls {
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;

    // The real calls.
    static PosixCalls Real();
};

// The file system of a POSIX machine.
//
// Names that start with "." are hidden: listings leave them out. Replace and Lock keep their
// scratch and lock files under such names beside the target (".<name>.<pid>.<n>.tmp",
// ".<name>.lock"), so no listing, copy or pattern delete ever sees them.
class PosixFileSystem : public FileSystem {
  public:
    PosixFileSystem();
    explicit PosixFileSystem(PosixCalls calls);

    bool Exists(std::string_view path, ListFilter filter) const override;
    std::vector<std::string> List(std::string_view pattern, ListFilter filter) const override;
    void MakeDir(std::string_view path) override;
    void DeleteFile(std::string_view path) override;
    void DeleteFiles(std::string_view pattern) override;
    void Copy(std::string_view from, std::string_view to) override;
    std::uint64_t Length(std::string_view path) const override;
    std::string ReadAll(std::string_view path) const override;
    void Replace(std::string_view path, std::string_view bytes) override;
    std::unique_ptr<FileLock> Lock(std::string_view path, std::chrono::milliseconds wait) override;
    std::string VolumeOf(std::string_view path) const override;
    bool VolumeReady(std::string_view path) const override;

    // The path with each component that does not exist under its exact name replaced by an
    // existing entry whose name differs only in case (the first in listing order); components
    // that exist in neither form are kept as given, and so is everything after them.
    std::string Resolve(std::string_view path) const;

  private:
    PosixCalls calls_;
};

}  // namespace tooling::platform
