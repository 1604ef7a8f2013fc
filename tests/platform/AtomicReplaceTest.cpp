#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/FileError.h"
#include "platform/posix/PosixFileSystem.h"
#include "tests/support/ForkedChild.h"
#include "tests/support/TempDir.h"

namespace tooling::platform {
namespace {

using test::ReadFile;
using test::WriteFile;
using Names = std::vector<std::string>;

Names RawEntries(const std::string& dir) {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::size_t OpenDescriptors() {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                      std::filesystem::directory_iterator()));
}

std::string Pattern(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    std::minstd_rand random(seed);
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

// One way for a step of the replace to fail, set up on the calls given to the file system.
struct FailureRow {
    const char* what;
    int error;
    void (*inject)(PosixCalls& calls, int error);
};

const FailureRow kFailures[] = {
    {"write fails at once", ENOSPC,
     [](PosixCalls& calls, int error) {
         calls.write = [error](int, const void*, std::size_t) -> ssize_t {
             errno = error;
             return -1;
         };
     }},
    {"write fails after a short write", EIO,
     [](PosixCalls& calls, int error) {
         auto done = std::make_shared<bool>(false);
         calls.write = [error, done](int fd, const void* data, std::size_t) -> ssize_t {
             if (*done) {
                 errno = error;
                 return -1;
             }
             *done = true;
             return ::write(fd, data, 1000);
         };
     }},
    {"write writes nothing", ENOSPC,
     [](PosixCalls& calls, int) {
         calls.write = [](int, const void*, std::size_t) -> ssize_t { return 0; };
     }},
    {"fsync fails", EIO,
     [](PosixCalls& calls, int error) {
         calls.fsync = [error](int) {
             errno = error;
             return -1;
         };
     }},
    {"close fails", EIO,
     [](PosixCalls& calls, int error) {
         calls.close = [error](int fd) {
             ::close(fd);
             errno = error;
             return -1;
         };
     }},
    {"rename fails", EACCES,
     [](PosixCalls& calls, int error) {
         calls.rename = [error](const char*, const char*) {
             errno = error;
             return -1;
         };
     }},
};

TEST(AtomicReplace, AFailingStepLeavesTheOldFileAndNoScratchFile) {
    const std::string oldBytes = Pattern(5000, 1);
    const std::string newBytes = Pattern(100000, 2);
    for (const FailureRow& row : kFailures) {
        SCOPED_TRACE(row.what);
        test::TempDir dir;
        const std::string target = dir.path() + "Shop.lkp";
        WriteFile(target, oldBytes);
        PosixCalls calls;
        row.inject(calls, row.error);
        PosixFileSystem fs(calls);

        const std::size_t descriptors = OpenDescriptors();
        try {
            fs.Replace(target, newBytes);
            ADD_FAILURE() << "the replace succeeded";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), "\"" + target + "\": " + std::strerror(row.error));
        }
        EXPECT_EQ(ReadFile(target), oldBytes);
        EXPECT_EQ(RawEntries(dir.path()), Names{"Shop.lkp"});
        EXPECT_EQ(OpenDescriptors(), descriptors);

        // A file that did not exist still does not.
        EXPECT_THROW(fs.Replace(dir.path() + "New.lkp", newBytes), FileError);
        EXPECT_EQ(RawEntries(dir.path()), Names{"Shop.lkp"});
    }
}

TEST(AtomicReplace, ShortAndInterruptedWritesStillWriteEverything) {
    test::TempDir dir;
    const std::string target = dir.path() + "Shop.lkp";
    const std::string bytes = Pattern(10007, 3);
    PosixCalls calls;
    auto calls_made = std::make_shared<int>(0);
    calls.write = [calls_made](int fd, const void* data, std::size_t size) -> ssize_t {
        if (++*calls_made % 5 == 0) {
            errno = EINTR;
            return -1;
        }
        return ::write(fd, data, std::min<std::size_t>(size, 7));
    };
    PosixFileSystem fs(calls);
    fs.Replace(target, bytes);
    EXPECT_EQ(ReadFile(target), bytes);
    EXPECT_EQ(RawEntries(dir.path()), Names{"Shop.lkp"});
}

