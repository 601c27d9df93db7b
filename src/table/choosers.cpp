#include "table/choosers.h"

#include "corpus/surahs.h"
#include "display/display.h"
#include "measures/measures.h"
#include "table/filters.h"
#include "table/frame.h"
#include "table/results.h"
#include "table/tables.h"

#include <algorithm>

namespace tallyra {

namespace {

const QString kSurahCountLine = QStringLiteral("حدد السُور التي تريدها في الجدول");

// The indexes within [0, size), ascending, each once.
std::vector<int> valid_indexes(const std::vector<int>& indexes, int size) {
    std::vector<int> out;
    for (const int i : indexes)
        if (i >= 0 && i < size)
            out.push_back(i);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

void count_chosen(VerseChooserWindow& chooser) {
    chooser.count = chooser.chosen.isEmpty() ? QString() : QString::number(chooser.chosen.size());
}

} // namespace

void surah_chooser_created(SurahChooserWindow& chooser) {
    chooser.selected.clear();
    chooser.count = kSurahCountLine;
    chooser.items.setChecked(kChooserModeBox, true);
}

void surah_chooser_select(SurahChooserWindow& chooser, const std::vector<int>& surahs) {
    std::vector<int> indexes;
    for (const int k : surahs)
        indexes.push_back(k - 1);
    chooser.selected.clear();
    for (const int i : valid_indexes(indexes, kSurahCount))
        chooser.selected.push_back(i + 1);
    chooser.count =
        kSurahCountLine + QStringLiteral("   ") + QString::number(chooser.selected.size());
}

void surah_chooser_mode(SurahChooserWindow& chooser) {
    chooser.items.setChecked(kChooserModeBox, !chooser.items.checked(kChooserModeBox));
    chooser.count = kSurahCountLine;
}

std::optional<QString> surah_chooser_ok(SurahChooserWindow& chooser, Session& session) {
    if (chooser.selected.empty())
        return QStringLiteral("لم يتم تحديد أي سورة");
    std::vector<bool> chosen(size_t(kSurahCount) + 1, false);
    for (const int k : chooser.selected)
        chosen[size_t(k)] = true;
    Grid& t = session.table;
    // The surah number of a verse row is the start of its surah label.
    const NumberColumn column =
        session.ayat ? NumberColumn{verse_col::surah, 3} : NumberColumn{surah_col::number};
    std::vector<int> rows;
    for (int r = 1; r < t.rowCount(); ++r) {
        const int k = column.read(t, r).value_or(0);
        if (k >= 1 && k <= kSurahCount && chosen[size_t(k)])
            rows.push_back(r);
    }
    if (rows.empty())
        return session.ayat ? QStringLiteral("السور التي قمت بتحديدها لا وجود لها في جدول الآيات")
                            : QStringLiteral("السور التي قمت بتحديدها لا وجود لها في الجدول");
    if (session.ayat) {
        keep_rows(t, rows, verse_col::position);
        finish_verse_cut(session, int(rows.size()));
    } else {
        session.setEnabled(QStringLiteral("BitBtn2"), true);
        keep_rows(t, rows, -1);
        finish_surah_cut(session, int(rows.size()));
    }
    return std::nullopt;
}

void verse_chooser_created(VerseChooserWindow& chooser) {
    chooser.items.setChecked(kChooserModeBox, true);
}

void verse_chooser_surah(VerseChooserWindow& chooser, int index) {
    if (index < 0 || index >= kSurahCount)
        return;
    chooser.la = index;
    chooser.verses.clear();
    for (int v = 1; v <= verse_count(index + 1); ++v)
        chooser.verses << QString::number(v);
    chooser.selectedVerses.clear();
}

void verse_chooser_select(VerseChooserWindow& chooser, const std::vector<int>& indexes) {
    chooser.selectedVerses = valid_indexes(indexes, int(chooser.verses.size()));
}

void verse_chooser_select_all(VerseChooserWindow& chooser) {
    chooser.selectedVerses.clear();
    for (int i = 0; i < chooser.verses.size(); ++i)
        chooser.selectedVerses.push_back(i);
}

void verse_chooser_mode(VerseChooserWindow& chooser) {
    chooser.items.setChecked(kChooserModeBox, !chooser.items.checked(kChooserModeBox));
}

void verse_chooser_add(VerseChooserWindow& chooser) {
    chooser.g = surah(chooser.la + 1);
    for (const int i : chooser.selectedVerses) {
        const int v = i + 1;
        const int r = chooser.g + v - 1;
        const QString entry = name_surah(r) + u' ' + QString::number(v);
        if (chooser.chosen.contains(entry))
            continue;
        chooser.chosen << entry;
        chooser.chosenVerses.push_back(r);
        count_chosen(chooser);
    }
}

void verse_chooser_select_chosen(VerseChooserWindow& chooser, const std::vector<int>& indexes) {
    chooser.selectedChosen = valid_indexes(indexes, int(chooser.chosen.size()));
}

void verse_chooser_delete_selected(VerseChooserWindow& chooser) {
    // From the last, so that the indexes before stay where they are.
    for (auto i = chooser.selectedChosen.rbegin(); i != chooser.selectedChosen.rend(); ++i) {
        chooser.chosen.removeAt(*i);
        chooser.chosenVerses.erase(chooser.chosenVerses.begin() + *i);
    }
    chooser.selectedChosen.clear();
    count_chosen(chooser);
}

void verse_chooser_clear(VerseChooserWindow& chooser) {
    chooser.chosen.clear();
    chooser.chosenVerses.clear();
    chooser.selectedChosen.clear();
    chooser.count.clear();
}

std::optional<QString> verse_chooser_show(VerseChooserWindow& chooser, Session& session) {
    if (chooser.chosen.isEmpty())
        return QStringLiteral("لم يتم إختيار أي آية");
    if (!session.ayat)
        return std::nullopt;
    Grid& t = session.table;
    const int m = int(chooser.chosenVerses.size());
    t.setRowCount(m + 1);
    VerseRows rows(session);
    const QString zero = decimal(0);
    Totals totals;
    totals.rows = m;
    for (int k = 1; k <= m; ++k) {
        const WordsAndLetters c = rows.write(k, chooser.chosenVerses[size_t(k - 1)], k, zero);
        totals.words += c.words;
        totals.letters += c.letters;
    }
    show_text(session, t.cell(verse_col::text, 1), 3, false);
    t.setCurrentRow(1);
    session.ze = verse_totals_summary(totals);
    bit(session, m);
    return std::nullopt;
}

void verse_chooser_closed(VerseChooserWindow& chooser) {
    verse_chooser_clear(chooser);
}

std::optional<int> verse_reference(const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0)
        return std::nullopt;
    const std::optional<int> k = typed_number(text.left(colon));
    const std::optional<int> v = typed_number(text.mid(colon + 1));
    if (!k || !v || *k < 1 || *k > kSurahCount || *v < 1 || *v > verse_count(*k))
        return std::nullopt;
    return first_verse(*k) + *v - 1;
}

} // namespace tallyra
