// A table as the view sees it: a read-only model over an engine grid. Row 0
// of the grid gives the column captions; data rows 1 to rowCount() - 1 become
// model rows 0 upwards. The model serves the grid as it last read it, so that
// what the view sees changes only between the begin and the end of a reset,
// however the engine changed the grid in between.
#pragma once

#include "core/grid.h"

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

    // Reads the grid again if its cells or shape changed since the last
    // time, in one model reset; true if they did. A change of column widths
    // alone resets nothing.
    bool sync();

private:
    const Grid& grid_;
    Grid shown_; // the grid as the view sees it: its texts are shared, not copied
    quint64 seen_;
};

} // namespace tallyra
