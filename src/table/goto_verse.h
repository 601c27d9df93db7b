// The verse go-to dialog: the user picks a surah and a verse number, and the
// verse table's current row moves to that verse if the table lists it. The
// dialog's choices are remembered between openings in its own state.
#pragma once

#include "core/windows.h"
#include "table/session.h"

#include <optional>

namespace tallyra {

// The dialog's 114 surah entries, «001-الفاتحة» to «114-الناس».
const QStringList& goto_surah_entries();

// The user chose surah entry `index` (from 0): the verse list's entries, the
// numbers 1 to the surah's verse count.
QStringList goto_choose_surah(GoToWindow& dialog, int index);

// The user chose verse entry `index` (from 0).
void goto_choose_verse(GoToWindow& dialog, int index);

// OK: makes the chosen verse's row of the main table current and gives the
// table the focus. When the table does not list that verse, returns the
// message to show; the dialog then stays open.
std::optional<QString> goto_ok(GoToWindow& dialog, Session& session);

} // namespace tallyra
