#include "platform/posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <utility>

#include "platform/FileError.h"

namespace tooling::platform {

namespace {

// The longest part of a target's name that goes into its scratch file's name, so that the
// scratch name stays within the 255 bytes a name may have.
constexpr std::size_t kMaxScratchStem = 200;

// How often a waiting Lock tries again.
constexpr std::chrono::milliseconds kLockPoll{10};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && LowerAscii(a) == LowerAscii(b);
}

[[noreturn]] void Fail(std::string_view path, int error) {
    throw FileError(std::string(path), std::strerror(error));
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

// Splits at the last separator: ("dir", "name"); "." stands for a path without a folder.
std::pair<std::string, std::string> SplitLast(std::string_view path) {
    const std::size_t slash = path.rfind(kSeparator);
    if (slash == std::string_view::npos) {
        return {".", std::string(path)};
    }
    return {slash == 0 ? std::string(1, kSeparator) : std::string(path.substr(0, slash)),
            std::string(path.substr(slash + 1))};
}

std::string Join(const std::string& dir, std::string_view name) {
    std::string path = dir;
    if (!path.empty() && path.back() != kSeparator) {
        path += kSeparator;
    }
    path += name;
    return path;
}

bool StatOf(const std::string& path, struct stat& info) {
    return ::stat(path.c_str(), &info) == 0;
}

bool Hidden(std::string_view name) {
    return !name.empty() && name.front() == '.';
}

bool Wanted(const struct stat& info, ListFilter filter) {
    return S_ISREG(info.st_mode) || (filter == ListFilter::FilesAndDirs && S_ISDIR(info.st_mode));
}

// Names of a folder's entries, "." and ".." left out, in listing order; empty when the folder
// cannot be read.
std::vector<std::string> ReadFolder(const std::string& dir) {
    std::vector<std::string> names;
    DIR* handle = ::opendir(dir.c_str());
    if (handle == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(handle)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            names.emplace_back(name);
        }
    }
    ::closedir(handle);
    std::sort(names.begin(), names.end(), ListingOrder);
    return names;
}

// The visible entries of the (already resolved) folder that match the name pattern.
std::vector<std::string> ListIn(const std::string& dir, std::string_view namePattern,
                                ListFilter filter) {
    std::vector<std::string> names;
    for (std::string& name : ReadFolder(dir)) {
        struct stat info {};
        if (!Hidden(name) && MatchesPattern(name, namePattern) && StatOf(Join(dir, name), info) &&
            Wanted(info, filter)) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

bool HasDotComponent(std::string_view path) {
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(kSeparator, start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        const std::string_view component = path.substr(start, end - start);
        if (component == "." || component == "..") {
            return true;
        }
        start = end + 1;
    }
    return false;
}

// The symbolic link's final target, or the path itself when it is no link or a dangling one.
std::string FollowLink(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) {
        return path;
    }
    std::string result = real;
    std::free(real);
    return result;
}

class PosixLock : public FileLock {
  public:
    PosixLock(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    PosixLock(const PosixLock&) = delete;
    PosixLock& operator=(const PosixLock&) = delete;
    // The lock file goes while the lock is still held: whoever opened it meanwhile finds, once
    // it has the lock, that the name no longer leads to its file, and starts again.
    ~PosixLock() override {
        ::unlink(path_.c_str());
        ::close(fd_);
    }

  private:
    std::string path_;
    int fd_;
};

}  // namespace

PosixCalls PosixCalls::Real() {
    return PosixCalls{
        [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); },
        [](int fd) { return ::fsync(fd); }, [](int fd) { return ::close(fd); },
        [](const char* from, const char* to) { return std::rename(from, to); }};
}

PosixFileSystem::PosixFileSystem() : calls_(PosixCalls::Real()) {}

PosixFileSystem::PosixFileSystem(PosixCalls calls) : calls_(std::move(calls)) {
    const PosixCalls real = PosixCalls::Real();
    if (!calls_.write) {
        calls_.write = real.write;
    }
    if (!calls_.fsync) {
        calls_.fsync = real.fsync;
    }
    if (!calls_.close) {
        calls_.close = real.close;
    }
    if (!calls_.rename) {
        calls_.rename = real.rename;
    }
}

std::string PosixFileSystem::Resolve(std::string_view path) const {
    std::string resolved;
    std::size_t start = 0;
    if (!path.empty() && path.front() == kSeparator) {
        resolved = std::string(1, kSeparator);
        start = 1;
    }
    bool searching = true;  // once a component is missing, the rest is kept as given
    while (start <= path.size()) {
        std::size_t end = path.find(kSeparator, start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        std::string component(path.substr(start, end - start));
        start = end + 1;
        if (component.empty()) {
            continue;
        }
        const std::string candidate = Join(resolved, component);
        struct stat info {};
        if (searching && component != "." && component != ".." && !StatOf(candidate, info)) {
            searching = false;
            for (const std::string& name : ReadFolder(resolved.empty() ? "." : resolved)) {
                if (SameIgnoringCase(name, component)) {
                    component = name;
                    searching = true;
                    break;
                }
            }
        }
        resolved = Join(resolved, component);
    }
    return resolved;
}

bool PosixFileSystem::Exists(std::string_view path, ListFilter filter) const {
    struct stat info {};
    return !path.empty() && StatOf(Resolve(path), info) && Wanted(info, filter);
}

std::vector<std::string> PosixFileSystem::List(std::string_view pattern, ListFilter filter) const {
    const auto [dirPart, namePattern] = SplitLast(pattern);
    return ListIn(Resolve(dirPart), namePattern, filter);
}

void PosixFileSystem::MakeDir(std::string_view path) {
    const std::string resolved = Resolve(path);
    if (::mkdir(resolved.c_str(), 0777) != 0) {
        const int error = errno;
        struct stat info {};
        if (error == EEXIST && StatOf(resolved, info) && S_ISDIR(info.st_mode)) {
            return;
        }
        Fail(path, error);
    }
}

void PosixFileSystem::DeleteFile(std::string_view path) {
    if (::unlink(Resolve(path).c_str()) != 0) {
        Fail(path, errno);
    }
}

void PosixFileSystem::DeleteFiles(std::string_view pattern) {
    const auto [dirPart, namePattern] = SplitLast(pattern);
    const std::string dir = Resolve(dirPart);
    for (const std::string& name : ListIn(dir, namePattern, ListFilter::Files)) {
        if (::unlink(Join(dir, name).c_str()) != 0 && errno != ENOENT) {
            Fail(Join(dirPart, name), errno);
        }
    }
}

void PosixFileSystem::Copy(std::string_view from, std::string_view to) {
    Replace(to, ReadAll(from));
}

std::uint64_t PosixFileSystem::Length(std::string_view path) const {
    struct stat info {};
    if (!StatOf(Resolve(path), info)) {
        Fail(path, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        Fail(path, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    }
    return static_cast<std::uint64_t>(info.st_size);
}

std::string PosixFileSystem::ReadAll(std::string_view path) const {
    Descriptor fd(::open(Resolve(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        Fail(path, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        Fail(path, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        Fail(path, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(path, errno);
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

void PosixFileSystem::Replace(std::string_view path, std::string_view bytes) {
    static std::atomic<unsigned> counter{0};
    // Through a symbolic link the file it names is replaced, and the link stays.
    const std::string target = FollowLink(Resolve(path));
    const auto [dir, name] = SplitLast(target);

    std::string scratch;
    int raw = -1;
    for (int attempt = 0; raw < 0; ++attempt) {
        // Appended piece by piece: GCC 12 at -O2 misreads a prepending "." + text as an
        // overlapping copy.
        std::string scratchName(1, '.');
        scratchName.append(name, 0, kMaxScratchStem)
            .append(1, '.')
            .append(std::to_string(::getpid()))
            .append(1, '.')
            .append(std::to_string(counter++))
            .append(".tmp");
        scratch = Join(dir, scratchName);
        raw = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && (errno != EEXIST || attempt > 100)) {
            Fail(path, errno);
        }
    }
    Descriptor fd(raw);
    try {
        struct stat info {};
        if (StatOf(target, info)) {
            // Keep the owner where we may, and the permission bits always.
            if (::fchown(fd.get(), info.st_uid, info.st_gid) != 0) {
                // Only the superuser may give a file away; the file is then ours.
            }
            if (::fchmod(fd.get(), info.st_mode & 07777) != 0) {
                Fail(path, errno);
            }
        }
        while (!bytes.empty()) {
            const ssize_t written = calls_.write(fd.get(), bytes.data(), bytes.size());
            if (written < 0) {
                if (errno == EINTR) {
                    continue;
                }
                Fail(path, errno);
            }
            if (written == 0) {
                Fail(path, ENOSPC);
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        if (calls_.fsync(fd.get()) != 0) {
            Fail(path, errno);
        }
        // The descriptor is gone after close, whether close succeeds or not.
        if (calls_.close(fd.release()) != 0) {
            Fail(path, errno);
        }
        if (calls_.rename(scratch.c_str(), target.c_str()) != 0) {
            Fail(path, errno);
        }
    } catch (...) {
        ::unlink(scratch.c_str());
        throw;
    }
    // Make the rename itself durable. The file already holds the new bytes whatever happens
    // here, so a folder that cannot be flushed is no failure of the replace.
    Descriptor folder(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) {
        calls_.fsync(folder.get());
    }
}

std::unique_ptr<FileLock> PosixFileSystem::Lock(std::string_view path,
                                                std::chrono::milliseconds wait) {
    const auto [dir, name] = SplitLast(FollowLink(Resolve(path)));
    // Names differing only in case are one file, so they share one lock, also while the file
    // does not exist yet.
    std::string lockName(1, '.');
    lockName.append(LowerAscii(name)).append(".lock");
    const std::string lockPath = Join(dir, lockName);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        // Read-only is enough for flock, and works on a lock file another user created.
        Descriptor fd(::open(lockPath.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666));
        if (fd.get() < 0) {
            Fail(path, errno);
        }
        for (;;) {
            if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
                // The holder before us removed the lock file before it let go. If that is the
                // file we opened, the lock we now hold guards nothing: open the new one.
                struct stat held {};
                struct stat current {};
                if (::fstat(fd.get(), &held) == 0 && ::stat(lockPath.c_str(), &current) == 0 &&
                    held.st_ino == current.st_ino && held.st_dev == current.st_dev) {
                    return std::make_unique<PosixLock>(lockPath, fd.release());
                }
                break;
            }
            if (errno != EWOULDBLOCK && errno != EINTR) {
                Fail(path, errno);
            }
            const auto now = std::chrono::steady_clock::now();
            if (now >= deadline) {
                throw FileError(std::string(path), "the file is in use by another program");
            }
            std::this_thread::sleep_for(
                std::min<std::chrono::steady_clock::duration>(kLockPoll, deadline - now));
        }
    }
}

std::string PosixFileSystem::VolumeOf(std::string_view path) const {
    if (path.empty() || path.front() != kSeparator) {
        return {};
    }
    const std::string root(1, kSeparator);
    std::string current = Resolve(path);
    struct stat info {};
    while (!StatOf(current, info)) {
        if (current == root) {
            return {};
        }
        current = SplitLast(current).first;
    }
    // Walking up through "." or ".." by name would leave the path; take the real one instead.
    if (HasDotComponent(current)) {
        char* real = ::realpath(current.c_str(), nullptr);
        if (real == nullptr) {
            return {};
        }
        current = real;
        std::free(real);
    }
    for (;;) {
        if (current == root) {
            return current;
        }
        const std::string parent = SplitLast(current).first;
        struct stat parentInfo {};
        if (!StatOf(parent, parentInfo) || parentInfo.st_dev != info.st_dev) {
            return current + kSeparator;
        }
        current = parent;
    }
}

bool PosixFileSystem::VolumeReady(std::string_view path) const {
    const std::string volume = VolumeOf(path);
    if (volume.empty()) {
        return false;
    }
    DIR* handle = ::opendir(volume.c_str());
    if (handle == nullptr) {
        return false;
    }
    ::closedir(handle);
    return true;
}

}  // namespace tooling::platform
