#include "statistics/repetition.h"

#include "search/search.h"
#include "table/frame.h"
#include "table/ordering.h"
#include "table/results.h"
#include "table/tables.h"

#include <QHash>

#include <optional>

namespace tallyra {

namespace {

// A distinct text of the source with its first occurrence and its count.
struct TextEntry {
    int v = 0;
    QString text;
    int count = 0;
};

// The source verses grouped by identical text: the distinct texts in the
// order of their first occurrence, and every occurrence after the first.
struct Grouping {
    explicit Grouping(const std::vector<SourceVerse>& source) {
        QHash<QString, int> index;
        index.reserve(qsizetype(source.size()));
        for (const SourceVerse& sv : source) {
            const auto it = index.constFind(sv.text);
            if (it != index.constEnd()) {
                ++entries[*it].count;
                repeated.push_back({sv.v, sv.text, 0});
            } else {
                index.insert(sv.text, int(entries.size()));
                entries.push_back({sv.v, sv.text, 1});
            }
        }
    }
    // The grouping of every verse of a variant, made once per variant.
    Grouping(const Corpus& corpus, Variant v) : Grouping(all_verses(corpus, v)) {}

    static std::vector<SourceVerse> all_verses(const Corpus& corpus, Variant v) {
        std::vector<SourceVerse> all;
        const QStringList& lines = corpus.lines(v);
        all.reserve(size_t(lines.size()));
        for (int i = 0; i < int(lines.size()); ++i)
            all.push_back({i + 1, lines[i]});
        return all;
    }

    std::vector<TextEntry> entries;
    std::vector<VerseHit> repeated;
};

// The grouping of the source verses, with the gauge over the walk: the one
// kept for the variant when the source is the corpus, else made into `made`.
const Grouping& group_texts(Session& session, std::optional<Grouping>& made) {
    Gauge& gauge = session.gauge;
    gauge.value = 0;
    gauge.visible = true;
    if (!table_only(session)) {
        gauge.maximum = gauge.value = session.corpus.verseCount();
        return session.corpus.derived<Grouping>(session.variant());
    }
    const std::vector<SourceVerse> source = source_verses(session, true);
    gauge.maximum = int(source.size());
    made.emplace(source);
    gauge.value = gauge.maximum;
    return *made;
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
    std::optional<Grouping> made;
    const Grouping& grouping = group_texts(session, made);
    std::vector<VerseHit> hits;
    hits.reserve(grouping.entries.size());
    for (const TextEntry& e : grouping.entries)
        hits.push_back({e.v, e.text, e.count});
    finish(session, hits);
    show_repeats(session, true);
    end_walk(session);
}

void N49Click(Session& session) {
    std::optional<Grouping> made;
    finish(session, group_texts(session, made).repeated);
    show_repeats(session, false);
    end_walk(session);
}

void N210Click(Session& session) {
    std::optional<Grouping> made;
    std::vector<VerseHit> hits;
    long long total = 0;
    for (const TextEntry& e : group_texts(session, made).entries) {
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
    std::optional<Grouping> made;
    std::vector<VerseHit> hits;
    for (const TextEntry& e : group_texts(session, made).entries)
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
