#include "tools/DialogOutline.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/Session.h"
#include "library/LibrarySetUp.h"
#include "tests/support/DataRows.h"
#include "tests/support/FixtureInstallation.h"
#include "tools/ToolDialog.h"

namespace tooling::tools {
namespace {

using test::FixtureInstallation;
using Texts = std::vector<std::string>;

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

    // Fills a tool dialog: the dimension boxes, the station lines selected, the angle boxes typed
    // over the ones the station click proposes (none: those stay); what its picture shows.
    std::string Show(std::int16_t shapeNo, const Texts& boxes, const std::vector<double>& lines,
                     const Texts& angles = {}, int angleBox = 0, bool keyRound = false) {
        session().win.CurShapeNo = shapeNo;
        session().cmd.EditRecNo = 0;
        ToolDialog dialog(session());
        dialog.Form_Load();
        dialog.boxTexts = boxes;
        dialog.keyRoundChecked = keyRound;
        dialog.stnSelected.assign(dialog.stnLines.size(), false);
        for (const double line : lines) {
            dialog.stnSelected.at(static_cast<std::size_t>(line)) = true;
        }
        dialog.StnList_Click();
        if (!angles.empty()) {
            for (std::size_t i = 0; i < dialog.angTexts.size(); ++i) {
                dialog.angTexts[i] = i < angles.size() ? angles[i] : "";
            }
        }
        return Shown(OutlineOfDialog(session(), dialog, angleBox));
    }

    FixtureInstallation fixture{FixtureInstallation::kMetric};
};

TEST_F(DialogOutlineTest, PictureFollowsWhatOkWouldStore) {
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "dialog-outlines.txt")) {
        const std::string& angles = row.fields.at(3);
        EXPECT_EQ(Show(static_cast<std::int16_t>(std::stoi(row.fields[0])),
                       test::Split(row.fields.at(1), ';'), test::NumbersOf(row.fields.at(2)),
                       angles.empty() ? Texts{} : test::Split(angles, ';'),
                       std::stoi(row.fields.at(4)), row.fields.at(5) == "round"),
                  row.fields.at(6))
            << "line " << row.line;
    }
}

TEST_F(DialogOutlineTest, InchesAreTakenAsOkTakesThem) {
    session().machine.ImperialDisplay = true;
    EXPECT_EQ(Show(4, {"1", "0.5"}, {0}), "25.400 x 12.700 at 0");
}

TEST_F(DialogOutlineTest, SpecialToolWithoutDrawingIsATwelveMillimetreBox) {
    session().cmd.SpecialName = "CORNER NOTCH 12";
    EXPECT_EQ(Show(14, {"CORNER NOTCH 12"}, {0}), "12.000 x 12.000 at 0 'CORNER NOTCH 12'");
}

}  // namespace
}  // namespace tooling::tools
