// What must hold of the main window's state after any step a user takes: no
// step may leave the table, the display box or the selector in a state the
// window cannot show. Shared by the long random runs of the tests and by the
// fuzzer of command sequences.
#pragma once

#include "core/columns.h"
#include "corpus/surahs.h"
#include "shell/program.h"
#include "words/word_window.h"

#include <QString>

namespace tallyra {

// The first invariant the session breaks, described; empty when none.
inline QString session_fault(const Session& s) {
    const Grid& t = s.table;
    if (t.rowCount() < 2)
        return QStringLiteral("the table has no data row");
    if (t.currentRow() < 1 || t.currentRow() >= t.rowCount())
        return QStringLiteral("the current row is outside the table");
    // The row shown is always one of the rows selected.
    if (t.selectionTop() > t.currentRow() || t.selectionBottom() < t.currentRow())
        return QStringLiteral("the current row lies outside the selection");
    if (t.columnCount() != (s.ayat ? 8 : 7))
        return QStringLiteral("the table has the column count of the other table kind");
    if (s.orderingIndex >= s.orderingItems.size())
        return QStringLiteral("the ordering selector's choice is no item of it");
    // The button of the other table kind is always there; the one of the kind
    // shown returns from a result to the full table.
    if (!s.enabled(s.ayat ? QStringLiteral("BitBtn2") : QStringLiteral("BitBtn3")))
        return QStringLiteral("the button of the other table kind is disabled");
    for (const Mark& m : s.display.marks)
        if (m.start < 0 || m.length < 0 || m.start + m.length > s.display.text.size())
            return QStringLiteral("a mark lies outside the display box's text");
    if (s.display.caret < 0 || s.display.caret > s.display.text.size())
        return QStringLiteral("the caret lies outside the display box's text");
    const DisplayBox& box = s.display;
    if (box.selectionStart < 0 || box.selectionLength < 0 ||
        box.selectionStart + box.selectionLength > box.text.size())
        return QStringLiteral("the selection lies outside the display box's text");
    if (s.gauge.visible)
        return QStringLiteral("the progress gauge is left shown");
    // Every data row names a verse or a surah the table can be rebuilt from,
    // but for the one empty row of a command that found nothing.
    const int idColumn = s.ayat ? int(verse_col::index) : int(surah_col::number);
    const bool noResult = t.rowCount() == 2 && t.cell(idColumn, 1).isEmpty();
    if (!noResult && t.cell(idColumn, t.currentRow()).toInt() < 1)
        return QStringLiteral("the current row names no verse or surah");
    if (noResult && !s.display.text.isEmpty())
        return QStringLiteral("the display box shows a text with no result");
    return {};
}

// The saved table and the choosers: what they keep names verses and surahs,
// each once where a list holds it once, and a closed verse-set chooser
// keeps no verse.
inline QString table_operations_fault(const Program& p) {
    for (const int v : p.main.saved.hifdh_jadwal)
        if (v < 1 || v > kVerseCount)
            return QStringLiteral("the saved table holds what is no verse");
    const std::vector<int>& surahs = p.surahChooser.selected;
    for (size_t i = 0; i < surahs.size(); ++i)
        if (surahs[i] < 1 || surahs[i] > kSurahCount || (i > 0 && surahs[i] <= surahs[i - 1]))
            return QStringLiteral("the surah chooser selects what is no surah, or one twice");
    const VerseChooserWindow& w = p.verseChooser;
    if (w.chosen.size() != qsizetype(w.chosenVerses.size()))
        return QStringLiteral("the chosen verses and their running numbers differ in number");
    for (qsizetype i = 0; i < w.chosen.size(); ++i) {
        const int r = w.chosenVerses[size_t(i)];
        if (r < 1 || r > kVerseCount ||
            w.chosen[i] != name_surah(r) + u' ' + QString::number(number_aya(r)))
            return QStringLiteral("a chosen verse's entry does not name its verse");
        if (w.chosen.indexOf(w.chosen[i]) != i)
            return QStringLiteral("a verse is chosen twice");
    }
    if (!p.isShown(WindowId::VerseChooser) && !w.chosen.isEmpty())
        return QStringLiteral("the verse-set chooser keeps verses after it closed");
    if (!w.verses.isEmpty() && w.verses.size() != verse_count(w.la + 1))
        return QStringLiteral("the verse numbers listed are not those of the surah clicked");
    for (const int i : w.selectedVerses)
        if (i < 0 || i >= w.verses.size())
            return QStringLiteral("a verse number selected is not listed");
    for (const int i : w.selectedChosen)
        if (i < 0 || i >= w.chosen.size())
            return QStringLiteral("a chosen verse selected is not listed");
    return {};
}

// The word sorting window: a table of words it can show, the current row's
// word shown, and a summary line that is that of its rows.
inline QString word_window_fault(const WordWindow& w) {
    const Grid& t = w.table;
    if (t.columnCount() != word_col::count || t.rowCount() < 2)
        return QStringLiteral("the word table has not its columns and a data row");
    if (t.currentRow() < 1 || t.currentRow() >= t.rowCount())
        return QStringLiteral("the word table's current row is outside it");
    if (t.selectionTop() > t.currentRow() || t.selectionBottom() < t.currentRow())
        return QStringLiteral("the word table's current row lies outside its selection");
    if (w.orderingIndex < 0 || w.orderingIndex >= word_ordering_items().size())
        return QStringLiteral("the word window's ordering choice is no item of it");
    const bool none = t.cell(word_col::word, 1).isEmpty();
    if (none ? !w.display.text.isEmpty() : w.display.text != t.cell(word_col::word, t.currentRow()))
        return QStringLiteral("the word shown is not the current row's");
    for (const Mark& m : w.display.marks)
        if (m.start < 0 || m.length < 0 || m.start + m.length > w.display.text.size())
            return QStringLiteral("a mark lies outside the word shown");
    if (!w.summary.isEmpty() && w.summary != word_table_summary(t))
        return QStringLiteral("the word window's summary is not that of its rows");
    for (int r = 1; r < t.rowCount(); ++r)
        if (!none && t.cell(word_col::position, r) != QString::number(r))
            return QStringLiteral("a word row's number is not its place");
    if (w.items.enabled(QStringLiteral("RadioGroup1")) != (t.rowCount() > 2))
        return QStringLiteral("the word window's selector does not follow its rows");
    if (w.gauge.value != 0)
        return QStringLiteral("the word window's gauge is left running");
    return {};
}

// The phrase list: a selection within it, phrases of one line each, and a
// delete button that is there exactly when there is a phrase to delete.
inline QString phrase_list_fault(const PhraseListWindow& w) {
    if (w.selected < -1 || w.selected >= w.phrases.size())
        return QStringLiteral("the phrase selected is outside the list");
    for (const QString& phrase : w.phrases)
        if (phrase.contains(u'\n') || phrase.contains(u'\r'))
            return QStringLiteral("a phrase holds a line end");
    if (w.items.enabled(QStringLiteral("BitBtn2")) == w.phrases.isEmpty())
        return QStringLiteral("the delete button does not follow the list");
    return {};
}

// The first invariant the prime factorization window breaks, described;
// empty when none.
inline QString factorization_fault(const FactorizationWindow& w) {
    if (w.digits.size() > 19)
        return QStringLiteral("the number box holds more than 19 digits");
    for (const QChar c : w.digits)
        if (c < u'0' || c > u'9')
            return QStringLiteral("the number box holds a character that is no digit");
    // The digit count is the box's, or empty with it.
    const QString count = w.digits.isEmpty()
                              ? QString()
                              : QString::number(w.digits.size()).rightJustified(2, u'0') +
                                    QStringLiteral(" عدد الأرقام ");
    if (w.digitCount != count)
        return QStringLiteral("the digit count is not the number box's");
    if (w.digits.isEmpty() && !(w.result.isEmpty() && w.elapsed.isEmpty()))
        return QStringLiteral("an empty number box has a result");
    if (w.running && w.number != w.digits.toULongLong())
        return QStringLiteral("the factorization awaited is not of the number in the box");
    return {};
}

// The invariants of the program as a whole: the window that takes the input
// is the main window or one shown, and the main window's session and each
// secondary window's state hold.
inline QString program_fault(const Program& p) {
    const WindowId active = p.active();
    if (active != WindowId::Main && !p.isShown(active))
        return QStringLiteral("the window that takes the input is not shown");
    // The notes hold their lines as the box does, each ended by "\n".
    if (p.notes.text.contains(u'\r'))
        return QStringLiteral("the notes hold a carriage return");
    if (p.calculator.isEmpty() == p.main.visible(QStringLiteral("N44")))
        return QStringLiteral("the calculator item shows without a calculator, or hides one");
    for (const QString& fault :
         {session_fault(p.main), table_operations_fault(p), word_window_fault(p.words),
          phrase_list_fault(p.phraseList), factorization_fault(p.factorization)})
        if (!fault.isEmpty())
            return fault;
    return {};
}

} // namespace tallyra
