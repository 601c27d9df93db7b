// The procedures every command runs before its work to put the window into a
// consistent state.
#pragma once

#include "table/session.h"

namespace tallyra {

// Clears the summary and the display box and re-enables the statistics menus
// for the table kind shown.
void reset_view(Session& session);

// Removes every mark from the display box.
void style(Session& session);

} // namespace tallyra
