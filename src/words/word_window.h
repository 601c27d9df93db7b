// The word sorting window: the distinct words of a text, each with its
// letter count and the number of its occurrences, ordered five ways. The
// main window fills it from the verses the table shows or the text the
// display box shows, and the word statistics from the words they select;
// its words go on to the phrase list.
#pragma once

#include "core/result.h"
#include "core/windows.h"
#include "statistics/word_statistics.h"
#include "table/session.h"

namespace tallyra {

// The word table's columns.
namespace word_col {
enum : int { index = 0, position, word, letters, repeats, count };
}

// The ordering selector's five items: mushaf order, the word's beginning,
// its end, its letter count, its occurrences.
const QStringList& word_ordering_items();

// The window as the program creates it: the table's captions over one empty
// row, the ordering selector and the export button disabled.
void word_window_start(WordWindow& w);

// Fills the window with what a command found, in first-occurrence order, and
// shows its first word: the caption, the terms (when the findings set them),
// the rows and the summary line, or one empty row and «لا يوجد نتائج». The
// result opens the window.
Result fill_word_window(WordWindow& w, Session& session, WordFindings findings);

// F11: the words of every verse the verse table shows.
Result N13Click(WordWindow& w, Session& session);
// F12: the words of the verse or the surah the display box shows.
Result N15Click(WordWindow& w, Session& session);

// Shows one word: the display box holds it with the terms marked red, the
// letter list its letter tally in ascending order.
void show_word_letters(WordWindow& w, const QString& word);

// The summary line of the rows the table holds: their occurrences, their
// number and the letters of all occurrences.
QString word_table_summary(const Grid& table);

// The user selected the rows from `top` to `bottom` with `current` among
// them (from 1): the current row's word is shown.
void word_rows_selected(WordWindow& w, int top, int bottom, int current);

// Chooses ordering item `item` (0 to 4) of the selector: the rows are
// ordered by it, except that the first-occurrence order is not made again
// while the rows still stand in it. The word of row 1 is shown.
void word_order(WordWindow& w, int item);

// Reverses the rows (the row numbers keep counting from the top) and shows
// the word of row 1.
void word_reverse(WordWindow& w);

// The table's context menu opens: the commands on the rows show when the
// table holds more than one word, the phrase list also needs the verse table.
void word_menu_opened(WordWindow& w, const Session& session);

// Range (q = 1..3) and exclusion (q = 4..6) filters on the order number,
// the letter count and the occurrences: keep the rows whose number lies from
// `first` to `second`, or outside them. The bounds are taken as typed, so a
// range from 5 to 3 keeps nothing and its exclusion keeps everything. When
// either is not a number of 32 bits made of digits, `message` is returned
// and nothing changes.
QString farz_kalimat(WordWindow& w, int q, const QString& first, const QString& second,
                     const QString& message);
// Keeps the rows whose order number (q = 1), letter count (2) or
// occurrences (3) is divisible by `divisor`; a divisor that is no number
// above 0 is refused with its message.
QString qabilia_kisma(WordWindow& w, int q, const QString& divisor);
// Deletes the rows selected; the row above the first of them becomes
// current.
void N21Click(WordWindow& w);
// The input dialogs of the word filters: the lower bound's prompt of each
// column (q = 1..3) and the message of bounds that are no numbers.
QString word_bound_prompt(int q);
QString word_bound_message(int q);

// The lines of the word table's Word file: the caption, the summary, the
// ordering, then the table framed by hyphen lines, its columns padded to 9,
// 14, 12 and 8 characters.
QStringList word_table_lines(const WordWindow& w);
// Writes them to the file chosen (BitBtn1); the message of a file that
// could not be written.
QString word_export(const WordWindow& w, Session& session, const QString& name);

// Appends every word, in table order, to the phrase list and chooses
// «مُستقلة»; the result opens the phrase list while the verse table is shown.
Result word_add_all(const WordWindow& w, PhraseListWindow& list, const Session& session);

// Enter or a double-click: the word shown goes into the main window's
// search box and is added to the phrase list, which refuses it with its
// message when the list holds it already.
Result word_pass(const WordWindow& w, PhraseListWindow& list);

} // namespace tallyra
