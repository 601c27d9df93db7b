#include "ui/grid_model.h"

namespace tallyra {

GridModel::GridModel(const Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), shown_(grid), seen_(grid.dataRevision()) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_.dataRowCount();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_.columnCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return shown_.cell(index.column(), index.row() + 1);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | Qt::AlignLeading);
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return shown_.cell(section, 0);
    return section + 1;
}

bool GridModel::sync() {
    if (grid_.dataRevision() == seen_)
        return false;
    beginResetModel();
    shown_ = grid_;
    seen_ = grid_.dataRevision();
    endResetModel();
    return true;
}

} // namespace tallyra
