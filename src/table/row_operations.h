// Rearranging or cutting the rows the main table shows: reversing their
// order, showing the verses it does not show, ordering the verses by their
// verse number, and deleting the selected verses or surahs.
#pragma once

#include "table/session.h"

namespace tallyra {

// Reverses the rows; the verse table's order column keeps counting from the
// top. The display box shows the new first row; the current row, the summary
// and the ordering selector stay as they are.
void N73Click(Session& session);

// Replaces the verse table by every verse of the corpus it does not show, in
// mushaf order; the repetition column goes out of use and the ordering
// selector is set to mushaf order.
void N79Click(Session& session);

// Orders the verse table by verse number, ties by running number (that is
// by surah), rebuilding every row from the corpus; the ordering selector is
// left with no item chosen.
void N84Click(Session& session);

// Deletes the selected rows of the verse table, or of the surah table; the
// row above the selection becomes current.
void N97Click(Session& session);
void N98Click(Session& session);

} // namespace tallyra
