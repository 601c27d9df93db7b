// Reversing the letter list: its letter lines turn upside down while the
// head above the separator line stays in place. They compare nothing. The
// grid's own reversals stand beside the grid.
#pragma once

#include "measures/line_list.h"

namespace tallyra {

// Index of the first line that begins with "---", or -1 when there is none.
int alkhat(const LineList& list);

// Reverses the lines below the separator line and leaves the list unsorted.
// A list without a separator has no letter lines to turn and stays as it is.
void trilistbox(LineList& list);

} // namespace tallyra
