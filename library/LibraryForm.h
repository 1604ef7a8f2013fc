#pragma once

#include <string>
#include <vector>

#include "library/FillLibraryList.h"

namespace tooling::core {
struct Session;
}

namespace tooling::library {

// The control that has the keyboard focus.
enum class LibraryFocus {
    None,
    LibraryList1,  // the select list
    LibraryList2,  // the delete list
    LibraryBox,    // the name of a new library
};

// The library dialog of the File menu's three library commands (select, create, delete, as
// LibraryMode says): what it shows, and one method per event. The form that displays it writes
// back what the user changes (the box text and selection, the selected entries) before it calls
// an event, and shows the state again afterwards.
class LibraryForm {
  public:
    explicit LibraryForm(core::Session& session);

    std::string caption = "Tool Library";
    bool libraryFrameVisible = false;

    // The list frame: LibraryList(1) in mode 1, LibraryList(2) in mode 3.
    bool listFrameVisible = false;
    std::string listLabel;
    bool list1Visible = false;
    LibraryList list1;  // single selection
    bool list2Visible = false;
    std::vector<std::string> list2;
    std::vector<bool> list2Selected;  // one flag per entry of list2

    // The name box (mode 2).
    bool boxFrameVisible = false;
    std::string boxLabel;
    std::string boxText;
    int boxSelStart = 0;
    int boxSelLength = 0;

    // The combo box of the library to copy (mode 2).
    bool comboFrameVisible = false;
    std::string comboLabel;
    LibraryList combo;

    int buttonFrameTop = 0;  // twips
    LibraryFocus focus = LibraryFocus::None;
    bool waitCursor = false;
    bool closed = false;

    void Form_Load();
    void Form_GotFocus();
    void LibraryBox_GotFocus();
    // The key as the box takes it, or 0 when it is refused (after the beep).
    int LibraryBox_KeyPress(int key);
    void LibraryList_DblClick();
    void LibraryOk_Click();
    void LibraryCncl_Click();
    void Form_Unload();

  private:
    void SelectLibrary();
    void CreateLibrary();
    void DeleteLibraries();
    void FillDeleteList();

    core::Session& session_;
};

}  // namespace tooling::library
