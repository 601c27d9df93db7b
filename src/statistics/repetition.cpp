#include "statistics/repetition.h"

#include "search/search.h"
#include "table/frame.h"
#include "table/ordering.h"
#include "table/results.h"
#include "table/tables.h"

#include <QHash>

namespace tallyra {

namespace {

// A distinct text of the source with its first occurrence and its count.
struct TextEntry {
    int v = 0;
    QString text;
    int count = 0;
};

// Walks the source verses with the gauge, grouping equal texts in the order
// of their first occurrence. `repeated`, when given, collects every
// occurrence after the first.
std::vector<TextEntry> group_texts(Session& session, std::vector<VerseHit>* repeated = nullptr) {
    const std::vector<SourceVerse> source = source_verses(session, table_only(session));
    Gauge& gauge = session.gauge;
    gauge.maximum = int(source.size());
    gauge.value = 0;
    gauge.visible = true;
    std::vector<TextEntry> entries;
    QHash<QString, int> index;
    index.reserve(qsizetype(source.size()));
    for (int i = 0; i < int(source.size()); ++i) {
        const SourceVerse& sv = source[i];
        session.advanceGauge(i + 1);
        const auto it = index.constFind(sv.text);
        if (it != index.constEnd()) {
            ++entries[*it].count;
            if (repeated)
                repeated->push_back({sv.v, sv.text, 0});
        } else {
            index.insert(sv.text, int(entries.size()));
            entries.push_back({sv.v, sv.text, 1});
        }
    }
    return entries;
}

// Writes the result rows, shows the first and ends the command; returns the
// sums of the rows.
Totals finish(Session& session, const std::vector<VerseHit>& hits,
              const QString& suffix = QString()) {
    const Totals totals = list_verse_hits(session, hits);
    if (!hits.empty())
        session.ze = verse_totals_summary(totals) + suffix;
    bit(session, int(hits.size()));
    return totals;
}

void show_repeats(Session& session, bool shown) {
    if (shown)
        add_repeats_item(session);
    else
        remove_repeats_item(session);
    session.table.setColumnWidth(verse_col::repeats, shown ? 80 : 0);
}

void end_walk(Session& session) {
    session.gauge.visible = false;
    session.gauge.value = 0;
    session.focus = Focus::Table;
}

} // namespace

void N48Click(Session& session) {
    std::vector<VerseHit> hits;
    for (const TextEntry& e : group_texts(session))
        hits.push_back({e.v, e.text, e.count});
    finish(session, hits);
    show_repeats(session, true);
    end_walk(session);
}

void N49Click(Session& session) {
    std::vector<VerseHit> hits;
    group_texts(session, &hits);
    finish(session, hits);
    show_repeats(session, false);
    end_walk(session);
}

void N210Click(Session& session) {
    std::vector<VerseHit> hits;
    long long total = 0;
    for (const TextEntry& e : group_texts(session)) {
        if (e.count > 1) {
            hits.push_back({e.v, e.text, e.count});
            total += e.count;
        }
    }
    finish(session, hits, QStringLiteral("    مجموع التكرار ") + QString::number(total));
    if (!hits.empty())
        show_repeats(session, true);
    end_walk(session);
}

void N310Click(Session& session) {
    std::vector<VerseHit> hits;
    for (const TextEntry& e : group_texts(session))
        if (e.count == 1)
            hits.push_back({e.v, e.text, 0});
    finish(session, hits);
    if (!hits.empty())
        show_repeats(session, false);
    end_walk(session);
}

void N51Click(Session& session) {
    const QString shown = session.display.text;
    session.search.s = shown;
    session.table.setRowCount(2);
    select_ordering_item(session, 0);
    std::vector<VerseHit> hits;
    const QStringList& lines = session.corpus.lines(session.variant());
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i] == shown)
            hits.push_back({i + 1, lines[i], 0});
    finish(session, hits);
    if (!hits.empty())
        session.ze.prepend(QStringLiteral("    "));
    session.label = session.ze;
    show_repeats(session, false);
    session.focus = Focus::Table;
}

QString N77Click(Session& session, const QString& boxText) {
    return bahte(session, session.display.text, boxText);
}

} // namespace tallyra
