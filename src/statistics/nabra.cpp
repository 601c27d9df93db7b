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
    for (const SourceVerse& sv : source_verses(session, table_only(session))) {
        const int r = nabra_count(sv.text);
        if (r > 0)
            hits.push_back({sv.v, sv.text, r});
    }
    // Shown with the six marks marked, as the phrase list is.
    const Totals totals = list_verse_hits(session, hits);
    if (!hits.empty()) {
        add_repeats_item(session);
        session.table.setColumnWidth(verse_col::repeats, 70);
        session.ze = occurrence_summary(totals);
    }
    bit(session, as_count(totals.repeats));
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

void N02Click(Session& session, WordFindings& out) {
    const WordSource source = word_source(session);
    out.words =
        count_source_words(session, source, [](QStringView word) { return nabra_count(word) > 0; });
    QString caption = QStringLiteral("إحصاء كل الكلمات التي يوجد بها رمز النبرة في ");
    if (source.kind == WordSource::Rows && source.rows != session.corpus.verseCount())
        caption += QString::number(source.rows) + QStringLiteral("  آية المعروضة في جدول الآيات");
    else if (source.kind == WordSource::Surah)
        caption += QStringLiteral("سورة ") + source.surah;
    else
        caption += QStringLiteral("كل القرآن الكريم");
    out.caption = caption;
    if (!out.words.isEmpty())
        out.terms = nabra_marks();
}

} // namespace tallyra
