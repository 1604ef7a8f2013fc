#include "turrets/TrtTol.h"

#include <optional>

#include "core/Machine.h"
#include "core/Session.h"
#include "core/Text.h"
#include "library/ShapeTable.h"
#include "library/ToolFile.h"
#include "library/ToolSizeText.h"
#include "numeric/LeadingNumber.h"
#include "numeric/NumText.h"
#include "numeric/Rounding.h"
#include "platform/FileError.h"
#include "turrets/CascadeLists.h"

namespace tooling::turrets {

namespace {

constexpr double kMmPerInch = 25.4;

// A tool whose first dimension lies strictly between 0.1 and 1000, whatever its shape.
bool Live(const library::ToolRec& rec) {
    return rec.Dims[0] > 0.1F && rec.Dims[0] < 1000.0F;
}

bool Fits(const library::ToolRec& rec, std::int16_t stationType) {
    for (const library::ToolStation& pair : rec.Stns) {
        if (pair.StnType == stationType) {
            return true;
        }
    }
    return false;
}

}  // namespace

TrtTol::TrtTol(core::Session& session) : session_(session) {}

void TrtTol::Form_Load(std::int16_t stationType) {
    stationType_ = stationType;
    picked = PickedTool{};
    closed = false;
    gotFocus_ = false;
    for (Combo* combo : {&shapeList, &sizeList, &stnList, &angList}) {
        *combo = Combo{};
    }
    promptVisible = {};
    buttonPanelVisible = false;
    buttonsDefault = false;
    sizeRecNos_.clear();
    stnChoice_.clear();
    prompts[3] = "Angle\xB0 :";
}

void TrtTol::Form_GotFocus() {
    if (gotFocus_) {
        return;
    }
    gotFocus_ = true;
    session_.cmd.SyncBusy = true;
    shapeList.lines.clear();
    for (const library::ShapeEntry& shape : library::kShapes) {
        shapeList.lines.emplace_back(shape.caption);
    }
    shapeList.selected = 0;
    const bool imperial = session_.machine.ImperialDisplay;
    FillSizes('A', [imperial](const library::ToolRec& rec) {
        const double mm = rec.Dims[0];
        return numeric::NumText(
            numeric::RoundHalfEven(imperial ? mm / kMmPerInch : mm, imperial ? 4 : 3), -1);
    });
    promptVisible = {true, true, true, false};
    shapeList.visible = true;
    sizeList.visible = true;
    sizeList.enabled = true;
    sizeList.selected = -1;
    stnList.visible = true;
    stnList.enabled = false;
    stnList.selected = -1;
    session_.cmd.SyncBusy = false;
    Remember();
    buttonsDefault = true;
    buttonPanelVisible = true;
}

template <typename Text>
void TrtTol::FillSizes(char shapeCode, Text text) {
    Empty(sizeList);
    sizeRecNos_.clear();
    std::vector<library::ToolRec> recs;
    try {
        recs = library::ReadToolFile(session_, shapeCode);
    } catch (const platform::FileError& error) {
        session_.os.ui.Refuse(error.what());
    }
    for (std::size_t i = 0; i < recs.size() && i < library::kMaxToolRecords; ++i) {
        if (Live(recs[i]) && Fits(recs[i], stationType_)) {
            sizeList.lines.push_back(text(recs[i]));
            sizeRecNos_.push_back(static_cast<std::int16_t>(i + 1));
        }
    }
}

char TrtTol::ShapeCode() const {
    return Chosen(shapeList) ? library::kShapes[static_cast<std::size_t>(shapeList.selected)].code
                             : ' ';
}

void TrtTol::Remember() {
    shownShape_ = shapeList.selected;
    shownSize_ = sizeList.selected;
    shownStn_ = stnList.selected;
}

void TrtTol::ShapeList_Click() {
    if (shapeList.selected == shownShape_ || session_.cmd.SyncBusy) {
        return;
    }
    shownShape_ = shapeList.selected;
    for (Combo* combo : {&sizeList, &stnList, &angList}) {
        Empty(*combo);
    }
    sizeRecNos_.clear();
    stnChoice_.clear();
    const char code = ShapeCode();
    if (code == ' ') {
        Remember();
        return;
    }
    session_.cmd.SyncBusy = true;
    const bool imperial = session_.machine.ImperialDisplay;
    FillSizes(code, [code, imperial](const library::ToolRec& rec) {
        return library::ToolSizeText(code, rec, imperial);
    });
    session_.cmd.SyncBusy = false;
    // The emptied lists start afresh: any line the user picks next is a new choice.
    Remember();
}

std::optional<library::ToolRec> TrtTol::ChosenTool() const {
    if (!Chosen(sizeList) || static_cast<std::size_t>(sizeList.selected) >= sizeRecNos_.size()) {
        return std::nullopt;
    }
    try {
        return library::ReadTool(session_, ShapeCode(),
                                 sizeRecNos_[static_cast<std::size_t>(sizeList.selected)]);
    } catch (const platform::FileError& error) {
        session_.os.ui.Refuse(error.what());
        return std::nullopt;
    }
}

void TrtTol::SizeList_Click() {
    if (sizeList.selected == shownSize_ || session_.cmd.SyncBusy) {
        return;
    }
    Empty(stnList);
    Empty(angList);
    stnChoice_.clear();
    if (const std::optional<library::ToolRec> rec = ChosenTool()) {
        for (const library::ToolStation& pair : rec->Stns) {
            if (pair.StnType == stationType_) {
                const auto type = static_cast<std::size_t>(pair.StnType);
                stnList.lines.push_back(type < session_.machine.StationTable.size()
                                            ? core::Trim(session_.machine.StationTable[type].name)
                                            : std::string());
                stnChoice_.push_back(pair);
            }
        }
    }
    promptVisible[2] = true;
    stnList.visible = true;
    stnList.enabled = true;
    promptVisible[3] = false;
    angList.visible = false;
    Remember();
    if (stnList.lines.size() == 1) {
        SelectStation(0);
    }
}

bool TrtTol::IndexPair() const {
    return Chosen(stnList) && static_cast<std::size_t>(stnList.selected) < stnChoice_.size() &&
           core::IsIndexStation(stnChoice_[static_cast<std::size_t>(stnList.selected)].StnKind);
}

void TrtTol::StnList_Click() {
    if (stnList.selected == shownStn_ || session_.cmd.SyncBusy) {
        return;
    }
    shownStn_ = stnList.selected;
    Empty(angList);
    if (ShapeCode() == 'A' || IndexPair()) {
        return;
    }
    if (const std::optional<library::ToolRec> rec = ChosenTool()) {
        for (const float angle : rec->Angles) {
            if (angle >= 0.0F) {
                angList.lines.push_back(numeric::NumText(angle, -1));
            }
        }
    }
    promptVisible[3] = true;
    angList.visible = true;
    if (angList.lines.size() == 1) {
        angList.selected = 0;
    }
}

void TrtTol::SelectStation(int line) {
    stnList.selected = line;
    StnList_Click();
}

void TrtTol::InptOk_Click() {
    platform::Ui& ui = session_.os.ui;
    if (!CascadeChosen(
            ui, shapeList, sizeList, stnList, [this] { SizeList_Click(); },
            [this] { StnList_Click(); }, stnChoice_)) {
        return;
    }
    float angle = 0.0F;
    if (!IndexPair() && ShapeCode() != 'A') {
        if (angList.lines.size() == 1) {
            angList.selected = 0;
        }
        if (!Chosen(angList)) {
            ui.Refuse("Tool Angle Must Be Selected !");
            return;
        }
        angle = static_cast<float>(
            numeric::LeadingNumber(angList.lines[static_cast<std::size_t>(angList.selected)]));
    }
    const std::optional<library::ToolRec> rec = ChosenTool();
    picked = PickedTool{};
    if (rec) {
        const library::ToolStation& pair = stnChoice_[static_cast<std::size_t>(stnList.selected)];
        picked.valid = -1;
        picked.shape = ShapeCode();
        picked.description = core::Fixed(rec->Descr, kPickedDescrWidth);
        picked.dims = rec->Dims;
        picked.stationType = pair.StnType;
        picked.stationKind = pair.StnKind;
        picked.angle = angle;
    }
    closed = true;
}

void TrtTol::InptCncl_Click() {
    closed = true;
}

}  // namespace tooling::turrets
