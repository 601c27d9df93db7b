#include "table/results.h"

#include "corpus/surahs.h"
#include "display/display.h"
#include "measures/measures.h"
#include "table/frame.h"
#include "table/tables.h"

#include <algorithm>
#include <limits>

namespace tallyra {

std::vector<SourceVerse> source_verses(const Session& session, bool fromTable) {
    std::vector<SourceVerse> out;
    if (!fromTable) {
        const int count = session.corpus.verseCount();
        out.reserve(count);
        for (int v = 1; v <= count; ++v)
            out.push_back({v, session.verseText(v)});
        return out;
    }
    const Grid& t = session.table;
    out.reserve(t.dataRowCount());
    int v = 0;
    for (int r = 1; r < t.rowCount(); ++r) {
        v = to_int(t.cell(verse_col::index, r)).value_or(v);
        const QString& text = t.cell(verse_col::text, r);
        if (!text.isEmpty())
            out.push_back({v, text});
    }
    return out;
}

std::vector<int> source_surahs(const Session& session, bool fromTable) {
    std::vector<int> out;
    if (!fromTable) {
        for (int k = 1; k <= kSurahCount; ++k)
            out.push_back(k);
        return out;
    }
    const Grid& t = session.table;
    for (int r = 1; r < t.rowCount(); ++r) {
        const int k = to_int(t.cell(surah_col::number, r)).value_or(0);
        if (k >= 1 && k <= kSurahCount)
            out.push_back(k);
    }
    return out;
}

VerseRows::VerseRows(Session& session)
    : session_(session), lines_(session.corpus.lines(session.variant())),
      facts_(session.corpus.derived<VerseFacts>(session.variant())), labels_(surah_labels()) {}

WordsAndLetters VerseRows::counts(int v, const QString& text) const {
    if (v >= 1 && v <= lines_.size() && same_text(text, lines_[v - 1]))
        return {facts_.words[v], facts_.letters[v]};
    return count_words_and_letters(text);
}

WordsAndLetters VerseRows::write(int row, int v, int position, const QString& text,
                                 const QString& repeats) {
    const WordsAndLetters c = counts(v, text);
    const std::span<QString> cells = session_.table.rowToWrite(row);
    // The verse table's eight columns; a narrower grid takes what it has.
    const auto put = [&](int column, QString value) {
        if (size_t(column) < cells.size())
            cells[column] = std::move(value);
    };
    put(verse_col::index, decimal(v));
    put(verse_col::position, decimal(position));
    put(verse_col::surah, labels_[surah_of(v)]);
    put(verse_col::verse, decimal(number_aya(v)));
    put(verse_col::text, text);
    put(verse_col::words, decimal(c.words));
    put(verse_col::letters, decimal(c.letters));
    put(verse_col::repeats, repeats);
    return c;
}

WordsAndLetters VerseRows::write(int row, int v, int position, const QString& repeats) {
    static const QString none;
    return write(row, v, position, v >= 1 && v <= lines_.size() ? lines_[v - 1] : none, repeats);
}

void write_verse_text_row(Session& session, int row, int v, int position, const QString& text,
                          const QString& repeats) {
    VerseRows(session).write(row, v, position, text, repeats);
}

Totals write_verse_hits(Session& session, const std::vector<VerseHit>& hits) {
    Grid& t = session.table;
    const int rows = int(hits.size());
    t.setRowCount(std::max(rows, 1) + 1);
    Totals totals;
    totals.rows = rows;
    VerseRows writer(session);
    for (int p = 1; p <= rows; ++p) {
        const VerseHit& h = hits[p - 1];
        const WordsAndLetters c = writer.write(p, h.v, p, h.text, decimal(h.repeats));
        totals.words += c.words;
        totals.letters += c.letters;
        totals.repeats += h.repeats;
    }
    return totals;
}

Totals list_verse_hits(Session& session, const std::vector<VerseHit>& hits, bool two) {
    if (hits.empty()) {
        nigatif(session, 0);
        return {};
    }
    const Totals totals = write_verse_hits(session, hits);
    const QString& first = session.table.cell(verse_col::text, 1);
    if (two)
        show_text_single(session, first, 3, true);
    else
        show_text(session, first, 3, false);
    session.table.setCurrentRow(1);
    return totals;
}

QString occurrence_summary(const Totals& totals) {
    return QStringLiteral("عدد النتائج ") + QString::number(totals.repeats) +
           QStringLiteral("    عدد الآيات ") + QString::number(totals.rows) +
           QStringLiteral("    مجموع الكلمات ") + QString::number(totals.words) +
           QStringLiteral("    مجموع الحروف ") + QString::number(totals.letters);
}

int as_count(long long n) {
    return int(std::min<long long>(n, std::numeric_limits<int>::max()));
}

QString verse_totals_summary(const Totals& totals) {
    return QStringLiteral("عدد الآيات ") + QString::number(totals.rows) +
           QStringLiteral("    مجموع الكلمات ") + QString::number(totals.words) +
           QStringLiteral("    مجموع الحروف ") + QString::number(totals.letters);
}

void add_repeats_item(Session& session) {
    if (session.orderingItems.size() == 5)
        session.orderingItems.append(QStringLiteral(" التكرار"));
}

void remove_repeats_item(Session& session) {
    if (session.orderingItems.size() != 6)
        return;
    session.orderingItems.removeLast();
    if (session.orderingIndex == 5)
        session.orderingIndex = -1;
}

} // namespace tallyra
