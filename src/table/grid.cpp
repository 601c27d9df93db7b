#include "table/grid.h"

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

Grid::Grid(int columns, int rows) {
    setColumnCount(columns);
    setRowCount(rows);
}

void Grid::setColumnCount(int columns) {
    revision_ = next_revision();
    columns_ = std::max(0, columns);
    for (auto& row : cells_)
        row.resize(columns_);
    widths_.resize(columns_, 64);
}

void Grid::setRowCount(int rows) {
    revision_ = next_revision();
    cells_.resize(std::max(0, rows), std::vector<QString>(columns_));
}

const QString& Grid::cell(int column, int row) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_)
        return kEmpty;
    return cells_[row][column];
}

void Grid::setCell(int column, int row, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_)
        return;
    revision_ = next_revision();
    cells_[row][column] = text;
}

void Grid::clearRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    revision_ = next_revision();
    for (auto& c : cells_[row])
        c.clear();
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

} // namespace tallyra
