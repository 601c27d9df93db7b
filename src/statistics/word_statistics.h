// The word statistics: the distinct words of the whole text, of the verses
// the table shows or of the surah shown, that begin or end with a phrase,
// hold a given number of letters or hold given letters, each with how often
// it occurs. The word sorting window lists what they find.
#pragma once

#include "measures/word_count.h"
#include "table/session.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace tallyra {

// What a word command found, for the word sorting window.
struct WordFindings {
    DistinctWords words;
    QString caption;
    // The terms the window marks red in every word it shows from now on;
    // null: those in force stay.
    std::optional<QStringList> terms;
};

// Where the word commands read their words: the whole text of the active
// variant; with the table-only option, the verses the verse table shows, or
// the surah the display box shows in the surah table.
struct WordSource {
    enum Kind { Corpus, Rows, Surah };
    Kind kind = Corpus;
    std::vector<QStringView> texts; // each ends any word it holds
    int rows = 0;                   // the verse rows read (Rows)
    QString surah;                  // the surah's name (Surah)
};
WordSource word_source(const Session& session);

// Scans the source for its words, those that `passes` counted, with the
// main window's gauge.
DistinctWords count_source_words(Session& session, const WordSource& source,
                                 const std::function<bool(QStringView)>& passes);

// The caption and prompts of the two dialogs of N11.
QString word_begin_prompt();
QString word_end_prompt();

// Each command reads the search box's text (N11 the answers of its two
// dialogs) and returns the message to show, with nothing found; else empty,
// with what it found in `out`.
QString N9Click(Session& session, const QString& boxText, WordFindings& out);  // begin with
QString N10Click(Session& session, const QString& boxText, WordFindings& out); // end with
QString N11Click(Session& session, const QString& a, const QString& b, WordFindings& out);
QString N17Click(Session& session, const QString& boxText, WordFindings& out); // N letters
QString N18Click(Session& session, const QString& boxText, WordFindings& out); // containing
// The letters of the box's text, in their order, or in any order.
QString N43Click(Session& session, const QString& boxText, WordFindings& out);
QString N45Click(Session& session, const QString& boxText, WordFindings& out);

// The word tests of N43 and N45.
bool letters_in_order(QStringView word, QStringView letters);
bool letters_in_any_order(QStringView word, QStringView letters);

} // namespace tallyra