TEST(AtomicReplace, KeepsThePermissionBitsOfTheFileItReplaces) {
    test::TempDir dir;
    PosixFileSystem fs;
    const std::string target = dir.path() + "Ostrevan.cfg";
    WriteFile(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    fs.Replace(target, "new");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    const mode_t mask = ::umask(0);
    ::umask(mask);
    fs.Replace(dir.path() + "Fresh.cfg", "fresh");
    ASSERT_EQ(::stat((dir.path() + "Fresh.cfg").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0666u & ~mask);
}

TEST(AtomicReplace, ReplacesTheFileALinkNamesAndKeepsTheLink) {
    test::TempDir dir;
    PosixFileSystem fs;
    WriteFile(dir.path() + "Shared/Ostrevan.cfg", "old");
    std::filesystem::create_symlink("Shared/Ostrevan.cfg", dir.path() + "Ostrevan.cfg");
    fs.Replace(dir.path() + "ostrevan.CFG", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() + "Ostrevan.cfg"));
    EXPECT_EQ(ReadFile(dir.path() + "Shared/Ostrevan.cfg"), "new");
    EXPECT_EQ(RawEntries(dir.path() + "Shared"), Names{"Ostrevan.cfg"});
}

TEST(AtomicReplace, AFolderInTheWayIsAFailure) {
    test::TempDir dir;
    PosixFileSystem fs;
    std::filesystem::create_directories(dir.path() + "Shop.lkp/inside");
    EXPECT_THROW(fs.Replace(dir.path() + "Shop.lkp", "x"), FileError);
    EXPECT_EQ(RawEntries(dir.path()), Names{"Shop.lkp"});
    EXPECT_THROW(fs.Replace(dir.path() + "Missing/Shop.lkp", "x"), FileError);
}

TEST(AtomicReplace, AWriterKilledAtAnyMomentLeavesOneWholeContent) {
    test::TempDir dir;
    const std::string target = dir.path() + "Shop.tol";
    const std::string first = Pattern(4 << 20, 4);
    const std::string second = Pattern(6 << 20, 5);
    WriteFile(target, first);

    std::mt19937 random(20240611);
    int sawFirst = 0;
    int sawSecond = 0;
    constexpr int kRounds = 30;
    for (int round = 0; round < kRounds; ++round) {
        test::ForkedChild writer([&](test::ForkedChild& self) {
            PosixFileSystem fs;
            for (;;) {
                fs.Replace(target, second);
                self.Send('r');
                fs.Replace(target, first);
                self.Send('r');
            }
        });
        // Let it finish a few replaces, then kill it some time into the next one.
        const int finished = static_cast<int>(random() % 3);
        for (int i = 0; i < finished; ++i) {
            ASSERT_EQ(writer.Receive(), 'r');
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
        writer.Kill();
        const int status = writer.Wait();
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the writer ended by itself, status " << status;

        const std::string now = ReadFile(target);
        ASSERT_TRUE(now == first || now == second)
            << "round " << round << ": " << now.size() << " bytes of neither content";
        (now == first ? sawFirst : sawSecond)++;
    }
    EXPECT_GT(sawFirst, 0);
    EXPECT_GT(sawSecond, 0);

    // Kills that fell inside a replace left its scratch file: hidden, and nothing else.
    const Names entries = RawEntries(dir.path());
    std::size_t scratch = 0;
    for (const std::string& name : entries) {
        if (name != "Shop.tol") {
            EXPECT_EQ(name.rfind(".Shop.tol.", 0), 0u) << name;
            ++scratch;
        }
    }
    EXPECT_GT(scratch, 0u) << "no kill fell inside a replace";
    EXPECT_EQ(PosixFileSystem().List(dir.path() + "*.*", ListFilter::FilesAndDirs),
              Names{"Shop.tol"});
}

}  // namespace
}  // namespace tooling::platform
