// The cross-reference of a large library: 32,767 Diameter tools and 500 standard turrets of 60
// stations, every station holding a tool (one in fifty a tool the library does not have).
// "CrossReference/read+build" reads the index and the turret files (from memory) and matches
// them against the tools; "CrossReference/build" only matches. "EditList/turrets" is Edit Tool's
// list with the Turrets column filled and the shown rows converted; "EditList/no turrets" is the
// same list on a library without standard turrets: their ratio is what the column costs.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bench/MemorySession.h"
#include "core/Session.h"
#include "core/TextFile.h"
#include "library/CrossReference.h"
#include "library/ToolFile.h"
#include "library/ToolRec.h"
#include "numeric/NumText.h"
#include "tools/ToolListPanel.h"
#include "ui/ToolListModel.h"

namespace {

using namespace tooling;

constexpr int kTools = 32'767;
constexpr int kTurrets = 500;
constexpr int kStations = 60;

float Diameter(int number) {
    return 1.0F + static_cast<float>(number) * 0.025F;
}

struct BigLibrary : bench::MemorySession {
    explicit BigLibrary(bool withTurrets) {
        session.win.CurShapeNo = 1;
        session.win.CurShapeCode = "A";
        session.machine.StationCount = kStations;
        core::StationType& type = session.machine.StationTable[1];
        type.number = 1;
        type.name = "A Station";
        type.kind = 10;
        for (int s = 1; s <= kStations; ++s) {
            core::TurretStation station;
            station.station = static_cast<std::int16_t>(s);
            station.type = 1;
            station.label = "T" + std::to_string(s);
            station.valid = true;
            session.machine.TurretStations.push_back(station);
        }
        std::string tools;
        for (int i = 1; i <= kTools; ++i) {
            library::ToolRec rec;
            rec.Shape = 'A';
            rec.Descr = library::PaddedDescr("Diameter");
            rec.Dims = {Diameter(i), Diameter(i), 0.0F, 0.0F};
            rec.Stns[0] = {1, 10};
            rec.Angles[0] = 0.0F;
            tools += library::ToolRecBytes(rec);
        }
        fs.files["/lib/Shop.A"] = tools;
        std::vector<std::string> index;
        std::uint32_t random = 20'261'207;
        for (int t = 1; withTurrets && t <= kTurrets; ++t) {
            index.push_back("Turret " + std::to_string(t) + ", " + std::to_string(t) + " ");
            std::vector<std::string> lines;
            for (int s = 1; s <= kStations; ++s) {
                random = random * 1'103'515'245U + 12'345U;
                const int tool = static_cast<int>(random % kTools) + 1;
                const std::string dim =
                    (random % 50 == 0) ? "0.5" : numeric::NumText(Diameter(tool), -1);
                lines.push_back(std::to_string(s) + ",A,Diameter," + dim + "," + dim + ",0,0,0,1");
            }
            fs.files["/lib/Shop." + std::to_string(t)] = core::TextFileBytes(lines);
        }
        fs.files["/lib/Shop.lkp"] = core::TextFileBytes(index);
    }
};

void ReadAndBuild(benchmark::State& state) {
    BigLibrary library(true);
    const std::vector<library::ToolRec> tools = library::ReadToolFile(library.session, 'A');
    for (auto _ : state) {
        library::StandardTurrets turrets = library::ReadStandardTurrets(library.session);
        const library::CrossReference crossReference(std::move(turrets.turrets), {{'A', tools}});
        benchmark::DoNotOptimize(crossReference.Holders('A', 1));
    }
}
BENCHMARK(ReadAndBuild)->Name("CrossReference/read+build")->Unit(benchmark::kMillisecond);

void Build(benchmark::State& state) {
    BigLibrary library(true);
    const std::vector<library::ToolRec> tools = library::ReadToolFile(library.session, 'A');
    const library::StandardTurrets turrets = library::ReadStandardTurrets(library.session);
    for (auto _ : state) {
        const library::CrossReference crossReference(turrets.turrets, {{'A', tools}});
        benchmark::DoNotOptimize(crossReference.Holders('A', 1));
    }
}
BENCHMARK(Build)->Name("CrossReference/build")->Unit(benchmark::kMillisecond);

template <bool kWithTurrets>
void EditList(benchmark::State& state) {
    BigLibrary library(kWithTurrets);
    tools::ToolListPanel panel(library.session);
    ui::ToolListModel model(panel);
    for (auto _ : state) {
        if (!panel.EditTool_Click()) {
            state.SkipWithError("no list");
            return;
        }
        model.Reset();
        for (int row = 0; row < tools::kVisibleLines; ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                benchmark::DoNotOptimize(model.data(model.index(row, column)));
                benchmark::DoNotOptimize(model.data(model.index(row, column), Qt::ToolTipRole));
            }
        }
        panel.ToolCncl_Click();
    }
}
BENCHMARK(EditList<true>)->Name("EditList/turrets")->Unit(benchmark::kMillisecond);
BENCHMARK(EditList<false>)->Name("EditList/no turrets")->Unit(benchmark::kMillisecond);

}  // namespace
