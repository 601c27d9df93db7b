// Re-ordering the rows the table shows. Every data row gets a text key; the
// keys are put in ascending order and every row is rebuilt, in key order, from
// the corpus and the surah tables by the identity its key carries.
#pragma once

#include "table/session.h"

namespace tallyra {

// The key of data row `row` under ordering item `item` (0 to 5) for the
// table kind shown.
QString ordering_key(const Session& session, int row, int item);

// Re-orders the data rows by the selected ordering item, ascending.
// A table with fewer than two data rows is left as it is.
void RadioGroup1Click(Session& session);

// Selects ordering item `item`; selecting another item than the current one
// re-orders the table. Items the selector does not hold are ignored.
void select_ordering_item(Session& session, int item);

} // namespace tallyra
