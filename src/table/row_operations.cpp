#include "table/row_operations.h"

#include "corpus/surahs.h"
#include "display/display.h"
#include "measures/measures.h"
#include "table/filters.h"
#include "table/frame.h"
#include "table/results.h"
#include "table/tables.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace tallyra {

namespace {

// The data rows outside the selection, in table order.
std::vector<int> rows_not_selected(const Grid& t) {
    const int n = t.dataRowCount();
    const int top = std::clamp(t.selectionTop(), 1, std::max(n, 1));
    const int bottom = std::clamp(t.selectionBottom(), top, std::max(n, 1));
    std::vector<int> rows;
    rows.reserve(size_t(n));
    for (int r = 1; r <= n; ++r)
        if (r < top || r > bottom)
            rows.push_back(r);
    return rows;
}

// The row above the selection, or the first one.
int row_above_selection(const Grid& t) {
    return t.selectionTop() >= 2 ? t.selectionTop() - 1 : 1;
}

} // namespace

void N73Click(Session& session) {
    Grid& t = session.table;
    if (session.ayat) {
        retri_aya(t);
        show_text(session, t.cell(verse_col::text, 1), 3, false);
        return;
    }
    retri_soura(t);
    const int k = to_int(t.cell(surah_col::number, 1)).value_or(0);
    if (k >= 1 && k < int(session.souar.size()))
        show_text(session, session.souar[k], 4, false);
}

void N79Click(Session& session) {
    if (!session.ayat)
        return;
    Grid& t = session.table;
    session.display.caret = 0;
    // The rows are replaced in mushaf order: the first item of the selector
    // is chosen without ordering the rows about to go.
    session.orderingIndex = 0;
    if (repeats_in_use(session)) {
        remove_repeats_item(session);
        t.setColumnWidth(verse_col::repeats, 0);
    }
    std::vector<bool> shown(size_t(kVerseCount) + 1, false);
    for (int r = 1; r < t.rowCount(); ++r) {
        const int v = to_int(t.cell(verse_col::index, r)).value_or(0);
        if (v >= 1 && v <= kVerseCount)
            shown[size_t(v)] = true;
    }
    const long long missing = std::count(shown.begin() + 1, shown.end(), false);
    if (missing == 0) {
        nigatif(session, 0);
        bit(session, 0);
        return;
    }
    t.setRowCount(int(missing) + 1);
    VerseRows rows(session);
    const QString zero = decimal(0);
    Totals totals;
    for (int v = 1; v <= kVerseCount; ++v) {
        if (shown[size_t(v)])
            continue;
        ++totals.rows;
        const WordsAndLetters c = rows.write(totals.rows, v, totals.rows, zero);
        totals.words += c.words;
        totals.letters += c.letters;
    }
    show_text(session, t.cell(verse_col::text, 1), 3, false);
    t.setCurrentRow(1);
    session.ze = QStringLiteral("عدد الآيات ") + QString::number(totals.rows) +
                 QStringLiteral("     مجموع الكلمات ") + QString::number(totals.words) +
                 QStringLiteral("      مجموع الحروف ") + QString::number(totals.letters);
    session.label = session.ze;
    session.setEnabled(QStringLiteral("RadioGroup1"), t.rowCount() > 2);
}

void N84Click(Session& session) {
    if (!session.ayat)
        return;
    Grid& t = session.table;
    const int n = t.dataRowCount();
    Gauge& gauge = session.gauge;
    gauge.maximum = 2 * n;
    gauge.value = 0;
    gauge.visible = true;
    // The key of a row: its verse number, its running number, its repetition.
    std::vector<std::tuple<int, int, int>> keys;
    keys.reserve(size_t(n));
    for (int r = 1; r <= n; ++r) {
        keys.emplace_back(to_int(t.cell(verse_col::verse, r)).value_or(0),
                          to_int(t.cell(verse_col::index, r)).value_or(0),
                          to_int(t.cell(verse_col::repeats, r)).value_or(0));
        session.advanceGauge(r);
    }
    std::stable_sort(keys.begin(), keys.end());
    VerseRows rows(session);
    for (int r = 1; r <= n; ++r) {
        session.advanceGauge(n + r);
        const auto& [verse, v, repeats] = keys[size_t(r - 1)];
        rows.write(r, v, r, zero_pad(repeats, 3));
    }
    gauge.value = 0;
    gauge.visible = false;
    session.orderingIndex = -1;
    show_text(session, t.cell(verse_col::text, 1), 3, session.search.na3am);
    t.setCurrentRow(1);
    session.focus = Focus::Table;
}

void N97Click(Session& session) {
    if (!session.ayat)
        return;
    Grid& t = session.table;
    const int current = row_above_selection(t);
    const std::vector<int> kept = rows_not_selected(t);
    keep_rows(t, kept, verse_col::position);
    finish_verse_cut(session, int(kept.size()), current);
}

void N98Click(Session& session) {
    if (session.ayat)
        return;
    Grid& t = session.table;
    session.setEnabled(QStringLiteral("BitBtn2"), true);
    const int current = row_above_selection(t);
    const std::vector<int> kept = rows_not_selected(t);
    // The hidden column numbers the rows left.
    keep_rows(t, kept, surah_col::order);
    finish_surah_cut(session, int(kept.size()), current);
}

} // namespace tallyra
