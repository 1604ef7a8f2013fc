#include "turrets/TurretCommands.h"

#include <algorithm>
#include <optional>

#include "core/Session.h"
#include "core/Text.h"
#include "numeric/KeyFilter.h"
#include "numeric/NumText.h"
#include "platform/FileError.h"

namespace tooling::turrets {

namespace {

constexpr int kNameKeyMode = -32;
constexpr std::size_t kMaxNameLength = 32;
constexpr int kCreateDecimals = 3;
constexpr int kEditDecimals = 4;

bool ValidName(const std::string& name) {
    return !name.empty() && name.size() <= kMaxNameLength &&
           std::all_of(name.begin(), name.end(), [](char c) {
               return numeric::KeyInMode(static_cast<unsigned char>(c), kNameKeyMode);
           });
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string CountText(std::size_t count) {
    return numeric::IntText(static_cast<std::int16_t>(std::min<std::size_t>(count, INT16_MAX)));
}

}  // namespace

TurretCommands::TurretCommands(core::Session& session)
    : editor(session,
             [this] {
                 promptVisible = false;
                 prompt.clear();
                 focus = TurretFocus::None;
                 MenusOn();
             }),
      session_(session) {}

void TurretCommands::MenusOff() {
    menusEnabled = false;
}

void TurretCommands::MenusOn() {
    menusEnabled = true;
}

void TurretCommands::Fail(const std::string& message) {
    session_.os.ui.Refuse(message);
    focus = TurretFocus::None;
    MenusOn();
}

void TurretCommands::TurretItem_Click(int index) {
    if (index < 1 || index > 5) {
        return;
    }
    MenusOff();
    session_.cmd.CurTurret = 0;
    curTurretName_.clear();
    switch (index) {
        case 1:
            session_.cmd.TurretMode = kCreate;
            nameText.clear();
            nameSelStart = 0;
            nameSelLength = 0;
            nameCaption = "Create Turret";
            prompt = "Enter New\nTurret Name";
            ShowNameFrame();
            break;
        case 2:
            session_.cmd.TurretMode = kDuplicate;
            OpenList(false, "Duplicate Turret");
            break;
        case 3:
            session_.cmd.TurretMode = kEdit;
            OpenList(false, "Edit Turret");
            break;
        case 4:
            session_.cmd.TurretMode = kDelete;
            OpenList(true, "Delete Turret(s)");
            break;
        default:
            session_.cmd.TurretMode = kPrint;
            OpenList(false, "Print Turret");
            break;
    }
}

void TurretCommands::OpenList(bool multiple, const std::string& caption) {
    try {
        turretRefs_ = ReadTurretIndex(session_);
    } catch (const platform::FileError& error) {
        Fail(error.what());
        return;
    }
    if (turretRefs_.empty()) {
        Fail("No Saved Turrets !");
        return;
    }
    listLines.clear();
    for (const TurretEntry& entry : turretRefs_) {
        listLines.push_back(entry.name);
    }
    listSnglVisible = !multiple;
    listMultVisible = multiple;
    listSnglSelected = multiple ? -1 : 0;
    listMultSelected.assign(listLines.size(), false);
    listCaption = caption;
    prompt.clear();
    promptVisible = false;
    listFrameVisible = true;
    listButtonsDefault = true;
    previewBttnVisible = session_.cmd.TurretMode == kPrint;
    illustrationCheckVisible = previewBttnVisible;
    focus = multiple ? TurretFocus::ListMult : TurretFocus::ListSngl;
}

void TurretCommands::ShowNameFrame() {
    nameFrameVisible = true;
    promptVisible = true;
    nameButtonsDefault = true;
    focus = TurretFocus::NameBox;
}

void TurretCommands::HideNameFrame() {
    promptVisible = false;
    nameFrameVisible = false;
    nameButtonsDefault = false;
    focus = TurretFocus::None;
}

void TurretCommands::CloseListFrame() {
    promptVisible = false;
    listFrameVisible = false;
    listSnglVisible = false;
    listMultVisible = false;
    checkFrameVisible = false;
    machBttnVisible = false;
    machBttnCaption = "Machine";
    previewBttnVisible = false;
    illustrationCheckVisible = false;
    listButtonsDefault = false;
    focus = TurretFocus::None;
}

void TurretCommands::NameBox_GotFocus() {
    if (!nameText.empty()) {
        nameSelStart = 0;
        nameSelLength = static_cast<int>(nameText.size());
    }
}

int TurretCommands::NameBox_KeyPress(int key) {
    session_.cmd.KeyMode = kNameKeyMode;
    return numeric::KeyFilter(key, kNameKeyMode, core::Trim(nameText), nameSelLength,
                              [this] { session_.os.ui.Beep(); });
}

void TurretCommands::NameOk_Click() {
    HideNameFrame();
    const std::string name = core::Trim(nameText);
    if (!ValidName(name)) {
        session_.os.ui.Refuse("Invalid Turret Description !");
        ShowNameFrame();
        return;
    }
    if (session_.cmd.TurretMode == kCreate) {
        CreateTurret(name);
    } else if (session_.cmd.TurretMode == kDuplicateName) {
        DuplicateAs(name);
    }
}

void TurretCommands::CreateTurret(const std::string& name) {
    std::optional<std::int16_t> found;
    try {
        found = FindTurret(session_, name);
    } catch (const platform::FileError& error) {
        Fail(error.what());
        return;
    }
    session_.cmd.CurTurret = found.value_or(0);
    curTurretName_ = name;
    OpenEditor(session_.cmd.CurTurret, kCreateDecimals);
}

void TurretCommands::OpenEditor(std::int16_t number, int imperialDecimals) {
    std::vector<StationRow> rows;
    try {
        rows = LoadTurret(session_, number);
    } catch (const platform::FileError& error) {
        Fail(error.what());
        return;
    }
    editor.Open(std::move(rows), curTurretName_, imperialDecimals);
    focus = TurretFocus::TurretList;
}

void TurretCommands::DuplicateAs(const std::string& name) {
    platform::Ui& ui = session_.os.ui;
    const std::int16_t source = session_.cmd.CurTurret;
    std::int16_t target = 0;
    try {
        if (const std::optional<std::int16_t> found = FindTurret(session_, name)) {
            const bool yes = ui.Ask(Quoted(name) + " Already Exists !\n\nOverwrite it ?");
            session_.cmd.MsgAnswer = yes ? core::kAnswerYes : core::kAnswerNo;
            // A turret copied onto itself would be no duplicate: the name is asked again.
            if (!yes || *found == source) {
                ShowNameFrame();
                return;
            }
            target = *found;
        }
        target = DuplicateTurret(session_, source, name, target);
    } catch (const platform::FileError& error) {
        Fail(error.what());
        return;
    }
    if (target == 0) {
        Fail(TurretEditor::kTooManyTurrets);
        return;
    }
    ui.Message("Turret " + Quoted(core::Trim(curTurretName_)) + "\n\nHas Been Duplicated as\n\n" +
               Quoted(name));
    MenusOn();
}

void TurretCommands::NameCncl_Click() {
    HideNameFrame();
    MenusOn();
}

bool TurretCommands::SelectedRef(TurretEntry& entry) const {
    if (listSnglSelected < 0 || listSnglSelected >= static_cast<int>(turretRefs_.size())) {
        return false;
    }
    entry = turretRefs_[static_cast<std::size_t>(listSnglSelected)];
    return true;
}

void TurretCommands::ListOk_Click() {
    CloseListFrame();
    const std::int16_t mode = session_.cmd.TurretMode;
    if (mode == kDelete) {
        DeleteTurrets();
        return;
    }
    TurretEntry entry;
    if (!SelectedRef(entry)) {
        session_.os.ui.Beep();
        MenusOn();
        return;
    }
    session_.cmd.CurTurret = entry.number;
    curTurretName_ = entry.name;
    switch (mode) {
        case kDuplicate:
            session_.cmd.TurretMode = kDuplicateName;
            nameText = core::Trim(entry.name);
            nameSelStart = 0;
            nameSelLength = 0;
            nameCaption = "Duplicate Turret";
            prompt.clear();
            ShowNameFrame();
            promptVisible = false;
            break;
        case kEdit:
            OpenEditor(entry.number, kEditDecimals);
            break;
        case kPrint:
            PrintTurret();
            MenusOn();
            break;
        default:
            MenusOn();
            break;
    }
}

void TurretCommands::ListPreview_Click() {
    TurretEntry entry;
    if (!previewBttnVisible || !SelectedRef(entry)) {
        session_.os.ui.Beep();
        return;
    }
    if (previewTurret) {
        previewTurret(entry.number, entry.name);
    }
    focus = TurretFocus::ListSngl;
}

void TurretCommands::PrintTurret() {
    if (printTurret) {
        printTurret(session_.cmd.CurTurret, curTurretName_);
    }
}

void TurretCommands::DeleteTurrets() {
    platform::Ui& ui = session_.os.ui;
    waitCursor = true;
    ui.SetWaitCursor(true);
    std::vector<TurretEntry> chosen;
    for (std::size_t i = 0; i < turretRefs_.size() && i < listMultSelected.size(); ++i) {
        if (listMultSelected[i]) {
            chosen.push_back(turretRefs_[i]);
        }
    }
    bool yes = false;
    if (chosen.empty()) {
        ui.Refuse("No Turrets Selected !");
    } else {
        yes = ui.Ask(chosen.size() == 1 ? "Delete " + Quoted(chosen.back().name) + " ?"
                                        : "Delete " + CountText(chosen.size()) + " Turrets ?");
    }
    session_.cmd.MsgAnswer = yes ? core::kAnswerYes : core::kAnswerNo;
    if (yes) {
        std::size_t deleted = 0;
        std::string lastName;
        try {
            for (const TurretEntry& entry : chosen) {
                DeleteTurret(session_, entry.number);
                ++deleted;
                lastName = entry.name;
            }
            ui.Message(deleted == 1 ? "Turret " + Quoted(lastName) + "\nHas Been Deleted !"
                                    : CountText(deleted) + " Turrets Have Been Deleted !");
        } catch (const platform::FileError& error) {
            ui.Refuse(error.what());
        }
    }
    ui.SetWaitCursor(false);
    waitCursor = false;
    MenusOn();
}

void TurretCommands::ListCncl_Click() {
    CloseListFrame();
    MenusOn();
}

void TurretCommands::ListSngl_DblClick() {
    ListOk_Click();
}

void TurretCommands::ListMult_DblClick() {
    ListOk_Click();
}

}  // namespace tooling::turrets
