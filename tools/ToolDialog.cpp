#include "tools/ToolDialog.h"

#include <algorithm>
#include <cmath>

#include "core/Session.h"
#include "core/Text.h"
#include "library/CrossReference.h"
#include "library/SpecialDrawings.h"
#include "library/ToolFile.h"
#include "library/TurretUpdate.h"
#include "numeric/EvalExpr.h"
#include "numeric/KeyFilter.h"
#include "numeric/NumText.h"
#include "numeric/Rounding.h"
#include "platform/FileError.h"
#include "tools/ToolSettings.h"

namespace tooling::tools {

namespace {

constexpr int kDimKeyMode = -6;
constexpr int kAngleKeyMode = -5;
constexpr int kSettingsCode = 5;
constexpr double kMmPerInch = 25.4;

bool FixedAngleKind(std::int16_t kind) {
    return kind >= 10 && kind <= 19;
}
bool AngledKind(std::int16_t kind) {
    return kind >= 10 && kind <= 29;
}
bool NotIndexKind(std::int16_t kind) {
    return !core::IsIndexStation(kind);
}

// The value of a typed box; a text that is not a number counts as 0.
double Typed(const std::string& text) {
    return numeric::EvalExpr(text).value_or(0.0);
}

}  // namespace

ToolDialog::ToolDialog(core::Session& session)
    : session_(session), rule_(RuleOfShapeNo(session.win.CurShapeNo)) {
    if (rule_ == nullptr) {
        rule_ = RuleOfShapeNo(1);
    }
}

bool ToolDialog::Editing() const {
    return session_.cmd.EditRecNo >= 1;
}

bool ToolDialog::Special() const {
    return rule_->shapeNo == kSpecialShapeNo;
}

void ToolDialog::Form_Load() {
    session_.cmd.SyncBusy = true;
    const auto boxes = static_cast<std::size_t>(rule_->boxCount);
    closed = false;
    dimFrameCaption = rule_->frameCaption;
    prompts.assign(rule_->prompts.begin(), rule_->prompts.begin() + rule_->boxCount);
    boxTexts.assign(boxes, std::string());
    boxSelStart.assign(boxes, 0);
    boxSelLength.assign(boxes, 0);
    dimBoxFocusable = !Special();
    keyRoundVisible = rule_->code == 'K';
    keyRoundChecked = false;
    angFrameVisible = rule_->hasAngles;
    angTexts = {};
    angSelLength = {};
    loaded_ = library::BlankToolRec();

    if (Editing()) {
        LoadRecord();
    } else {
        caption = rule_->addCaption;
        SettingsNo = 1;
        if (Special()) {
            boxTexts[0] = session_.cmd.SpecialName;
        }
    }
    if (!closed) {
        if (Special()) {
            const library::DrawingExtents extents =
                library::ReadDrawingExtents(session_, session_.cmd.SpecialName);
            extentX_ = static_cast<float>(numeric::RoundHalfEven(extents.x, 2));
            extentY_ = static_cast<float>(numeric::RoundHalfEven(extents.y, 2));
        }
        FillStationList();
        FillAngleFrame();
        paramPanelVisible = session_.machine.ToolSettingsOn;
        focus = Special() ? ToolDialogFocus{ToolDialogFocus::Control::StnList, 0}
                          : ToolDialogFocus{ToolDialogFocus::Control::DimBox, 1};
    }
    session_.cmd.SyncBusy = false;
}

void ToolDialog::LoadRecord() {
    std::optional<library::ToolRec> rec;
    try {
        rec = library::ReadTool(session_, rule_->code, session_.cmd.EditRecNo);
    } catch (const platform::FileError& error) {
        session_.os.ui.Refuse(error.what());
        Close();
        return;
    }
    if (!rec) {
        // The file has been rewritten since the list was shown.
        session_.os.ui.Refuse(library::kToolChangedElsewhere);
        Close();
        return;
    }
    loaded_ = *rec;
    caption = rule_->editCaption;
    SettingsNo = loaded_.SettingsNo;
    if (Special()) {
        session_.cmd.SpecialName = core::Trim(loaded_.Descr);
        boxTexts[0] = session_.cmd.SpecialName;
        return;
    }
    const std::vector<double> values = EditValues(*rule_, loaded_.Dims);
    for (std::size_t box = 0; box < values.size(); ++box) {
        const double shown = session_.machine.ImperialDisplay
                                 ? numeric::RoundHalfEven(values[box] / kMmPerInch, 4)
                                 : numeric::RoundHalfEven(values[box], 3);
        boxTexts[box] = numeric::NumText(shown, -1);
    }
    keyRoundChecked = keyRoundVisible && loaded_.Dims[2] < 0;
}

void ToolDialog::FillStationList() {
    core::Machine& machine = session_.machine;
    stnLines.clear();
    stnSelected.clear();
    stnMap.clear();
    const int count = std::clamp<int>(machine.StationList[0], 0, core::kMaxStationType);
    for (int i = 1; i <= count; ++i) {
        const std::int16_t index = machine.StationList[static_cast<std::size_t>(i)];
        if (index < 1 || index > core::kMaxStationType) {
            continue;
        }
        core::StationType& entry = machine.StationTable[static_cast<std::size_t>(index)];
        const std::string name = core::Trim(entry.name);
        entry.name = core::Fixed(name, core::kStationNameWidth);
        if (name.empty() || entry.kind <= 9) {
            continue;
        }
        // At most one line per station type, so every line has its place in StnLidx.
        const std::size_t line = stnLines.size();
        stnLines.push_back(name);
        stnMap.push_back(index);
        const bool chosen =
            Editing() ? std::any_of(loaded_.Stns.begin(), loaded_.Stns.end(),
                                    [&](const library::ToolStation& s) {
                                        return s.StnType != 0 && s.StnType == entry.number;
                                    })
                      : session_.cmd.StnLidx[line] != 0;
        stnSelected.push_back(chosen);
    }
    if (!Editing() && stnLines.size() == 1) {
        stnSelected[0] = true;
    }
}

// The frame starts disabled; a chosen station that does not index opens it.
void ToolDialog::FillAngleFrame() {
    angFrameEnabled = false;
    if (!rule_->hasAngles || !AnyStation(NotIndexKind)) {
        return;
    }
    angFrameEnabled = true;
    if (Editing()) {
        for (std::size_t i = 0; i < angTexts.size(); ++i) {
            if (loaded_.Angles[i] != library::kNoAngle) {
                angTexts[i] = numeric::NumText(loaded_.Angles[i], -1);
            }
        }
    }
}

std::vector<std::size_t> ToolDialog::SelectedLines() const {
    std::vector<std::size_t> lines;
    for (std::size_t line = 0; line < stnLines.size() && line < stnSelected.size(); ++line) {
        if (stnSelected[line]) {
            lines.push_back(line);
        }
    }
    return lines;
}

bool ToolDialog::AnyStation(bool (*test)(std::int16_t kind)) const {
    const std::vector<std::size_t> lines = SelectedLines();
    return std::any_of(lines.begin(), lines.end(), [&](std::size_t line) {
        return test(session_.machine.StationTable[static_cast<std::size_t>(stnMap[line])].kind);
    });
}

void ToolDialog::StnList_Click() {
    if (session_.cmd.SyncBusy || !rule_->hasAngles) {
        return;
    }
    if (!AnyStation(FixedAngleKind)) {
        angFrameEnabled = false;
        angTexts = {};
        return;
    }
    angFrameEnabled = true;
    if (core::Trim(angTexts[0]).empty()) {
        for (std::size_t i = 0; i < rule_->angles.size() && !rule_->angles[i].empty(); ++i) {
            angTexts[i] = rule_->angles[i];
        }
    }
}

void ToolDialog::DimBox_GotFocus(int box) {
    if (!dimBoxFocusable) {
        focus = {ToolDialogFocus::Control::StnList, 0};
        return;
    }
    if (box < 1 || box > rule_->boxCount) {
        return;
    }
    focus = {ToolDialogFocus::Control::DimBox, box};
    const auto i = static_cast<std::size_t>(box - 1);
    if (!boxTexts[i].empty()) {
        boxSelStart[i] = 0;
        boxSelLength[i] = static_cast<int>(boxTexts[i].size());
    }
}

int ToolDialog::DimBox_KeyPress(int box, int key) {
    if (box < 1 || box > rule_->boxCount) {
        return 0;
    }
    const auto i = static_cast<std::size_t>(box - 1);
    session_.cmd.KeyMode = kDimKeyMode;
    return numeric::KeyFilter(key, kDimKeyMode, core::Trim(boxTexts[i]), boxSelLength[i],
                              [this] { session_.os.ui.Beep(); });
}

int ToolDialog::AngBox_KeyPress(int box, int key) {
    if (box < 1 || box > kAngleBoxes) {
        return 0;
    }
    const auto i = static_cast<std::size_t>(box - 1);
    session_.cmd.KeyMode = kAngleKeyMode;
    return numeric::KeyFilter(key, kAngleKeyMode, core::Trim(angTexts[i]), angSelLength[i],
                              [this] { session_.os.ui.Beep(); });
}

std::optional<std::array<float, 4>> ToolDialog::TypedDims() const {
    if (Special()) {
        return std::array<float, 4>{extentX_, extentY_, 0.0F, 0.0F};
    }
    std::vector<double> values;
    for (const std::string& text : boxTexts) {
        double value = std::fabs(Typed(text));
        if (session_.machine.ImperialDisplay) {
            value *= kMmPerInch;
        }
        values.push_back(numeric::RoundHalfEven(value, 3));
    }
    return ShapeDims(rule_->code, values, keyRoundChecked);
}

std::optional<float> ToolDialog::TypedAngle(int box) const {
    if (box < 1 || box > kAngleBoxes) {
        return std::nullopt;
    }
    const std::string trimmed = core::Trim(angTexts[static_cast<std::size_t>(box - 1)]);
    const std::optional<double> typed = numeric::EvalExpr(trimmed);
    if (trimmed.empty() || !typed) {
        return std::nullopt;
    }
    // Adding 0 turns a negative zero into the zero every other program writes.
    return static_cast<float>(numeric::NormAngle(numeric::RoundHalfEven(*typed, 3)) + 0.0);
}

std::optional<std::array<float, 4>> ToolDialog::TakeDims() {
    std::optional<std::array<float, 4>> dims = TypedDims();
    if (!dims) {
        session_.os.ui.Refuse(DimensionMessage(*rule_));
        focus = {ToolDialogFocus::Control::DimBox, 1};
    }
    return dims;
}

bool ToolDialog::TakeStations(library::ToolRec& rec, bool& anglesNeeded) {
    std::size_t taken = 0;
    for (std::size_t line = 0; line < stnLines.size() && taken < rec.Stns.size(); ++line) {
        if (!stnSelected[line]) {
            session_.cmd.StnLidx[line] = 0;
            continue;
        }
        session_.cmd.StnLidx[line] = 1;
        const core::StationType& entry =
            session_.machine.StationTable[static_cast<std::size_t>(stnMap[line])];
        rec.Stns[taken++] = {entry.number, entry.kind};
        anglesNeeded = anglesNeeded || AngledKind(entry.kind);
    }
    if (taken == 0) {
        session_.os.ui.Refuse("Station Type Must Be Selected !");
        focus = {ToolDialogFocus::Control::StnList, 0};
        return false;
    }
    return true;
}

void ToolDialog::TakeAngles(library::ToolRec& rec, bool anglesNeeded) const {
    if (!rule_->hasAngles) {
        rec.Angles[0] = 0.0F;
        return;
    }
    if (!anglesNeeded) {
        return;
    }
    std::vector<float> angles;
    for (int box = 1; box <= kAngleBoxes; ++box) {
        if (core::Trim(angTexts[static_cast<std::size_t>(box - 1)]).empty()) {
            continue;
        }
        // A text that is not a number counts as 0.
        const float stored = TypedAngle(box).value_or(0.0F);
        if (std::find(angles.begin(), angles.end(), stored) == angles.end()) {
            angles.push_back(stored);
        }
    }
    std::sort(angles.begin(), angles.end());
    if (angles.empty()) {
        angles.push_back(0.0F);
    }
    std::copy(angles.begin(), angles.end(), rec.Angles.begin());
}

void ToolDialog::InptOk_Click() {
    if (closed) {
        return;
    }
    library::ToolRec rec = library::BlankToolRec();
    const std::optional<std::array<float, 4>> dims = TakeDims();
    if (!dims) {
        return;
    }
    rec.Dims = *dims;
    bool anglesNeeded = false;
    if (!TakeStations(rec, anglesNeeded)) {
        return;
    }
    TakeAngles(rec, anglesNeeded);
    rec.Shape = rule_->code;
    rec.Descr =
        library::PaddedDescr(Special() ? std::string_view(session_.cmd.SpecialName) : rule_->descr);
    SettingsNo = std::max<std::int32_t>(SettingsNo, 1);
    rec.SettingsNo = SettingsNo;
    rec.DefMark = 0;
    Store(rec);
}

void ToolDialog::Store(const library::ToolRec& rec) {
    try {
        if (Editing()) {
            library::ReplaceTool(session_, rule_->code, rec, session_.cmd.EditRecNo, loaded_);
        } else {
            library::InsertTool(session_, rule_->code, rec, 0);
        }
    } catch (const library::ToolFileRefusal& refusal) {
        session_.os.ui.Refuse(refusal.what());
        return;
    } catch (const platform::FileError& error) {
        session_.os.ui.Refuse(error.what());
        return;
    }
    if (Editing()) {
        // The tool is stored: whatever happens to the turrets, the dialog closes.
        try {
            FollowInTurrets(rec);
        } catch (const platform::FileError& error) {
            session_.os.ui.Refuse(error.what());
        }
    }
    Close();
}

void ToolDialog::FollowInTurrets(const library::ToolRec& rec) {
    const char code = rule_->code;
    if (library::ToolKey(code, rec) == library::ToolKey(code, loaded_)) {
        return;
    }
    library::StandardTurrets turrets = library::ReadStandardTurrets(session_);
    const library::CrossReference crossReference(std::move(turrets.turrets), {{code, {loaded_}}});
    const std::vector<library::StationRef>& held = crossReference.Holders(code, 1);
    if (held.empty()) {
        return;
    }
    const bool yes = session_.os.ui.AskWithDetail(
        "Update " + std::to_string(held.size()) + " Turret Station(s) ?",
        crossReference.StationNames(session_.machine, held), true);
    session_.cmd.MsgAnswer = yes ? core::kAnswerYes : core::kAnswerNo;
    if (!yes) {
        return;
    }
    for (const std::string& name :
         library::UpdateHoldingStations(session_, code, loaded_, rec).failed) {
        session_.os.ui.Refuse("Turret \"" + name + "\" Could Not Be Updated !");
    }
}

void ToolDialog::InptCncl_Click() {
    session_.cmd.AddAgain = false;
    Close();
}

void ToolDialog::ToolSettings_Click() {
    const auto setEnabled = [this](bool on) {
        enabled = on;
        if (onEnabledChange) {
            onEnabledChange(on);
        }
    };
    try {
        SettingsNo = RunToolSettings(session_, kSettingsCode, SettingsNo, setEnabled);
    } catch (const platform::FileError& error) {
        setEnabled(true);
        session_.os.ui.Refuse(error.what());
    }
    focus = {ToolDialogFocus::Control::ToolSettings, 0};
}

void ToolDialog::Close() {
    closed = true;
}

}  // namespace tooling::tools
