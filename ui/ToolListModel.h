#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "tools/ToolListLine.h"

namespace tooling::ui {

// The tool list's three columns as a table over the lines the panel logic built: a row is
// converted for display only when the view asks for it.
class ToolListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    ToolListModel(const std::vector<tools::ToolListLine>& lines, QObject* parent = nullptr);

    // The lines have been built anew.
    void Reset();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    const std::vector<tools::ToolListLine>& lines_;
};

}  // namespace tooling::ui
