// The program's state as a whole: the main window's session and, beside it,
// the state of every secondary window, with the windows now shown.
#pragma once

#include "core/result.h"
#include "core/windows.h"
#include "table/session.h"

#include <vector>

namespace tallyra {

class Program {
public:
    explicit Program(const Corpus& corpus = Corpus::instance());

    Session main;
    GoToWindow goTo;
    SurahChooserWindow surahChooser;
    VerseChooserWindow verseChooser;
    WordWindow words;
    PhraseListWindow phraseList;
    DistributionWindow distribution;

    // The prime factorization window, the notes pad, and the calculator the
    // desktop offers (found on PATH as the program starts; empty: none, and
    // the calculator items are hidden).
    FactorizationWindow factorization;
    NotesWindow notes;
    QString calculator;

    // The item states of a window.
    Items& items(WindowId window);
    const Items& items(WindowId window) const;

    // The secondary windows shown, in the order they opened. Each is modal:
    // the last one takes the input, the windows below it wait.
    const std::vector<WindowId>& shown() const { return shown_; }
    bool isShown(WindowId window) const;
    // The window that takes the input now: the last one shown, else the main
    // window.
    WindowId active() const;

    void show(WindowId window);
    // A window that closes forgets what it keeps only while it is open.
    void hide(WindowId window);
    // Shows and hides the windows a command's result names.
    void apply(const Result& result);

private:
    std::vector<WindowId> shown_;
    Items none_;
};

} // namespace tallyra
