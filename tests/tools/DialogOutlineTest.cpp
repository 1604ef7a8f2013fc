#include "tools/DialogOutline.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/Session.h"
#include "library/LibrarySetUp.h"
#include "tests/support/FixtureInstallation.h"
#include "tools/ToolDialog.h"

namespace tooling::tools {
namespace {

using test::FixtureInstallation;
using Texts = std::vector<std::string>;

// A tool dialog as the user has filled it, and what its picture shows.
struct Typed {
    std::int16_t shapeNo;
    Texts boxes;
    std::vector<std::size_t> stations;  // lines of the station list; A, B, C, D, B Auto Index ...
    Texts angles;  // typed over the ones the station click proposes (none: those stay)
    int angleBox;  // the angle box the user is at, 0 for none
    bool keyRound;
    // What shows: "none", or the outline's width x height, the angle, and "idx" for the note.
    std::string shown;
};

std::string Shown(const DialogOutline& picture) {
    std::string text;
    if (!picture.outline) {
        text = "none";
    } else {
        char size[64];
        std::snprintf(size, sizeof size, "%.3f x %.3f at %g", picture.outline->extents.Width(),
                      picture.outline->extents.Height(), picture.angle);
        text = size;
        if (!picture.outline->label.empty()) {
            text += " '" + picture.outline->label + "'";
        }
    }
    return picture.indexStation ? text + " idx" : text;
}

class DialogOutlineTest : public ::testing::Test {
  protected:
    DialogOutlineTest() { EXPECT_EQ(library::StartSession(session()), core::StartOutcome::Ready); }
    core::Session& session() { return fixture.session(); }

    std::string Show(const Typed& row) {
        session().win.CurShapeNo = row.shapeNo;
        session().cmd.EditRecNo = 0;
        ToolDialog dialog(session());
        dialog.Form_Load();
        dialog.boxTexts = row.boxes;
        dialog.keyRoundChecked = row.keyRound;
        dialog.stnSelected.assign(dialog.stnLines.size(), false);
        for (std::size_t line : row.stations) {
            dialog.stnSelected.at(line) = true;
        }
        dialog.StnList_Click();
        if (!row.angles.empty()) {
            for (std::size_t i = 0; i < dialog.angTexts.size(); ++i) {
                dialog.angTexts[i] = i < row.angles.size() ? row.angles[i] : "";
            }
        }
        return Shown(OutlineOfDialog(session(), dialog, row.angleBox));
    }

    FixtureInstallation fixture{FixtureInstallation::kMetric};
};

TEST_F(DialogOutlineTest, PictureFollowsWhatOkWouldStore) {
    // clang-format off
    const Typed rows[] = {
        // The proposed angles 0 and 90: the first, or the one the user is at.
        {4, {"20", "10"}, {0}, {}, 0, false, "20.000 x 10.000 at 0"},
        {4, {"20", "10"}, {0}, {}, 2, false, "10.000 x 20.000 at 90"},
        {4, {"20", "10"}, {0}, {}, 3, false, "20.000 x 10.000 at 0"},  // a blank box
        // Ok stores the angles ascending, brought into 0 to 360.
        {4, {"20", "10"}, {0}, {"90", "30+15"}, 0, false, "21.213 x 21.213 at 45"},
        {4, {"20", "10"}, {0}, {"-90"}, 0, false, "10.000 x 20.000 at 270"},
        {4, {"20", "10"}, {0}, {"(45", "90"}, 2, false, "10.000 x 20.000 at 90"},
        {4, {"20", "10"}, {0}, {"(45", "90"}, 1, false, "none"},
        {4, {"20", "10"}, {0}, {"(45", "90"}, 0, false, "none"},
        // Dimensions that do not evaluate yet, or that Ok refuses.
        {4, {"2*10", "10"}, {0}, {}, 0, false, "20.000 x 10.000 at 0"},
        {4, {"20", "(1"}, {0}, {}, 0, false, "none"},
        {4, {"20", ""}, {0}, {}, 0, false, "none"},
        {4, {"10", "20"}, {0}, {}, 0, false, "none"},
        {4, {"-20", "10"}, {0}, {}, 0, false, "20.000 x 10.000 at 0"},
        // Index stations turn the tool: a note, and no angle of its own there.
        {4, {"20", "10"}, {4}, {}, 0, false, "20.000 x 10.000 at 0 idx"},
        {4, {"20", "10"}, {0, 5}, {}, 2, false, "10.000 x 20.000 at 90 idx"},
        {4, {"20", "1/0"}, {4}, {}, 0, false, "none idx"},
        {4, {"20", "10"}, {}, {}, 0, false, "20.000 x 10.000 at 0"},
        // No angles in a Diameter dialog.
        {1, {"10"}, {0}, {}, 0, false, "10.000 x 10.000 at 0"},
        {11, {"10", "9.5", "6"}, {1}, {}, 0, false, "10.000 x 9.500 at 0"},
        {11, {"10", "9.5", "6"}, {1}, {}, 0, true, "none"},
        {11, {"10", "12", "4"}, {1}, {}, 2, true, "12.003 x 10.000 at 90"},
        {10, {"10"}, {1}, {}, 2, false, "11.547 x 10.000 at 90"},
    };
    // clang-format on
    for (const Typed& row : rows) {
        EXPECT_EQ(Show(row), row.shown) << row.shapeNo << " " << row.boxes[0];
    }
}

TEST_F(DialogOutlineTest, InchesAreTakenAsOkTakesThem) {
    session().machine.ImperialDisplay = true;
    EXPECT_EQ(Show({4, {"1", "0.5"}, {0}, {}, 0, false, ""}), "25.400 x 12.700 at 0");
}

TEST_F(DialogOutlineTest, SpecialToolWithoutDrawingIsATwelveMillimetreBox) {
    session().cmd.SpecialName = "CORNER NOTCH 12";
    EXPECT_EQ(Show({14, {"CORNER NOTCH 12"}, {0}, {}, 0, false, ""}),
              "12.000 x 12.000 at 0 'CORNER NOTCH 12'");
}

}  // namespace
}  // namespace tooling::tools
