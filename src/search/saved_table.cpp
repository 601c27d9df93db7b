#include "search/saved_table.h"

#include "corpus/surahs.h"
#include "display/display.h"
#include "measures/measures.h"
#include "search/search.h"
#include "table/frame.h"
#include "table/results.h"
#include "table/tables.h"

namespace tallyra {

void N93Click(Session& session) {
    SavedTable& saved = session.saved;
    const Grid& t = session.table;
    saved.waw_hifdh = session.waw;
    saved.ss_hifdh = session.search.s_hifdh;
    saved.ordering = session.orderingIndex;
    saved.n = session.search.n;
    saved.hifdh_jadwal.clear();
    saved.hifdh_jadwal.reserve(size_t(t.dataRowCount()));
    for (int r = 1; r < t.rowCount(); ++r) {
        const int v = to_int(t.cell(verse_col::index, r)).value_or(0);
        if (v >= 1 && v <= kVerseCount)
            saved.hifdh_jadwal.push_back(v);
    }
}

Restored N94Click(Session& session) {
    Restored out;
    const SavedTable& saved = session.saved;
    const int rows = int(saved.hifdh_jadwal.size());
    if (!session.ayat || rows == 0)
        return out;
    if (session.waw != saved.waw_hifdh)
        out.message = QStringLiteral("النسختين من القرآن مختلفتين");

    session.search.n = saved.n;
    Grid& t = session.table;
    t.setRowCount(2);
    session.setEnabled(QStringLiteral("BitBtn3"), true);
    t.setRowCount(rows + 1);
    const Variant variant = saved.waw_hifdh ? Variant::Merged : Variant::Separated;
    VerseRows writer(session);
    const QString zero = decimal(0);
    long long words = 0, letters = 0;
    for (int i = 1; i <= rows; ++i) {
        const int v = saved.hifdh_jadwal[size_t(i - 1)];
        const WordsAndLetters c = writer.write(i, v, i, session.corpus.verse(variant, v), zero);
        words += c.words;
        letters += c.letters;
    }
    session.ze = QStringLiteral("عدد الآيات ") + QString::number(rows) +
                 QStringLiteral("      مجموع الكلمات ") + QString::number(words) +
                 QStringLiteral("      مجموع الحروف ") + QString::number(letters);
    session.label = session.ze;

    // The search text is recounted in the rows unless the saved table came
    // from the phrase list or from no search; the placeholder is no search.
    const QString& text = saved.ss_hifdh;
    if (saved.n != 0 || text.isEmpty() || text == kSearchPlaceholder) {
        remove_repeats_item(session);
        t.setColumnWidth(verse_col::repeats, 0);
        out.searchBox = kSearchPlaceholder;
        bit(session, rows);
    } else {
        out.searchBox = text;
        bahte_3(session, text);
    }
    // The saved ordering item, when the selector holds it now; the rows are
    // in the order it gave them, so nothing is ordered.
    session.orderingIndex = saved.ordering < session.orderingItems.size() ? saved.ordering : -1;
    show_text_single(session, t.cell(verse_col::text, 1), 3, false);
    t.setCurrentRow(1);
    session.focus = Focus::Table;
    return out;
}

} // namespace tallyra
