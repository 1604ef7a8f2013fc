#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace tooling::platform {
class FileSystem;
}

namespace tooling::ui {

// Shows the first-start message and lets the user choose a folder; an empty result means the
// user cancelled.
using FolderQuestion = std::function<QString(const QString& message)>;

// The message box with "Choose Folder..." and Cancel, then the folder chooser.
QString AskForProgramFolder(const QString& message);

// The folder the program starts in, with a final separator: the option, the current folder or
// the remembered one, whichever holds Ostrevan.cfg first (core::FindProgramFolder). When none
// does, `ask` is shown until a chosen folder holds it; that folder is remembered in the user's
// settings (never in the suite's files). Empty when the user cancels.
std::optional<std::string> ChooseStartFolder(const std::string& option,
                                             const platform::FileSystem& fs,
                                             const FolderQuestion& ask = AskForProgramFolder);

// The settings key of the remembered folder.
inline constexpr const char* kRememberedFolderKey = "ProgramDir";

}  // namespace tooling::ui
