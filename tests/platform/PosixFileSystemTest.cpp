#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

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
using Names = std::vector<std::string>;
constexpr auto kFiles = ListFilter::Files;
constexpr auto kAll = ListFilter::FilesAndDirs;

// Every entry of a folder, hidden ones included, as the operating system lists it, sorted.
Names RawEntries(const std::string& dir) {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The real system calls but one.
template <class Call, class Fake>
PosixCalls With(Call PosixCalls::*call, Fake fake) {
    PosixCalls calls;
    calls.*call = fake;
    return calls;
}

auto Failing(int error) {
    return [error](auto...) {
        errno = error;
        return -1;
    };
}

class PosixFileSystemTest : public ::testing::Test {
  protected:
    std::string P(const std::string& relative) const { return dir.path() + relative; }

    test::TempDir dir;
    PosixFileSystem fs;
};
using AtomicReplace = PosixFileSystemTest;
using FileLock = PosixFileSystemTest;

// A library folder with names in mixed case, hidden files, folders and links.
TEST_F(PosixFileSystemTest, ListsFindsAndDeletesVisibleEntriesInListingOrder) {
    for (const char* name : {"Shop.lkp", "shop.0", "SHOP.1", "Shop", "Shop.Old.lkp", "Shops",
                             "Tools.lkp", "notes", "b.LKP", "B.lkp", "\xE9t\xE9.lkp", ".hidden.lkp",
                             ".Shop.lkp.lock", "Data/in.lkp", "Sub.lkp/in.lkp"}) {
        WriteFile(P("lib/") + name, name);
    }
    std::filesystem::create_symlink("Tools.lkp", P("lib/link.lkp"));
    std::filesystem::create_symlink("missing.lkp", P("lib/dangling.lkp"));

    // Listing order ignores case, then compares bytes, unsigned: the same on every machine.
    const std::tuple<const char*, ListFilter, Names> lists[] = {
        {"lib/*.lkp",
         kFiles,
         {"B.lkp", "b.LKP", "link.lkp", "Shop.lkp", "Shop.Old.lkp", "Tools.lkp", "\xE9t\xE9.lkp"}},
        {"LIB/*.*",
         kAll,
         {"B.lkp", "b.LKP", "Data", "link.lkp", "notes", "Shop", "shop.0", "SHOP.1", "Shop.lkp",
          "Shop.Old.lkp", "Shops", "Sub.lkp", "Tools.lkp", "\xE9t\xE9.lkp"}},
        {"lib/Shop.*", kFiles, {"Shop", "shop.0", "SHOP.1", "Shop.lkp", "Shop.Old.lkp"}},
        {"missing/*.*", kAll, {}},
    };
    for (const auto& [pattern, filter, names] : lists) {
        EXPECT_EQ(fs.List(P(pattern), filter), names) << pattern;
    }
    const std::tuple<const char*, ListFilter, bool> exists[] = {
        {"LIB/SHOP.LKP", kFiles, true},    {"lib/Data", kFiles, false},
        {"lib/DATA/", kAll, true},         {"lib/missing.lkp", kAll, false},
        {"lib/dangling.lkp", kAll, false}, {"lib/.hidden.lkp", kFiles, true},
    };
    for (const auto& [path, filter, found] : exists) {
        EXPECT_EQ(fs.Exists(P(path), filter), found) << path;
    }

    fs.DeleteFiles(P("LIB/*.lkp"));
    fs.DeleteFiles(P("missing/*.*"));
    EXPECT_EQ(RawEntries(P("lib")),
              (Names{".Shop.lkp.lock", ".hidden.lkp", "Data", "SHOP.1", "Shop", "Shops", "Sub.lkp",
                     "dangling.lkp", "notes", "shop.0"}));
}

TEST(MatchesPattern, FollowsTheSuiteWildcardsWithoutRegardToCase) {
    // Listings show the rest: "*.*" and "Name.*" with and without extension, case, order.
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"Shop.lkp.bak", "*.lkp", false}, {"Tool1", "Tool?", true}, {"Tool12", "Tool?", false},
        {"abcabd", "*abd", true},         {"aa", "a*a*a", false},   {"aXaYa", "a*a*a", true},
    };
    for (const auto& [name, pattern, matches] : rows) {
        EXPECT_EQ(MatchesPattern(name, pattern), matches) << name << " against " << pattern;
    }
}

