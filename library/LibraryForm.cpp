#include "library/LibraryForm.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/Session.h"
#include "core/Text.h"
#include "library/DefaultTools.h"
#include "library/LibraryFiles.h"
#include "numeric/KeyFilter.h"
#include "numeric/NumText.h"
#include "platform/FileError.h"

namespace tooling::library {

namespace {

constexpr int kSelectMode = 1;
constexpr int kCreateMode = 2;
constexpr int kDeleteMode = 3;
constexpr int kNameKeyMode = -32;
constexpr std::size_t kMaxNameLength = 32;
constexpr int kShortButtonTop = 1630;
constexpr int kTallButtonTop = 3870;
constexpr std::string_view kEmpty = "Empty";

// The characters a library name may hold: those the name box lets through.
bool ValidNameChar(char c) {
    return numeric::KeyInMode(static_cast<unsigned char>(c), kNameKeyMode);
}

void DeleteOwnFiles(platform::FileSystem& fs, const std::string& folder, std::string_view library,
                    bool indexLast) {
    std::vector<std::string> index;
    for (const std::string& name : OwnFiles(fs, folder, library)) {
        if (indexLast && core::SameText(FileExt(name), "lkp")) {
            index.push_back(name);
        } else {
            fs.DeleteFile(folder + name);
        }
    }
    for (const std::string& name : index) {
        fs.DeleteFile(folder + name);
    }
}

// Copies every file of `from` whose extension has 1 to 3 characters to the same extension of
// `to`. The copies of index files are left to the caller in `indexCopies` when asked.
void CopyOwnFiles(platform::FileSystem& fs, const std::string& folder, std::string_view from,
                  std::string_view to,
                  std::vector<std::pair<std::string, std::string>>* indexCopies) {
    for (const std::string& name : OwnFiles(fs, folder, from)) {
        const std::string ext = FileExt(name);
        if (ext.empty()) {
            continue;
        }
        std::pair<std::string, std::string> copy{folder + name,
                                                 folder + std::string(to) + "." + ext};
        if (indexCopies != nullptr && core::SameText(ext, "lkp")) {
            indexCopies->push_back(std::move(copy));
        } else {
            fs.Copy(copy.first, copy.second);
        }
    }
}

}  // namespace

LibraryForm::LibraryForm(core::Session& session) : session_(session) {}

void LibraryForm::Form_Load() {
    session_.cmd.SyncBusy = true;
    const std::string& folder = session_.machine.MachineFolder;
    const std::string& current = session_.lib.LibraryName;
    switch (session_.cmd.LibraryMode) {
        case kSelectMode:
            caption = "Select Tool Library";
            listFrameVisible = true;
            listLabel = "Select Library";
            list1Visible = true;
            list1 = FillLibraryList(session_, folder, current, false, ListSelect::First);
            buttonFrameTop = kTallButtonTop;
            break;
        case kCreateMode:
            caption = "Create New Tool Library";
            boxFrameVisible = true;
            boxLabel = "Library Name";
            boxText.clear();
            comboFrameVisible = true;
            comboLabel = "Initialise As";
            combo = FillLibraryList(session_, folder, current, true, ListSelect::First, kEmpty);
            buttonFrameTop = kShortButtonTop;
            break;
        case kDeleteMode:
            caption = "Delete Tool Library";
            listFrameVisible = true;
            listLabel = "Delete Library";
            list2Visible = true;
            FillDeleteList();
            buttonFrameTop = kTallButtonTop;
            break;
        default:
            break;
    }
    session_.cmd.SyncBusy = false;
}

void LibraryForm::FillDeleteList() {
    list2 = FillLibraryList(session_, session_.machine.MachineFolder, session_.lib.LibraryName,
                            false, ListSelect::None)
                .entries;
    list2Selected.assign(list2.size(), false);
}

void LibraryForm::Form_GotFocus() {
    libraryFrameVisible = true;
    switch (session_.cmd.LibraryMode) {
        case kSelectMode:
            focus = LibraryFocus::LibraryList1;
            break;
        case kCreateMode:
            focus = LibraryFocus::LibraryBox;
            break;
        case kDeleteMode:
            focus = LibraryFocus::LibraryList2;
            break;
        default:
            break;
    }
}

void LibraryForm::LibraryBox_GotFocus() {
    if (!boxText.empty()) {
        boxSelStart = 0;
        boxSelLength = static_cast<int>(boxText.size());
    }
}

int LibraryForm::LibraryBox_KeyPress(int key) {
    session_.cmd.KeyMode = kNameKeyMode;
    return numeric::KeyFilter(key, kNameKeyMode, core::Trim(boxText), boxSelLength,
                              [this] { session_.os.ui.Beep(); });
}

void LibraryForm::LibraryList_DblClick() {
    if (session_.cmd.LibraryMode == kSelectMode || session_.cmd.LibraryMode == kDeleteMode) {
        LibraryOk_Click();
    }
}

void LibraryForm::LibraryOk_Click() {
    try {
        switch (session_.cmd.LibraryMode) {
            case kSelectMode:
                SelectLibrary();
                break;
            case kCreateMode:
                CreateLibrary();
                break;
            case kDeleteMode:
                DeleteLibraries();
                break;
            default:
                break;
        }
    } catch (const platform::FileError& error) {
        // The dialog stays open; the current library is as it was.
        session_.os.ui.Refuse(error.what());
        if (session_.cmd.LibraryMode == kDeleteMode) {
            FillDeleteList();
        }
    }
}

void LibraryForm::SelectLibrary() {
    if (list1.selected < 0 || list1.selected >= static_cast<int>(list1.entries.size())) {
        session_.os.ui.Refuse("No Library Selected !");
        focus = LibraryFocus::LibraryList1;
        return;
    }
    const std::string name = core::Trim(list1.entries[static_cast<std::size_t>(list1.selected)]);
    CreateLibraryFiles(session_, name);
    const DefaultSet defaults =
        ReadDefaultsFile(session_.os.fs, ToolPrefix(session_, name) + "dft");
    session_.lib.LibraryName = name;
    SetLibraryPrefixes(session_);
    session_.lib.DefaultTools = defaults;
    Form_Unload();
}

void LibraryForm::CreateLibrary() {
    platform::Ui& ui = session_.os.ui;
    platform::FileSystem& fs = session_.os.fs;
    const std::string name = core::Trim(boxText);
    if (name.empty() || name.size() > kMaxNameLength ||
        !std::all_of(name.begin(), name.end(), ValidNameChar)) {
        ui.Refuse("Invalid Library Name !");
        focus = LibraryFocus::LibraryBox;
        return;
    }
    if (LibraryExists(session_, name)) {
        ui.Refuse("Library Already Exists !");
        focus = LibraryFocus::LibraryBox;
        return;
    }
    const std::string source =
        combo.selected >= 0 && combo.selected < static_cast<int>(combo.entries.size())
            ? core::Trim(combo.entries[static_cast<std::size_t>(combo.selected)])
            : std::string();
    if (!source.empty() && source != kEmpty && !core::SameText(source, name)) {
        // The tool index is copied last, so a copy that fails half-way leaves no library that
        // looks complete.
        std::vector<std::pair<std::string, std::string>> indexCopies;
        for (const std::string& folder : {ToolFolder(session_), TurretFolder(session_)}) {
            const bool toolFolder = folder == ToolFolder(session_);
            DeleteOwnFiles(fs, folder, name, false);
            CopyOwnFiles(fs, folder, source, name, toolFolder ? &indexCopies : nullptr);
        }
        for (const auto& [from, to] : indexCopies) {
            fs.Copy(from, to);
        }
    }
    CreateLibraryFiles(session_, name);
    Form_Unload();
}

void LibraryForm::DeleteLibraries() {
    platform::Ui& ui = session_.os.ui;
    std::vector<std::string> chosen;
    for (std::size_t i = 0; i < list2.size() && i < list2Selected.size(); ++i) {
        if (list2Selected[i]) {
            chosen.push_back(list2[i]);
        }
    }
    if (chosen.empty()) {
        ui.Refuse("No Libraries Selected !");
        focus = LibraryFocus::LibraryList2;
        return;
    }
    const std::string question = chosen.size() == 1
                                     ? "Delete \"" + chosen.front() + "\" ?"
                                     : "Delete " +
                                           numeric::IntText(static_cast<std::int16_t>(
                                               std::min<std::size_t>(chosen.size(), INT16_MAX))) +
                                           " Libraries ?";
    const bool yes = ui.Ask(question);
    session_.cmd.MsgAnswer = yes ? core::kAnswerYes : core::kAnswerNo;
    if (!yes) {
        Form_Unload();
        return;
    }
    // The wait cursor goes whatever happens; the tool index of each library goes last, so a
    // library that could not be deleted whole stays in the list.
    struct WaitCursor {
        LibraryForm& form;
        platform::Ui& ui;
        WaitCursor(LibraryForm& f, platform::Ui& u) : form(f), ui(u) {
            form.waitCursor = true;
            ui.SetWaitCursor(true);
        }
        WaitCursor(const WaitCursor&) = delete;
        WaitCursor& operator=(const WaitCursor&) = delete;
        ~WaitCursor() {
            ui.SetWaitCursor(false);
            form.waitCursor = false;
        }
    };
    {
        const WaitCursor wait(*this, ui);
        for (const std::string& entry : chosen) {
            const std::string name = core::Trim(entry);
            DeleteOwnFiles(session_.os.fs, TurretFolder(session_), name, false);
            DeleteOwnFiles(session_.os.fs, ToolFolder(session_), name, true);
        }
    }
    Form_Unload();
}

void LibraryForm::LibraryCncl_Click() {
    Form_Unload();
}

void LibraryForm::Form_Unload() {
    session_.cmd.LibraryMode = 0;
    list1 = {};
    list2.clear();
    list2Selected.clear();
    boxText.clear();
    boxSelStart = 0;
    boxSelLength = 0;
    closed = true;
}

}  // namespace tooling::library
