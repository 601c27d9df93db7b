// The table of a window: whole rows selected as one contiguous range that
// always holds the current row, columns that share the width the view gives
// them, a tooltip with the whole text of a cell its column cuts off, and the
// standard copy action, which asks the window for the text to copy.
#pragma once

#include "core/grid.h"

#include <QTableView>
#include <optional>
#include <vector>

namespace tallyra {

class GridView : public QTableView {
    Q_OBJECT
public:
    explicit GridView(QWidget* parent = nullptr);

    // The widths the table asks for its columns (0 hides one) and the column
    // that takes whatever width the others leave (-1: none, the columns then
    // share the spare width). Each column is at least as wide as its caption.
    void setColumnWidths(const std::vector<int>& widths, int stretchColumn);
    const std::vector<int>& columnWidths() const { return widths_; }
    // Fits the columns to the view's width again; how often it did, for the
    // tests: once per resize.
    void fitColumns();
    int fits() const { return fits_; }

    // The selected rows, from 0, as one range; {-1, -1} when none.
    std::pair<int, int> selectedRange() const;
    // The rows the user selected and the current row, as the grid numbers
    // them (from 1); empty when the view has no current row.
    std::optional<RowSelection> chosenRows() const;
    // Makes the rows from `top` to `bottom` the selection (from 0) and `current`
    // the current row, scrolled into view (to the centre when `centre`).
    void showSelection(int top, int bottom, int current, bool centre);

    // Makes the view's selection and current row those of the grid it shows
    // (whose data rows start at 1); a row a command moved to, or any row
    // after `reset`, shows in the middle of the view.
    void showGridSelection(const Grid& grid, bool reset);

    // The tooltip of a cell: its whole text when its column cuts it off,
    // else none (the table's own tooltip shows).
    QString cellToolTip(const QModelIndex& index) const;

signals:
    // The user asked to copy the selected rows.
    void copyRequested();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // The width that shows a column's caption whole.
    int captionWidth(int column) const;
    void fitHeaderToFont();

    std::vector<int> widths_;
    int stretch_ = -1;
    int fits_ = 0;
};

} // namespace tallyra
