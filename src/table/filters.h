// Cutting a table down by a number its rows hold: keeping the rows whose
// number lies between two bounds, outside them, or is divisible by a given
// number. The scan is written over the grid and a column of it, so that any
// table can be cut the same way; the main table's filters, the deletion of
// selected rows and the surah chooser share the way the kept rows are
// written back and summed.
#pragma once

#include "table/session.h"

#include <optional>
#include <vector>

namespace tallyra {

// The number a row holds in a column: the integer of its cell, or of the
// cell's first `prefix` characters (the surah label «086-الطارق» gives 86).
struct NumberColumn {
    int column = 0;
    int prefix = 0; // 0: the whole cell

    // Empty when the cell holds no number.
    std::optional<int> read(const Grid& grid, int row) const;
};

// What a row's number must be to keep the row.
struct NumberTest {
    enum Kind { Within, Outside, Divisible };
    Kind kind = Within;
    int lo = 0;      // the bounds, lo <= hi
    int hi = 0;      // (unused by divisibility)
    int divisor = 1; // above 0

    bool keeps(int x) const;
};

// The data rows (from 1, in table order) whose number passes the test; a
// row whose cell holds no number is not kept.
std::vector<int> rows_passing(const Grid& grid, NumberColumn column, NumberTest test);

// Moves the given data rows (ascending) up to rows 1, 2, ... in their order,
// and writes each one's new position into `positionColumn` (-1: none). The
// row count becomes the number kept plus 1; with none kept the table keeps
// its rows.
void keep_rows(Grid& grid, const std::vector<int>& rows, int positionColumn);

// A bound or divisor as the user types it: digits only, within 32 bits.
std::optional<int> typed_number(const QString& text);

// The kinds of number the filter menus offer, in their order.
enum class NumberKind { Order, Surah, Verse, Verses, Words, Letters, Repetition };

// The input dialogs of the filters: their caption, the lower bound's prompt
// of each kind, the upper bound's prompt and the divisor's.
QString filter_caption();
QString lower_bound_prompt(NumberKind kind);
QString upper_bound_prompt();
QString divisor_prompt();

// True while the repetition column is in use: the ordering selector holds
// its sixth item.
bool repeats_in_use(const Session& session);

// Range (q = 1..5) and exclusion (q = 6..10) on the surah number, the verse
// number, the words, the letters and the repetition of the verse table's
// rows, and range (11) and exclusion (12) on the order number. `first` and
// `second` are the bounds as typed, in either order; when either is not a
// number, `message` is returned and nothing changes.
QString farz_farz(Session& session, int q, const QString& first, const QString& second,
                  const QString& message);
// The same over the surah table: q = 1..5 ranges and 6..10 exclusions on the
// surah number, the verse count, the words, the letters and the repetition.
QString farz_souar(Session& session, int q, const QString& first, const QString& second,
                   const QString& message);
// Divisibility of the verse table's surah number (q = 1), verse number (2),
// words (3), letters (4), repetition (5) or order number (6); of the surah
// table's surah number (1), verse count (2), words, letters and repetition.
// A divisor that is not a number above 0 is refused with its message.
QString qabiliat(Session& session, int q, const QString& divisor);
QString qabiliat_souar(Session& session, int q, const QString& divisor);

// A filter menu item: the range, exclusion or divisibility filter of `kind`
// over the table shown. A kind the table shown has no column for changes
// nothing.
QString range_filter(Session& session, NumberKind kind, bool exclusion, const QString& first,
                     const QString& second);
QString divisibility_filter(Session& session, NumberKind kind, const QString& divisor);

// What the filters, the deletions and the surah chooser end with once the
// `kept` rows are in place (keep_rows): the display box shows row `current`,
// which is made current, the summary sums the rows left (with the repetition
// total while that column is in use) and the end-of-command refresh runs;
// with no row kept, the no-result state. The surah table also disables the
// go-to button.
void finish_verse_cut(Session& session, int kept, int current = 1);
void finish_surah_cut(Session& session, int kept, int current = 1);

} // namespace tallyra
