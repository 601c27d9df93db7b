// The grid behind the main table and the word table: text cells addressed by
// column and row, row 0 holding the column captions and rows 1 to
// rowCount() - 1 the data. It also carries what the window shows of it: the
// column widths (0 hides a column), the current row and the selected rows.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <span>
#include <vector>

namespace tallyra {

// One row of a table, a text field per column: nc holds the cell of column c.
struct regi_aya {
    QString n0, n1, n2, n3, n4, n5, n6, n7;

    QString& field(int c);
    const QString& field(int c) const;
};

class Grid {
public:
    Grid() = default;
    Grid(int columns, int rows);

    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }
    int dataRowCount() const { return rows_ > 0 ? rows_ - 1 : 0; }

    // Growing adds empty cells; shrinking drops the cells cut off.
    void setColumnCount(int columns);
    void setRowCount(int rows);

    // Out-of-range reads give the empty text; out-of-range writes are ignored.
    const QString& cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    // The cells of `row`, column 0 first, to write in one change; empty for
    // an out-of-range row.
    std::span<QString> rowToWrite(int row) {
        if (row < 0 || row >= rows_)
            return {};
        changed();
        return {cells_.data() + size_t(row) * columns_, size_t(columns_)};
    }
    void clearRow(int row);

    // The whole column as one text: every cell from row 0 to the last row,
    // each followed by CR LF.
    QString columnText(int column) const;

    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);

    // The current row and the selected row range [selectionTop, selectionBottom].
    int currentRow() const { return current_; }
    int selectionTop() const { return selTop_; }
    int selectionBottom() const { return selBottom_; }
    // Makes `row` current and the selection that row alone.
    void setCurrentRow(int row);
    void setSelection(int top, int bottom);

    // Grows with every change of the cells, the shape or the column widths.
    quint64 revision() const { return revision_; }
    // Grows with every change of the cells or the shape only: what a view
    // must read again, as opposed to a width it merely applies.
    quint64 dataRevision() const { return dataRevision_; }

    regi_aya readRow(int row) const;
    // Writes the record's fields into `row`, every column except `skipColumn`
    // (-1 writes all of them).
    void writeRow(int row, const regi_aya& record, int skipColumn = -1);

private:
    static quint64 next_revision();
    void changed();

    quint64 revision_ = next_revision();
    quint64 dataRevision_ = revision_;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<QString> cells_; // row after row, columns_ cells each
    std::vector<int> widths_;
    int current_ = 1;
    int selTop_ = 1;
    int selBottom_ = 1;
};

// The selection a user's choice of rows makes in a table (rows from 1): the
// rows from top to bottom within the data rows, with the current row, the
// one a window shows, among them; a choice that leaves it out is the current
// row alone, so that a command on the selected rows never acts on rows other
// than the one shown. Empty for a table without data rows.
struct RowSelection {
    int top = 1;
    int bottom = 1;
    int current = 1;
};
std::optional<RowSelection> row_selection(const Grid& grid, int top, int bottom, int current);

// Sum of the integers in `column` over the data rows above the first selected
// row (rows 1 to selectionTop() - 1); 0 when the selection starts at row 1.
// Cells that do not hold a number add nothing. The third argument is unused.
int a3dad_sabika(const Grid& grid, int column, int unused = 0);

// Reverses the data rows in every column but column 1, the position column,
// which keeps counting from the top. Serves the verse table and the word table.
void retri_aya(Grid& table);

// Reverses the data rows in every column (the surah table).
void retri_soura(Grid& table);

} // namespace tallyra
