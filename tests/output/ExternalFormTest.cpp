#include "output/ExternalForm.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/output/ExportFixture.h"
#include "tests/support/NativeFileSystem.h"

namespace tooling::output {
namespace {

using Events = std::vector<std::string>;

class ExternalFormTest : public ::testing::Test, public test::ExportFixture {
  protected:
    ExternalFormTest() { session.inst.ProgramDrive = fs.VolumeOf(session.inst.ProgramDir); }

    ExternalForm& Open() {
        form.Form_Load();
        form.Form_GotFocus();
        return form;
    }
    // Selects the lines of the tool list and presses Ok.
    void Export(const std::vector<std::size_t>& lines) {
        for (const std::size_t line : lines) {
            form.selected[line] = true;
        }
        form.ExportOk_Click();
    }

    ExternalForm form{session};
};

TEST_F(ExternalFormTest, ListsTheExportableToolsAndOpensOnTheLastFolder) {
    Open();
    EXPECT_EQ(form.caption, "Export Special Tool Drawings");
    EXPECT_EQ(form.labels, (std::array<std::string, 2>{"Export Special Tools", "To"}));
    EXPECT_EQ(form.fileList, (std::vector<std::string>{"A/B", "FLANGE", "VENT"}));
    EXPECT_EQ(form.ExportNums(), (std::vector<std::int16_t>{6, 3, 5}));
    EXPECT_EQ(form.selected, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(form.folder, fs.VolumeOf(dir.path()));
    EXPECT_EQ(form.drive, form.folder);
    EXPECT_TRUE(form.okDefault && form.framesVisible);
    EXPECT_EQ(form.focus, ExternalForm::Focus::FileList);
    form.ExportFileList_LostFocus();
    EXPECT_FALSE(form.okDefault);
    form.ExportFileList_GotFocus();
    EXPECT_TRUE(form.okDefault);

    const std::string volume = fs.VolumeOf(dir.path());
    const std::tuple<std::string, std::string, std::string> rows[] = {
        // The last destination, a medium taken out since, a folder removed since.
        {Out(""), Out(""), volume},
        {test::UnreadyDrive(), volume, volume},
        {dir.path() + test::Native("Gone/"), volume, volume},
    };
    for (const auto& [last, folder, drive] : rows) {
        session.inst.ProgramDrive = last;
        Open();
        EXPECT_EQ(form.folder, folder) << last;
        EXPECT_EQ(form.drive, drive) << last;
        EXPECT_EQ(session.inst.ProgramDrive, folder) << last;
    }
}

TEST_F(ExternalFormTest, AsksBeforeCopyingAndRecordsTheFolderWhateverTheAnswer) {
    struct Row {
        std::vector<std::size_t> lines;
        bool yes;
        std::string question;
        std::string report;
        std::vector<std::string> copied;
    };
    const std::string to = "\nTo \"" + Out("") + "\" ?";
    const Row rows[] = {
        {{1}, true, "Export \"FLANGE\"" + to, "message:1 Tool Exported !", {"FLANGE"}},
        {{1, 2}, true, "Export 2 Tools" + to, "message:2 Tools Exported !", {"FLANGE", "VENT"}},
        {{0, 1, 2}, false, "Export 3 Tools" + to, "", {}},
        {{2}, false, "Export \"VENT\"" + to, "", {}},
    };
    for (const Row& row : rows) {
        for (const std::string name : {"FLANGE", "VENT"}) {
            std::filesystem::remove(test::PathOf(Out(name)));
        }
        std::filesystem::remove(test::PathOf(session.machine.MachineDataPrefix + "xtl"));
        session.inst.ProgramDrive = dir.path();
        ui.events.clear();
        ui.answers = {row.yes};
        Open();
        // The folder list's text without its final separator.
        form.folder = Out("").substr(0, Out("").size() - 1);
        Export(row.lines);
        Events events{"ask:" + row.question};
        if (!row.report.empty()) {
            events.push_back(row.report);
        }
        SCOPED_TRACE(row.question);
        EXPECT_EQ(ui.events, events);
        EXPECT_EQ(session.cmd.MsgAnswer, row.yes ? core::kAnswerYes : core::kAnswerNo);
        for (const std::string name : {"FLANGE", "VENT"}) {
            const bool copied =
                std::find(row.copied.begin(), row.copied.end(), name) != row.copied.end();
            EXPECT_EQ(test::FileExists(Out(name)), copied) << name;
        }
        EXPECT_TRUE(form.closed);
        EXPECT_EQ(Record(), Out("") + "\r\n******\r\n");
        EXPECT_EQ(session.inst.ProgramDrive, Out(""));
        // The next opening starts there.
        EXPECT_EQ(Open().folder, Out(""));
    }
}

TEST_F(ExternalFormTest, RefusesWithNothingSelectedOrNoDiscAndStaysOpen) {
    Open();
    form.ExportOk_Click();
    EXPECT_EQ(ui.events, (Events{"beep", "message:No Tools Selected !"}));
    EXPECT_EQ(form.focus, ExternalForm::Focus::FileList);
    EXPECT_FALSE(form.closed);

    // Not ready, and still not after the message.
    ui.events.clear();
    ui.answers = {true};
    form.folder = Out("");
    fs.unreadyTests = 2;
    Export({1});
    EXPECT_EQ(ui.events, (Events{"ask:Export \"FLANGE\"\nTo \"" + Out("") + "\" ?", "beep",
                                 "message:Disc Not Ready !"}));
    EXPECT_EQ(form.focus, ExternalForm::Focus::DriveList);
    EXPECT_FALSE(form.closed);
    EXPECT_FALSE(test::FileExists(Out("FLANGE")));
    EXPECT_FALSE(test::FileExists(session.machine.MachineDataPrefix + "xtl"));

    // The disc went in while the message was up.
    ui.events.clear();
    ui.answers = {true};
    fs.unreadyTests = 1;
    form.ExportOk_Click();
    EXPECT_EQ(ui.events, (Events{"ask:Export \"FLANGE\"\nTo \"" + Out("") + "\" ?", "beep",
                                 "message:Disc Not Ready !", "message:1 Tool Exported !"}));
    EXPECT_TRUE(form.closed);
    EXPECT_EQ(test::ReadFile(Out("FLANGE")), "drawing 3");
}

TEST_F(ExternalFormTest, ADriveThatIsNotReadyPutsTheListsBack) {
    Open();
    form.folder = Out("");
    form.drive = test::UnreadyDrive();
    form.ExportDriveList_Change();
    EXPECT_EQ(ui.events, (Events{"beep", "message:Drive Not Ready !"}));
    EXPECT_EQ(form.folder, Out(""));
    EXPECT_EQ(form.drive, fs.VolumeOf(Out("")));

    ui.events.clear();
    form.drive = fs.VolumeOf(Out(""));
    form.ExportDriveList_Change();
    EXPECT_EQ(ui.events, Events{});
    EXPECT_EQ(form.folder, form.drive);

    // Setting the lists up from code is no change of the user's.
    session.cmd.SyncBusy = true;
    form.drive = test::UnreadyDrive();
    form.ExportDriveList_Change();
    EXPECT_EQ(ui.events, Events{});
    session.cmd.SyncBusy = false;
}

TEST_F(ExternalFormTest, CancelClosesWithoutCopyingOrRecording) {
    Open();
    form.selected[1] = true;
    form.ExportCancel_Click();
    EXPECT_TRUE(form.closed);
    EXPECT_EQ(ui.events, Events{});
    EXPECT_FALSE(test::FileExists(Out("FLANGE")));
    EXPECT_FALSE(test::FileExists(session.machine.MachineDataPrefix + "xtl"));
}

}  // namespace
}  // namespace tooling::output
