// The notes pad: a free-text notebook whose text is kept between runs in one
// notes file, "obs" in the folder "tallyra_v1" of the user's data location
// ($XDG_DATA_HOME, else ~/.local/share, on Linux). The file is read once as
// the window program starts and written whenever the pad closes, through
// the program's file helpers: windows-1256 as a rule, in its own encoding
// when it was read with a byte-order mark, UTF-8 with its mark when the
// text holds a character the code page lacks. A failed write leaves the
// earlier file whole.
#pragma once

#include "core/windows.h"

#include <QString>

namespace tallyra {

// The notes folder and the notes file; empty when the platform names no
// data location.
QString notes_folder();
QString notes_file();

// As the window program starts: creates the notes folder when it is missing
// (nothing is read then), else reads the notes file into the pad if there is
// one. Returns the message to show, empty when none; on any failure the pad
// keeps its text.
QString load_notes(NotesWindow& notes);

// As the pad closes: writes its whole text to the notes file, creating the
// folder if it has gone. Returns the message to show, empty when none; on a
// failure the pad keeps its text and the earlier file stays whole.
QString save_notes(NotesWindow& notes);

// The export: the text written under the chosen name with ".doc" appended,
// in the notes file's encoding; the name written is proposed next time. An
// empty name (a cancelled dialog) writes nothing. Returns the message to
// show, empty when none.
QString export_notes(NotesWindow& notes, const QString& chosen);

} // namespace tallyra
