#include "turrets/SetDeft.h"

#include <optional>

#include "core/Session.h"
#include "library/DefaultTools.h"
#include "library/ToolFile.h"
#include "platform/FileError.h"
#include "turrets/CascadeLists.h"

namespace tooling::turrets {

namespace {

bool ValidKind(int kind) {
    return kind >= library::kXShearing && kind <= library::kNibbling;
}

}  // namespace

SetDeft::SetDeft(core::Session& session) : session_(session) {}

void SetDeft::Form_Load(int kind) {
    kind_ = kind;
    closed = false;
    gotFocus_ = false;
    hadDefault_ = false;
    for (Combo* combo : {&shapeList, &sizeList, &stnList}) {
        *combo = Combo{};
    }
    promptVisible = {};
    buttonsDefault = false;
    shapeCodes_.clear();
    sizes_.clear();
    stations_.clear();
    if (!ValidKind(kind)) {
        closed = true;
        return;
    }
    caption = DefaultCaption(kind);
    core::DefaultToolRec& stored = session_.lib.DefaultTools[static_cast<std::size_t>(kind - 1)];
    if (stored.recordNo <= 0 || !library::ShapeSuitsKind(kind, stored.shape)) {
        stored.recordNo = 0;
        stored.shape = ' ';
    }
    hadDefault_ = stored.recordNo > 0;
}

void SetDeft::Form_GotFocus() {
    if (gotFocus_ || closed) {
        return;
    }
    gotFocus_ = true;
    session_.cmd.SyncBusy = true;
    for (const OfferedShape& shape : OfferedShapes(session_, kind_)) {
        shapeList.lines.emplace_back(shape.caption);
        shapeCodes_.push_back(shape.code);
    }
    // The shearing tools open on the Rectangles unless the stored tool is a Square.
    const bool shearing = kind_ == library::kXShearing || kind_ == library::kYShearing;
    const char storedShape = session_.lib.DefaultTools[static_cast<std::size_t>(kind_ - 1)].shape;
    Fill(shearing && storedShape != 'B' ? 1 : 0);
    session_.cmd.SyncBusy = false;
    Remember();
    buttonsDefault = true;
}

char SetDeft::ShapeCode() const {
    return Chosen(shapeList) ? shapeCodes_[static_cast<std::size_t>(shapeList.selected)] : ' ';
}

void SetDeft::Fill(int shapeLine) {
    const core::DefaultToolRec& stored =
        session_.lib.DefaultTools[static_cast<std::size_t>(kind_ - 1)];
    promptVisible[0] = true;
    shapeList.visible = true;
    shapeList.selected = shapeLine;
    Empty(sizeList);
    Empty(stnList);
    promptVisible[2] = false;
    stnList.visible = false;
    stations_.clear();
    sizes_.clear();
    try {
        sizes_ = DefaultSizeLines(session_, kind_, ShapeCode());
    } catch (const platform::FileError& error) {
        session_.os.ui.Refuse(error.what());
    }
    for (std::size_t i = 0; i < sizes_.size(); ++i) {
        sizeList.lines.push_back(sizes_[i].text);
        if (hadDefault_ && sizes_[i].recordNo == stored.recordNo) {
            sizeList.selected = static_cast<int>(i);
        }
    }
    if (sizeList.lines.size() == 1) {
        sizeList.selected = 0;
    }
    promptVisible[1] = true;
    sizeList.visible = true;
    if (!Chosen(sizeList)) {
        return;
    }
    FillStations();
    for (std::size_t i = 0; i < stations_.size(); ++i) {
        if (stored.stnType > 0 && stations_[i].type == stored.stnType) {
            stnList.selected = static_cast<int>(i);
            break;
        }
    }
    promptVisible[2] = true;
    stnList.visible = true;
}

void SetDeft::FillStations() {
    Empty(stnList);
    stations_.clear();
    library::ToolRec tool;
    const std::int16_t recordNo = sizes_[static_cast<std::size_t>(sizeList.selected)].recordNo;
    try {
        if (const std::optional<library::ToolRec> rec =
                library::ReadTool(session_, ShapeCode(), recordNo)) {
            tool = *rec;
        }
    } catch (const platform::FileError& error) {
        session_.os.ui.Refuse(error.what());
    }
    stations_ = DefaultStationLines(session_, kind_, tool);
    for (const StationChoice& station : stations_) {
        stnList.lines.push_back(station.text);
    }
}

void SetDeft::Remember() {
    shownShape_ = shapeList.selected;
    shownSize_ = sizeList.selected;
}

void SetDeft::ShapeList_Click() {
    if (shapeList.selected == shownShape_ || session_.cmd.SyncBusy || !Chosen(shapeList)) {
        return;
    }
    session_.cmd.SyncBusy = true;
    hadDefault_ = false;
    Fill(shapeList.selected);
    session_.cmd.SyncBusy = false;
    Remember();
}

void SetDeft::SizeList_Click() {
    if (sizeList.selected == shownSize_ || session_.cmd.SyncBusy) {
        return;
    }
    Empty(stnList);
    stations_.clear();
    if (!Chosen(sizeList)) {
        Remember();
        return;
    }
    session_.cmd.SyncBusy = true;
    FillStations();
    promptVisible[2] = true;
    stnList.visible = true;
    stnList.enabled = true;
    session_.cmd.SyncBusy = false;
    Remember();
    if (stnList.lines.size() == 1) {
        stnList.selected = 0;
    }
}

void SetDeft::InptOk_Click() {
    platform::Ui& ui = session_.os.ui;
    if (!CascadeChosen(
            ui, shapeList, sizeList, stnList, [this] { SizeList_Click(); }, nullptr, stations_)) {
        return;
    }
    try {
        StoreDefault(session_, kind_, ShapeCode(),
                     sizes_[static_cast<std::size_t>(sizeList.selected)].recordNo,
                     stations_[static_cast<std::size_t>(stnList.selected)]);
    } catch (const library::ToolFileRefusal& refusal) {
        ui.Refuse(refusal.what());
        return;
    } catch (const platform::FileError& error) {
        ui.Refuse(error.what());
        return;
    }
    closed = true;
}

void SetDeft::InptCncl_Click() {
    closed = true;
}

}  // namespace tooling::turrets
