#include "statistics/surah_statistics.h"

#include "corpus/surahs.h"
#include "display/display.h"
#include "measures/measures.h"
#include "search/search.h"
#include "table/frame.h"
#include "table/ordering.h"
#include "table/results.h"
#include "table/tables.h"

namespace tallyra {

namespace {

// A surah text ends with one space after its last verse. Exact mode wants a
// word boundary after the beginning phrase and before the ending one.
bool surah_begins(const QString& t, const QString& phrase, bool exact) {
    if (!exact)
        return t.startsWith(phrase);
    return t.startsWith(phrase + u' ') || t.startsWith(phrase + u'\r');
}

bool surah_ends(const QString& t, const QString& phrase, bool exact) {
    if (t.isEmpty())
        return false;
    const QStringView body = QStringView(t).chopped(1); // without the final space
    if (!exact)
        return body.endsWith(phrase);
    return body.endsWith(QString(u' ' + phrase)) || body.endsWith(QString(u'\n' + phrase));
}

} // namespace

QString write_surah_hits(Session& session, const std::vector<SurahHit>& hits, bool numberFirst) {
    Grid& table = session.table;
    const int p = int(hits.size());
    table.setRowCount(std::max(p, 1) + 1);
    long long verses = 0, words = 0, letters = 0, repeats = 0;
    for (int i = 1; i <= p; ++i) {
        const SurahHit& h = hits[i - 1];
        write_surah_row(session, i, h.k, true, QString::number(h.repeats));
        table.setCell(surah_col::order, i, QString::number(numberFirst ? h.k : i));
        verses += verse_count(h.k);
        words += nb_kalimat(session.souar[h.k]);
        letters += nb_harf(session.souar[h.k]);
        repeats += h.repeats;
    }
    return QStringLiteral("عدد السور ") + QString::number(p) + QStringLiteral("   مجموع الآيات ") +
           QString::number(verses) + QStringLiteral("   مجموع الكلمات ") + QString::number(words) +
           QStringLiteral("    مجموع الحروف ") + QString::number(letters) +
           QStringLiteral("    مجموع التكرار ") + QString::number(repeats);
}

QString souratabda(Session& session, int mode, const QString& first, const QString& second) {
    SearchState& st = session.search;
    if (mode == 3) {
        st.setEnds(first, second);
        if (first.isEmpty() || second.isEmpty())
            return QStringLiteral("أكتب البداية والنهاية للسور");
    } else {
        st.s = first;
        st.j = int(first.size());
        if (first.isEmpty() || first == kSearchPlaceholder) {
            session.focus = Focus::SearchBox;
            return QStringLiteral("أكتب نصا للبحث عنه");
        }
    }
    remove_repeats_item(session);
    st.n = 0;
    select_ordering_item(session, 0);

    const bool exact = exact_mode(session);
    std::vector<SurahHit> hits;
    for (int k : source_surahs(session, table_only(session))) {
        const QString& t = session.souar[k];
        bool selected = false;
        int r = 0;
        if (mode == 1) {
            selected = surah_begins(t, first, exact);
            r = selected ? count_occurrences(t, first, exact) : 0;
        } else if (mode == 2) {
            selected = surah_ends(t, first, exact);
            r = selected ? count_occurrences(t, first, exact) : 0;
        } else {
            selected = surah_begins(t, first, exact) && surah_ends(t, second, exact);
            if (selected) {
                r = count_occurrences(t, first, exact);
                if (second != first)
                    r += count_occurrences(t, second, exact);
            }
        }
        if (selected)
            hits.push_back({k, r});
    }

    Grid& table = session.table;
    const int p = int(hits.size());
    if (p > 0) {
        session.ze = write_surah_hits(session, hits, false);
        show_text_single(session, session.souar[hits[0].k], 4, mode == 3);
        table.setCurrentRow(1);
        add_repeats_item(session);
        table.setColumnWidth(surah_col::repeats, 80);
    } else {
        nigatif(session, 0);
    }
    bit(session, p);
    session.setEnabled(QStringLiteral("BitBtn4"), false);
    session.setEnabled(QStringLiteral("BitBtn2"), true);
    session.focus = Focus::Table;
    return {};
}

QString N24Click(Session& session, const QString& boxText) {
    return souratabda(session, 1, boxText);
}

QString N25Click(Session& session, const QString& boxText) {
    return souratabda(session, 2, boxText);
}

QString N31Click(Session& session, const QString& a, const QString& b) {
    return souratabda(session, 3, a, b);
}

} // namespace tallyra