// Each path component missing under its exact name is resolved without regard to case, and
// every operation works through such a path.
TEST_F(PosixFileSystemTest, WorksThroughADifferentlyCasedPath) {
    WriteFile(P("Data/Mach1/Shop.lkp"), "shop");
    WriteFile(P("Data/Mach2/Copy.lkp"), "a longer old file");
    WriteFile(P("Case/Name.txt"), "exact");
    WriteFile(P("Case/NAME.TXT"), "upper");
    const std::pair<const char*, const char*> rows[] = {
        {"DATA/mach1/shop.LKP", "Data/Mach1/Shop.lkp"},
        {"data//mach1/", "Data/Mach1"},
        {"DATA/Nope/SHOP.lkp", "Data/Nope/SHOP.lkp"},  // the rest stays as given
        {"DATA/MACH1/New.Lkp", "Data/Mach1/New.Lkp"},  // a new file keeps its case
        {"Case/Name.txt", "Case/Name.txt"},            // the exact name wins
        {"case/name.txt", "Case/NAME.TXT"},            // else the first in listing order
        {"data/./MACH1/../mach1", "Data/./Mach1/../Mach1"},
    };
    for (const auto& [given, resolved] : rows) {
        EXPECT_EQ(fs.Resolve(P(given)), P(resolved)) << given;
    }

    EXPECT_EQ(fs.ReadAll(P("DATA/MACH1/SHOP.LKP")), "shop");
    EXPECT_EQ(fs.Length(P("data/mach1/shop.lkp")), 4u);
    fs.Copy(P("DATA/mach1/shop.lkp"), P("data/MACH2/COPY.LKP"));
    EXPECT_EQ(ReadFile(P("Data/Mach2/Copy.lkp")), "shop");
    fs.Replace(P("DATA/mach1/Second.Lkp"), "second");
    fs.DeleteFile(P("DATA/MACH2/COPY.LKP"));
    fs.MakeDir(P("DATA/Mach3"));
    fs.MakeDir(P("data"));  // exists as "Data": nothing to do
    EXPECT_THROW(fs.MakeDir(P("data/mach1/shop.lkp")), FileError);
    EXPECT_THROW(fs.ReadAll(P("Data")), FileError);
    EXPECT_EQ(RawEntries(P("Data")), (Names{"Mach1", "Mach2", "Mach3"}));
    EXPECT_EQ(RawEntries(P("Data/Mach1")), (Names{"Second.Lkp", "Shop.lkp"}));
    EXPECT_EQ(RawEntries(P("Data/Mach2")), Names{});
}

TEST(VolumeOf, IsTheMountPointThatHoldsThePath) {
    const std::pair<const char*, const char*> rows[] = {
        {"/", "/"},        {"relative/path", ""},       {"/no/such/folder", "/"},
        {"/proc/..", "/"}, {"/PROC/no/such", "/proc/"},
    };
    for (const auto& [path, volume] : rows) {
        EXPECT_EQ(PosixFileSystem().VolumeOf(path), volume) << path;
    }
    EXPECT_TRUE(PosixFileSystem().VolumeReady("/proc/no/such"));
    EXPECT_FALSE(PosixFileSystem().VolumeReady("relative"));
}

TEST_F(AtomicReplace, AFailingStepLeavesTheOldFileAndNoScratchFile) {
    const struct {
        const char* step;
        int error;  // 0: the replace succeeds
        PosixCalls calls;
    } rows[] = {
        {"write", ENOSPC, With(&PosixCalls::write, Failing(ENOSPC))},
        {"write of nothing", ENOSPC, With(&PosixCalls::write, [](auto...) { return 0; })},
        {"short and interrupted writes", 0,
         With(&PosixCalls::write,
              [calls = 0](int fd, const void* data, std::size_t size) mutable {
                  return ++calls % 5 == 0 ? Failing(EINTR)()
                                          : ::write(fd, data, std::min<std::size_t>(size, 7));
              })},
        {"fsync", EIO, With(&PosixCalls::fsync, Failing(EIO))},
        {"close", EIO,
         With(&PosixCalls::close,
              [](int fd) {
                  ::close(fd);  // the descriptor is gone, whatever close reports
                  return Failing(EIO)();
              })},
        {"rename", EACCES, With(&PosixCalls::rename, Failing(EACCES))},
    };
    std::string newBytes;  // more than one read's worth
    for (int i = 0; newBytes.size() < 100000; ++i) {
        newBytes += std::to_string(i) + ",";
    }
    const std::string target = P("SHOP.LKP");  // the error names the file as given
    for (const auto& row : rows) {
        SCOPED_TRACE(row.step);
        WriteFile(P("Shop.lkp"), "old");
        try {
            PosixFileSystem(row.calls).Replace(target, newBytes);
            EXPECT_EQ(row.error, 0) << "the replace succeeded";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), "\"" + target + "\": " + std::strerror(row.error));
        }
        EXPECT_EQ(fs.ReadAll(target), row.error == 0 ? newBytes : "old");
        EXPECT_EQ(RawEntries(dir.path()), Names{"Shop.lkp"});
    }
}

