#include "tools/ToolListPanel.h"

#include <algorithm>
#include <set>

#include "core/Session.h"
#include "core/Text.h"
#include "library/SpecialDrawings.h"
#include "library/ToolFile.h"
#include "numeric/NumText.h"
#include "platform/FileError.h"
#include "tools/ToolShapes.h"

namespace tooling::tools {

namespace {

constexpr std::int16_t kSpecialShapeNo = 14;

char CurrentCode(const core::Session& session) {
    return session.win.CurShapeCode.empty() ? 'A' : session.win.CurShapeCode.front();
}

}  // namespace

ToolListPanel::ToolListPanel(core::Session& session) : header(ListHeader(1)), session_(session) {}

void ToolListPanel::ShowShapeHeader() {
    header = ListHeader(session_.win.CurShapeNo);
}

AddStart ToolListPanel::AddTool_Click() {
    session_.cmd.EditRecNo = 0;
    session_.cmd.AddAgain = true;
    if (CurrentCode(session_) != 'S') {
        return AddStart::ToolDialogs;
    }
    lines.clear();
    ListRecNo.clear();
    ListRec.clear();
    turretsHeader.clear();
    try {
        const std::vector<library::DrawingEntry> index = library::ReadDrawingIndex(session_);
        std::set<std::string> added;
        for (const library::ToolRec& rec : library::ReadToolFile(session_, 'S')) {
            added.insert(core::Trim(rec.Descr));
        }
        for (const library::DrawingEntry& entry : index) {
            if (!entry.name.empty() && !added.contains(entry.name)) {
                lines.push_back({entry.name, "", "", "", ""});
                ListRecNo.push_back(0);
                ListRec.push_back(library::BlankToolRec());
            }
        }
    } catch (const platform::FileError& e) {
        session_.os.ui.Refuse(e.what());
        EndCommand();
        return AddStart::Nothing;
    }
    if (lines.empty()) {
        session_.os.ui.Refuse("Tool Must Be Drawn First !");
        EndCommand();
        return AddStart::Nothing;
    }
    caption = "Add Special";
    header = ListHeader(kSpecialShapeNo);
    Show(ListMode::PickSpecial);
    return AddStart::PickList;
}

bool ToolListPanel::EditTool_Click() {
    return ListTools(ListMode::Edit);
}

bool ToolListPanel::DeleteTool_Click() {
    return ListTools(ListMode::Delete);
}

bool ToolListPanel::ListTools(ListMode listMode) {
    lines.clear();
    ListRecNo.clear();
    ListRec.clear();
    caption =
        (listMode == ListMode::Edit ? "Edit " : "Delete ") + ShapeName(session_.win.CurShapeNo);
    header = ListHeader(session_.win.CurShapeNo);
    turretsHeader = "Turrets";
    const char code = CurrentCode(session_);
    try {
        std::vector<library::ToolRec> recs = library::ReadToolFile(session_, code);
        const std::size_t count =
            std::min(recs.size(), static_cast<std::size_t>(library::kMaxToolRecords));
        recs.resize(count);
        lines.reserve(count);
        ListRecNo.reserve(count);
        ListRec.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            if (library::ValidTool(code, recs[i])) {
                lines.push_back(ListLine(session_, recs[i]));
                ListRecNo.push_back(static_cast<std::int16_t>(i + 1));
                ListRec.push_back(recs[i]);
            }
        }
        if (!lines.empty()) {
            CrossReferenceTools(code, std::move(recs));
        }
    } catch (const platform::FileError& e) {
        lines.clear();
        ListRecNo.clear();
        ListRec.clear();
        session_.os.ui.Refuse(e.what());
        visible = false;
        EndCommand();
        return false;
    }
    if (lines.empty()) {
        visible = false;
        EndCommand();
        session_.os.ui.Beep();
        return false;
    }
    Show(listMode);
    return true;
}

void ToolListPanel::CrossReferenceTools(char code, std::vector<library::ToolRec> recs) {
    library::StandardTurrets turrets;
    try {
        turrets = library::ReadStandardTurrets(session_);
    } catch (const platform::FileError& e) {
        turrets.unreadable.emplace_back(e.what());
    }
    if (!turrets.unreadable.empty()) {
        std::string text;
        for (const std::string& line : turrets.unreadable) {
            text += (text.empty() ? "" : "\n") + line;
        }
        session_.os.ui.Refuse(text);
    }
    library::ToolFiles files;
    files[code] = std::move(recs);
    crossReference_ = library::CrossReference(std::move(turrets.turrets), files);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<library::StationRef>& holders =
            crossReference_.Holders(code, static_cast<std::size_t>(ListRecNo[i]));
        if (!holders.empty()) {
            lines[i].turrets = std::to_string(crossReference_.TurretCount(holders));
            lines[i].turretStations = crossReference_.StationNames(session_.machine, holders);
        }
    }
}

