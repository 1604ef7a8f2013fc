#include "ui/ToolDialogForm.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "core/Session.h"
#include "library/LibrarySetUp.h"
#include "library/ToolFile.h"
#include "tests/ui/Screen.h"
#include "ui/OutlineView.h"

namespace tooling::ui {
namespace {

using test::FixtureInstallation;

class ToolDialogFormTest : public ::testing::Test {
  protected:
    ToolDialogFormTest() {
        EXPECT_EQ(library::StartSession(session()), core::StartOutcome::Ready);
        session().cmd.AddAgain = true;
    }
    core::Session& session() { return fixture.session(); }

    // Opens the dialog of a shape as Add Tool does, shown and active.
    ToolDialogForm& Open(std::int16_t shapeNo) {
        session().win.CurShapeNo = shapeNo;
        form = std::make_unique<ToolDialogForm>(session());
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return *form;
    }
    template <typename Widget>
    Widget* Find(const char* name) {
        return test::Find<Widget>(*form, name);
    }
    void ClickStation(int row) { test::ClickRow(*Find<QListWidget>("StnList"), row); }
    static void Type(const char* keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    static void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    FixtureInstallation fixture{FixtureInstallation::kMetric};
    std::unique_ptr<ToolDialogForm> form;
    test::Transcript seen{fixture.Root()};
};

TEST_F(ToolDialogFormTest, KeywayShowsItsBoxesAndRefusesLetters) {
    Open(11);
    seen << form->objectName() << test::Shown(*form);
    Type("1a0,");
    seen << fixture.ui().events;
    Key(Qt::Key_Tab);
    Type("13");
    Key(Qt::Key_Tab);
    Type("6");
    Key(Qt::Key_Tab);
    Key(Qt::Key_Space);  // Rounded
    ClickStation(0);
    seen << test::Shown(*form);
}

TEST_F(ToolDialogFormTest, EnterAddsTheToolAndEscapeEndsTheLoop) {
    ToolDialogForm& d = Open(2);
    ClickStation(1);
    Find<QLineEdit>("DimBox1")->setFocus();
    Type("12.5");
    seen << test::Shown(d);
    Key(Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(session().cmd.AddAgain);
    const std::vector<library::ToolRec> tools = library::ReadToolFile(session(), 'B');
    ASSERT_EQ(tools.size(), 1U);
    EXPECT_EQ(tools[0].Dims, (std::array<float, 4>{12.5F, 12.5F, 0, 0}));
    EXPECT_EQ(tools[0].Stns[0], (library::ToolStation{2, 10}));

    // The next dialog of the loop, through the main window's entry: Escape cancels it.
    QTimer::singleShot(0,
                       [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_EQ(ShowToolDialog(session(), nullptr), QDialog::Rejected);
    EXPECT_FALSE(session().cmd.AddAgain);
    EXPECT_EQ(library::ReadToolFile(session(), 'B').size(), 1U);
    EXPECT_TRUE(fixture.ui().events.empty());
}

// The picture beside the boxes: "none", or the outline's size, then the caption and the note.
TEST_F(ToolDialogFormTest, RectanglesOutlineFollowsTheTypedBoxesAndTheStation) {
    Open(4);
    const auto* view = Find<OutlineView>("Outline");
    ASSERT_TRUE(view != nullptr && view->isVisible());
    const auto picture = [&] {
        QString text = QStringLiteral("none");
        if (view->outline()) {
            text = QString::number(view->outline()->extents.Width()) + " x " +
                   QString::number(view->outline()->extents.Height());
        }
        seen << QStringList{text, view->caption(), view->note()}.join(" | ");
    };
    // Each key in either box redraws it; the tool file keeps no tool of 1000 or more.
    const std::pair<const char*, const char*> typed[] = {
        {"DimBox1", "20"}, {"DimBox2", "(5"}, {"DimBox2", ")"},
        {"DimBox1", "00"}, {"DimBox1", "\b"},
    };
    picture();
    for (const auto& [box, keys] : typed) {
        QTest::keyClicks(Find<QLineEdit>(box), keys);
        picture();
    }
    // A fixed station proposes 0 and 90; at the second box the tool sits at 90.
    ClickStation(0);
    Find<QLineEdit>("AngBox2")->setFocus();
    picture();
    ClickStation(4);  // B Auto Index
    picture();
}

}  // namespace
}  // namespace tooling::ui
