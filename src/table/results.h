// What the search and statistics commands share: reading the verses or
// surahs they work on, from the corpus or from the table itself, writing
// their result rows, and the ordering selector's sixth item that orders by
// the occurrence count.
#pragma once

#include "corpus/surahs.h"
#include "measures/measures.h"
#include "measures/verse_facts.h"
#include "table/session.h"

#include <vector>

namespace tallyra {

// A verse a command reads: its running number and its text, the corpus line
// or the table's cell itself, which stays valid until the table changes.
struct SourceVerse {
    int v = 0;
    const QString& text;
};

// The verses of the active variant in mushaf order, or with `fromTable` the
// rows the verse table shows, in table order: the text from column 4 and the
// running number from column 0 (a row whose column 0 holds no number keeps
// the number of the row before). Rows without a verse text are skipped.
std::vector<SourceVerse> source_verses(const Session& session, bool fromTable);

// The surah numbers a command reads: 1 to 114, or with `fromTable` the
// numbers in column 1 of the surah table's rows, in table order (rows that
// name no surah are skipped).
std::vector<int> source_surahs(const Session& session, bool fromTable);

// A verse result row: the verse, and the count for column 7.
struct VerseHit {
    int v = 0;
    QString text;
    int repeats = 0;
};

// Sums over the rows written.
struct Totals {
    int rows = 0;
    long long words = 0;
    long long letters = 0;
    long long repeats = 0;
};

// Writes verse rows into a session's table. The cells of a verse's row (its
// running number, surah label, verse number, text, word and letter counts)
// come from what the corpus keeps for the active variant and are shared by
// every row that shows the verse: a row costs copies, not allocations.
class VerseRows {
public:
    explicit VerseRows(Session& session);

    // The counts of `text` in the row of verse v: the kept ones when it is
    // verse v's own text in the active variant, else counted.
    WordsAndLetters counts(int v, const QString& text) const;

    // Writes verse v with `text` into `row`: v, `position`, surah name, verse
    // number, the text, its word and letter counts and `repeats` in column 7.
    // Returns the counts written.
    WordsAndLetters write(int row, int v, int position, const QString& text,
                          const QString& repeats);
    // The same with verse v's own text in the active variant.
    WordsAndLetters write(int row, int v, int position, const QString& repeats);

private:
    Session& session_;
    const QStringList& lines_;
    const VerseFacts& facts_;
    const std::array<QString, kSurahCount + 1>& labels_;
};

// Writes verse v with `text` into `row`: v, `position`, surah name, verse
// number, the text, its word and letter counts and `repeats` in column 7.
void write_verse_text_row(Session& session, int row, int v, int position, const QString& text,
                          const QString& repeats);

// Replaces the data rows with the hits, at positions 1, 2, ...; the table
// keeps at least one (empty) data row. Returns the sums of the rows.
Totals write_verse_hits(Session& session, const std::vector<VerseHit>& hits);

// Writes the hits over the table (write_verse_hits), shows the first in the
// display box (marking both terms of a two-term command when `two` is set)
// and makes it current; with no hits, the no-result state. Returns the sums
// of the rows written.
Totals list_verse_hits(Session& session, const std::vector<VerseHit>& hits, bool two = false);

// "عدد الآيات N    مجموع الكلمات W    مجموع الحروف L" of the rows written.
QString verse_totals_summary(const Totals& totals);

// "عدد النتائج R    عدد الآيات N    مجموع الكلمات W    مجموع الحروف L", R
// being the sum of the counts.
QString occurrence_summary(const Totals& totals);

// A count for the end-of-command refresh, which takes 32 bits.
int as_count(long long n);

// The ordering selector's sixth item, " التكرار", is added when the selector
// holds its five items, and removed when it holds six; a removed item that
// was selected leaves no item selected.
void add_repeats_item(Session& session);
void remove_repeats_item(Session& session);

} // namespace tallyra
