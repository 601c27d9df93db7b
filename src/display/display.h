// Showing a text in the display box: the text replaces the box's content, its
// letters are tallied into the letter list (a line «count = letter» per
// distinct letter) and the current search terms are marked in red.
#pragma once

#include "table/session.h"

#include <QString>
#include <utility>
#include <vector>

namespace tallyra {

// The characters of text[from..] in order of first appearance, with counts.
std::vector<std::pair<QChar, int>> tally_characters(const QString& text, qsizetype from = 0);

// Adds a line «count = letter» for every letter of the tally, its count
// zero-padded to `digits` digits; returns the number of lines added.
int add_letter_lines(LineList& list, const std::vector<std::pair<QChar, int>>& tally, int digits);

// Shows the text, tallies it and marks the single term, or the two terms of a
// two-term command when `two` is set. An empty text changes nothing.
void show_text_single(Session& session, const QString& text, int digits, bool two);

// Shows the text, tallies it and marks every phrase of the phrase list.
void show_text_multi(Session& session, const QString& text, int digits);

// The phrase list's marking while it holds phrases, else the single-term one.
void show_text(Session& session, const QString& text, int digits, bool two);

} // namespace tallyra
