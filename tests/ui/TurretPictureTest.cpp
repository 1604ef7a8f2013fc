#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "core/Session.h"
#include "illustration/TurretLayout.h"
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
    std::string Buttons() const {
        std::string shown;
        for (const char* name : {"LayoutBttn", "LayoutSave", "LayoutReset", "LayoutCncl"}) {
            shown += Find<QPushButton>(*window, name)->isVisible() ? std::string(name) + " " : "";
        }
        return shown;
    }

    TurretPictureView* picture = nullptr;
};

// A click at a station's pixel selects its row. The bindings of layout mode: the buttons shown,
// a drag by the pointer's distance, the arrow keys, Enter for Save Layout and Esc for Cancel; the
// turret cannot be closed meanwhile.
TEST_F(TurretPictureTest, AClickSelectsLayoutDragsAndNudgesEnterSavesEscapeCancels) {
    QTest::mouseClick(picture, Qt::LeftButton, {}, StationPixel(24));
    EXPECT_EQ(Find<QTableWidget>(*window, "TurretList")->currentRow(), 23);
    const illustration::TurretLayout defaults = illustration::DefaultLayout(session().machine);
    Click("LayoutBttn");
    EXPECT_EQ(Buttons(), "LayoutSave LayoutReset LayoutCncl ");
    EXPECT_FALSE(Find<QPushButton>(*window, "TurretOk")->isEnabled());
    Drag(StationPixel(1), StationPixel(1) + QPoint(30, 0));
    QTest::keyClick(picture, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(picture, Qt::Key_Left);
    QTest::keyClick(picture, Qt::Key_Return);
    EXPECT_EQ(Buttons(), "LayoutBttn ");
    const illustration::TurretLayout saved = *illustration::ParseLayout(
        test::ReadFile(illustration::LayoutPath(session())), session().machine);
    EXPECT_NEAR(saved[0].x, defaults[0].x + 30 / picture->placement().m11() - 1, 0.01);
    EXPECT_NEAR(saved[0].y, defaults[0].y + 10, 0.01);
    EXPECT_EQ(illustration::LayoutBytes({saved.begin() + 1, saved.end()}),
              illustration::LayoutBytes({defaults.begin() + 1, defaults.end()}));

    Click("LayoutBttn");
    Drag(StationPixel(2), StationPixel(2) + QPoint(0, 30));
    QTest::keyClick(picture, Qt::Key_Escape);
    EXPECT_EQ(Buttons(), "LayoutBttn ");
    EXPECT_EQ(test::ReadFile(illustration::LayoutPath(session())),
              illustration::LayoutBytes(saved));
}

// The tick box reaches the pages: Print builds them as Preview does.
TEST_F(TurretPictureTest, WithIllustrationAddsTheDrawingPage) {
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
}

}  // namespace
}  // namespace tooling::ui
