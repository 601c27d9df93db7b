// The verse statistics: the verses that begin or end with a phrase, that
// begin with one phrase and end with another, or that hold a given number of
// letters or words. They replace the verse table with the verses selected,
// read from the corpus or, with the table-only option, from the table itself.
#pragma once

#include "table/session.h"

namespace tallyra {

// The caption and prompts of the two input dialogs of the begins-and-ends
// commands (`surahs`: the surah statistics' prompts).
QString two_term_caption();
QString begin_prompt(bool surahs);
QString end_prompt(bool surahs);

// Each takes the search box's text (or the dialog answers) and returns the
// message to show, empty when none.

// The verses that begin with `boxText`.
QString N1Click(Session& session, const QString& boxText);
// The verses that end with `boxText`.
QString N2Click(Session& session, const QString& boxText);
// The verses that begin with `a` and end with `b`.
QString N3Click(Session& session, const QString& a, const QString& b);
// The verses of as many letters as `boxText` says.
QString N5Click(Session& session, const QString& boxText);
// The verses of as many words as `boxText` says.
QString N4Click(Session& session, const QString& boxText);

// Shared by the two above: kind 1 compares letter counts, kind 2 word counts;
// `message` is shown when the box holds no number.
QString adadhoka(Session& session, int kind, const QString& message, const QString& boxText);

} // namespace tallyra
