// The turret picture of a 64-station machine whose every station holds a tool of the library.
// "TurretPicture/draw" builds the drawing; "TurretPicture/draw+paint" also paints it on a 600 x 600
// image, as the editor's pane repaints; "TurretPicture/row changed" is Select Tool on one row
// followed by that repaint. Run with QT_QPA_PLATFORM=offscreen.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "bench/MemorySession.h"
#include "illustration/TurretDrawing.h"
#include "library/ToolRec.h"
#include "platform/qt/DrawingPainter.h"
#include "turrets/TurretEditor.h"

namespace {

using namespace tooling;

constexpr int kStations = 64;
constexpr int kSide = 600;

// Holder sizes A to D and a B index station, as a thick turret has them.
constexpr float kHolders[] = {0, 12.7F, 31.7F, 50.8F, 88.9F, 31.7F};

std::int16_t TypeOf(int station) {
    if (station % 8 == 0 || station % 8 == 4) {
        return station % 8 == 0 ? 4 : 3;
    }
    if (station % 2 == 1) {
        return 1;
    }
    return station % 16 == 2 ? 5 : 2;
}

float Half(double mm) {
    return static_cast<float>(std::floor(mm * 2) / 2);
}

struct BigTurret : bench::MemorySession {
    BigTurret() {
        static int argc = 1;
        static char name[] = "bench";
        static char* argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);

        core::Machine& m = session.machine;
        m.TurretMachine = true;
        m.StationCount = kStations;
        for (std::int16_t t = 1; t <= 5; ++t) {
            m.StationTable[static_cast<std::size_t>(t)] = {
                t, "Type", static_cast<std::int16_t>(t == 5 ? 20 : 9 + t), kHolders[t]};
        }
        std::map<char, std::string> files;
        for (int s = 1; s <= kStations; ++s) {
            const std::int16_t type = TypeOf(s);
            const std::int16_t kind = m.StationTable[static_cast<std::size_t>(type)].kind;
            std::string label = "T";
            label += std::to_string(s);  // not "T" + ...: g++ 12 -O3 warns of a false overlap
            m.TurretStations.push_back(
                {static_cast<std::int16_t>(s), 0, type, kind, label, "", true});
            const double u = kHolders[type] * 0.7;
            const struct {
                char shape;
                const char* name;
                std::array<float, 4> dims;
                const char* angle;
            } tools[] = {{'A', "Diameter", {Half(u), Half(u), 0, 0}, "0"},
                         {'B', "Square", {Half(u * 0.7), Half(u * 0.7), 0, 0}, "45"},
                         {'D', "Rectangle", {Half(u * 0.8), Half(u * 0.3), 0, 0}, "90"},
                         {'F', "Obround", {Half(u * 0.8), Half(u * 0.4), 0, 0}, "0"},
                         {'M', "Cruciform", {Half(u * 0.8), Half(u * 0.8), Half(u * 0.2), 1}, "0"}};
            const auto& tool = tools[s % 5];
            library::ToolRec rec;
            rec.Shape = tool.shape;
            rec.Descr = library::PaddedDescr(tool.name);
            rec.Dims = tool.dims;
            rec.Stns[0] = {type, kind};
            files[tool.shape] += library::ToolRecBytes(rec);
            rows.push_back({static_cast<std::int16_t>(s),
                            std::string(1, tool.shape),
                            tool.name,
                            {tool.dims[0], tool.dims[1], tool.dims[2], tool.dims[3]},
                            kind >= 20 ? "idx" : tool.angle,
                            type});
        }
        for (const auto& [shape, bytes] : files) {
            fs.files["/lib/Shop." + std::string(1, shape)] = bytes;
        }
    }

    void Paint(const platform::Drawing& drawing) {
        image.fill(Qt::white);
        QPainter painter(&image);
        platform::PaintDrawing(painter, QRectF(0, 0, kSide, kSide), drawing, inks);
    }

    std::vector<library::StationRow> rows;
    QImage image{kSide, kSide, QImage::Format_ARGB32_Premultiplied};
    platform::InkColours inks = platform::ScreenInks(QGuiApplication::palette());
};

void Draw(benchmark::State& state) {
    BigTurret turret;
    const illustration::TurretLayout layout = illustration::DefaultLayout(turret.session.machine);
    const std::vector<bool> stray(kStations, false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            illustration::DrawTurret({turret.session.machine, layout, turret.rows, stray}, 5));
    }
}
BENCHMARK(Draw)->Name("TurretPicture/draw")->Unit(benchmark::kMillisecond);

void DrawAndPaint(benchmark::State& state) {
    BigTurret turret;
    const illustration::TurretLayout layout = illustration::DefaultLayout(turret.session.machine);
    const std::vector<bool> stray(kStations, false);
    for (auto _ : state) {
        turret.Paint(
            illustration::DrawTurret({turret.session.machine, layout, turret.rows, stray}, 5));
    }
}
BENCHMARK(DrawAndPaint)->Name("TurretPicture/draw+paint")->Unit(benchmark::kMillisecond);

void RowChanged(benchmark::State& state) {
    BigTurret turret;
    turrets::TurretEditor editor(turret.session, [] {});
    editor.Open(turret.rows, "Big", 4);
    if (turret.ui.events.size() != 0 ||
        std::count(editor.notInLibrary.begin(), editor.notInLibrary.end(), true) != 0) {
        state.SkipWithError("the turret's tools are not all in the library");
        return;
    }
    // Each change puts a tool of the row's shape, of its own size or a tenth smaller, in the
    // next row.
    for (int change = 0; state.KeepRunning(); ++change) {
        const library::StationRow& row = turret.rows[static_cast<std::size_t>(change % kStations)];
        const float scale = change / kStations % 2 ? 1.0F : 0.9F;
        editor.selected = change % kStations;
        editor.Selectool_Click([&](std::int16_t type) {
            turrets::PickedTool picked;
            picked.valid = -1;
            picked.shape = row.shape[0];
            picked.description = row.tool;
            for (std::size_t i = 0; i < 4; ++i) {
                picked.dims[i] = static_cast<float>(row.dims[i]) * scale;
            }
            picked.stationType = type;
            picked.stationKind =
                turret.session.machine.StationTable[static_cast<std::size_t>(type)].kind;
            picked.angle = row.angle == "idx" ? 0.0F : std::stof(row.angle);
            return picked;
        });
        turret.Paint(editor.Picture());
    }
}
BENCHMARK(RowChanged)->Name("TurretPicture/row changed")->Unit(benchmark::kMillisecond);

}  // namespace
