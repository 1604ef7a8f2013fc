// Filling the edit list of a shape: the panel logic reads the tool file once and builds the
// three columns of every line; the table model then converts only the rows the view shows. The
// lines grow linearly with the file, and the model adds a constant: "lines+model" should stay
// within a few percent of "lines" at every size, while converting every row (what a list with
// one widget item per line would do) adds work in proportion to the file on top of the lines.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "core/Session.h"
#include "core/Text.h"
#include "library/ToolRec.h"
#include "platform/FileError.h"
#include "platform/Services.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/FakeUi.h"
#include "tests/support/RecordingPage.h"
#include "tools/ToolListPanel.h"
#include "tools/ToolShapes.h"
#include "ui/ToolListModel.h"

namespace {

using namespace tooling;

// Files held in memory, so the run measures the list and not the disk.
class MemoryFileSystem : public platform::FileSystem {
  public:
    bool Exists(std::string_view path, platform::ListFilter) const override {
        return files.contains(std::string(path));
    }
    std::vector<std::string> List(std::string_view, platform::ListFilter) const override {
        return {};
    }
    void MakeDir(std::string_view path) override { Refuse(path); }
    void DeleteFile(std::string_view path) override { Refuse(path); }
    void DeleteFiles(std::string_view pattern) override { Refuse(pattern); }
    void Copy(std::string_view, std::string_view to) override { Refuse(to); }
    std::uint64_t Length(std::string_view path) const override { return ReadAll(path).size(); }
    std::string ReadAll(std::string_view path) const override {
        const auto file = files.find(std::string(path));
        if (file == files.end()) {
            throw platform::FileError(std::string(path), "missing");
        }
        return file->second;
    }
    void Replace(std::string_view path, std::string_view bytes) override {
        files[std::string(path)] = std::string(bytes);
    }
    std::unique_ptr<platform::FileLock> Lock(std::string_view, std::chrono::milliseconds) override {
        return std::make_unique<platform::FileLock>();
    }
    std::string VolumeOf(std::string_view) const override { return "/"; }
    bool VolumeReady(std::string_view) const override { return true; }

    std::map<std::string, std::string> files;

  private:
    [[noreturn]] static void Refuse(std::string_view path) {
        throw platform::FileError(std::string(path), "read-only");
    }
};

// A library whose Rad-Square file holds `count` tools in two stations, with two angles each.
struct Library {
    explicit Library(int count) {
        session.lib.ToolLibPrefix = "/lib/Shop.";
        session.win.CurShapeNo = 3;
        session.win.CurShapeCode.assign(1, 'C');
        for (const auto& [number, name, kind] :
             {std::tuple{1, "A Station", 10}, std::tuple{5, "B Auto Index", 20}}) {
            core::StationType& type = session.machine.StationTable[number];
            type.number = static_cast<std::int16_t>(number);
            type.name = core::Fixed(name, core::kStationNameWidth);
            type.kind = static_cast<std::int16_t>(kind);
        }
        std::string bytes;
        for (int i = 1; i <= count; ++i) {
            library::ToolRec rec;
            rec.Shape = 'C';
            rec.Descr = library::PaddedDescr("Rad-Square");
            const float width = 1.0F + static_cast<float>(i) * 0.025F;
            rec.Dims = {width, width, 0.0F, 0.5F};
            rec.Stns[0] = {1, 10};
            rec.Stns[1] = {5, 20};
            rec.Angles[0] = 0.0F;
            rec.Angles[1] = 45.0F;
            bytes += library::ToolRecBytes(rec);
        }
        fs.files["/lib/Shop.C"] = bytes;
    }

    MemoryFileSystem fs;
    test::FakeUi ui;
    test::RecordingPage printer;
    test::FakeProcess process;
    platform::Services services{fs, ui, printer, process};
    core::Session session{services};
};

constexpr int kShownRows = tools::kVisibleLines;

// Reads the cells of `rows` rows, as a view painting them does.
void ReadRows(const ui::ToolListModel& model, int rows) {
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 3; ++column) {
            benchmark::DoNotOptimize(model.data(model.index(row, column)));
        }
    }
}

enum class Fill { Lines, LinesAndModel, EveryRow };

template <Fill kFill>
void EditList(benchmark::State& state) {
    Library library(static_cast<int>(state.range(0)));
    tools::ToolListPanel panel(library.session);
    ui::ToolListModel model(panel);
    for (auto _ : state) {
        if (!panel.EditTool_Click()) {
            state.SkipWithError("no list");
            return;
        }
        if (kFill != Fill::Lines) {
            model.Reset();
            ReadRows(model, kFill == Fill::EveryRow ? model.rowCount() : kShownRows);
        }
        panel.ToolCncl_Click();
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

#define SIZES Arg(1'024)->Arg(8'192)->Arg(32'767)->Complexity(benchmark::oN)
BENCHMARK(EditList<Fill::Lines>)->Name("ToolList/lines")->SIZES;
BENCHMARK(EditList<Fill::LinesAndModel>)->Name("ToolList/lines+model")->SIZES;
BENCHMARK(EditList<Fill::EveryRow>)->Name("ToolList/every row converted")->SIZES;

}  // namespace
