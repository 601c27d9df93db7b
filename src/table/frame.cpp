#include "table/frame.h"

#include "display/display.h"

#include <algorithm>
#include <vector>

namespace tallyra {

namespace {
const QString N7 = QStringLiteral("N7");
const QString N8 = QStringLiteral("N8");
const QString N20 = QStringLiteral("N20");
const QString N88 = QStringLiteral("N88");
} // namespace

void reset_view(Session& session) {
    session.label.clear();
    session.ze.clear();
    session.search.n = 0;
    session.search.j = 0;
    session.focus = Focus::Table;
    session.display.replace(QString());
    session.gauge.visible = false;
    session.setEnabled(N7, true);
    session.setEnabled(QStringLiteral("N6"), true);
    session.setEnabled(N8, session.ayat);
    session.setEnabled(N20, !session.ayat);
    for (const char* copy : {"N26", "N35", "N36", "N38", "N39", "N40"})
        session.setEnabled(QString::fromLatin1(copy), true);
}

void style(Session& session) {
    session.display.marks.clear();
}

void bit(Session& session, int count) {
    const bool found = count != 0;
    session.setEnabled(QStringLiteral("BitBtn3"), true);
    session.setEnabled(QStringLiteral("BitBtn4"), found);
    session.setEnabled(QStringLiteral("N6"), found);
    session.setEnabled(QStringLiteral("RadioGroup1"), session.table.rowCount() > 2);
    session.label = session.ze;
    if (session.checked(N88)) {
        session.setEnabled(N8, session.ayat && found);
        session.setEnabled(N7, found);
    } else {
        session.setEnabled(N8, session.ayat);
        session.setEnabled(N7, true);
    }
    if (!session.ayat)
        session.setEnabled(N20, found || !session.checked(N88));
}

void nigatif(Session& session, int count) {
    session.table.setRowCount(count + 2);
    session.table.clearRow(1);
    session.table.setCurrentRow(1);
    session.display.replace(QString());
    session.letters.clear();
    session.ze = QStringLiteral("لا يوجد نتائج");
}

void change_row(Session& session, int row) {
    if (row < 1 || row >= session.table.rowCount() || row == session.table.currentRow())
        return;
    session.table.setCurrentRow(row);
    show_row(session, row);
}

void select_rows(Session& session, int top, int bottom, int current) {
    const std::optional<RowSelection> chosen = row_selection(session.table, top, bottom, current);
    if (!chosen)
        return;
    change_row(session, chosen->current);
    session.table.setSelection(chosen->top, chosen->bottom);
}

QString selected_rows_text(const Grid& grid) {
    std::vector<int> shown;
    for (int c = 0; c < grid.columnCount(); ++c)
        if (grid.columnWidth(c) > 0)
            shown.push_back(c);
    const int last = grid.rowCount() - 1;
    const int top = std::max(1, grid.selectionTop());
    const int bottom = std::min(last, grid.selectionBottom());
    QString text;
    const auto line = [&](int row) {
        for (size_t i = 0; i < shown.size(); ++i) {
            if (i > 0)
                text += u'\t';
            text += grid.cell(shown[i], row);
        }
        text += u'\n';
    };
    line(0);
    for (int r = top; r <= bottom; ++r)
        line(r);
    return text;
}

void window_resized(Session& session) {
    if (session.clos)
        show_row(session, session.table.currentRow());
}

void window_closing(Session& session) {
    session.clos = false;
}

void summary_double_click(Session& session) {
    session.label.clear();
    session.p9 = 0;
    session.t.clear();
}

} // namespace tallyra
