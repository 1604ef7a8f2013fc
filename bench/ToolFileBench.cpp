// Rewrites of a full tool file (32,767 records, 2.9 MB) against the copy of that file flushed to
// disk, which every safe rewrite must at least do. Read the ratios of one run: adding, editing or
// deleting 1,000 tools should take at most twice the copy.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/Session.h"
#include "library/ToolFile.h"
#include "platform/posix/PosixFileSystem.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/FakeUi.h"
#include "tests/support/RecordingPage.h"

namespace {

using namespace tooling;

constexpr int kTools = library::kMaxToolRecords;

library::ToolRec Square(float width, std::int32_t id) {
    library::ToolRec rec;
    rec.Shape = 'B';
    rec.Descr = library::PaddedDescr("Square");
    rec.Dims = {width, width, 0.0F, 0.0F};
    rec.Stns[0] = {1, 10};
    rec.Angles[0] = 0.0F;
    rec.SettingsNo = id;
    return rec;
}

// A library in a fresh temporary folder whose square file holds `count` tools.
class BenchLibrary {
  public:
    explicit BenchLibrary(int count) : session(services) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "toolbench.XXXXXX").string();
        dir = ::mkdtemp(pattern.data());
        session.lib.ToolLibPrefix = dir + "/Shop.";
        for (int i = 0; i < count; ++i) {
            bytes += library::ToolRecBytes(Square(1.0F + static_cast<float>(i) * 0.01F, i));
        }
        Reset();
    }
    ~BenchLibrary() { std::filesystem::remove_all(dir); }

    void Reset() { fs.Replace(Path(), bytes); }
    std::string Path() const { return session.lib.ToolLibPrefix + "B"; }

    std::string dir;
    std::string bytes;
    platform::PosixFileSystem fs;
    test::FakeUi ui;
    test::RecordingPage printer;
    test::FakeProcess process;
    platform::Services services{fs, ui, printer, process};
    core::Session session;
};

// What `cp` and `sync` of the file do: read it, write a copy, flush the copy.
void CopyAndFlush(benchmark::State& state) {
    BenchLibrary lib(kTools);
    const std::string copy = lib.dir + "/copy";
    for (auto _ : state) {
        const std::string bytes = lib.fs.ReadAll(lib.Path());
        const int fd = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 ||
            ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
            ::fsync(fd) != 0) {
            state.SkipWithError("copy failed");
        }
        ::close(fd);
    }
}
BENCHMARK(CopyAndFlush)->Unit(benchmark::kMillisecond);

void AddTool(benchmark::State& state) {
    BenchLibrary lib(kTools - 1);
    for (auto _ : state) {
        library::InsertTool(lib.session, 'B', Square(150.005F, -1), 0);
        state.PauseTiming();
        lib.Reset();
        state.ResumeTiming();
    }
}
BENCHMARK(AddTool)->Unit(benchmark::kMillisecond);

void EditTool(benchmark::State& state) {
    BenchLibrary lib(kTools);
    for (auto _ : state) {
        library::InsertTool(lib.session, 'B', Square(150.0F, -1), 15000);
    }
}
BENCHMARK(EditTool)->Unit(benchmark::kMillisecond);

void DeleteThousandTools(benchmark::State& state) {
    BenchLibrary lib(kTools);
    std::vector<std::int16_t> numbers;
    for (int i = 1; i <= 1000; ++i) {
        numbers.push_back(static_cast<std::int16_t>(i * 30));
    }
    for (auto _ : state) {
        library::DeleteTools(lib.session, 'B', numbers);
        state.PauseTiming();
        lib.Reset();
        state.ResumeTiming();
    }
}
BENCHMARK(DeleteThousandTools)->Unit(benchmark::kMillisecond);

}  // namespace
