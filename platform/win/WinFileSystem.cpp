#include "platform/win/WinFileSystem.h"

#include <windows.h>
// The API's name for DeleteFileW would rename our DeleteFile.
#undef DeleteFile

#include <algorithm>
#include <atomic>
#include <thread>
#include <utility>

#include "platform/Cp1252Text.h"
#include "platform/FileError.h"
#include "platform/win/WinError.h"

namespace tooling::platform {

namespace {

// The longest part of a target's name that goes into its scratch file's name, so that the
// scratch name stays within the 255 characters a name may have.
constexpr std::size_t kMaxScratchStem = 200;

// How often a waiting Lock tries again.
constexpr std::chrono::milliseconds kLockPoll{10};

// A virus scanner or indexer may hold a freshly written file for a moment: the move of a
// scratch file over its target is tried again for this long before it counts as failed.
constexpr std::chrono::milliseconds kMoveRetry{10};
constexpr int kMoveTries = 20;

constexpr DWORD kHiddenAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

std::wstring Wide(std::string_view path) {
    const std::u16string text = Utf16FromCp1252(path);
    return std::wstring(text.begin(), text.end());
}

[[noreturn]] void Fail(std::string_view path, DWORD error) {
    throw FileError(std::string(path), WinErrorText(error));
}

// Closes a handle when it goes out of scope.
class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle& operator=(Handle&& other) noexcept {
        Close();
        handle_ = other.release();
        return *this;
    }
    ~Handle() { Close(); }
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }

  private:
    void Close() {
        if (valid()) {
            ::CloseHandle(release());
        }
    }

    HANDLE handle_;
};

// Splits at the last separator: ("dir", "name"); a root keeps its separator ("C:\", "\") and
// "." stands for a path without a folder.
std::pair<std::string, std::string> SplitLast(std::string_view path) {
    const auto last = std::find_if(path.rbegin(), path.rend(), IsSeparator);
    if (last == path.rend()) {
        return {".", std::string(path)};
    }
    const auto slash = static_cast<std::size_t>(path.rend() - last - 1);
    const bool root = slash == 0 || (slash == 2 && path[1] == ':');
    return {std::string(path.substr(0, root ? slash + 1 : slash)),
            std::string(path.substr(slash + 1))};
}

std::string Join(const std::string& dir, std::string_view name) {
    std::string path = dir;
    if (!path.empty() && !IsSeparator(path.back())) {
        path += kSeparator;
    }
    path += name;
    return path;
}

bool Hidden(std::string_view name, DWORD attributes) {
    return (!name.empty() && name.front() == '.') || (attributes & kHiddenAttributes) != 0;
}

