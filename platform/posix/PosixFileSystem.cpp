#include "platform/posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

#include "platform/FileError.h"

namespace tooling::platform {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
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

bool GlobMatch(std::string_view name, std::string_view pattern) {
    // Iterative matcher with one back-tracking point for the last "*".
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

std::pair<std::string, std::string> SplitLast(std::string_view path) {
    const std::size_t slash = path.rfind(kSeparator);
    if (slash == std::string_view::npos) {
        return {".", std::string(path)};
    }
    return {slash == 0 ? std::string(1, kSeparator) : std::string(path.substr(0, slash)),
            std::string(path.substr(slash + 1))};
}

std::string StripFinalSeparator(std::string_view path) {
    while (path.size() > 1 && path.back() == kSeparator) {
        path.remove_suffix(1);
    }
    return std::string(path);
}

bool StatOf(const std::string& path, struct stat& info) {
    return ::stat(path.c_str(), &info) == 0;
}

// Names of a folder's entries, "." and ".." left out; empty when it cannot be read.
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

void WriteAllTo(int fd, std::string_view bytes, std::string_view path) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(path, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

class PosixLock : public FileLock {
  public:
    PosixLock(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~PosixLock() override {
        ::unlink(path_.c_str());
        ::close(fd_);
    }

  private:
    std::string path_;
    int fd_;
};

}  // namespace

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    if (GlobMatch(name, pattern)) {
        return true;
    }
    // As on the suite's home platform, "Name.*" also finds a "Name" without extension.
    return pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
           GlobMatch(name, pattern.substr(0, pattern.size() - 2));
}

bool ListingOrder(const std::string& a, const std::string& b) {
    const auto lowerLess = [](char x, char y) { return Lower(x) < Lower(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lowerLess)) {
        return true;
    }
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lowerLess)) {
        return false;
    }
    return a < b;
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
            if (end == path.size()) {
                break;
            }
            continue;
        }
        const std::string dir = resolved.empty() ? std::string(".") : resolved;
        std::string candidate = resolved;
        if (!candidate.empty() && candidate.back() != kSeparator) {
            candidate += kSeparator;
        }
        struct stat info {};
        if (searching && component != "." && component != ".." &&
            !StatOf(candidate + component, info)) {
            searching = false;
            for (const std::string& name : ReadFolder(dir)) {
                if (name.size() == component.size() &&
                    std::equal(name.begin(), name.end(), component.begin(),
                               [](char x, char y) { return Lower(x) == Lower(y); })) {
                    component = name;
                    searching = true;
                    break;
                }
            }
        }
        resolved = candidate + component;
    }
    return resolved;
}

bool PosixFileSystem::Exists(std::string_view path, ListFilter filter) const {
    struct stat info {};
    if (path.empty() || !StatOf(Resolve(StripFinalSeparator(path)), info)) {
        return false;
    }
    return S_ISREG(info.st_mode) || (filter == ListFilter::FilesAndDirs && S_ISDIR(info.st_mode));
}

std::vector<std::string> PosixFileSystem::List(std::string_view pattern, ListFilter filter) const {
    const auto [dirPart, namePattern] = SplitLast(pattern);
    const std::string dir = Resolve(dirPart);
    std::vector<std::string> names;
    for (std::string& name : ReadFolder(dir)) {
        if (!MatchesPattern(name, namePattern)) {
            continue;
        }
        struct stat info {};
        if (!StatOf(dir + kSeparator + name, info)) {
            continue;
        }
        if (S_ISREG(info.st_mode) ||
            (filter == ListFilter::FilesAndDirs && S_ISDIR(info.st_mode))) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

void PosixFileSystem::MakeDir(std::string_view path) {
    const std::string resolved = Resolve(StripFinalSeparator(path));
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
    const std::string dir = SplitLast(pattern).first;
    for (const std::string& name : List(pattern, ListFilter::Files)) {
        DeleteFile(dir + kSeparator + name);
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
    return static_cast<std::uint64_t>(info.st_size);
}

std::string PosixFileSystem::ReadAll(std::string_view path) const {
    Descriptor fd(::open(Resolve(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        Fail(path, errno);
    }
    std::string bytes;
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
    const std::string target = Resolve(path);
    const auto [dir, name] = SplitLast(target);
    std::string scratch;
    int raw = -1;
    for (int attempt = 0; raw < 0; ++attempt) {
        scratch = dir + kSeparator + "." + name + "." + std::to_string(::getpid()) + "." +
                  std::to_string(counter++) + ".tmp";
        raw = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && (errno != EEXIST || attempt > 100)) {
            Fail(path, errno);
        }
    }
    Descriptor fd(raw);
    try {
        struct stat info {};
        if (StatOf(target, info)) {
            ::fchmod(fd.get(), info.st_mode & 07777);
        }
        WriteAllTo(fd.get(), bytes, path);
        if (::fsync(fd.get()) != 0) {
            Fail(path, errno);
        }
        if (::close(fd.release()) != 0) {
            Fail(path, errno);
        }
        if (::rename(scratch.c_str(), target.c_str()) != 0) {
            Fail(path, errno);
        }
    } catch (...) {
        ::unlink(scratch.c_str());
        throw;
    }
    Descriptor folder(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) {
        ::fsync(folder.get());
    }
}

std::unique_ptr<FileLock> PosixFileSystem::Lock(std::string_view path,
                                                std::chrono::milliseconds wait) {
    const std::string lockPath = Resolve(path) + ".lock";
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        Descriptor fd(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
        if (fd.get() < 0) {
            Fail(path, errno);
        }
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
            // The holder before us may have removed the lock file after we opened it; the lock
            // then sits on a file nobody else sees, so start again.
            struct stat held {};
            struct stat current {};
            if (::fstat(fd.get(), &held) == 0 && StatOf(lockPath, current) &&
                held.st_ino == current.st_ino && held.st_dev == current.st_dev) {
                return std::make_unique<PosixLock>(lockPath, fd.release());
            }
            continue;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            Fail(path, errno);
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            throw FileError(std::string(path), "the file is in use by another program");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string PosixFileSystem::VolumeOf(std::string_view path) const {
    if (path.empty() || path.front() != kSeparator) {
        return {};
    }
    std::string current = StripFinalSeparator(Resolve(path));
    struct stat info {};
    while (!StatOf(current, info)) {
        if (current == std::string(1, kSeparator)) {
            return {};
        }
        current = SplitLast(current).first;
    }
    for (;;) {
        if (current == std::string(1, kSeparator)) {
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
