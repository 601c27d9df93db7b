// The two kinds of main table, the verse table and the surah table: their
// columns, the start-up fill, the surah texts, the three table buttons and the
// letter census of the whole table.
#pragma once

#include "core/columns.h"
#include "measures/measures.h"
#include "table/session.h"

#include <QStringList>

namespace tallyra {

const QStringList& verse_table_captions();
const QStringList& surah_table_captions();
// The five items of the ordering selector for the table kind shown.
QStringList ordering_items(bool verseTable);

// The caption of the waw button: it names the switch it performs.
QString waw_button_caption(bool waw);

// Writes verse i (running number) of the active variant into `row`, with
// `position` in column 1 and `repeats` in column 7.
void write_verse_row(Session& session, int row, int i, int position,
                     const QString& repeats = QStringLiteral("0"));

// Writes surah k of the active variant into `row`: the surah number
// zero-padded to three digits (as the surah button writes it) or plain (as an
// ordering rewrites it), and `repeats` in column 6. A number that names no
// surah leaves the name and the counts empty or zero.
void write_surah_row(Session& session, int row, int k, bool paddedNumber = true,
                     const QString& repeats = QStringLiteral("0"));

// The words and letters of surah k's text in the active variant, as
// session.souar holds it (zero for a number that names no surah).
WordsAndLetters surah_counts(const Session& session, int k);

// The summary line of a table that shows every verse:
// "عدد الآيات 6236     مجموع الكلمات W      مجموع الحروف L".
QString full_table_summary(const Session& session);

// Creating the main window: the full verse table of the separated-waw
// variant and its summary line.
void FormCreate(Session& session);

// The surah texts of the active variant (made once per variant and shared).
void build_surah_texts(Session& session);

// The verse-table button: every verse of the active variant in mushaf order.
void BitBtn3Click(Session& session);

// The surah-table button: the 114 surahs of the active variant.
void BitBtn2Click(Session& session);

// The waw button: switches the variant and rebuilds the table of the kind shown.
void BitBtn5Click(Session& session);

// Letter census of the verses the table shows, into the letter list.
void allayat(Session& session);

// Letter census of the surahs the table shows, into the letter list.
void allsouar(Session& session);

// The table letter-count command: the census of the table kind shown, while
// the display box holds text.
void N6Click(Session& session);

} // namespace tallyra
