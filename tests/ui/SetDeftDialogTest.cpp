#include "ui/SetDeftDialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/Session.h"
#include "library/DefaultTools.h"
#include "library/ToolFile.h"
#include "tests/support/FixtureInstallation.h"
#include "ui/ToolLibrary.h"

namespace tooling::ui {
namespace {

using Events = std::vector<std::string>;

library::ToolRec Tool(char shape, float length, float width, library::ToolStation second,
                      float angle) {
    library::ToolRec rec;
    rec.Shape = shape;
    rec.Descr = library::PaddedDescr(shape == 'B' ? "Square" : "Rectangle");
    rec.Dims = {length, width, 0, 0};
    rec.Stns[0] = {1, 10};
    rec.Stns[1] = second;
    rec.Angles[0] = angle;
    rec.SettingsNo = 1;
    return rec;
}

// The metric machine's library "Shop" with two Squares (one also in the index station type 5)
// and a Rectangle loaded at 90 degrees.
class SetDeftDialogTest : public ::testing::Test {
  protected:
    SetDeftDialogTest() {
        fixture.Write("Data/Tools/Metric/Shop.lkp", "******\r\n");
        fixture.Write("Data/Tools/Metric/Shop.B",
                      library::ToolRecBytes(Tool('B', 10, 10, {}, 0)) +
                          library::ToolRecBytes(Tool('B', 20, 20, {5, 20}, 0)));
        fixture.Write("Data/Tools/Metric/Shop.D", library::ToolRecBytes(Tool('D', 30, 5, {}, 90)));
        window = std::make_unique<ToolLibrary>(fixture.session());
        EXPECT_EQ(window->Form_Load(), core::StartOutcome::Ready);
    }
    core::Session& session() { return fixture.session(); }

    // Opens a Default Tools entry and runs `act` on the dialog once it is up.
    void Open(const char* item, const std::function<void(QDialog*)>& act) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        window->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }
    // The dialog as the user sees it: its title, then each visible prompt and list with "*"
    // after the selected line.
    static std::string Shown(QDialog* dialog) {
        QStringList parts{dialog->windowTitle()};
        for (int i = 1; i <= 3; ++i) {
            const auto* prompt = dialog->findChild<QLabel*>(QStringLiteral("Prompt%1").arg(i));
            if (prompt->isVisible()) {
                parts << prompt->text();
            }
        }
        for (const char* name : {"ShapeList", "SizeList", "StnList"}) {
            const auto* list = dialog->findChild<QComboBox*>(QString::fromLatin1(name));
            QStringList lines;
            for (int i = 0; i < list->count(); ++i) {
                lines << list->itemText(i) + (i == list->currentIndex() ? "*" : "");
            }
            if (list->isVisible()) {
                parts << "[" + lines.join(",") + "]";
            }
        }
        return parts.join(" ").toStdString();
    }
    static void Choose(QDialog* dialog, const char* list, int line) {
        dialog->findChild<QComboBox*>(QString::fromLatin1(list))->setCurrentIndex(line);
    }
    static void Ok(QDialog* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("InptOk"))->click();
    }
    std::string Marks() const {
        QStringList marks;
        for (int k = 1; k <= 4; ++k) {
            if (window->findChild<QAction*>(QStringLiteral("DefaultTool%1").arg(k))->isChecked()) {
                marks << QStringLiteral("DefaultTool%1").arg(k);
            }
        }
        return marks.join(" ").toStdString();
    }

    test::FixtureInstallation fixture;
    std::unique_ptr<ToolLibrary> window;
};

TEST_F(SetDeftDialogTest, TheDefaultToolsMenuOpensTheDialogAndItsMarksFollow) {
    std::vector<std::string> seen;
    Open("DefaultTool2", [&](QDialog* dialog) {
        seen.push_back(Shown(dialog));
        seen.push_back(window->findChild<QAction*>(QStringLiteral("ExitLibrary"))->isEnabled()
                           ? "menus on"
                           : "menus off");
        Ok(dialog);
    });
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "Y Shearing Tool Tool Shape : Tool Size : Station : [Square,Rectangle*] "
                        "[30x5*] [A Station]",
                        "menus off"}));
    EXPECT_EQ(Marks(), "DefaultTool2");
    EXPECT_EQ(library::ReadToolFile(session(), 'D')[0].DefMark, 2);
    EXPECT_EQ(session().lib.DefaultTools[1].angle, 90.0F);

    seen.clear();
    Open("DefaultTool1", [&](QDialog* dialog) {
        Choose(dialog, "ShapeList", 0);
        seen.push_back(Shown(dialog));
        Ok(dialog);
        Choose(dialog, "SizeList", 1);
        seen.push_back(Shown(dialog));
        Ok(dialog);
        Choose(dialog, "StnList", 1);
        Ok(dialog);
        seen.push_back(dialog->isVisible() ? "open" : "closed");
    });
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "X Shearing Tool Tool Shape : Tool Size : [Square*,Rectangle] [10,20]",
                        "X Shearing Tool Tool Shape : Tool Size : Station : [Square*,Rectangle] "
                        "[10,20*] [A Station,B Auto Index]",
                        "closed"}));
    EXPECT_EQ(fixture.ui().events, (Events{"beep", "message:Tool Size Must Be Selected !", "beep",
                                           "message:Station Type Must Be Selected !"}));
    EXPECT_EQ(Marks(), "DefaultTool1 DefaultTool2");
    EXPECT_EQ(session().lib.DefaultTools[0].stnType, 5);
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("ExitLibrary"))->isEnabled());

    // Cancel writes nothing.
    const std::string defaults = fixture.Read("Data/Tools/Metric/Shop.dft");
    Open("DefaultTool3", [](QDialog* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("InptCncl"))->click();
    });
    EXPECT_EQ(fixture.Read("Data/Tools/Metric/Shop.dft"), defaults);
    EXPECT_EQ(Marks(), "DefaultTool1 DefaultTool2");
}

}  // namespace
}  // namespace tooling::ui
