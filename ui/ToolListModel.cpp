#include "ui/ToolListModel.h"

#include <QPixmap>

#include "platform/qt/Cp1252.h"
#include "tools/ToolOutline.h"
#include "ui/OutlinePainting.h"

namespace tooling::ui {

ToolListModel::ToolListModel(const tools::ToolListPanel& panel, QObject* parent)
    : QAbstractTableModel(parent), panel_(panel) {}

void ToolListModel::Reset() {
    beginResetModel();
    outlines_.clear();
    endResetModel();
}

void ToolListModel::SetOutlineLook(int side, const QPalette& palette) {
    side_ = side;
    palette_ = palette;
    Reset();
}

int ToolListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(panel_.lines.size());
}

int ToolListModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return panel_.turretsHeader.empty() ? 3 : 4;
}

QPixmap ToolListModel::Outline(int row) const {
    const auto cached = outlines_.find(row);
    if (cached != outlines_.end()) {
        return cached->second;
    }
    const auto line = static_cast<std::size_t>(row);
    std::optional<tools::ToolOutline> outline;
    if (line < panel_.ListRec.size()) {
        outline = tools::OutlineOfTool(panel_.ListRec[line]);
    }
    return outlines_[row] = OutlineIcon(outline, side_, palette_);
}

QVariant ToolListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::DecorationRole) {
        return index.column() == 0 ? QVariant(Outline(index.row())) : QVariant();
    }
    const tools::ToolListLine& line = panel_.lines[static_cast<std::size_t>(index.row())];
    if (role == Qt::ToolTipRole) {
        return index.column() == 3 && !line.turretStations.empty()
                   ? QVariant(platform::FromCp1252(line.turretStations))
                   : QVariant();
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
        case 0:
            return platform::FromCp1252(line.size);
        case 1:
            return platform::FromCp1252(line.stations);
        case 2:
            return platform::FromCp1252(line.angles);
        case 3:
            return platform::FromCp1252(line.turrets);
        default:
            return {};
    }
}

}  // namespace tooling::ui
