#include "ui/ToolListModel.h"

#include "platform/qt/Cp1252.h"

namespace tooling::ui {

ToolListModel::ToolListModel(const std::vector<tools::ToolListLine>& lines, QObject* parent)
    : QAbstractTableModel(parent), lines_(lines) {}

void ToolListModel::Reset() {
    beginResetModel();
    endResetModel();
}

int ToolListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int ToolListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant ToolListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const tools::ToolListLine& line = lines_[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
        case 0:
            return platform::FromCp1252(line.size);
        case 1:
            return platform::FromCp1252(line.stations);
        case 2:
            return platform::FromCp1252(line.angles);
        default:
            return {};
    }
}

}  // namespace tooling::ui
