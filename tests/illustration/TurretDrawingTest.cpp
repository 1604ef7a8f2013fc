#include "illustration/TurretDrawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numeric/NumText.h"
#include "output/TurretPrint.h"
#include "tests/illustration/SampleTurret.h"
#include "turrets/TurretEditor.h"

namespace tooling::illustration {
namespace {

using platform::DrawingPoint;

class TurretDrawing : public test::SampleTurret {
  protected:
    // The rim, then each row's station on a line: the radius and ink of its circle, then
    // the marks drawn after it, each placed inside the circle ("in"), outside it on the side
    // towards the turret's centre ("inward") or elsewhere outside ("out").
    std::string Stations(const platform::Drawing& drawing, const TurretView& view) const {
        const char* inks[] = {"line", "faint", "selected", "warning"};
        std::string text = test::RecordingPage::Summary(drawing) + "\n";
        DrawingPoint centre;
        double radius = 0;
        const auto place = [&](const std::vector<DrawingPoint>& points) {
            bool in = true, inward = true;
            for (const DrawingPoint& p : points) {
                const bool inside = std::hypot(p.x - centre.x, p.y - centre.y) <= radius;
                in = in && inside;
                inward = inward && !inside && std::hypot(p.x, p.y) < std::hypot(centre.x, centre.y);
            }
            return in ? "in" : inward ? "inward" : "out";
        };
        for (std::size_t i = 0; i < drawing.items.size(); ++i) {
            const platform::DrawingItem& item = drawing.items[i];
            if (const auto* circle = std::get_if<platform::DrawingCircle>(&item)) {
                std::size_t r = 0;
                while (r < view.rows.size() && (StationCentre(view, r).x != circle->centre.x ||
                                                StationCentre(view, r).y != circle->centre.y)) {
                    ++r;
                }
                centre = circle->centre;
                radius = circle->radius;
                text += (i > 0 ? "\n" : "") +
                        (r < rows.size() ? "row " + std::to_string(r + 1) : "rim") + " r" +
                        numeric::NumText(radius, 2) + " " + inks[static_cast<int>(circle->ink)] +
                        (circle->filled ? " filled:" : ":");
            } else if (const auto* path = std::get_if<platform::DrawingPath>(&item)) {
                text += std::string(" ") + inks[static_cast<int>(path->ink)] +
                        (path->closed ? "" : " open") + (path->dashed ? " dashed" : "") + " " +
                        place(path->points);
            } else if (const auto* label = std::get_if<platform::DrawingText>(&item)) {
                text += " \"" + label->text + "\" " + place({label->centre});
            }
        }
        return text + "\n";
    }
};

// Row 7 selected; row 4's tool is not in the library; stations 9 and 18 are index stations,
// station 10 is empty, and the last row's line names no station of the turret.
TEST_F(TurretDrawing, DrawsEachStationWithItsToolMarksAndLabel) {
    const TurretLayout layout = DefaultLayout(session.machine);
    rows[19].station = 99;
    std::vector<bool> stray(rows.size());
    stray[3] = true;
    const TurretView view{session.machine, layout, rows, stray};
    test::ExpectGolden(TOOLING_GOLDEN_DIR "/drawing.txt", Stations(DrawTurret(view, 6), view));
}

TEST_F(TurretDrawing, AClickPicksTheNearestStationWithinReachAndScrollsToIt) {
    turrets::TurretEditor editor(session, [] {});
    editor.Open(rows, "PRODUCTION", 4);
    const TurretView view = editor.PictureView();
    const auto pick = [&](DrawingPoint point, double reach) {
        editor.selected = -1;
        editor.Picture_Click(point, reach);
        return editor.selected;
    };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const DrawingPoint c = StationCentre(view, r);
        const double radius = StationDiameter(session.machine, rows[r].station) / 2;
        const double out = radius / std::hypot(c.x, c.y);
        const int row = static_cast<int>(r);
        EXPECT_EQ(pick({c.x * (1 + out * 0.99), c.y * (1 + out * 0.99)}, 0), row);
        EXPECT_EQ(pick({c.x * (1 + out * 1.1), c.y * (1 + out * 1.1)}, radius * 0.11), row);
        EXPECT_EQ(pick({c.x * (1 + out * 1.1), c.y * (1 + out * 1.1)}, radius * 0.09), -1) << r;
    }
    // Between T1 and its neighbour T20 on the inner ring, a little nearer to either.
    const DrawingPoint c = StationCentre(view, 0);
    const DrawingPoint o = StationCentre(view, 19);
    const double apart = std::hypot(o.x - c.x, o.y - c.y);
    const double radius = StationDiameter(session.machine, 1) / 2;
    const double gap = apart - 2 * radius;
    for (const auto& [along, nearest] : {std::pair(gap / 2 - 0.5, 0), {gap / 2 + 0.5, 19}}) {
        const double at = (radius + along) / apart;
        EXPECT_EQ(pick({c.x + (o.x - c.x) * at, c.y + (o.y - c.y) * at}, gap), nearest);
    }
    // The 20 rows show 19 at a time.
    for (const auto& [row, top] : {std::pair(19, 1), {5, 1}, {0, 0}, {18, 0}, {19, 1}}) {
        editor.Picture_Click(StationCentre(view, static_cast<std::size_t>(row)), 0);
        EXPECT_EQ(std::pair(editor.selected, editor.topLine), std::pair(row, top));
    }
}

// With the illustration, a page after the sheet (the sheet's own test holds the sheet) with the
// heading and the turret drawn.
TEST_F(TurretDrawing, PrintsTheIllustrationPageAfterTheSheet) {
    output::PrintTurret(session, 1, "PRODUCTION", true);
    std::string printed;
    for (const std::string& op : page.ops) {
        printed += op + "\n";
    }
    test::ExpectGolden(TOOLING_GOLDEN_DIR "/print.txt", printed);
}

}  // namespace
}  // namespace tooling::illustration
