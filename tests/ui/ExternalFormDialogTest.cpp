#include "ui/ExternalFormDialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/Session.h"
#include "library/ToolRec.h"
#include "platform/FileSystem.h"
#include "tests/support/FixtureInstallation.h"
#include "ui/ToolLibrary.h"

namespace tooling::ui {
namespace {

using Events = std::vector<std::string>;

// The metric machine's library "Shop" with the special tools "FLANGE" and "VENT", both with
// their drawings, and the folders "Out/Disc1" and "Out/Disc2" to export to.
class ExternalFormDialogTest : public ::testing::Test {
  protected:
    ExternalFormDialogTest() {
        std::string specials;
        for (const char* name : {"FLANGE", "VENT"}) {
            library::ToolRec rec;
            rec.Shape = 'S';
            rec.Descr = library::PaddedDescr(name);
            rec.Dims = {20, 20, 0, 0};
            rec.Stns[0] = {1, 10};
            rec.SettingsNo = 1;
            specials += library::ToolRecBytes(rec);
        }
        fixture.Write("Data/Tools/Metric/Shop.S", specials);
        fixture.Write("Data/Tools/Metric/Shop.lkp", "FLANGE,3\r\nVENT,5\r\n******\r\n");
        fixture.Write("Data/Tools/Metric/Shop.3", "drawing 3");
        fixture.Write("Data/Tools/Metric/Shop.5", "drawing 5");
        fixture.Write("Out/Disc1/keep", "");
        fixture.Write("Out/Disc2/keep", "");
        window = std::make_unique<ToolLibrary>(fixture.session());
        EXPECT_EQ(window->Form_Load(), core::StartOutcome::Ready);
        session().inst.ProgramDrive = fixture.Path("Out/");
    }
    core::Session& session() { return fixture.session(); }
    template <typename Widget>
    static Widget* Find(QDialog* dialog, const char* name) {
        return dialog->findChild<Widget*>(QString::fromLatin1(name));
    }
    static QString Lines(const QListWidget* list) {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i) {
            lines << list->item(i)->text() + (list->item(i)->isSelected() ? "*" : "");
        }
        return lines.join(",");
    }

    test::FixtureInstallation fixture;
    std::unique_ptr<ToolLibrary> window;
};

TEST_F(ExternalFormDialogTest, ExportsTheChosenToolsToTheFolderBrowsedTo) {
    std::vector<std::string> seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* tools = Find<QListWidget>(dialog, "ExportFileList");
        auto* folders = Find<QListWidget>(dialog, "ExportFolderList");
        seen.push_back((dialog->windowTitle() + " | " +
                        Find<QLabel>(dialog, "ExportLabel1")->text() + " " + Lines(tools) + " | " +
                        Find<QLabel>(dialog, "ExportLabel2")->text() + " " + Lines(folders))
                           .toStdString());
        seen.push_back(Find<QComboBox>(dialog, "ExportDriveList")->currentText().toStdString());
        seen.push_back(dialog->focusWidget() == tools ? "focus on the tools" : "elsewhere");
        folders->setCurrentRow(2);
        QTest::keyClick(folders, Qt::Key_Return);
        seen.push_back(Find<QLabel>(dialog, "ExportFolderPath")->text().toStdString() + " " +
                       Lines(folders).toStdString());
        tools->item(0)->setSelected(true);
        tools->item(1)->setSelected(true);
        fixture.ui().answers = {true};
        Find<QPushButton>(dialog, "ExportOk")->click();
        seen.push_back(dialog->isVisible() ? "open" : "closed");
    });
    window->findChild<QAction*>(QStringLiteral("ExportItem"))->trigger();
    const std::string disc2 = fixture.Path("Out/Disc2/");
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "Export Special Tool Drawings | Export Special Tools FLANGE,VENT | To "
                        "..,Disc1,Disc2",
                        session().os.fs.VolumeOf(fixture.Path("Out/")), "focus on the tools",
                        disc2 + " ..", "closed"}));
    EXPECT_EQ(fixture.ui().events,
              (Events{"ask:Export 2 Tools\nTo \"" + disc2 + "\" ?", "message:2 Tools Exported !"}));
    EXPECT_EQ(fixture.Read("Out/Disc2/FLANGE"), "drawing 3");
    EXPECT_EQ(fixture.Read("Out/Disc2/VENT"), "drawing 5");
    EXPECT_EQ(fixture.Read("Data/Data/Metric.xtl"), disc2 + "\r\n******\r\n");
    EXPECT_EQ(session().inst.ProgramDrive, disc2);
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("ExitLibrary"))->isEnabled());
}

}  // namespace
}  // namespace tooling::ui
