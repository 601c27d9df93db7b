// The procedures every command runs before and after its work to put the
// window into a consistent state, and the window events of the table and the
// summary line.
#pragma once

#include "table/session.h"

namespace tallyra {

// Clears the summary and the display box and re-enables the statistics menus
// for the table kind shown.
void reset_view(Session& session);

// Removes every mark from the display box.
void style(Session& session);

// Ends a command that wrote `count` result rows: enables the buttons, the
// ordering selector and the statistics menus that the result allows, and
// shows the summary line.
void bit(Session& session, int count);

// Ends a command that found nothing: one empty row, an empty display box and
// letter list, and the summary "لا يوجد نتائج".
void nigatif(Session& session, int count);

// The table's current row changes to `row` (by the user or by a command):
// the row is shown in the display box. Setting the row it already is does
// nothing.
void change_row(Session& session, int row);

// The user selected the rows from `top` to `bottom` (the current row is the
// one the selection was started or extended at). The current row always
// lies inside the selection: when it does not, the selection is that row alone.
void select_rows(Session& session, int top, int bottom, int current);

// The selected rows of a table as the table's copy action puts them on the
// clipboard: the header line, then the rows from the first to the last
// selected one; the cells of the columns shown (hidden ones left out) joined
// by tabs, each line ended by a line feed.
QString selected_rows_text(const Grid& grid);

// The window changed size: the current row is shown again while it is open.
void window_resized(Session& session);

// The main window begins to close.
void window_closing(Session& session);

// Double-click on the summary line: empties it and ends a running letter sum.
void summary_double_click(Session& session);

} // namespace tallyra
