#include "ui/ToolDialogForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/Session.h"
#include "library/LibrarySetUp.h"
#include "library/ToolFile.h"
#include "tests/support/FixtureInstallation.h"

namespace tooling::ui {
namespace {

using test::FixtureInstallation;
using Events = std::vector<std::string>;

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
    Widget* Find(const QString& name) {
        return form->findChild<Widget*>(name);
    }
    void ClickStation(int row) {
        auto* list = Find<QListWidget>(QStringLiteral("StnList"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    // What the user sees: the form's name and title, then the visible frames and controls in
    // creation order (frame titles, labels, box texts in quotes, "~" before a disabled box, list
    // entries with "*" after the selected ones, a tick box with [x] or [ ]), and the focus.
    std::string Shown() const {
        QStringList parts{form->objectName() + " " + form->windowTitle()};
        for (const QWidget* widget : form->findChildren<QWidget*>()) {
            QString part;
            if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
                part = "[" + frame->title() + "]";
            } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                part = label->text();
            } else if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
                part = (box->isEnabled() ? "'" : "~'") + box->text() + "'";
            } else if (const auto* tick = qobject_cast<const QCheckBox*>(widget)) {
                part = tick->text() + (tick->isChecked() ? "[x]" : "[ ]");
            } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
                QStringList entries;
                for (int i = 0; i < list->count(); ++i) {
                    entries << list->item(i)->text() + (list->item(i)->isSelected() ? "*" : "");
                }
                part = entries.join(",");
            }
            if (widget->isVisible() && !part.isEmpty()) {
                parts << part;
            }
        }
        parts << "focus " + QApplication::focusWidget()->objectName();
        return parts.join(" | ").toStdString();
    }

    FixtureInstallation fixture{FixtureInstallation::kMetric};
    std::unique_ptr<ToolDialogForm> form;
};

TEST_F(ToolDialogFormTest, KeywayShowsItsBoxesAndRefusesLetters) {
    Open(11);
    const std::string others =
        "B Station,C Station,D Station,B Auto Index,C Auto Index,Multi-Tool Station";
    EXPECT_EQ(Shown(),
              "ToolK Add Keyway | [Tool Dimensions] | Tool Diameter : | '' | Tool Height : | '' | "
              "Key Width : | '' | Rounded :  [ ] | [Stations] | A Station," +
                  others + " | [Angles] | ~'' | ~'' | ~'' | ~'' | ~'' | ~'' | focus DimBox1");

    QTest::keyClicks(QApplication::focusWidget(), "1a0,");
    EXPECT_EQ(fixture.ui().events, (Events{"beep", "beep"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "13");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "6");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // Rounded
    ClickStation(0);
    EXPECT_EQ(Shown(),
              "ToolK Add Keyway | [Tool Dimensions] | Tool Diameter : | '10' | Tool Height : | "
              "'13' | Key Width : | '6' | Rounded :  [x] | [Stations] | A Station*," +
                  others + " | [Angles] | '0' | '90' | '180' | '270' | '' | '' | focus StnList");
}

TEST_F(ToolDialogFormTest, EnterAddsTheToolAndEscapeEndsTheLoop) {
    ToolDialogForm& d = Open(2);
    ClickStation(1);
    Find<QLineEdit>(QStringLiteral("DimBox1"))->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "12.5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
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

}  // namespace
}  // namespace tooling::ui
