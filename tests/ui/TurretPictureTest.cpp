#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "core/Session.h"
#include "illustration/TurretLayout.h"
#include "tests/support/RecordingPage.h"
#include "tests/support/TempDir.h"
#include "tests/ui/Screen.h"
#include "ui/TurretPictureView.h"

namespace tooling::ui {
namespace {

using test::Find;

// The turret editor of a new turret "Front" on the fixture's metric machine, with its picture
// painted.
class TurretPictureTest : public ::testing::Test, public test::MainWindowFixture {
  protected:
    TurretPictureTest() {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        Action("TurretItem1")->trigger();
        auto* name = Find<QLineEdit>(*window, "NameBox");
        QTest::keyClicks(name, "Front");
        QTest::keyClick(name, Qt::Key_Return);
        picture = Find<TurretPictureView>(*window, "TurretPicture");
        picture->repaint();
    }

    // The pixel of a station's centre on the default layout.
    QPoint StationPixel(int station) {
        const illustration::StationSpot spot =
            illustration::DefaultLayout(session().machine)[static_cast<std::size_t>(station - 1)];
        return picture->placement().map(QPointF(spot.x, spot.y)).toPoint();
    }
    void Click(const char* button) { Find<QPushButton>(*window, button)->click(); }
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(picture, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), picture->mapToGlobal(QPointF(to)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
        QTest::mouseRelease(picture, Qt::LeftButton, {}, to);
    }
    illustration::TurretLayout Saved() {
        const std::string path = illustration::LayoutPath(session());
        return *illustration::ParseLayout(test::ReadFile(path), session().machine);
    }
    std::string Buttons() const {
        std::string shown;
        for (const char* name : {"LayoutBttn", "LayoutSave", "LayoutReset", "LayoutCncl"}) {
            shown += Find<QPushButton>(*window, name)->isVisible() ? std::string(name) + " " : "";
        }
        return shown;
    }

    TurretPictureView* picture = nullptr;
};

TEST_F(TurretPictureTest, AClickOnAStationSelectsItsRowAndScrollsTheListsToIt) {
    auto* table = Find<QTableWidget>(*window, "TurretList");
    QTest::mouseClick(picture, Qt::LeftButton, {}, StationPixel(24));
    EXPECT_EQ(table->currentRow(), 23);
    EXPECT_EQ(table->verticalScrollBar()->value(), 24 - 19);
    // Away from every station nothing changes.
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(table->currentRow(), 23);
}

TEST_F(TurretPictureTest, LayoutDragsAndNudgesStationsThenSavesResetsOrCancels) {
    const std::string path = illustration::LayoutPath(session());
    const illustration::TurretLayout defaults = illustration::DefaultLayout(session().machine);
    EXPECT_EQ(Buttons(), "LayoutBttn ");
    // Outside layout mode a drag moves nothing.
    Drag(StationPixel(1), StationPixel(1) + QPoint(30, 0));
    Click("LayoutBttn");
    EXPECT_EQ(Buttons(), "LayoutSave LayoutReset LayoutCncl ");
    EXPECT_FALSE(Find<QPushButton>(*window, "TurretOk")->isEnabled());
    Drag(StationPixel(1), StationPixel(1) + QPoint(30, 0));
    QTest::keyClick(picture, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(picture, Qt::Key_Left);
    QTest::keyClick(picture, Qt::Key_Return);  // Save Layout
    EXPECT_EQ(Buttons(), "LayoutBttn ");
    illustration::TurretLayout moved = defaults;
    moved[0].x += 30 / picture->placement().m11() - 1;
    moved[0].y += 10;
    const illustration::TurretLayout saved = Saved();
    EXPECT_NEAR(saved[0].x, moved[0].x, 0.01);
    EXPECT_NEAR(saved[0].y, moved[0].y, 0.01);
    EXPECT_EQ(illustration::LayoutBytes({saved.begin() + 1, saved.end()}),
              illustration::LayoutBytes({defaults.begin() + 1, defaults.end()}));

    // Cancel drops the default layout chosen; saved, it replaces the moves.
    const std::string withMoves = test::ReadFile(path);
    Click("LayoutBttn");
    Click("LayoutReset");
    QTest::keyClick(picture, Qt::Key_Escape);  // Cancel
    EXPECT_EQ(Buttons(), "LayoutBttn ");
    EXPECT_EQ(test::ReadFile(path), withMoves);
    Click("LayoutBttn");
    Click("LayoutReset");
    Click("LayoutSave");
    EXPECT_EQ(test::ReadFile(path), illustration::LayoutBytes(defaults));
}

TEST_F(TurretPictureTest, WithIllustrationAddsTheDrawingPageToPreviewAndPrint) {
    Click("TurretOk");
    Action("TurretItem5")->trigger();
    const auto previewPages = [&] {
        int pages = 0;
        test::WithModal(
            [&](QWidget& preview) {
                pages = preview.findChild<QPrintPreviewWidget*>()->pageCount();
            },
            [&] { Click("PreviewBttn"); });
        return pages;
    };
    EXPECT_EQ(previewPages(), 1);
    Find<QCheckBox>(*window, "IllustrationCheck")->setChecked(true);
    EXPECT_EQ(previewPages(), 2);
    Click("ListOk");
    const auto& ops = static_cast<test::RecordingPage&>(session().os.printer).ops;
    EXPECT_EQ(std::count(ops.begin(), ops.end(), "newpage"), 1);
    EXPECT_EQ(std::count_if(ops.begin(), ops.end(),
                            [](const std::string& op) { return op.starts_with("drawing:"); }),
              1);
}

}  // namespace
}  // namespace tooling::ui
