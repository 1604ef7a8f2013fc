#include "output/ExternalForm.h"

#include <algorithm>

#include "core/DriveReady.h"
#include "core/FileSteps.h"
#include "core/Session.h"
#include "core/Text.h"
#include "numeric/NumText.h"
#include "platform/FileError.h"

namespace tooling::output {

ExternalForm::ExternalForm(core::Session& session) : session_(session) {}

std::vector<std::int16_t> ExternalForm::ExportNums() const {
    std::vector<std::int16_t> numbers;
    for (const ExportEntry& entry : entries_) {
        numbers.push_back(entry.number);
    }
    return numbers;
}

std::string ExternalForm::DriveOf(const std::string& path) const {
    std::string volume = session_.os.fs.VolumeOf(path);
    return volume.empty() ? path : volume;
}

void ExternalForm::Form_Load() {
    const platform::FileSystem& fs = session_.os.fs;
    core::Installation& inst = session_.inst;
    closed = false;
    framesVisible = false;
    okDefault = false;
    focus = Focus::None;
    entries_.clear();
    // The last destination may be a medium taken out since, or a folder removed since.
    if (!core::DriveReady(fs, inst.ProgramDrive) ||
        !fs.Exists(inst.ProgramDrive, platform::ListFilter::FilesAndDirs)) {
        inst.ProgramDrive = fs.VolumeOf(inst.ProgramDir);
    }
    session_.cmd.SyncBusy = true;
    try {
        entries_ = ExportableTools(session_);
    } catch (const platform::FileError& error) {
        session_.os.ui.Refuse(error.what());
    }
    fileList.clear();
    for (const ExportEntry& entry : entries_) {
        fileList.push_back(entry.name);
    }
    selected.assign(fileList.size(), false);
    drive = DriveOf(inst.ProgramDrive);
    folder = inst.ProgramDrive;
    session_.cmd.SyncBusy = false;
}

void ExternalForm::Form_GotFocus() {
    okDefault = true;
    framesVisible = true;
    focus = Focus::FileList;
}

void ExternalForm::ExportDriveList_Change() {
    if (session_.cmd.SyncBusy) {
        return;
    }
    const std::string remembered = folder;
    if (core::DriveReady(session_.os.fs, drive)) {
        folder = drive;
        return;
    }
    session_.os.ui.Refuse("Drive Not Ready !");
    drive = DriveOf(remembered);
    folder = remembered;
}

void ExternalForm::ExportFileList_GotFocus() {
    okDefault = true;
}

void ExternalForm::ExportFileList_LostFocus() {
    okDefault = false;
}

void ExternalForm::ExportOk_Click() {
    platform::Ui& ui = session_.os.ui;
    const std::string destination = core::WithSeparator(core::Trim(folder));
    std::vector<ExportEntry> chosen;
    for (std::size_t i = 0; i < entries_.size() && i < selected.size(); ++i) {
        if (selected[i]) {
            chosen.push_back(entries_[i]);
        }
    }
    if (chosen.empty()) {
        ui.Refuse("No Tools Selected !");
        focus = Focus::FileList;
        return;
    }
    const std::string what =
        chosen.size() == 1 ? "\"" + chosen.front().name + "\""
                           : numeric::IntText(static_cast<std::int16_t>(chosen.size())) + " Tools";
    const bool yes = ui.Ask("Export " + what + "\nTo \"" + destination + "\" ?");
    session_.cmd.MsgAnswer = yes ? core::kAnswerYes : core::kAnswerNo;
    if (!yes) {
        RecordExportFolder(session_, destination);
        closed = true;
        return;
    }
    if (!core::DriveReady(session_.os.fs, destination)) {
        // The user may put the disc in while the message is up.
        ui.Refuse("Disc Not Ready !");
        if (!core::DriveReady(session_.os.fs, destination)) {
            focus = Focus::DriveList;
            return;
        }
    }
    ExportDrawings(session_, chosen, destination);
    closed = true;
}

void ExternalForm::ExportCancel_Click() {
    closed = true;
}

}  // namespace tooling::output
