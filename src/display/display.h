// Showing a text in the display box: the text replaces the box's content, its
// letters are tallied into the letter list (a line «count = letter» per
// distinct letter) and the current search terms are marked in red.
#pragma once

#include "core/state.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace tallyra {

// The Arabic faces of the program's texts, first choice first: faces known
// to hold the Arabic letters, so that no letter ever shows as an empty box.
// The display box shows its text in them at kDisplayFontPixels, and its RTF
// document names the first.
const QStringList& arabic_families();
inline constexpr int kDisplayFontPixels = 34;

// The characters of text[from..] in order of first appearance, with counts.
std::vector<std::pair<QChar, int>> tally_characters(const QString& text, qsizetype from = 0);

// Adds a line «count = letter» for every letter of the tally, its count
// zero-padded to `digits` digits; returns the number of lines added.
int add_letter_lines(LineList& list, const std::vector<std::pair<QChar, int>>& tally, int digits);

// Shows the text, tallies it and marks the single term, or the two terms of a
// two-term command when `two` is set. An empty text changes nothing.
void show_text_single(SessionState& session, const QString& text, int digits, bool two);

// Shows the text, tallies it and marks every phrase of the phrase list.
void show_text_multi(SessionState& session, const QString& text, int digits);

// The phrase list's marking while it holds phrases, else the single-term one.
void show_text(SessionState& session, const QString& text, int digits, bool two);

// Shows table row `row`: the verse text in the verse table, the surah's text
// in the surah table, marked as the last display was. An empty display box
// (the table holds no result) stays empty.
void show_row(SessionState& session, int row);

// The selection summary: word and letter counts of the selected text and the
// number of its last word and letter within the whole table, written to the
// summary line. Writes nothing for an empty selection, a lone space or an
// empty display box.
void selectrich(SessionState& session);

// The user selected `length` characters from `start` in the display box: the
// selection summary, or the summary line `ze` again when nothing (or a lone
// space) is selected.
void display_selection_changed(SessionState& session, int start, int length);

// Click on line `line` of the letter list: marks a letter line's letter in the
// display box and shows the line's number factorised, or in summation mode
// the running sum of the lines clicked.
void letter_list_click(SessionState& session, int line);

// The letter list's reversal: the letter lines in reverse order.
void N80Click(SessionState& session);

// Letter summation on or off; either way the running sum starts again.
void N89Click(SessionState& session);

// Cancels the running letter sum.
void N107Click(SessionState& session);

// Marks red every occurrence of `term` in the box's text, overlapping ones
// included (an empty term marks nothing).
void mark_occurrences(DisplayBox& box, const QString& term);

// The terms the word window marks, from the text c: c as one term, or with
// `na3am` each of its characters a term of its own.
QStringList tafkik(const QString& c, bool na3am);

// The hints of the display box and the letter list: shown while the display
// box holds text.
QString display_hint(const SessionState& session);
QString letters_hint(const SessionState& session);

} // namespace tallyra
