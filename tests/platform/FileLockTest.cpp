#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "platform/FileError.h"
#include "platform/posix/PosixFileSystem.h"
#include "tests/support/ForkedChild.h"
#include "tests/support/TempDir.h"

namespace tooling::platform {
namespace {

using namespace std::chrono_literals;
using test::FileExists;
using test::ReadFile;
using test::WriteFile;

class FileLockTest : public ::testing::Test {
  protected:
    void SetUp() override { WriteFile(target, "0"); }

    test::TempDir dir;
    const std::string target = dir.path() + "Shop.dft";
    PosixFileSystem fs;
};

TEST_F(FileLockTest, AnotherProcessHoldingTheLockMakesLockFailAfterTheWait) {
    test::ForkedChild holder([this](test::ForkedChild& self) {
        PosixFileSystem fs;
        auto lock = fs.Lock(target, 1s);
        self.Send('L');
        self.Receive();
        lock.reset();
        self.Send('R');
        self.Receive();
    });
    ASSERT_EQ(holder.Receive(), 'L');

    const std::string otherCase = dir.path() + "SHOP.DFT";
    const auto start = std::chrono::steady_clock::now();
    try {
        fs.Lock(otherCase, 150ms);
        FAIL() << "got a lock another process holds";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "\"" + otherCase + "\": the file is in use by another program");
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, 150ms);
    EXPECT_THROW(fs.Lock(target, 0ms), FileError);

    holder.Send('g');
    ASSERT_EQ(holder.Receive(), 'R');
    {
        auto lock = fs.Lock(target, 0ms);
        EXPECT_NE(lock, nullptr);
    }
    EXPECT_FALSE(FileExists(dir.path() + ".Shop.dft.lock"));
    holder.Send('x');
    EXPECT_EQ(holder.Wait(), 0);
}

TEST_F(FileLockTest, ALockHeldByAKilledProcessIsFree) {
    test::ForkedChild holder([this](test::ForkedChild& self) {
        PosixFileSystem fs;
        auto lock = fs.Lock(target, 1s);
        self.Send('L');
        for (;;) {
            ::pause();
        }
    });
    ASSERT_EQ(holder.Receive(), 'L');
    EXPECT_THROW(fs.Lock(target, 50ms), FileError);
    holder.Kill();
    auto lock = fs.Lock(target, 2s);
    EXPECT_NE(lock, nullptr);
}

TEST_F(FileLockTest, WaitsForALockReleasedWithinTheWait) {
    test::ForkedChild holder([this](test::ForkedChild& self) {
        PosixFileSystem fs;
        auto lock = fs.Lock(target, 1s);
        self.Send('L');
        ::usleep(200000);
        WriteFile(target, "written by the holder");
    });
    ASSERT_EQ(holder.Receive(), 'L');
    auto lock = fs.Lock(target, 10s);
    // The holder wrote before it let go, so we see its bytes once we hold the lock.
    EXPECT_EQ(ReadFile(target), "written by the holder");
    EXPECT_EQ(holder.Wait(), 0);
}

TEST_F(FileLockTest, LocksOfDifferentFilesDoNotMeet) {
    WriteFile(dir.path() + "Other.dft", "0");
    auto first = fs.Lock(target, 0ms);
    test::ForkedChild other([this](test::ForkedChild&) {
        PosixFileSystem fs;
        fs.Lock(dir.path() + "Other.dft", 0ms);
    });
    EXPECT_EQ(other.Wait(), 0);
}

TEST_F(FileLockTest, ALockInAMissingFolderFails) {
    EXPECT_THROW(fs.Lock(dir.path() + "Missing/Shop.dft", 0ms), FileError);
}

// Several processes add to one counter file under the lock; no update may be lost.
TEST_F(FileLockTest, ReadModifyWritesOfSeveralProcessesDoNotInterleave) {
    constexpr int kProcesses = 3;
    constexpr int kAdds = 150;
    PosixCalls noFlush;  // durability is not the point here, and flushing is slow
    noFlush.fsync = [](int) { return 0; };
    std::vector<std::unique_ptr<test::ForkedChild>> adders;
    for (int p = 0; p < kProcesses; ++p) {
        adders.push_back(std::make_unique<test::ForkedChild>([&](test::ForkedChild&) {
            PosixFileSystem fs(noFlush);
            for (int i = 0; i < kAdds; ++i) {
                auto lock = fs.Lock(target, 30s);
                const int value = std::stoi(fs.ReadAll(target));
                fs.Replace(target, std::to_string(value + 1));
            }
        }));
    }
    for (auto& adder : adders) {
        EXPECT_EQ(adder->Wait(), 0);
    }
    EXPECT_EQ(ReadFile(target), std::to_string(kProcesses * kAdds));
    EXPECT_FALSE(FileExists(dir.path() + ".Shop.dft.lock"));
}

}  // namespace
}  // namespace tooling::platform
