#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "core/Session.h"
#include "library/LibrarySetUp.h"
#include "tests/support/FixtureInstallation.h"
#include "ui/OutlineView.h"
#include "ui/ToolDialogForm.h"

namespace tooling::ui {
namespace {

using test::FixtureInstallation;

// What the picture beside the boxes shows: "none", or the outline's size, then the caption and
// the note.
std::string Picture(const OutlineView& view) {
    QString text = QStringLiteral("none");
    if (view.outline()) {
        text = QString::number(view.outline()->extents.Width()) + " x " +
               QString::number(view.outline()->extents.Height());
    }
    for (const QString& part : {view.caption(), view.note()}) {
        if (!part.isEmpty()) {
            text += " | " + part;
        }
    }
    return text.toStdString();
}

TEST(ToolDialogOutlineTest, OutlineFollowsTheTypedBoxes) {
    FixtureInstallation fixture(FixtureInstallation::kMetric);
    ASSERT_EQ(library::StartSession(fixture.session()), core::StartOutcome::Ready);
    fixture.session().win.CurShapeNo = 4;  // Rectangle
    ToolDialogForm form(fixture.session());
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const auto* view = form.findChild<OutlineView*>(QStringLiteral("Outline"));
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->isVisible());
    auto* length = form.findChild<QLineEdit*>(QStringLiteral("DimBox1"));
    auto* width = form.findChild<QLineEdit*>(QStringLiteral("DimBox2"));
    auto* stations = form.findChild<QListWidget*>(QStringLiteral("StnList"));

    EXPECT_EQ(Picture(*view), "none");
    QTest::keyClicks(length, "20");
    EXPECT_EQ(Picture(*view), "none");
    QTest::keyClicks(width, "(5");
    EXPECT_EQ(Picture(*view), "none");
    QTest::keyClicks(width, "*2");
    EXPECT_EQ(Picture(*view), "none");
    QTest::keyClicks(width, ")");
    EXPECT_EQ(Picture(*view), "20 x 10 | 0\u00B0");
    QTest::keyClick(width, Qt::Key_Backspace);
    EXPECT_EQ(Picture(*view), "none");
    QTest::keyClicks(width, ")");
    EXPECT_EQ(Picture(*view), "20 x 10 | 0\u00B0");
    QTest::keyClicks(length, "0");  // 200 long: the tool file keeps no tool of 1000 or more
    EXPECT_EQ(Picture(*view), "200 x 10 | 0\u00B0");
    QTest::keyClicks(length, "0");
    EXPECT_EQ(Picture(*view), "none");
    QTest::keyClick(length, Qt::Key_Backspace);

    // A fixed station proposes 0 and 90; at the second box the tool sits at 90.
    QTest::mouseClick(stations->viewport(), Qt::LeftButton, {},
                      stations->visualItemRect(stations->item(0)).center());
    auto* second = form.findChild<QLineEdit*>(QStringLiteral("AngBox2"));
    second->setFocus();
    EXPECT_EQ(Picture(*view), "10 x 200 | 90\u00B0");
    QTest::mouseClick(stations->viewport(), Qt::LeftButton, {},
                      stations->visualItemRect(stations->item(4)).center());  // B Auto Index
    EXPECT_EQ(Picture(*view), "10 x 200 | 90\u00B0 | Index station: turns to any angle");
}

}  // namespace
}  // namespace tooling::ui
