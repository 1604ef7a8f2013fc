#pragma once

#include <functional>

#include "platform/FileSystem.h"
#include "platform/Listing.h"

namespace tooling::platform {

// The Windows calls that Replace makes to write and publish its scratch file, with the types of
// the Windows API (a HANDLE is a void*). Each returns false and leaves the error for
// GetLastError when it fails. The defaults are the real calls; tests give failing ones to prove
// that a failure leaves the old file intact.
struct WinCalls {
    // WriteFile: writes up to `size` bytes and says how many it wrote.
    std::function<bool(void* file, const void* data, unsigned long size, unsigned long& written)>
        write;
    std::function<bool(void* file)> flush;  // FlushFileBuffers
    std::function<bool(void* file)> close;  // CloseHandle
    // MoveFileExW with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH.
    std::function<bool(const wchar_t* from, const wchar_t* to)> move;

    // The real calls.
    static WinCalls Real();
};

// The file system of a Windows machine, on the Win32 wide-character API.
//
// Paths are Windows-1252 bytes, converted to UTF-16 for each call; "\" and "/" both separate
// components. The file system's own case-insensitivity finds "SHOP.lkp" as "Shop.lkp". A
// volume is the root of a drive ("C:\") or of a network share ("\\server\share\").
//
// Listings leave out names starting with "." and entries marked hidden or system. Replace and
// Lock keep their scratch and lock files under such names beside the target
// (".<name>.<pid>.<n>.tmp", ".<name>.lock", the lock file marked hidden), so that no listing,
// copy or pattern delete sees them, as with the POSIX file system on a share both use. Names the
// folder holds in characters Windows-1252 has no byte for are not listed: the system could not
// name them.
class WinFileSystem : public FileSystem {
  public:
    WinFileSystem();
    explicit WinFileSystem(WinCalls calls);

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

  private:
    WinCalls calls_;
};

}  // namespace tooling::platform
