#pragma once

#include <QAbstractTableModel>
#include <QPalette>
#include <unordered_map>

#include "tools/ToolListPanel.h"

class QPixmap;

namespace tooling::ui {

// The tool list's columns as a table over the lines the panel logic built (the edit and delete
// lists add a fourth, the turrets holding the tool, with their stations as its tooltip): a row is
// converted for display only when the view asks for it. The first column starts with a small
// outline of the row's tool, painted once per row until the lines are built anew.
class ToolListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit ToolListModel(const tools::ToolListPanel& panel, QObject* parent = nullptr);

    // The lines have been built anew.
    void Reset();
    // The outlines' size in pixels (square) and colours.
    void SetOutlineLook(int side, const QPalette& palette);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    QPixmap Outline(int row) const;

    const tools::ToolListPanel& panel_;
    int side_ = 16;
    QPalette palette_;
    mutable std::unordered_map<int, QPixmap> outlines_;
};

}  // namespace tooling::ui
