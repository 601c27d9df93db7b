#include "table/ordering.h"

#include "corpus/surahs.h"
#include "display/display.h"
#include "measures/measures.h"
#include "table/frame.h"
#include "table/tables.h"

#include <algorithm>
#include <vector>

namespace tallyra {

namespace {

// The integer of a cell with leading zeros to at least `digits` digits.
QString padded(const Grid& t, int column, int row, int digits) {
    return zero_pad(to_int(t.cell(column, row)).value_or(0), digits);
}

// A row's key with the identity it carries: the running number (or surah
// number) and the repetition count as the key writes it.
struct Keyed {
    QString key;
    int id = 0;
    QString repeats;
};

Keyed verse_key(const Grid& t, int row, int item) {
    using namespace verse_col;
    const QString number = padded(t, index, row, 4);
    const QString rep = padded(t, repeats, row, 3);
    QString key;
    switch (item) {
    case 0:
        key = number + rep;
        break;
    case 1:
        key = t.cell(text, row) + rep + number;
        break;
    case 2:
        key = invers(t.cell(text, row)) + rep + number;
        break;
    case 3:
        key = padded(t, words, row, 3) + u':' + number + rep;
        break;
    case 4:
        key = padded(t, letters, row, 3) + u':' + number + rep;
        break;
    default:
        key = rep + u':' + number + rep;
        break;
    }
    return {key, to_int(t.cell(index, row)).value_or(0), rep};
}

Keyed surah_key(const Grid& t, int row, int item) {
    using namespace surah_col;
    const QString k = padded(t, number, row, 3);
    const QString rep = padded(t, repeats, row, 4);
    QString key;
    switch (item) {
    case 0:
        key = k + rep;
        break;
    case 1:
        key = t.cell(name, row) + k + rep;
        break;
    case 2:
        key = padded(t, verses, row, 3) + k + rep;
        break;
    case 3:
        key = padded(t, words, row, 4) + k + rep;
        break;
    case 4:
        key = padded(t, letters, row, 5) + k + rep;
        break;
    default:
        key = rep + k;
        break;
    }
    return {key, to_int(t.cell(number, row)).value_or(0), rep};
}

} // namespace

QString ordering_key(const Session& session, int row, int item) {
    return session.ayat ? verse_key(session.table, row, item).key
                        : surah_key(session.table, row, item).key;
}

void RadioGroup1Click(Session& session) {
    Grid& t = session.table;
    const int n = t.dataRowCount();
    if (n <= 1)
        return;
    const int item = std::clamp(session.orderingIndex, 0, 5);
    Gauge& gauge = session.gauge;
    gauge.maximum = 2 * n;
    gauge.value = 0;
    gauge.visible = true;

    std::vector<Keyed> keys;
    keys.reserve(n);
    for (int i = 1; i <= n; ++i) {
        keys.push_back(session.ayat ? verse_key(t, i, item) : surah_key(t, i, item));
        if (session.ayat)
            session.advanceGauge(i);
    }
    // Ascending code-unit order; equal keys keep the order they came in.
    std::stable_sort(keys.begin(), keys.end(),
                     [](const Keyed& x, const Keyed& y) { return x.key < y.key; });

    if (session.ayat) {
        for (int i = 1; i <= n; ++i) {
            session.advanceGauge(n + i);
            const Keyed& k = keys[i - 1];
            write_verse_row(session, i, k.id, i, k.repeats);
        }
        change_row(session, 2);
        change_row(session, 1);
        session.focus = Focus::Table;
    } else {
        for (int i = 1; i <= n; ++i)
            write_surah_row(session, i, keys[i - 1].id, false, keys[i - 1].repeats);
        const int k = to_int(t.cell(surah_col::number, 1)).value_or(0);
        if (k >= 1 && k <= kSurahCount)
            show_text(session, session.souar[k], 4, false);
        change_row(session, 1);
    }
    gauge.value = 0;
    gauge.visible = false;
    session.label = session.ze;
}

void select_ordering_item(Session& session, int item) {
    if (item < 0 || item >= session.orderingItems.size() || item == session.orderingIndex)
        return;
    session.orderingIndex = item;
    RadioGroup1Click(session);
}

} // namespace tallyra
