#include "statistics/nabra.h"

#include "corpus/surahs.h"
#include "display/display.h"
#include "measures/measures.h"
#include "search/search.h"
#include "statistics/surah_statistics.h"
#include "table/frame.h"
#include "table/ordering.h"
#include "table/results.h"
#include "table/tables.h"

#include <algorithm>
#include <limits>

namespace tallyra {

namespace {

constexpr char16_t kAlifMaqsura = u'ى';

// The display marks the six marks as a phrase list.
void mark_the_marks(Session& session) {
    session.search.ar3ibara2 = nabra_marks();
    session.search.n = 6;
}

} // namespace

const QString& nab() {
    static const QString letters = QStringLiteral("كلمنهة");
    return letters;
}

QStringList nabra_marks() {
    QStringList marks;
    for (QChar c : nab())
        marks << QString(QChar(kAlifMaqsura)) + c;
    return marks;
}

int nabra_count(QStringView text) {
    int count = 0;
    for (qsizetype k = 0; k + 1 < text.size(); ++k)
        if (text[k] == kAlifMaqsura && nab().contains(text[k + 1]))
            ++count;
    return count;
}

void N46Click(Session& session) {
    mark_the_marks(session);
    std::vector<VerseHit> hits;
    long long total = 0;
    for (const SourceVerse& sv : source_verses(session, table_only(session))) {
        const int r = nabra_count(sv.text);
        if (r > 0) {
            hits.push_back({sv.v, sv.text, r});
            total += r;
        }
    }
    Grid& t = session.table;
    if (total > 0) {
        const Totals totals = write_verse_hits(session, hits);
        show_text_multi(session, t.cell(verse_col::text, 1), 3);
        t.setCurrentRow(1);
        add_repeats_item(session);
        t.setColumnWidth(verse_col::repeats, 70);
        session.ze = QStringLiteral("عدد النتائج ") + QString::number(total) +
                     QStringLiteral("    عدد الآيات ") + QString::number(totals.rows) +
                     QStringLiteral("    مجموع الكلمات ") + QString::number(totals.words) +
                     QStringLiteral("    مجموع الحروف ") + QString::number(totals.letters);
    } else {
        nigatif(session, 0);
    }
    bit(session, int(std::min<long long>(total, std::numeric_limits<int>::max())));
    session.focus = Focus::Table;
}

void N01Click(Session& session) {
    remove_repeats_item(session);
    session.setEnabled(QStringLiteral("BitBtn2"), true);
    mark_the_marks(session);
    select_ordering_item(session, 0);
    std::vector<SurahHit> hits;
    for (int k : source_surahs(session, table_only(session))) {
        const int r = nabra_count(session.souar[k]);
        if (r > 0)
            hits.push_back({k, r});
    }
    Grid& t = session.table;
    const int p = int(hits.size());
    if (p > 0) {
        // Column 0 holds the surah number here, not the position.
        session.ze = write_surah_hits(session, hits, true);
        show_text(session, session.souar[hits[0].k], 4, false);
        t.setCurrentRow(1);
        add_repeats_item(session);
        t.setColumnWidth(surah_col::repeats, 70);
    } else {
        nigatif(session, 0);
    }
    bit(session, p);
    session.focus = Focus::Table;
}

} // namespace tallyra