std::string ToolListPanel::HeldDetail(const std::vector<std::int16_t>& numbers) const {
    const char code = CurrentCode(session_);
    std::string detail;
    for (std::size_t i = 0; i < ListRecNo.size(); ++i) {
        if (!std::binary_search(numbers.begin(), numbers.end(), ListRecNo[i])) {
            continue;
        }
        const std::vector<library::StationRef>& holders =
            crossReference_.Holders(code, static_cast<std::size_t>(ListRecNo[i]));
        if (!holders.empty()) {
            detail += (detail.empty() ? "" : "\n") + lines[i].size + ": " +
                      crossReference_.StationNames(session_.machine, holders);
        }
    }
    return detail;
}

void ToolListPanel::Show(ListMode listMode) {
    mode = listMode;
    const int count = static_cast<int>(lines.size());
    barMax = count > kVisibleLines ? count - kVisibleLines : 0;
    barValue = 0;
    selected.assign(lines.size(), false);
    selected.front() = true;
    visible = true;
}

PanelAction ToolListPanel::ToolOk_Click() {
    if (mode == ListMode::None) {
        return PanelAction::None;
    }
    visible = false;
    const auto chosen = std::find(selected.begin(), selected.end(), true);
    const auto line = static_cast<std::size_t>(chosen - selected.begin());
    const bool any = chosen != selected.end();
    switch (mode) {
        case ListMode::PickSpecial:
            session_.cmd.SpecialName = any ? core::Trim(lines[line].size) : std::string();
            if (!session_.cmd.SpecialName.empty()) {
                return PanelAction::OpenToolDialog;
            }
            session_.os.ui.Beep();
            break;
        case ListMode::Edit:
            session_.cmd.EditRecNo = any ? ListRecNo[line] : std::int16_t{0};
            if (session_.cmd.EditRecNo >= 1) {
                return PanelAction::OpenToolDialog;
            }
            session_.os.ui.Beep();
            break;
        case ListMode::Delete:
            DeleteSelected();
            break;
        case ListMode::None:
            break;
    }
    EndCommand();
    return PanelAction::None;
}

void ToolListPanel::DeleteSelected() {
    std::vector<std::int16_t> numbers;
    for (std::size_t i = 0; i < selected.size(); ++i) {
        if (selected[i]) {
            numbers.push_back(ListRecNo[i]);
        }
    }
    if (numbers.empty()) {
        session_.os.ui.Beep();
        return;
    }
    const bool yes = session_.os.ui.AskWithDetail(
        "Delete " + numeric::IntText(static_cast<std::int16_t>(numbers.size())) + " Tool(s) ?",
        HeldDetail(numbers), false);
    session_.cmd.MsgAnswer = yes ? core::kAnswerYes : core::kAnswerNo;
    if (!yes) {
        return;
    }
    try {
        library::DeleteTools(session_, CurrentCode(session_), numbers);
    } catch (const platform::FileError& e) {
        session_.os.ui.Refuse(e.what());
    }
}

void ToolListPanel::ToolCncl_Click() {
    visible = false;
    EndCommand();
}

bool ToolListPanel::ValidLine(int line) const {
    return visible && line >= 0 && line < static_cast<int>(selected.size());
}

void ToolListPanel::ToolListSngl_Click(int line) {
    if (MultiSelect() || !ValidLine(line)) {
        return;
    }
    selected.assign(selected.size(), false);
    selected[static_cast<std::size_t>(line)] = true;
}

PanelAction ToolListPanel::ToolListSngl_DblClick(int line) {
    if (MultiSelect() || !ValidLine(line)) {
        return PanelAction::None;
    }
    ToolListSngl_Click(line);
    return ToolOk_Click();
}

void ToolListPanel::ToolListMult_Click(int line, bool on) {
    if (MultiSelect() && ValidLine(line)) {
        selected[static_cast<std::size_t>(line)] = on;
    }
}

PanelAction ToolListPanel::ToolListMult_DblClick(int line) {
    if (!MultiSelect() || !ValidLine(line)) {
        return PanelAction::None;
    }
    // The line double-clicked is among those deleted, whatever the click before did to it.
    ToolListMult_Click(line, true);
    return ToolOk_Click();
}

void ToolListPanel::ListBar_Change(int value) {
    barValue = std::clamp(value, 0, barMax);
}

void ToolListPanel::EndCommand() {
    session_.cmd.EditRecNo = 0;
    session_.cmd.AddAgain = false;
    mode = ListMode::None;
}

}  // namespace tooling::tools
