// Tool-file rewrites under process kills, between processes, and what they ask of the file
// system.
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <random>
#include <thread>

#include "core/Session.h"
#include "library/DefaultTools.h"
#include "library/ToolFile.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/NativeFileSystem.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestServices.h"
#include "tests/support/ToolRows.h"

namespace tooling::library {
namespace {

using test::NativeFileSystem;

ToolRec Square(float width, std::int32_t id) {
    return test::Tool('B', "Square", {width, width, 0, 0}, {{1, 10}}, {0}, id);
}

// A session on the library whose tool prefix is given, with its own file system: by default one
// that skips the flush to disk.
template <typename FileSystem = NativeFileSystem>
class Library {
  public:
    explicit Library(const std::string& prefix, NativeFileSystem base = test::UnflushedFileSystem())
        : fs(std::move(base)), session(services) {
        session.lib.ToolLibPrefix = prefix;
    }

    std::string Path(const std::string& ext) const { return session.lib.ToolLibPrefix + ext; }

    FileSystem fs;
    test::TestServices fakes;
    platform::Services services{fs, fakes.ui, fakes.printer, fakes.process};
    core::Session session;
};

// The square file's tools are in size order.
void ExpectSorted(const Library<>& lib) {
    const std::vector<ToolRec> recs = ReadToolFile(lib.session, 'B');
    EXPECT_TRUE(std::is_sorted(recs.begin(), recs.end(), [](const ToolRec& a, const ToolRec& b) {
        return a.Dims[0] < b.Dims[0];
    }));
}

// Adds a tool and deletes it again, for ever, signalling each step.
void Rewriter(test::ChildProcess& self, const std::vector<std::string>& args) {
    Library<> lib(args.at(0));
    for (;;) {
        const std::int16_t pos = InsertTool(lib.session, 'B', Square(42.05F, -1), 0);
        self.Send('i');
        DeleteTools(lib.session, 'B', {pos});
        self.Send('d');
    }
}
const bool kRewriter = test::ChildProcess::Register("rewriter", Rewriter);

// Adds 500 squares of random sizes, told apart by their settings numbers from args[1] on.
constexpr int kAdds = 500;
void Adder(test::ChildProcess&, const std::vector<std::string>& args) {
    Library<> lib(args.at(0));
    const int first = std::stoi(args.at(1));
    std::mt19937 random(static_cast<unsigned>(first));
    for (int i = 0; i < kAdds; ++i) {
        const float width = static_cast<float>(1 + random() % 99);
        InsertTool(lib.session, 'B', Square(width, first + i), 0);
    }
}
const bool kAdder = test::ChildProcess::Register("adder", Adder);

TEST(ToolFileRewrite, AKilledRewriteLeavesTheOldOrTheNewFile) {
    test::TempDir dir;
    Library<> lib(dir.path() + "Shop.");
    constexpr int kBase = 3000;
    std::string bytes;
    for (int i = 0; i < kBase; ++i) {
        bytes += ToolRecBytes(Square(1.0F + static_cast<float>(i) * 0.1F, i));
    }
    test::WriteFile(lib.Path("B"), bytes);
    std::mt19937 random(20261206);
    for (int round = 0; round < 40; ++round) {
        test::ChildProcess writer("rewriter", {lib.session.lib.ToolLibPrefix});
        for (int finished = 1 + static_cast<int>(random() % 3); finished > 0; --finished) {
            ASSERT_GT(writer.Receive(), 0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 5000));
        ASSERT_EQ(writer.Kill(), test::ChildProcess::kKilled);
        // Every base tool is there, whole and in order, beside the added ones a kill kept.
        const std::size_t size = test::ReadFile(lib.Path("B")).size();
        ASSERT_EQ(size % kToolRecSize, 0U) << "round " << round;
        ExpectSorted(lib);
        const std::vector<ToolRec> recs = ReadToolFile(lib.session, 'B');
        ASSERT_EQ(std::count_if(recs.begin(), recs.end(),
                                [](const ToolRec& rec) { return rec.SettingsNo >= 0; }),
                  kBase)
            << "round " << round;
    }
}

TEST(ToolFileRewrite, TwoProcessesAddingAtOnceLoseNothingAndKeepTheDefaults) {
    test::TempDir dir;
    Library<> lib(dir.path() + "Shop.");
    test::WriteFile(lib.Path("B"), ToolRecBytes(Square(50.0F, 0)));
    core::DefaultToolRec clearing;
    clearing.recordNo = 1;
    clearing.shape = 'B';
    clearing.dims = {50.0F, 50.0F, 0.0F, 0.0F};
    test::WriteFile(lib.Path("dft"),
                    std::string(2 * core::kDefaultToolRecSize, '\0') + EncodeDefault(clearing));
    {
        test::ChildProcess first("adder", {lib.session.lib.ToolLibPrefix, "1"});
        test::ChildProcess second("adder", {lib.session.lib.ToolLibPrefix, "501"});
        EXPECT_EQ(first.Wait(), 0);
        EXPECT_EQ(second.Wait(), 0);
    }
    ASSERT_EQ(test::ReadFile(lib.Path("B")).size(), (2 * kAdds + 1) * kToolRecSize);
    ExpectSorted(lib);
    std::vector<std::int32_t> ids;
    for (const ToolRec& rec : ReadToolFile(lib.session, 'B')) {
        ids.push_back(rec.SettingsNo);
    }
    const core::DefaultToolRec after = DecodeDefaults(test::ReadFile(lib.Path("dft")))[2];
    ASSERT_GE(after.recordNo, 1);
    EXPECT_EQ(ids[static_cast<std::size_t>(after.recordNo - 1)], 0) << "the clearing tool";
    std::sort(ids.begin(), ids.end());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        ASSERT_EQ(ids[i], static_cast<std::int32_t>(i));
    }
}

// A file system that writes down each lock, its release and each replace, by file name.
class RecordingFileSystem : public NativeFileSystem {
  public:
    explicit RecordingFileSystem(NativeFileSystem base) : NativeFileSystem(std::move(base)) {}

