// The phrase list window: a list of phrases searched at once. The user adds
// and deletes phrases, saves the list to a file and loads it again, chooses
// whether a phrase must stand as a word of its own, and lists in the main
// table the verses that hold at least one of the phrases or all of them, or
// that begin, end, or begin and end with one. The main window then marks all
// the phrases in every row it shows.
#pragma once

#include "core/windows.h"
#include "table/session.h"

#include <QStringList>
#include <QStringView>
#include <memory>

namespace tallyra {

// The window as the program creates it: an empty list, «مُستقلة» chosen.
void phrase_list_start(PhraseListWindow& w);

// The count label: the number of phrases, empty when there are none.
QString phrase_count_label(const PhraseListWindow& w);

// True while «مُستقلة» is chosen: a phrase counts only where no letter
// stands right before it and right after it.
bool phrases_independent(const PhraseListWindow& w);
// Chooses «مُستقلة» (true) or «لا يَهُم».
void choose_independent(PhraseListWindow& w, bool independent);

// Adds the input box's text (the add button, Enter): nothing for an empty
// text; a phrase already in the list is selected there and refused with the
// returned message; a text of more than one line is refused likewise.
// `added` tells whether the phrase went in, and the input box is emptied.
QString idhafa(PhraseListWindow& w, const QString& text, bool& added);

// Selects the phrase at `index` (from 0); any other index selects none.
void phrase_select(PhraseListWindow& w, int index);

// Removes the selected phrase, if one is.
void phrase_delete(PhraseListWindow& w);

// Empties the list and ends the main window's phrase marking.
void phrase_clear(PhraseListWindow& w, Session& session);

// Appends phrases without a duplicate check (the letters of the letter list,
// the words of the word window) and chooses «مُستقلة».
void phrases_append(PhraseListWindow& w, const QStringList& phrases);

// The letter part of every line of the letter list below its separator line.
QStringList letter_list_letters(const LineList& letters);

// The most phrases a list file may bring in.
inline constexpr int kMaxPhrases = 100000;

// Saves the list under the chosen name with ".txt" appended (even to a name
// that ends so), one phrase per line, each ended by CR LF, in the encoding
// the list was loaded in (windows-1256 without a byte-order mark at first).
// An empty name (the dialog cancelled) writes nothing. Returns why the file
// could not be written, naming it; empty on success.
QString phrases_save(PhraseListWindow& w, const QString& name);

// Replaces the list with the lines of a file, empty lines included. An empty
// path (the dialog cancelled) changes nothing. A file that cannot be read,
// is not text, holds no line or too many, is refused with the returned
// message, and the list stays as it was.
QString phrases_load(PhraseListWindow& w, const QString& path);

// The list's context menu opens: every item shows while the list holds a
// phrase; an empty list offers only loading one.
void phrase_menu_opened(PhraseListWindow& w);

// The five searches over the verses of the active variant, or with the
// table-only option the verses the table shows. They write their rows into
// the main table; while the surah table is shown they show the verse table
// first, since they list verses.
void phrases_any(Session& session, const PhraseListWindow& w);       // at least one phrase
void phrases_all(Session& session, const PhraseListWindow& w);       // every phrase
void phrases_begin(Session& session, const PhraseListWindow& w);     // begins with one
void phrases_end(Session& session, const PhraseListWindow& w);       // ends with one
void phrases_begin_end(Session& session, const PhraseListWindow& w); // both

// The count of the search for at least one phrase in one text: the walk
// over its positions that tests the phrases in list order, each match
// adding 1 and moving the walk past a match longer than one character.
class PhraseWalk {
public:
    PhraseWalk(const QStringList& phrases, bool independent);
    ~PhraseWalk();
    PhraseWalk(const PhraseWalk&) = delete;
    PhraseWalk& operator=(const PhraseWalk&) = delete;

    long long count(QStringView text) const;

private:
    struct Trie;
    std::unique_ptr<const Trie> trie_;
    bool independent_;
};

// The occurrences of one phrase in a text at every position, overlapping
// ones included (the empty phrase occurs at every position).
long long phrase_occurrences(QStringView text, QStringView phrase, bool independent);

} // namespace tallyra
