// The behaviour every native file system shares, run on the POSIX one and on the Windows one.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "platform/FileError.h"
#include "platform/Listing.h"
#include "tests/platform/FaultyReplace.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/NativeFileSystem.h"
#include "tests/support/TempDir.h"

namespace tooling::platform {
namespace {

using namespace std::chrono_literals;
using test::ChildProcess;
using test::FileExists;
using test::ReadFile;
using test::WriteFile;
using Names = std::vector<std::string>;
constexpr auto kFiles = ListFilter::Files;
constexpr auto kAll = ListFilter::FilesAndDirs;

// Every entry of a folder, hidden ones included, as the operating system lists it, sorted.
Names RawEntries(const std::string& dir) {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(test::PathOf(dir))) {
        names.push_back(test::BytesOf(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

class FileSystemTest : public ::testing::Test {
  protected:
    // The absolute path of a relative one written with "/".
    std::string P(const std::string& relative) const { return dir.path() + test::Native(relative); }

    test::TempDir dir;
    test::NativeFileSystem fs;
};
using AtomicReplace = FileSystemTest;
using FileLock = FileSystemTest;

// A library folder with names in mixed case, hidden files and folders.
TEST_F(FileSystemTest, ListsFindsAndDeletesVisibleEntriesInListingOrder) {
    for (const char* name :
         {"Shop.lkp", "shop.0", "SHOP.1", "Shop", "Shop.Old.lkp", "Shops", "Tools.lkp",
          "Tools.lkp.bak", "notes", "b.LKP", "Bb.lkp", "\xE9t\xE9.lkp", ".hidden.lkp",
          ".Shop.lkp.lock", "Data/in.lkp", "Sub.lkp/in.lkp"}) {
        WriteFile(P("lib/") + name, name);
    }

    // Listing order ignores case, then compares bytes, unsigned: the same on every machine.
    const std::tuple<const char*, ListFilter, Names> lists[] = {
        {"lib/*.lkp",
         kFiles,
         {"b.LKP", "Bb.lkp", "Shop.lkp", "Shop.Old.lkp", "Tools.lkp", "\xE9t\xE9.lkp"}},
        {"LIB/*.*",
         kAll,
         {"b.LKP", "Bb.lkp", "Data", "notes", "Shop", "shop.0", "SHOP.1", "Shop.lkp",
          "Shop.Old.lkp", "Shops", "Sub.lkp", "Tools.lkp", "Tools.lkp.bak", "\xE9t\xE9.lkp"}},
        {"lib/Shop.*", kFiles, {"Shop", "shop.0", "SHOP.1", "Shop.lkp", "Shop.Old.lkp"}},
        {"lib/shop.?", kFiles, {"shop.0", "SHOP.1"}},
        {"lib/\xC9T\xC9.*", kFiles, {}},  // case is ignored for ASCII letters only
        {"missing/*.*", kAll, {}},
    };
    for (const auto& [pattern, filter, names] : lists) {
        EXPECT_EQ(fs.List(P(pattern), filter), names) << pattern;
    }
    const std::tuple<const char*, ListFilter, bool> exists[] = {
        {"LIB/SHOP.LKP", kFiles, true},    {"lib/Data", kFiles, false},
        {"lib/DATA/", kAll, true},         {"lib/missing.lkp", kAll, false},
        {"lib/.hidden.lkp", kFiles, true},
    };
    for (const auto& [path, filter, found] : exists) {
        EXPECT_EQ(fs.Exists(P(path), filter), found) << path;
    }
    EXPECT_FALSE(fs.Exists("", kAll));

    fs.DeleteFiles(P("LIB/*.lkp"));
    fs.DeleteFiles(P("missing/*.*"));
    EXPECT_EQ(RawEntries(P("lib")),
              (Names{".Shop.lkp.lock", ".hidden.lkp", "Data", "SHOP.1", "Shop", "Shops", "Sub.lkp",
                     "Tools.lkp.bak", "notes", "shop.0"}));
}

// Every operation finds an entry through a path that differs from its name only in case; new
// files and folders get the case the path gives, replaced ones keep theirs.
TEST_F(FileSystemTest, WorksThroughADifferentlyCasedPath) {
    WriteFile(P("Data/Mach1/Shop.lkp"), "shop");
    WriteFile(P("Data/Mach2/Copy.lkp"), "a longer old file");

    EXPECT_EQ(fs.ReadAll(P("DATA/MACH1/SHOP.LKP")), "shop");
    EXPECT_EQ(fs.Length(P("data/mach1/shop.lkp")), 4u);
    fs.Copy(P("DATA/mach1/shop.lkp"), P("data/MACH2/COPY.LKP"));
    fs.Replace(P("DATA/mach1/Second.Lkp"), "second");
    fs.MakeDir(P("DATA/Mach3"));
    fs.MakeDir(P("data"));  // exists as "Data": nothing to do
    EXPECT_THROW(fs.MakeDir(P("data/mach1/shop.lkp")), FileError);
    EXPECT_THROW(fs.MakeDir(P("data/No/Such")), FileError);
    EXPECT_THROW(fs.ReadAll(P("Data")), FileError);
    EXPECT_THROW(fs.Length(P("Data")), FileError);
    EXPECT_THROW(fs.ReadAll(P("Data/Gone.lkp")), FileError);
    EXPECT_THROW(fs.DeleteFile(P("Data/Gone.lkp")), FileError);
    EXPECT_EQ(RawEntries(P("Data")), (Names{"Mach1", "Mach2", "Mach3"}));
    EXPECT_EQ(RawEntries(P("Data/Mach1")), (Names{"Second.Lkp", "Shop.lkp"}));
    EXPECT_EQ(RawEntries(P("Data/Mach2")), Names{"Copy.lkp"});
    EXPECT_EQ(ReadFile(P("Data/Mach2/Copy.lkp")), "shop");
    fs.DeleteFile(P("DATA/MACH2/COPY.LKP"));
    EXPECT_EQ(RawEntries(P("Data/Mach2")), Names{});
}

TEST_F(AtomicReplace, AFailingStepLeavesTheOldFileAndNoScratchFile) {
    using test::ReplaceFault;
    const std::pair<const char*, ReplaceFault> rows[] = {
        {"write", ReplaceFault::WriteFails},
        {"write of nothing", ReplaceFault::WriteWritesNothing},
        {"short and interrupted writes", ReplaceFault::ShortInterruptedWrites},
        {"flush", ReplaceFault::FlushFails},
        {"close", ReplaceFault::CloseFails},
        {"rename", ReplaceFault::MoveFails},
    };
    std::string newBytes;  // more than one read's worth
    for (int i = 0; newBytes.size() < 100000; ++i) {
        newBytes += std::to_string(i) + ",";
    }
    const std::string target = P("SHOP.LKP");  // the error names the file as given
    for (const auto& [step, fault] : rows) {
        SCOPED_TRACE(step);
        WriteFile(P("Shop.lkp"), "old");
        const test::FaultyReplace faulty = test::WithFault(fault);
        try {
            faulty.fs->Replace(target, newBytes);
            EXPECT_EQ(faulty.error, "") << "the replace succeeded";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), "\"" + target + "\": " + faulty.error);
        }
        EXPECT_EQ(fs.ReadAll(target), faulty.error.empty() ? newBytes : "old");
        EXPECT_EQ(RawEntries(dir.path()), Names{"Shop.lkp"});
    }
}

// The two contents a killed writer alternates between.
std::string Content(int i) {
    return i % 2 == 0 ? std::string(4 << 20, 'a') : std::string(6 << 20, 'b');
}

// Replaces the file args[0] with the two contents in turn, for ever, saying "s" at the start
// and "r" after each.
void Writer(ChildProcess& self, const std::vector<std::string>& args) {
    test::NativeFileSystem fs;
    const std::string contents[] = {Content(0), Content(1)};
    self.Send('s');
    for (int i = 1;; ++i) {
        fs.Replace(args[0], contents[i % 2]);
        self.Send('r');
    }
}
const bool kWriter = ChildProcess::Register("writer", Writer);

TEST_F(AtomicReplace, AWriterKilledAtAnyMomentLeavesOneWholeContent) {
    WriteFile(P("Shop.tol"), Content(0));
    std::mt19937 random(20240611);
    for (int round = 0; round < 30; ++round) {
        ChildProcess writer("writer", {P("Shop.tol")});
        ASSERT_EQ(writer.Receive(), 's');
        // Let it finish a few replaces, then kill it some time into the next one.
        for (int finished = static_cast<int>(random() % 3); finished > 0; --finished) {
            ASSERT_EQ(writer.Receive(), 'r');
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
        ASSERT_EQ(writer.Kill(), ChildProcess::kKilled) << "the writer ended by itself";
        const std::string now = ReadFile(P("Shop.tol"));
        ASSERT_TRUE(now == Content(0) || now == Content(1))
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

// Holds the lock of args[0] and says "L", until a file args[1] exists ("" waits to be killed).
void Holder(ChildProcess& self, const std::vector<std::string>& args) {
    test::NativeFileSystem fs;
    auto lock = fs.Lock(args[0], 1s);
    self.Send('L');
    while (args[1].empty() || !FileExists(args[1])) {
        std::this_thread::sleep_for(1ms);
    }
}
const bool kHolder = ChildProcess::Register("holder", Holder);

// Another process holds the lock of Shop.dft, a file not written yet, until the test writes a
// file "go", or until it is killed.
TEST_F(FileLock, IsRefusedAfterTheWaitAndHadOnceTheHolderLetsGoOrDies) {
    for (const bool killed : {false, true}) {
        SCOPED_TRACE(killed ? "holder killed" : "holder lets go");
        std::filesystem::remove(test::PathOf(P("go")));
        ChildProcess holder("holder", {P("Shop.dft"), killed ? "" : P("go")});
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
        EXPECT_EQ(holder.Wait(), killed ? ChildProcess::kKilled : 0);
        EXPECT_FALSE(FileExists(P(".shop.dft.lock")));
    }
}

// Adds 1 to the number in the file args[0], under its lock, a number of times.
void Adder(ChildProcess&, const std::vector<std::string>& args) {
    test::NativeFileSystem fs = test::UnflushedFileSystem();
    for (int i = 0; i < std::stoi(args[1]); ++i) {
        auto lock = fs.Lock(args[0], 30s);
        fs.Replace(args[0], std::to_string(std::stoi(fs.ReadAll(args[0])) + 1));
    }
}
const bool kAdder = ChildProcess::Register("adder", Adder);

// Several processes add to one counter file under the lock; no update may be lost.
TEST_F(FileLock, ReadModifyWritesOfSeveralProcessesDoNotInterleave) {
    constexpr int kProcesses = 3;
    constexpr int kAdds = 150;
    WriteFile(P("Shop.dft"), "0");
    std::vector<std::unique_ptr<ChildProcess>> adders;
    for (int p = 0; p < kProcesses; ++p) {
        adders.push_back(
            std::make_unique<ChildProcess>("adder", Names{P("Shop.dft"), std::to_string(kAdds)}));
    }
    for (auto& adder : adders) {
        EXPECT_EQ(adder->Wait(), 0);
    }
    EXPECT_EQ(ReadFile(P("Shop.dft")), std::to_string(kProcesses * kAdds));
}

}  // namespace
}  // namespace tooling::platform
