// Reversing helpers: they turn the letter list, the main table or the word
// table upside down while a fixed head stays in place. They compare nothing.
#pragma once

#include "measures/line_list.h"
#include "table/grid.h"

namespace tallyra {

// Index of the first line that begins with "---", or -1 when there is none.
int alkhat(const LineList& list);

// Reverses the lines below the separator line and leaves the list unsorted.
// A list without a separator has no letter lines to turn and stays as it is.
void trilistbox(LineList& list);

// Reverses the data rows in every column but column 1, the position column,
// which keeps counting from the top. Serves the verse table and the word table.
void retri_aya(Grid& table);

// Reverses the data rows in every column (the surah table).
void retri_soura(Grid& table);

} // namespace tallyra
