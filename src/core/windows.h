// The program's windows and the state each secondary window keeps of its own.
// The main window's state is the session (core/state.h).
#pragma once

#include "core/state.h"
#include "core/text_file.h"

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

// The phrase list window: the phrases in the order added (duplicates may
// come in from a file or the letters), the phrase selected in the list (-1:
// none) and the encoding of the file the list was loaded from, which saving
// writes again. Its items hold the independence option: RadioButton2
// («مُستقلة») ticked, or RadioButton1 («لا يَهُم»).
struct PhraseListWindow {
    QStringList phrases;
    int selected = -1;
    TextEncoding encoding = TextEncoding::Windows1256;
    Items items;
};

// The word sorting window: the word table (five columns, row 0 the
// captions), where its words come from (the caption), the summary line, the
// word shown with its letter tally, the ordering selector's choice, whether
// the rows stand in first-occurrence order (`awal`), the terms marked red in
// every word shown, and the window's own gauge.
struct WordWindow {
    Grid table;
    QString caption;
    QString summary;
    DisplayBox display;
    LineList letters;
    int orderingIndex = 0;
    bool awal = true;
    QStringList terms;
    Gauge gauge;
    Items items;
};

} // namespace tallyra
