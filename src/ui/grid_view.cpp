#include "ui/grid_view.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>
#include <algorithm>

namespace tallyra {

GridView::GridView(QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // One range of rows: the table's commands act on the rows from the first
    // to the last selected, and the current row is always among them.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    // By pixels, so that a row can stand in the very middle.
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    fitHeaderToFont();
}

void GridView::fitHeaderToFont() {
    // The header's least section width would otherwise follow the widest
    // glyph of its fonts, wider than some columns ask to be.
    QHeaderView* header = horizontalHeader();
    header->setMinimumSectionSize(3 * header->fontMetrics().averageCharWidth());
}

void GridView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitHeaderToFont();
}

void GridView::setColumnWidths(const std::vector<int>& widths, int stretchColumn) {
    // Another kind of table: every column takes the width it asks for.
    const bool otherKind = stretchColumn != stretch_;
    for (int c = 0; c < int(widths.size()); ++c) {
        const bool changed = otherKind || c >= int(widths_.size()) || widths_[c] != widths[c];
        setColumnHidden(c, widths[c] == 0);
        // Widths the user gave a column stay until the table changes them.
        if (changed && widths[c] > 0)
            setColumnWidth(c, std::max(widths[c], captionWidth(c)));
    }
    widths_ = widths;
    stretch_ = stretchColumn;
    fitColumns();
}

void GridView::fitColumns() {
    ++fits_;
    const int columns = std::min(int(widths_.size()), model() ? model()->columnCount() : 0);
    const int width = viewport()->width();
    const auto base = [&](int c) { return std::max(widths_[c], captionWidth(c)); };
    if (stretch_ >= 0 && stretch_ < columns && !isColumnHidden(stretch_)) {
        int others = 0;
        for (int c = 0; c < columns; ++c)
            if (c != stretch_ && !isColumnHidden(c))
                others += columnWidth(c);
        setColumnWidth(stretch_, std::max(widths_[stretch_], width - others));
        return;
    }
    // No column takes the rest: the spare width is shared out in proportion
    // to the columns' own widths.
    std::vector<int> shown;
    int total = 0;
    for (int c = 0; c < columns; ++c)
        if (!isColumnHidden(c)) {
            shown.push_back(c);
            total += base(c);
        }
    if (shown.empty() || total <= 0)
        return;
    const int spare = std::max(0, width - total);
    int given = 0;
    for (size_t i = 0; i < shown.size(); ++i) {
        const int c = shown[i];
        const int share = i + 1 == shown.size() ? spare - given : spare * base(c) / total;
        given += share;
        setColumnWidth(c, base(c) + share);
    }
}

int GridView::captionWidth(int column) const {
    if (!model())
        return 0;
    const QHeaderView* header = horizontalHeader();
    const QString caption = model()->headerData(column, Qt::Horizontal).toString();
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return header->fontMetrics().horizontalAdvance(caption) + 2 * margin + 6;
}

std::pair<int, int> GridView::selectedRange() const {
    int top = -1, bottom = -1;
    if (!selectionModel())
        return {top, bottom};
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        top = top < 0 ? range.top() : std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
    }
    return {top, bottom};
}

std::optional<RowSelection> GridView::chosenRows() const {
    auto [top, bottom] = selectedRange();
    const int current = currentIndex().isValid() ? currentIndex().row() : top;
    if (current < 0)
        return std::nullopt;
    if (top < 0)
        top = bottom = current;
    return RowSelection{top + 1, bottom + 1, current + 1};
}

void GridView::showSelection(int top, int bottom, int current, bool centre) {
    if (!model() || current < 0 || current >= model()->rowCount())
        return;
    int column = 0;
    while (column < model()->columnCount() - 1 && isColumnHidden(column))
        ++column;
    const QModelIndex index = model()->index(current, column);
    if (currentIndex() != index)
        setCurrentIndex(index);
    if (selectedRange() != std::pair{top, bottom}) {
        const QItemSelection rows(model()->index(top, 0),
                                  model()->index(bottom, model()->columnCount() - 1));
        selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    }
    scrollTo(index,
             centre ? QAbstractItemView::PositionAtCenter : QAbstractItemView::EnsureVisible);
}

void GridView::showGridSelection(const Grid& grid, bool reset) {
    // The view's selection is the grid's: its rows from the first to the
    // last selected, the current row among them.
    const int rows = model() ? model()->rowCount() : 0;
    const int row = grid.currentRow() - 1;
    if (row < 0 || row >= rows)
        return;
    int top = std::clamp(grid.selectionTop() - 1, 0, rows - 1);
    int bottom = std::clamp(grid.selectionBottom() - 1, 0, rows - 1);
    if (row < top || row > bottom)
        top = bottom = row;
    const bool moved = currentIndex().row() != row;
    if (reset || moved || selectedRange() != std::pair{top, bottom})
        showSelection(top, bottom, row, reset || moved);
}

QString GridView::cellToolTip(const QModelIndex& index) const {
    if (!index.isValid())
        return {};
    const QString text = index.data().toString();
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int needed = fontMetrics().horizontalAdvance(text) + 2 * margin;
    return needed > visualRect(index).width() ? text : QString();
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool GridView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString text = cellToolTip(index);
        if (!text.isEmpty()) {
            QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
            return true;
        }
    }
    return QTableView::viewportEvent(event);
}

} // namespace tallyra
