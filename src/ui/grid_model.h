// The main table as the view sees it: a read-only model over the engine's
// grid. Row 0 of the grid gives the column captions; data rows 1 to
// rowCount() - 1 become model rows 0 upwards.
#pragma once

#include "table/grid.h"

#include <QAbstractTableModel>

namespace tallyra {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(const Grid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Reads the grid again if it changed since the last time; true if it did.
    bool sync();

private:
    const Grid& grid_;
    quint64 seen_ = 0; // no grid revision is 0: the first sync reads the grid
};

} // namespace tallyra
