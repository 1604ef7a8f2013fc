#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "turrets/TurretEditor.h"
#include "turrets/TurretFiles.h"

namespace tooling::core {
struct Session;
}

namespace tooling::turrets {

// Where the keyboard focus goes after an event.
enum class TurretFocus { None, NameBox, ListSngl, ListMult, TurretList };

// The Standard Turrets commands of the main window (create, duplicate, edit, delete, print) with
// the two frames they show, the name entry and the selection list, and the turret editor panel
// that create and edit lead to. The frames that display it write back what the user changes
// (the box's text and selection, the list selections) before they call an event, and show the
// state again afterwards. `menusEnabled` is false while a command is under way.
class TurretCommands {
  public:
    static constexpr std::int16_t kCreate = 61;
    static constexpr std::int16_t kDuplicate = 62;
    static constexpr std::int16_t kDuplicateName = 162;
    static constexpr std::int16_t kEdit = 63;
    static constexpr std::int16_t kDelete = 64;
    static constexpr std::int16_t kPrint = 65;

    explicit TurretCommands(core::Session& session);

    bool menusEnabled = true;
    TurretFocus focus = TurretFocus::None;
    bool waitCursor = false;

    // The label Prompt of the name frame.
    bool promptVisible = false;
    std::string prompt;

    // The name frame NameFrame.
    bool nameFrameVisible = false;
    std::string nameCaption;
    std::string nameText;  // NameBox
    int nameSelStart = 0;
    int nameSelLength = 0;
    bool nameButtonsDefault = false;  // NameOk and NameCncl are the default and cancel buttons

    // The list frame ListFrame.
    bool listFrameVisible = false;
    std::string listCaption;
    std::vector<std::string> listLines;  // the names of TurretRefs, in both lists
    bool listSnglVisible = false;
    int listSnglSelected = -1;
    bool listMultVisible = false;
    std::vector<bool> listMultSelected;
    bool listButtonsDefault = false;  // ListOk and ListCncl are the default and cancel buttons
    bool machBttnVisible = false;
    std::string machBttnCaption = "Machine";
    bool checkFrameVisible = false;
    bool previewBttnVisible = false;  // Print Turret's list offers a preview of the sheet
    // Print Turret's list offers "With illustration": a page with the turret drawn follows the
    // sheet. Off until the user ticks it; kept for the rest of the run.
    bool illustrationCheckVisible = false;
    bool withIllustration = false;
    static constexpr const char* kWithIllustration = "With illustration";

    TurretEditor editor;

    // Prints the sheet of a turret, given its number and name (and the illustration when
    // withIllustration is set); the window supplies it.
    std::function<void(std::int16_t number, const std::string& name)> printTurret;
    // Shows the sheet of a turret in a preview window; the list stays open.
    std::function<void(std::int16_t number, const std::string& name)> previewTurret;

    // The entries behind the list lines, and the open turret's name.
    const std::vector<TurretEntry>& turretRefs() const { return turretRefs_; }
    const std::string& curTurretName() const { return curTurretName_; }

    void TurretItem_Click(int index);

    void NameBox_GotFocus();
    // The key as the box takes it, or 0 when it is refused (after the beep).
    int NameBox_KeyPress(int key);
    void NameOk_Click();
    void NameCncl_Click();

    void ListOk_Click();
    void ListCncl_Click();
    void ListPreview_Click();
    void ListSngl_DblClick();
    void ListMult_DblClick();

  private:
    void MenusOff();
    void MenusOn();
    void ShowNameFrame();
    void HideNameFrame();
    void CloseListFrame();
    // Opens the list frame on the index, or ends the command when it lists no turret.
    void OpenList(bool multiple, const std::string& caption);
    bool SelectedRef(TurretEntry& entry) const;
    void OpenEditor(std::int16_t number, int imperialDecimals);
    void CreateTurret(const std::string& name);
    void DuplicateAs(const std::string& name);
    void DeleteTurrets();
    void PrintTurret();
    // Ends the command after a file error.
    void Fail(const std::string& message);

    core::Session& session_;
    std::vector<TurretEntry> turretRefs_;
    std::string curTurretName_;
};

}  // namespace tooling::turrets
