#include "core/grid.h"

#include "measures/measures.h"

#include <algorithm>

namespace tallyra {

namespace {
const QString kEmpty;
constexpr int kFieldCount = 8;
} // namespace

QString& regi_aya::field(int c) {
    QString* fields[kFieldCount] = {&n0, &n1, &n2, &n3, &n4, &n5, &n6, &n7};
    return *fields[std::clamp(c, 0, kFieldCount - 1)];
}

const QString& regi_aya::field(int c) const {
    return const_cast<regi_aya*>(this)->field(c);
}

// Revisions are unique across all grids, so that a grid assigned over another
// never repeats a revision a view has seen.
quint64 Grid::next_revision() {
    static quint64 last = 0;
    return ++last;
}

void Grid::changed() {
    revision_ = dataRevision_ = next_revision();
}

Grid::Grid(int columns, int rows) {
    setColumnCount(columns);
    setRowCount(rows);
}

void Grid::setColumnCount(int columns) {
    columns = std::max(0, columns);
    changed();
    if (columns != columns_) {
        std::vector<QString> cells(size_t(rows_) * size_t(columns));
        const int kept = std::min(columns, columns_);
        for (int r = 0; r < rows_; ++r)
            for (int c = 0; c < kept; ++c)
                cells[size_t(r) * columns + c] = std::move(cells_[size_t(r) * columns_ + c]);
        cells_ = std::move(cells);
        columns_ = columns;
    }
    widths_.resize(columns_, 64);
}

void Grid::setRowCount(int rows) {
    changed();
    rows_ = std::max(0, rows);
    cells_.resize(size_t(rows_) * size_t(columns_));
    // A table cut to a small part of its size gives the memory back, so that
    // the next allocations of the command can take it.
    if (cells_.capacity() > 4096 && cells_.size() < cells_.capacity() / 4)
        cells_.shrink_to_fit();
}

const QString& Grid::cell(int column, int row) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_)
        return kEmpty;
    return cells_[size_t(row) * columns_ + column];
}

void Grid::setCell(int column, int row, const QString& text) {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_)
        return;
    changed();
    cells_[size_t(row) * columns_ + column] = text;
}

void Grid::clearRow(int row) {
    if (row < 0 || row >= rows_)
        return;
    changed();
    for (int c = 0; c < columns_; ++c)
        cells_[size_t(row) * columns_ + c].clear();
}

QString Grid::columnText(int column) const {
    qsizetype size = 0;
    for (int r = 0; r < rowCount(); ++r)
        size += cell(column, r).size() + 2;
    QString text;
    text.reserve(size);
    for (int r = 0; r < rowCount(); ++r) {
        text += cell(column, r);
        text += QStringLiteral("\r\n");
    }
    return text;
}

int Grid::columnWidth(int column) const {
    return column >= 0 && column < columns_ ? widths_[column] : 0;
}

void Grid::setColumnWidth(int column, int width) {
    if (column >= 0 && column < columns_) {
        revision_ = next_revision();
        widths_[column] = std::max(0, width);
    }
}

void Grid::setCurrentRow(int row) {
    current_ = row;
    selTop_ = selBottom_ = row;
}

void Grid::setSelection(int top, int bottom) {
    selTop_ = std::min(top, bottom);
    selBottom_ = std::max(top, bottom);
}

regi_aya Grid::readRow(int row) const {
    regi_aya record;
    for (int c = 0; c < std::min(columns_, kFieldCount); ++c)
        record.field(c) = cell(c, row);
    return record;
}

void Grid::writeRow(int row, const regi_aya& record, int skipColumn) {
    for (int c = 0; c < std::min(columns_, kFieldCount); ++c)
        if (c != skipColumn)
            setCell(c, row, record.field(c));
}

int a3dad_sabika(const Grid& grid, int column, int /*unused*/) {
    int sum = 0;
    for (int r = 1; r < grid.selectionTop() && r < grid.rowCount(); ++r)
        sum += to_int(grid.cell(column, r)).value_or(0);
    return sum;
}

namespace {

void reverseRows(Grid& table, int keptColumn) {
    const int n = table.dataRowCount();
    for (int top = 1, bottom = n; top < bottom; ++top, --bottom) {
        const regi_aya upper = table.readRow(top);
        const regi_aya lower = table.readRow(bottom);
        table.writeRow(top, lower, keptColumn);
        table.writeRow(bottom, upper, keptColumn);
    }
}

} // namespace

void retri_aya(Grid& table) {
    reverseRows(table, 1);
}

void retri_soura(Grid& table) {
    reverseRows(table, -1);
}

std::optional<RowSelection> row_selection(const Grid& grid, int top, int bottom, int current) {
    const int last = grid.rowCount() - 1;
    if (last < 1)
        return std::nullopt;
    current = std::clamp(current, 1, last);
    top = std::clamp(top, 1, last);
    bottom = std::clamp(bottom, 1, last);
    if (top > bottom)
        std::swap(top, bottom);
    if (current < top || current > bottom)
        top = bottom = current;
    return RowSelection{top, bottom, current};
}

} // namespace tallyra
