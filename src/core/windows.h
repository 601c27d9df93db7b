// The program's windows and the state each secondary window keeps of its own.
// The main window's state is the session (core/state.h).
#pragma once

#include "core/state.h"
#include "core/text_file.h"

#include <vector>

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
    Distribution,  // the chart of the result per surah
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

// The surah chooser: the surahs selected in its list, by number (1 to 114)
// in ascending order, which stay selected between openings, and its count
// line. Its check box (CheckBox1) ticked: Ctrl and Shift extend the
// selection; not ticked: every click toggles one surah.
struct SurahChooserWindow {
    std::vector<int> selected;
    QString count;
    Items items;
};

// The verse-set chooser. `la`: the index (from 0) of the surah clicked last,
// `g`: the running number of its first verse; `verses`: the verse-number
// list's entries, «1» to the surah's verse count, and `selectedVerses` the
// indexes of those selected; the chosen verses as their list shows them
// («002-البقرة 255») with their running numbers beside, in the order added,
// and the indexes of the entries selected. The chosen verses and the count
// line are forgotten whenever the window closes. Its check box (CheckBox1)
// switches the verse-number list's selection mode as the surah chooser's does.
struct VerseChooserWindow {
    int la = 0;
    int g = 0;
    QStringList verses;
    std::vector<int> selectedVerses;
    QStringList chosen;
    std::vector<int> chosenVerses;
    std::vector<int> selectedChosen;
    QString count;
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

// The prime factorization window: the number box, its three lines and the
// factorization awaited. They survive between openings, unless a cancel
// empties them.
struct FactorizationWindow {
    QString digits;     // the number box: ASCII digits only, at most 19
    QString result;     // the factors, or the line that says to wait
    QString digitCount; // «05 عدد الأرقام »
    QString elapsed;    // «00:00:00.004 الوقت المستغرق »
    // The factorization asked for last has this job number; while `running`,
    // its answer is awaited. A new digit or a cancel makes a new job or ends
    // the wait, so that the late answer of one they replaced is dropped.
    quint64 job = 0;
    bool running = false;
    quint64 number = 0; // the number of the job
    Items items;
};

// The notes pad: its text, as the notes file keeps it between runs, and the
// name its own save dialog proposes.
struct NotesWindow {
    // Lines ended by "\n"; the text of a first run, before any notes file.
    QString text = QStringLiteral("بسم الله الرحمن الرحيم");
    // The encoding of the notes file as read, which its next writing keeps.
    TextEncoding encoding = TextEncoding::Windows1256;
    // The file the export wrote last, ".doc" and all; empty: none yet.
    QString exportName;
    // The notes file was there at start-up but could not be read: before the
    // notes are first written, it is kept aside under another name.
    bool fileUnread = false;
    Items items;
};

// The chart of the table's result per surah: one row a surah, in mushaf
// order, with its number, its name, the table row where it is first listed
// (0: not listed) and the figures the chart draws, one column each; row 0
// holds the captions. With it, the caption the window bears and the line of
// the figures' totals.
struct DistributionWindow {
    Grid table;
    QString caption;
    QString summary;
    Items items;
};

} // namespace tallyra
