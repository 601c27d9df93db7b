// The two choosers of the table menu. The surah chooser keeps the rows of the
// surahs the user selects in its list of 114; the verse-set chooser replaces
// the verse table by verses the user gathers surah by surah. Each keeps its
// state in its own window state; the surah list of both is the go-to
// dialog's.
#pragma once

#include "core/windows.h"
#include "table/session.h"

#include <optional>
#include <vector>

namespace tallyra {

// The check box of both choosers: ticked, Ctrl and Shift extend a list's
// selection; not ticked, every click toggles one entry.
inline const QString kChooserModeBox = QStringLiteral("CheckBox1");

// The surah chooser as it is created: its count line, its check box ticked.
void surah_chooser_created(SurahChooserWindow& chooser);

// The list's selection is now the surahs numbered `surahs` (1 to 114; other
// numbers are ignored): the count line tells how many.
void surah_chooser_select(SurahChooserWindow& chooser, const std::vector<int>& surahs);

// The check box flips the list's selection mode; the count line starts again.
void surah_chooser_mode(SurahChooserWindow& chooser);

// OK: keeps the table's rows of the surahs selected. When none is selected,
// or none of them is in the table, returns the message to show, the table
// unchanged.
std::optional<QString> surah_chooser_ok(SurahChooserWindow& chooser, Session& session);

// The verse-set chooser as it is created: its check box ticked.
void verse_chooser_created(VerseChooserWindow& chooser);

// Surah entry `index` (from 0) is clicked: the verse-number list holds its
// verse numbers, none selected.
void verse_chooser_surah(VerseChooserWindow& chooser, int index);

// The verse-number list's selection is now the entries `indexes` (from 0).
void verse_chooser_select(VerseChooserWindow& chooser, const std::vector<int>& indexes);
void verse_chooser_select_all(VerseChooserWindow& chooser);

// The check box flips the verse-number list's selection mode.
void verse_chooser_mode(VerseChooserWindow& chooser);

// The add button: every selected verse of the surah clicked last, in list
// order, joins the chosen verses unless it is chosen already.
void verse_chooser_add(VerseChooserWindow& chooser);

// The chosen-verse list's selection is now the entries `indexes` (from 0);
// its context menu deletes them, or every chosen verse.
void verse_chooser_select_chosen(VerseChooserWindow& chooser, const std::vector<int>& indexes);
void verse_chooser_delete_selected(VerseChooserWindow& chooser);
void verse_chooser_clear(VerseChooserWindow& chooser);

// The show button: the chosen verses become the verse table's rows, in the
// order they were added. With none chosen, returns the message to show.
std::optional<QString> verse_chooser_show(VerseChooserWindow& chooser, Session& session);

// The chooser closes, however it closes: it forgets the chosen verses.
void verse_chooser_closed(VerseChooserWindow& chooser);

// A verse as the command line names it, «2:255»: its running number, or
// empty when the text names no verse.
std::optional<int> verse_reference(const QString& text);

} // namespace tallyra
