#include "ui/ExternalFormDialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/Session.h"
#include "library/ToolRec.h"
#include "platform/FileSystem.h"
#include "tests/ui/Screen.h"

namespace tooling::ui {
namespace {

using test::FixtureInstallation;

// The metric machine's library "Shop" with the special tools "FLANGE" and "VENT", both with
// their drawings, and the folders "Out/Disc1" and "Out/Disc2" to export to.
void WriteSpecials(FixtureInstallation& f) {
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
    f.Write("Data/Tools/Metric/Shop.S", specials);
    f.Write("Data/Tools/Metric/Shop.lkp", "FLANGE,3\r\nVENT,5\r\n******\r\n");
    f.Write("Data/Tools/Metric/Shop.3", "drawing 3");
    f.Write("Data/Tools/Metric/Shop.5", "drawing 5");
    f.Write("Out/Disc1/keep", "");
    f.Write("Out/Disc2/keep", "");
}

TEST(ExternalFormDialogTest, ExportsTheChosenToolsToTheFolderBrowsedTo) {
    test::MainWindowFixture main(FixtureInstallation::kMetric, WriteSpecials);
    test::Transcript seen(main.fixture.Root());
    main.session().inst.ProgramDrive = main.fixture.Path("Out/");
    // The dialog but for its drive list, which shows this machine's drives.
    const auto shown = [](QWidget& dialog) {
        std::string text = dialog.windowTitle().toStdString();
        for (const char* name : {"ExportLabel1", "ExportFileList", "ExportLabel2",
                                 "ExportFolderPath", "ExportFolderList"}) {
            text += " | " + test::Shown(*test::Find<QWidget>(dialog, name));
        }
        return text + " | focus " + dialog.focusWidget()->objectName().toStdString();
    };
    test::WithModal(
        [&](QWidget& dialog) {
            seen << shown(dialog);
            EXPECT_EQ(test::Find<QComboBox>(dialog, "ExportDriveList")->currentText().toStdString(),
                      main.session().os.fs.VolumeOf(main.fixture.Path("Out/")));
            auto* folders = test::Find<QListWidget>(dialog, "ExportFolderList");
            folders->setCurrentRow(2);
            QTest::keyClick(folders, Qt::Key_Return);
            seen << shown(dialog);
            auto* tools = test::Find<QListWidget>(dialog, "ExportFileList");
            tools->item(0)->setSelected(true);
            tools->item(1)->setSelected(true);
            main.fixture.ui().answers = {true};
            test::Find<QPushButton>(dialog, "ExportOk")->click();
            seen << (dialog.isVisible() ? "open" : "closed");
        },
        [&] { main.Action("ExportItem")->trigger(); });
    seen << main.fixture.ui().events << main.fixture.Read("Out/Disc2/FLANGE")
         << main.fixture.Read("Out/Disc2/VENT") << main.fixture.Read("Data/Data/Metric.xtl")
         << main.session().inst.ProgramDrive << main.MenusAndStatus();
}

}  // namespace
}  // namespace tooling::ui
