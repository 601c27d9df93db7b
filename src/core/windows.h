// The program's windows and the state each secondary window keeps of its own.
// The main window's state is the session (core/state.h).
#pragma once

#include "core/state.h"

namespace tallyra {

// The windows in the order the program creates them.
enum class WindowId {
    None,
    Main,
    GoTo,          // the verse go-to dialog
    WordSort,      // the word sorting window
    PhraseList,    // the phrase list window
    About,         // the about window
    Notes,         // the notes pad
    Factorization, // the prime factorization window
    SurahChooser,  // the surah chooser
    VerseChooser,  // the verse-set chooser
};

// The verse go-to dialog: the chosen surah's and verse's indexes in their
// lists (from 0) and the running number last aimed at. They survive between
// openings.
struct GoToWindow {
    int a = 0;
    int b = 0;
    int g = 0;
    QStringList verses; // the verse list's entries for the surah chosen last
    Items items;
};

} // namespace tallyra
