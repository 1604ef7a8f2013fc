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

#include "bench/MemorySession.h"
#include "core/Session.h"
#include "core/Text.h"
#include "library/ToolRec.h"
#include "tools/ToolListPanel.h"
#include "tools/ToolShapes.h"
#include "ui/ToolListModel.h"

namespace {

using namespace tooling;

// A library whose Rad-Square file holds `count` tools in two stations, with two angles each.
struct Library : bench::MemorySession {
    explicit Library(int count) {
        fs.files["/lib/Shop.lkp"] = "******\r\n";
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
