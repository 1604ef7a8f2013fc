#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "output/Export.h"

namespace tooling::core {
struct Session;
}

namespace tooling::output {

// The export dialog: the special tools whose drawings can be exported, several of them
// selectable, and the destination as a drive and a folder of it. The form that shows it writes
// the user's selections, the chosen drive and the current folder into the state before it calls
// an event, and shows the state again afterwards.
class ExternalForm {
  public:
    enum class Focus { None, FileList, DriveList };

    explicit ExternalForm(core::Session& session);

    std::string caption = "Export Special Tool Drawings";
    // ExportLabel, above the tool list and above the destination lists.
    std::array<std::string, 2> labels{"Export Special Tools", "To"};
    std::vector<std::string> fileList;  // ExportFileList: the tools by name
    std::vector<bool> selected;         // one per line of fileList
    std::string drive;   // ExportDriveList: the root of the volume, ending in the separator
    std::string folder;  // ExportFolderList: the current folder
    bool framesVisible = false;
    bool okDefault = false;  // ExportOk is the default button (and ExportCancel the cancel one)
    Focus focus = Focus::None;
    bool closed = false;

    // ExportNums: the drawing number of each line of fileList.
    std::vector<std::int16_t> ExportNums() const;

    void Form_Load();
    void Form_GotFocus();
    // `drive` holds the drive just chosen.
    void ExportDriveList_Change();
    void ExportFileList_GotFocus();
    void ExportFileList_LostFocus();
    void ExportOk_Click();
    void ExportCancel_Click();

  private:
    // The root of the volume that holds the path; the path itself when it has none.
    std::string DriveOf(const std::string& path) const;

    core::Session& session_;
    std::vector<ExportEntry> entries_;
};

}  // namespace tooling::output
