// The text search: every occurrence of a term in the verses (or surahs) of
// the active variant, listed in the table with its count per row, summed in
// the summary line and marked in the display box.
#pragma once

#include "table/session.h"

#include <QStringMatcher>
#include <QStringView>

namespace tallyra {

// Occurrences of `term` in `text`, at every position, overlapping ones
// included. With `exact`, only those with no letter right before and right
// after them (the ends of the text count as non-letters). An empty term
// occurs nowhere.
int count_occurrences(QStringView text, QStringView term, bool exact);

// The same count for one term over many texts, its matcher made once.
class OccurrenceCounter {
public:
    OccurrenceCounter(QStringView term, bool exact);
    int count(QStringView text) const;

private:
    QStringMatcher matcher_;
    qsizetype length_;
    QChar first_;
    bool exact_;
};

// True while the search option «بحث مستقل - مطابق -» is ticked.
bool exact_mode(const Session& session);
// True while the table-only option is ticked.
bool table_only(const Session& session);

// The search over the whole corpus (verse table) or all 114 surah texts
// (surah table). `boxText` is what the search box shows, kept as the last
// search's text. Returns the message to show, empty when none.
QString bahte(Session& session, const QString& term, const QString& boxText);

// The search within the rows the table shows; the rows without an
// occurrence are dropped.
QString bahte_2(Session& session, const QString& term, const QString& boxText);

// Recounts the term in every row of the verse table, keeping all the rows.
QString bahte_3(Session& session, const QString& term);

// The search button and Enter: the table-only search while that option is
// ticked, else the whole search, for the search box's text.
QString BitBtn1Click(Session& session, const QString& boxText);

// Ctrl+Enter and its hidden menu item: the table-only search whatever the
// option says.
QString search_in_table(Session& session, const QString& boxText);

// The table-only option is chosen: its tick flips and the statistics menus
// are enabled again for the new state.
void N88Click(Session& session);

// The search box receives the focus: the text it is to show, the display
// box's selection when there is one, else its current text.
QString search_box_entered(const Session& session, const QString& boxText);

} // namespace tallyra