bool IsFolder(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Calls `visit(name, attributes)` for each entry of the folder that matches the wide pattern
// ("*" for all), "." and ".." left out; names with characters that have no Windows-1252 byte
// are skipped. A folder that cannot be read has no entries.
template <typename Visit>
void ForEachEntry(const std::string& dir, std::string_view pattern, Visit visit) {
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileExW(Wide(Join(dir, pattern)).c_str(), FindExInfoBasic, &found,
                                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::u16string wide(found.cFileName, found.cFileName + ::wcslen(found.cFileName));
        const std::string name = Cp1252FromUtf16(wide);
        if (name != "." && name != ".." && Utf16FromCp1252(name) == wide) {
            visit(name, found.dwFileAttributes);
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

// The visible entries of the folder that match the name pattern, in listing order.
std::vector<std::string> ListIn(const std::string& dir, std::string_view namePattern,
                                ListFilter filter) {
    std::vector<std::string> names;
    ForEachEntry(dir, "*", [&](const std::string& name, DWORD attributes) {
        if (!Hidden(name, attributes) && MatchesPattern(name, namePattern) &&
            (!IsFolder(attributes) || filter == ListFilter::FilesAndDirs)) {
            names.push_back(name);
        }
    });
    std::sort(names.begin(), names.end(), ListingOrder);
    return names;
}

// The path with its last component as the folder holds it, when it exists under another case:
// a replaced file keeps its name.
std::string ExistingName(std::string_view path) {
    const auto [dir, name] = SplitLast(path);
    if (name.empty() || name.find_first_of("*?") != std::string::npos) {
        return std::string(path);
    }
    std::string existing;
    ForEachEntry(dir, name, [&](const std::string& found, DWORD) { existing = found; });
    return existing.empty() || LowerAscii(existing) != LowerAscii(name) ? std::string(path)
                                                                        : Join(dir, existing);
}

// Turns off the system's "insert a disk" boxes while it lives: a missing disk is an error.
class QuietErrors {
  public:
    QuietErrors() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old_); }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;
    ~QuietErrors() { ::SetThreadErrorMode(old_, nullptr); }

  private:
    DWORD old_ = 0;
};

class WinLock : public FileLock {
  public:
    WinLock(std::string path, HANDLE handle) : path_(std::move(path)), handle_(handle) {}
    WinLock(const WinLock&) = delete;
    WinLock& operator=(const WinLock&) = delete;
    // Closing the handle lets go of the lock. The lock file goes too, unless another process
    // has it open by now (waiting for the lock, or holding it already): nobody opens it with
    // leave to delete it, so the delete then fails and the file stays for them.
    ~WinLock() override {
        ::CloseHandle(handle_);
        ::DeleteFileW(Wide(path_).c_str());
    }

  private:
    std::string path_;
    HANDLE handle_;
};

}  // namespace

WinCalls WinCalls::Real() {
    return WinCalls{
        [](void* file, const void* data, unsigned long size, unsigned long& written) {
            DWORD done = 0;
            const bool ok = ::WriteFile(file, data, size, &done, nullptr) != 0;
            written = done;
            return ok;
        },
        [](void* file) { return ::FlushFileBuffers(file) != 0; },
        [](void* file) { return ::CloseHandle(file) != 0; },
        [](const wchar_t* from, const wchar_t* to) {
            return ::MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        }};
}

WinFileSystem::WinFileSystem() : calls_(WinCalls::Real()) {}

WinFileSystem::WinFileSystem(WinCalls calls) : calls_(std::move(calls)) {
    const WinCalls real = WinCalls::Real();
    if (!calls_.write) {
        calls_.write = real.write;
    }
    if (!calls_.flush) {
        calls_.flush = real.flush;
    }
    if (!calls_.close) {
        calls_.close = real.close;
    }
    if (!calls_.move) {
        calls_.move = real.move;
    }
}

bool WinFileSystem::Exists(std::string_view path, ListFilter filter) const {
    if (path.empty()) {
        return false;
    }
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (!IsFolder(attributes) || filter == ListFilter::FilesAndDirs);
}

std::vector<std::string> WinFileSystem::List(std::string_view pattern, ListFilter filter) const {
    const auto [dir, namePattern] = SplitLast(pattern);
    return ListIn(dir, namePattern, filter);
}

void WinFileSystem::MakeDir(std::string_view path) {
    if (!::CreateDirectoryW(Wide(path).c_str(), nullptr)) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_ALREADY_EXISTS && Exists(path, ListFilter::FilesAndDirs) &&
            !Exists(path, ListFilter::Files)) {
            return;
        }
        Fail(path, error);
    }
}

void WinFileSystem::DeleteFile(std::string_view path) {
    if (!::DeleteFileW(Wide(path).c_str())) {
        Fail(path, ::GetLastError());
    }
}

void WinFileSystem::DeleteFiles(std::string_view pattern) {
    const auto [dir, namePattern] = SplitLast(pattern);
    for (const std::string& name : ListIn(dir, namePattern, ListFilter::Files)) {
        if (!::DeleteFileW(Wide(Join(dir, name)).c_str())) {
            const DWORD error = ::GetLastError();
            if (error != ERROR_FILE_NOT_FOUND) {
                Fail(Join(dir, name), error);
            }
        }
    }
}

void WinFileSystem::Copy(std::string_view from, std::string_view to) {
    Replace(to, ReadAll(from));
}