// The permission bits of a replaced file stay, a new file gets those the umask allows, and
// through a symbolic link the file it names is replaced while the link stays.
TEST_F(AtomicReplace, KeepsPermissionsAndLinks) {
    WriteFile(P("Shared/Ostrevan.cfg"), "old");
    std::filesystem::permissions(P("Shared/Ostrevan.cfg"), std::filesystem::perms(0640));
    std::filesystem::create_symlink("Shared/Ostrevan.cfg", P("Ostrevan.cfg"));
    fs.Replace(P("ostrevan.CFG"), "new");
    fs.Replace(P("Fresh.cfg"), "fresh");

    EXPECT_TRUE(std::filesystem::is_symlink(P("Ostrevan.cfg")));
    EXPECT_EQ(ReadFile(P("Shared/Ostrevan.cfg")), "new");
    EXPECT_EQ(RawEntries(P("Shared")), Names{"Ostrevan.cfg"});
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const auto mode = [this](const std::string& path) {
        return static_cast<unsigned>(std::filesystem::status(P(path)).permissions());
    };
    EXPECT_EQ(mode("Shared/Ostrevan.cfg"), 0640u);
    EXPECT_EQ(mode("Fresh.cfg"), 0666u & ~mask);
}

TEST_F(AtomicReplace, AWriterKilledAtAnyMomentLeavesOneWholeContent) {
    const std::string contents[] = {std::string(4 << 20, 'a'), std::string(6 << 20, 'b')};
    WriteFile(P("Shop.tol"), contents[0]);
    std::mt19937 random(20240611);
    for (int round = 0; round < 30; ++round) {
        test::ForkedChild writer([&](test::ForkedChild& self) {
            for (int i = 1;; ++i) {
                fs.Replace(P("Shop.tol"), contents[i % 2]);
                self.Send('r');
            }
        });
        // Let it finish a few replaces, then kill it some time into the next one.
        for (int finished = static_cast<int>(random() % 3); finished > 0; --finished) {
            ASSERT_EQ(writer.Receive(), 'r');
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
        const int status = writer.Kill();
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself, status " << status;
        const std::string now = ReadFile(P("Shop.tol"));
        ASSERT_TRUE(now == contents[0] || now == contents[1])
            << "round " << round << ": " << now.size() << " bytes of neither content";
    }
    // Kills inside a replace leave its scratch file, under a hidden name that no listing shows.
    const Names entries = RawEntries(dir.path());
    EXPECT_GT(entries.size(), 1u) << "no kill fell inside a replace";
    for (const std::string& name : entries) {
        EXPECT_TRUE(name == "Shop.tol" || name.starts_with(".Shop.tol.")) << name;
    }
    EXPECT_EQ(fs.List(P("*.*"), kAll), Names{"Shop.tol"});
}

// Another process holds the lock of Shop.dft, a file not written yet, until the test writes a
// file "go", or until it is killed.
TEST_F(FileLock, IsRefusedAfterTheWaitAndHadOnceTheHolderLetsGoOrDies) {
    for (const bool killed : {false, true}) {
        SCOPED_TRACE(killed ? "holder killed" : "holder lets go");
        std::filesystem::remove(P("go"));
        test::ForkedChild holder([&](test::ForkedChild& self) {
            auto lock = fs.Lock(P("Shop.dft"), 1s);
            self.Send('L');
            while (killed || !FileExists(P("go"))) {
                ::usleep(1000);
            }
        });
        ASSERT_EQ(holder.Receive(), 'L');
        const auto start = std::chrono::steady_clock::now();
        try {
            fs.Lock(P("SHOP.DFT"), 150ms);
            ADD_FAILURE() << "got a lock another process holds";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "\"" + P("SHOP.DFT") + "\": the file is in use by another program");
        }
        EXPECT_GE(std::chrono::steady_clock::now() - start, 150ms);
        EXPECT_NE(fs.Lock(P("Other.dft"), 0ms), nullptr);
        EXPECT_THROW(fs.Lock(P("Missing/Shop.dft"), 0ms), FileError);

        if (killed) {
            holder.Kill();
        } else {
            WriteFile(P("go"), "");
        }
        EXPECT_NE(fs.Lock(P("Shop.dft"), 10s), nullptr);
        EXPECT_EQ(holder.Wait(), killed ? SIGKILL : 0);
        EXPECT_FALSE(FileExists(P(".shop.dft.lock")));
    }
}

// Several processes add to one counter file under the lock; no update may be lost.
TEST_F(FileLock, ReadModifyWritesOfSeveralProcessesDoNotInterleave) {
    constexpr int kProcesses = 3;
    constexpr int kAdds = 150;
    WriteFile(P("Shop.dft"), "0");
    std::vector<std::unique_ptr<test::ForkedChild>> adders;
    for (int p = 0; p < kProcesses; ++p) {
        adders.push_back(std::make_unique<test::ForkedChild>([&](test::ForkedChild&) {
            // Durability is not the point here, and flushing is slow.
            PosixFileSystem fs(With(&PosixCalls::fsync, [](int) { return 0; }));
            for (int i = 0; i < kAdds; ++i) {
                auto lock = fs.Lock(P("Shop.dft"), 30s);
                fs.Replace(P("Shop.dft"), std::to_string(std::stoi(fs.ReadAll(P("Shop.dft"))) + 1));
            }
        }));
    }
    for (auto& adder : adders) {
        EXPECT_EQ(adder->Wait(), 0);
    }
    EXPECT_EQ(ReadFile(P("Shop.dft")), std::to_string(kProcesses * kAdds));
}

}  // namespace
}  // namespace tooling::platform
