#include "search/search.h"

#include "corpus/surahs.h"
#include "display/display.h"
#include "measures/measures.h"
#include "table/frame.h"
#include "table/ordering.h"
#include "table/results.h"
#include "table/tables.h"

namespace tallyra {

namespace {

const QString kNoTerm = QStringLiteral("أكتب نصا للبحث عنه");

// Takes the term as the current one and ends the phrase list's marking;
// false, with the message to show, when there is none. The term and its
// length stay set either way, so that later row displays mark nothing after
// a failed check.
bool take_term(Session& session, const QString& term, QString& message) {
    session.search.s = term;
    session.search.j = int(term.size());
    if (term.isEmpty() || term == kSearchPlaceholder) {
        message = kNoTerm;
        session.focus = Focus::SearchBox;
        return false;
    }
    session.search.n = 0;
    return true;
}

QString surah_summary(long long q, int p) {
    return QStringLiteral("عدد النتائج ") + QString::number(q) + QStringLiteral("     عدد السور ") +
           QString::number(p);
}

// The verses of `source` that hold the term, each with its count.
std::vector<VerseHit> verse_hits(const Session& session, const std::vector<SourceVerse>& source) {
    const OccurrenceCounter term(session.search.s, exact_mode(session));
    std::vector<VerseHit> hits;
    for (const SourceVerse& sv : source) {
        const int r = term.count(sv.text);
        if (r > 0)
            hits.push_back({sv.v, sv.text, r});
    }
    return hits;
}

// The same over every verse of the active variant, read in place.
std::vector<VerseHit> corpus_hits(const Session& session) {
    const OccurrenceCounter term(session.search.s, exact_mode(session));
    const QStringList& lines = session.corpus.lines(session.variant());
    std::vector<VerseHit> hits;
    for (int i = 0; i < int(lines.size()); ++i) {
        const int r = term.count(lines[i]);
        if (r > 0)
            hits.push_back({i + 1, lines[i], r});
    }
    return hits;
}

// Lists the verse hits, or the no-result state, and ends the search.
void finish_verse_search(Session& session, const std::vector<VerseHit>& hits) {
    const Totals totals = list_verse_hits(session, hits);
    if (!hits.empty()) {
        add_repeats_item(session);
        session.table.setColumnWidth(verse_col::repeats, 80);
        session.ze = occurrence_summary(totals);
    }
    bit(session, as_count(totals.repeats));
    session.focus = Focus::Table;
}

void show_first_surah(Session& session) {
    const int k = to_int(session.table.cell(surah_col::number, 1)).value_or(0);
    if (k >= 1 && k < int(session.souar.size()))
        show_text(session, session.souar[k], 4, false);
    session.table.setCurrentRow(1);
}

// The matching rule over the candidates `next` finds from a position on.
template <class Next> int count_found(QStringView text, qsizetype j, bool exact, Next next) {
    if (j == 0)
        return 0;
    int r = 0;
    for (qsizetype p = next(0); p >= 0; p = next(p + 1)) {
        if (exact) {
            if (p > 0 && is_letter(text[p - 1]))
                continue;
            if (p + j < text.size() && is_letter(text[p + j]))
                continue;
        }
        ++r;
    }
    return r;
}

} // namespace

int count_occurrences(QStringView text, QStringView term, bool exact) {
    return count_found(text, term.size(), exact,
                       [&](qsizetype from) { return text.indexOf(term, from); });
}

OccurrenceCounter::OccurrenceCounter(QStringView term, bool exact)
    : matcher_(term), length_(term.size()), first_(term.isEmpty() ? QChar() : term.front()),
      exact_(exact) {}

int OccurrenceCounter::count(QStringView text) const {
    // One character is found fastest on its own, a longer term by the
    // matcher's skip table.
    if (length_ == 1)
        return count_found(text, 1, exact_,
                           [&](qsizetype from) { return text.indexOf(first_, from); });
    return count_found(text, length_, exact_,
                       [&](qsizetype from) { return matcher_.indexIn(text, from); });
}

bool exact_mode(const Session& session) {
    return session.checked(QStringLiteral("N104"));
}

bool table_only(const Session& session) {
    return session.checked(QStringLiteral("N88"));
}

QString bahte(Session& session, const QString& term, const QString& boxText) {
    session.search.s_hifdh = boxText;
    QString message;
    if (!take_term(session, term, message))
        return message;
    Grid& t = session.table;
    t.setRowCount(2);
    select_ordering_item(session, 0);

    if (session.ayat) {
        finish_verse_search(session, corpus_hits(session));
        return {};
    }

    t.setColumnWidth(surah_col::repeats, 80);
    t.setRowCount(kSurahCount + 1);
    const bool exact = exact_mode(session);
    long long q = 0;
    int p = 0;
    for (int k = 1; k <= kSurahCount; ++k) {
        const int r = count_occurrences(session.souar[k], term, exact);
        if (r > 0)
            ++p;
        q += r;
        write_surah_row(session, k, k, true, QString::number(r));
    }
    session.setEnabled(QStringLiteral("N6"), true);
    show_first_surah(session);
    session.ze = surah_summary(q, p);
    session.label = session.ze;
    session.setEnabled(QStringLiteral("RadioGroup1"), true);
    add_repeats_item(session);
    session.focus = Focus::Table;
    return {};
}

QString bahte_2(Session& session, const QString& term, const QString& boxText) {
    session.search.s_hifdh = boxText;
    if (session.display.text.isEmpty())
        return session.ayat ? QStringLiteral("لا يوجد آيات لتبحث فيها")
                            : QStringLiteral("لا يوجد سور لتبحث فيها");
    QString message;
    if (!take_term(session, term, message))
        return message;
    add_repeats_item(session);
    Grid& t = session.table;

    if (session.ayat) {
        t.setColumnWidth(verse_col::repeats, 80);
        finish_verse_search(session, verse_hits(session, source_verses(session, true)));
        return {};
    }

    t.setColumnWidth(surah_col::repeats, 80);
    session.setEnabled(QStringLiteral("BitBtn2"), true);
    // The surah number is read from column 1, which holds it in every surah
    // table; column 0 holds the position after a surah statistics command.
    struct Hit {
        int k;
        QString order;
        int r;
    };
    std::vector<Hit> hits;
    const bool exact = exact_mode(session);
    long long q = 0;
    for (int row = 1; row < t.rowCount(); ++row) {
        const int k = to_int(t.cell(surah_col::number, row)).value_or(0);
        if (k < 1 || k > kSurahCount)
            continue;
        const int r = count_occurrences(session.souar[k], term, exact);
        if (r > 0) {
            hits.push_back({k, t.cell(surah_col::order, row), r});
            q += r;
        }
    }
    if (q > 0) {
        t.setRowCount(int(hits.size()) + 1);
        for (int p = 1; p <= int(hits.size()); ++p) {
            const Hit& h = hits[p - 1];
            write_surah_row(session, p, h.k, true, QString::number(h.r));
            t.setCell(surah_col::order, p, h.order);
        }
        show_first_surah(session);
    } else {
        nigatif(session, 0);
    }
    session.setEnabled(QStringLiteral("N6"), q > 0);
    session.ze = surah_summary(q, int(hits.size()));
    session.setEnabled(QStringLiteral("RadioGroup1"), t.dataRowCount() > 1);
    session.label = session.ze;
    session.focus = Focus::Table;
    return {};
}

QString bahte_3(Session& session, const QString& term) {
    QString message;
    if (!take_term(session, term, message))
        return message;
    add_repeats_item(session);
    Grid& t = session.table;
    t.setColumnWidth(verse_col::repeats, 80);
    const bool exact = exact_mode(session);
    long long q = 0;
    Totals totals;
    totals.rows = t.dataRowCount();
    int v = 0;
    for (int i = 1; i < t.rowCount(); ++i) {
        v = to_int(t.cell(verse_col::index, i)).value_or(v);
        const QString text = t.cell(verse_col::text, i);
        if (text.isEmpty())
            continue;
        const int r = count_occurrences(text, term, exact);
        write_verse_text_row(session, i, v, i, text, QString::number(r));
        q += r;
        totals.words += nb_kalimat(text);
        totals.letters += nb_harf(text);
    }
    show_text(session, t.cell(verse_col::text, 1), 3, false);
    t.setCurrentRow(1);
    totals.repeats = q;
    session.ze = occurrence_summary(totals);
    bit(session, as_count(q));
    session.focus = Focus::Table;
    return {};
}

QString BitBtn1Click(Session& session, const QString& boxText) {
    return table_only(session) ? bahte_2(session, boxText, boxText)
                               : bahte(session, boxText, boxText);
}

QString search_in_table(Session& session, const QString& boxText) {
    return bahte_2(session, boxText, boxText);
}

void N88Click(Session& session) {
    const QString N88 = QStringLiteral("N88");
    session.setChecked(N88, !session.checked(N88));
    const bool text = !session.display.text.isEmpty();
    const bool words = !session.checked(N88) || text;
    session.setEnabled(QStringLiteral("N8"), session.ayat && words);
    session.setEnabled(QStringLiteral("N7"), words);
    if (!session.ayat)
        session.setEnabled(QStringLiteral("N20"), words);
}

QString search_box_entered(const Session& session, const QString& boxText) {
    const DisplayBox& box = session.display;
    if (box.selectionLength <= 0)
        return boxText;
    const QString selected = box.text.mid(box.selectionStart, box.selectionLength);
    return selected.isEmpty() ? boxText : selected;
}

} // namespace tallyra