std::uint64_t WinFileSystem::Length(std::string_view path) const {
    WIN32_FILE_ATTRIBUTE_DATA info;
    if (!::GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &info)) {
        Fail(path, ::GetLastError());
    }
    if (IsFolder(info.dwFileAttributes)) {
        // What opening a folder as a file reports.
        Fail(path, ERROR_ACCESS_DENIED);
    }
    return (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

std::string WinFileSystem::ReadAll(std::string_view path) const {
    Handle file(::CreateFileW(Wide(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) {
        Fail(path, ::GetLastError());
    }
    std::string bytes;
    LARGE_INTEGER size;
    if (::GetFileSizeEx(file.get(), &size)) {
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            Fail(path, ::GetLastError());
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, got);
    }
}

void WinFileSystem::Replace(std::string_view path, std::string_view bytes) {
    static std::atomic<unsigned> counter{0};
    const std::string target = ExistingName(path);
    const auto [dir, name] = SplitLast(target);

    std::string scratch;
    Handle file(INVALID_HANDLE_VALUE);
    for (int attempt = 0; !file.valid(); ++attempt) {
        scratch = Join(dir, "." + name.substr(0, kMaxScratchStem) + "." +
                                std::to_string(::GetCurrentProcessId()) + "." +
                                std::to_string(counter++) + ".tmp");
        file = Handle(::CreateFileW(Wide(scratch).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        const DWORD error = ::GetLastError();
        if (!file.valid() && (error != ERROR_FILE_EXISTS || attempt > 100)) {
            Fail(path, error);
        }
    }
    try {
        while (!bytes.empty()) {
            const auto chunk =
                static_cast<unsigned long>(std::min<std::size_t>(bytes.size(), 1 << 30));
            unsigned long written = 0;
            if (!calls_.write(file.get(), bytes.data(), chunk, written)) {
                Fail(path, ::GetLastError());
            }
            if (written == 0) {
                Fail(path, ERROR_DISK_FULL);
            }
            bytes.remove_prefix(written);
        }
        if (!calls_.flush(file.get())) {
            Fail(path, ::GetLastError());
        }
        // The handle is gone after the close, whether the close succeeds or not.
        if (!calls_.close(file.release())) {
            Fail(path, ::GetLastError());
        }
        const std::wstring from = Wide(scratch);
        const std::wstring to = Wide(target);
        for (int tries = 1; !calls_.move(from.c_str(), to.c_str()); ++tries) {
            const DWORD error = ::GetLastError();
            if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) ||
                tries == kMoveTries) {
                Fail(path, error);
            }
            std::this_thread::sleep_for(kMoveRetry);
        }
    } catch (...) {
        file = Handle(INVALID_HANDLE_VALUE);
        ::DeleteFileW(Wide(scratch).c_str());
        throw;
    }
}

std::unique_ptr<FileLock> WinFileSystem::Lock(std::string_view path,
                                              std::chrono::milliseconds wait) {
    const auto [dir, name] = SplitLast(path);
    // The file system ignores case, so names differing only in case share this lock file; its
    // name is in lower case, as the POSIX file system names it, for a folder both use.
    const std::string lockPath = Join(dir, "." + LowerAscii(name) + ".lock");
    const std::wstring wide = Wide(lockPath);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        // No leave to delete: the holder deletes the file only while no one else has it open.
        Handle file(::CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_HIDDEN, nullptr));
        DWORD error = ::GetLastError();
        if (file.valid()) {
            OVERLAPPED whole{};
            if (::LockFileEx(file.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1,
                             0, &whole)) {
                return std::make_unique<WinLock>(lockPath, file.release());
            }
            error = ::GetLastError();
            if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING) {
                Fail(path, error);
            }
        } else if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) {
            // Sharing violation and access denied come while the holder deletes the lock file.
            Fail(path, error);
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            if (error == ERROR_ACCESS_DENIED) {
                Fail(path, error);
            }
            throw FileError(std::string(path), "the file is in use by another program");
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kLockPoll, deadline - now));
    }
}

std::string WinFileSystem::VolumeOf(std::string_view path) const {
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (path.size() >= 2 && letter(path[0]) && path[1] == ':') {
        return std::string(path.substr(0, 2)) + kSeparator;
    }
    // A network share: "\\server\share\".
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        const auto server = std::find_if(path.begin() + 2, path.end(), IsSeparator);
        const auto share =
            std::find_if(server + (server == path.end() ? 0 : 1), path.end(), IsSeparator);
        if (server == path.begin() + 2 || server == path.end() || share == server + 1) {
            return {};
        }
        std::string root = std::string(2, kSeparator) + std::string(path.begin() + 2, share);
        root[server - path.begin()] = kSeparator;
        return root + kSeparator;
    }
    return {};
}

bool WinFileSystem::VolumeReady(std::string_view path) const {
    const std::string volume = VolumeOf(path);
    if (volume.empty()) {
        return false;
    }
    QuietErrors quiet;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(Wide(volume + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_FILE_NOT_FOUND;  // an empty root lists nothing
    }
    ::FindClose(search);
    return true;
}

}  // namespace tooling::platform