    std::unique_ptr<platform::FileLock> Lock(std::string_view path,
                                             std::chrono::milliseconds wait) override {
        struct Held : platform::FileLock {
            std::unique_ptr<platform::FileLock> lock;
            std::function<void()> release;
            ~Held() override { release(); }
        };
        log.push_back("lock " + Name(path));
        auto held = std::make_unique<Held>();
        held->lock = NativeFileSystem::Lock(path, wait);
        held->release = [this, name = Name(path)] { log.push_back("unlock " + name); };
        return held;
    }
    void Replace(std::string_view path, std::string_view bytes) override {
        log.push_back("replace " + Name(path));
        NativeFileSystem::Replace(path, bytes);
    }

    std::vector<std::string> log;

  private:
    static std::string Name(std::string_view path) {
        return std::string(path.substr(path.find_last_of("/\\") + 1));
    }
};

// Each replaced file is flushed, and so is its folder after the rename.
TEST(ToolFileRewrite, EveryWriteHappensUnderItsFilesLockInOneOrder) {
#ifdef _WIN32
    NativeFileSystem base = test::UnflushedFileSystem();
#else
    int files = 0;
    int folders = 0;
    platform::PosixCalls calls;
    calls.fsync = [&](int fd) {
        struct stat st {};
        ::fstat(fd, &st);
        ++(S_ISDIR(st.st_mode) ? folders : files);
        return 0;
    };
    NativeFileSystem base(std::move(calls));
#endif
    test::TempDir dir;
    Library<RecordingFileSystem> lib(dir.path() + "Shop.", std::move(base));
    core::Session& session = lib.session;
    RecordingFileSystem& fs = lib.fs;
    core::DefaultToolRec rec;
    rec.recordNo = 1;
    rec.shape = 'B';
    test::WriteFile(lib.Path("dft"), EncodeDefault(rec));
    test::WriteFile(lib.Path("lkp"), "Star, 1 \r\n******\r\n");
    test::WriteFile(lib.Path("B"), ToolRecBytes(Square(10.0F, 0)));
    using Log = std::vector<std::string>;
    InsertTool(session, 'B', Square(5.0F, 1), 0);
    EXPECT_EQ(fs.log, (Log{"lock Shop.B", "replace Shop.B", "lock Shop.dft", "replace Shop.dft",
                           "unlock Shop.dft", "unlock Shop.B"}));
#ifndef _WIN32
    EXPECT_EQ(std::pair(files, folders), std::pair(2, 2));
#endif
    fs.log.clear();
    ToolRec star = Square(5.0F, 1);
    star.Shape = 'S';
    star.Descr = PaddedDescr("Star");
    InsertTool(session, 'S', star, 0);
    DeleteTools(session, 'S', {1});
    EXPECT_EQ(fs.log, (Log{"lock Shop.S", "replace Shop.S", "unlock Shop.S", "lock Shop.S",
                           "replace Shop.S", "lock Shop.dft", "unlock Shop.dft", "lock Shop.lkp",
                           "replace Shop.lkp", "unlock Shop.lkp", "unlock Shop.S"}));
    fs.log.clear();
    session.lib.DefaultTools[3] = rec;
    WriteDefault(session, 4);
    EXPECT_EQ(fs.log, (Log{"lock Shop.dft", "replace Shop.dft", "unlock Shop.dft"}));
}

}  // namespace
}  // namespace tooling::library
