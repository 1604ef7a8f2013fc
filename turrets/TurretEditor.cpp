#include "turrets/TurretEditor.h"

#include <algorithm>
#include <utility>

#include "core/Session.h"
#include "core/Stations.h"
#include "core/Text.h"
#include "library/CrossReference.h"
#include "library/ShapeTable.h"
#include "library/ToolFile.h"
#include "library/TurretRows.h"
#include "numeric/LeadingNumber.h"
#include "numeric/NumText.h"
#include "platform/FileError.h"

namespace tooling::turrets {

namespace {

constexpr int kSelectToolDecimals = 3;
const std::string kTwelveBlanks(12, ' ');

}  // namespace

TurretEditor::TurretEditor(core::Session& session, std::function<void()> closed)
    : picture(session), session_(session), closed_(std::move(closed)) {}

void TurretEditor::ShowRow(std::size_t r, int imperialDecimals) {
    const core::Machine& machine = session_.machine;
    const StationRow& row = rows_[r];
    const auto type = static_cast<std::size_t>(row.typeIdx);
    columns[0][r] = core::TurretStationAt(machine, row.station).label;
    columns[1][r] =
        type < machine.StationTable.size() ? core::Trim(machine.StationTable[type].name) : "";
    columns[2][r] = library::StationToolType(row);
    columns[3][r] =
        library::StationToolSize(row, session_.machine.ImperialDisplay, imperialDecimals);
}

void TurretEditor::Open(std::vector<StationRow> rows, std::string_view name, int imperialDecimals) {
    rows_ = std::move(rows);
    name_ = std::string(name);
    for (std::vector<std::string>& column : columns) {
        column.assign(rows_.size(), std::string());
    }
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (library::StationShape(rows_[r]) == ' ') {
            rows_[r].angle.clear();
        }
        ShowRow(r, imperialDecimals);
        columns[4][r] = rows_[r].angle;
    }
    MarkStrays();
    picture.Open();
    barMax = std::max(0, static_cast<int>(rows_.size()) - kVisibleLines);
    topLine = 0;
    session_.cmd.SyncBusy = true;
    selected = rows_.empty() ? -1 : 0;
    session_.cmd.SyncBusy = false;
    frameVisible = true;
    trtDscVisible = true;
    trtDsc = core::Trim(name);
    buttonsDefault = true;
    focusList = true;
}

void TurretEditor::MarkStrays() {
    try {
        notInLibrary = library::StrayRows(session_, {name_, session_.cmd.CurTurret, rows_});
    } catch (const platform::FileError& error) {
        notInLibrary.assign(rows_.size(), false);
        session_.os.ui.Refuse(error.what());
    }
}

void TurretEditor::SelectLine(int line, int top) {
    if (line >= 0 && line < static_cast<int>(rows_.size())) {
        selected = line;
    }
    topLine = std::clamp(top, 0, barMax);
    focusList = true;
}

void TurretEditor::TurretList_Click(int line, int top) {
    if (!session_.cmd.SyncBusy) {
        SelectLine(line, top);
    }
}

void TurretEditor::TurretList_MouseDown(int line, int top) {
    SelectLine(line, top);
}

void TurretEditor::TurretList_MouseMove(int button, int line, int top) {
    if (button != 0) {
        SelectLine(line, top);
    }
}

void TurretEditor::TurretList_DblClick(int line, int top, const RunTrtTol& runTrtTol) {
    SelectLine(line, top);
    Selectool_Click(runTrtTol);
}

void TurretEditor::TurretBar_Change(int value) {
    topLine = std::clamp(value, 0, barMax);
}

bool TurretEditor::Picture_Click(platform::DrawingPoint point, double reach) {
    const std::optional<std::size_t> row = illustration::RowAt(PictureView(), point, reach);
    if (!row) {
        return false;
    }
    const int line = static_cast<int>(*row);
    SelectLine(line, std::clamp(topLine, line - kVisibleLines + 1, line));
    return true;
}

platform::Drawing TurretEditor::Picture() const {
    return picture.Draw(rows_, notInLibrary, selected);
}

void TurretEditor::Selectool_Click(const RunTrtTol& runTrtTol) {
    if (selected >= 0 && selected < static_cast<int>(rows_.size())) {
        const auto r = static_cast<std::size_t>(selected);
        StationRow& row = rows_[r];
        const PickedTool picked = runTrtTol(row.typeIdx);
        if (picked.valid == -1 && picked.shape != ' ' && picked.stationType == row.typeIdx) {
            row.shape.assign(1, picked.shape);
            row.tool = core::Trim(picked.description);
            for (std::size_t i = 0; i < row.dims.size(); ++i) {
                // The stored single-precision value as its text reads.
                row.dims[i] = numeric::LeadingNumber(numeric::NumText(picked.dims[i], -1));
            }
            row.angle = core::IsIndexStation(picked.stationKind)
                            ? "idx"
                            : numeric::NumText(picked.angle, -1);
            ShowRow(r, kSelectToolDecimals);
            columns[4][r] = row.angle;
            notInLibrary[r] = false;
        }
    }
    focusList = true;
    buttonsDefault = true;
}

void TurretEditor::Removetool_Click() {
    if (selected >= 0 && selected < static_cast<int>(rows_.size())) {
        const auto r = static_cast<std::size_t>(selected);
        StationRow& row = rows_[r];
        row.shape = " ";
        row.tool = kTwelveBlanks;
        row.dims = {};
        row.angle = " ";
        columns[2][r] = kTwelveBlanks;
        columns[3][r] = kTwelveBlanks;
        columns[4][r] = row.angle;
        notInLibrary[r] = false;
    }
    focusList = true;
    buttonsDefault = true;
}

void TurretEditor::TurretOk_Click() {
    if (LayoutUnderWay()) {
        return;
    }
    try {
        if (session_.cmd.CurTurret < 1) {
            const std::int16_t number = SaveNewTurret(session_, name_, rows_);
            if (number == 0) {
                session_.os.ui.Refuse(kTooManyTurrets);
                return;
            }
            session_.cmd.CurTurret = number;
        } else {
            SaveTurret(session_, session_.cmd.CurTurret, rows_);
        }
    } catch (const platform::FileError& error) {
        // The panel stays up with the user's changes, to try again or cancel.
        session_.os.ui.Refuse(error.what());
        return;
    }
    Close();
}

void TurretEditor::TurretCncl_Click() {
    if (!LayoutUnderWay()) {
        Close();
    }
}

bool TurretEditor::LayoutUnderWay() {
    if (picture.layoutMode) {
        session_.os.ui.Beep();
    }
    return picture.layoutMode;
}

void TurretEditor::Close() {
    frameVisible = false;
    trtDscVisible = false;
    buttonsDefault = false;
    focusList = false;
    closed_();
}

}  // namespace tooling::turrets
