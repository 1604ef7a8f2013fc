#include "output/ExternalForm.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/output/OutputFixture.h"

namespace tooling::output {
namespace {

class ExternalFormTest : public ::testing::Test, public test::ExportFixture {
  protected:
    ExternalFormTest() { session.inst.ProgramDrive = fs.VolumeOf(session.inst.ProgramDir); }

    void Open() {
        form.Form_Load();
        form.Form_GotFocus();
    }
    // What the form shows, then the outcome, under `title`.
    void Step(const std::string& title) {
        std::string shown = form.caption + ", " + form.labels[0] + " / " + form.labels[1] + ":";
        for (std::size_t i = 0; i < form.fileList.size(); ++i) {
            shown += " " + form.fileList[i] + "=" + std::to_string(form.ExportNums()[i]) +
                     (form.selected[i] ? "*" : "");
        }
        shown += "\nfolder " + Portable(form.folder) + ", drive " + Portable(form.drive) +
                 ", focus " + std::to_string(static_cast<int>(form.focus)) +
                 (form.okDefault ? ", Ok default" : "") + (form.framesVisible ? ", shown" : "") +
                 (form.closed ? ", closed" : "") + ", answer " +
                 std::to_string(session.cmd.MsgAnswer) + "\n";
        log += Outcome(title) + shown;
    }
    // Selects the lines of the tool list and presses Ok.
    void Export(const std::vector<std::size_t>& lines) {
        for (const std::size_t line : lines) {
            form.selected[line] = true;
        }
        form.ExportOk_Click();
    }

    std::string log;
    ExternalForm form{session};
};

TEST_F(ExternalFormTest, ListsCopiesAfterAskingRecordsTheFolderAndRefuses) {
    Open();
    Step("opened");
    form.ExportFileList_LostFocus();
    Step("the list loses the focus");
    form.ExportFileList_GotFocus();
    Step("the list gets the focus");
    const std::pair<std::string, const char*> lastFolders[] = {
        {Out(""), "the last destination"},
        {test::UnreadyDrive(), "a medium taken out since"},
        {dir.path() + test::Native("Gone/"), "a folder removed since"}};
    for (const auto& [last, title] : lastFolders) {
        session.inst.ProgramDrive = last;
        Open();
        Step(std::string("opened on ") + title);
    }
    session.inst.ProgramDrive = fs.VolumeOf(session.inst.ProgramDir);
    Open();
    form.selected[1] = true;
    form.ExportCancel_Click();
    Step("FLANGE selected, Cancel");
    Open();
    form.folder = Out("");
    form.drive = test::UnreadyDrive();
    form.ExportDriveList_Change();
    Step("a drive that is not ready");
    form.drive = fs.VolumeOf(Out(""));
    form.ExportDriveList_Change();
    Step("the volume's drive");
    // Setting the lists up from code is no change of the user's.
    session.cmd.SyncBusy = true;
    form.drive = test::UnreadyDrive();
    form.ExportDriveList_Change();
    Step("a drive that is not ready, set from code");
    session.cmd.SyncBusy = false;
    Open();
    form.ExportOk_Click();
    Step("nothing selected, Ok");
    ui.answers = {true};
    form.folder = Out("");
    fs.unreadyTests = 2;
    Export({1});
    Step("FLANGE, Yes, the disc not ready, and still not after the message");
    ui.answers = {true};
    fs.unreadyTests = 1;
    form.ExportOk_Click();
    Step("Ok again, the disc put in while the message was up");
    const std::pair<std::vector<std::size_t>, bool> rows[] = {
        {{1}, true}, {{1, 2}, true}, {{0, 1, 2}, false}, {{2}, false}};
    for (const auto& [lines, yes] : rows) {
        for (const std::string name : {"FLANGE", "VENT"}) {
            std::filesystem::remove(test::PathOf(Out(name)));
        }
        std::filesystem::remove(test::PathOf(session.machine.MachineDataPrefix + "xtl"));
        session.inst.ProgramDrive = dir.path();
        ui.answers = {yes};
        Open();
        // The folder list's text without its final separator.
        form.folder = Out("").substr(0, Out("").size() - 1);
        Export(lines);
        Step(std::to_string(lines.size()) + " lines from " + std::to_string(lines[0]) +
             (yes ? ", Yes" : ", No"));
        Open();
        Step("opened again");
    }
    test::ExpectTranscript(log);
}

}  // namespace
}  // namespace tooling::output
