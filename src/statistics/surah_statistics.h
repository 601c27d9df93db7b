// The surah statistics: the surahs whose text begins with a phrase, ends
// with one, or both. They replace the surah table with the surahs selected,
// each with the number of times the phrase occurs in it.
#pragma once

#include "table/session.h"

namespace tallyra {

// Mode 1: the surah begins with `first`; mode 2: it ends with `first`;
// mode 3: it begins with `first` and ends with `second`. Modes 1 and 2 take
// the search box's text as `first`, mode 3 the answers of its two dialogs.
// Returns the message to show, empty when none.
QString souratabda(Session& session, int mode, const QString& first,
                   const QString& second = QString());

QString N24Click(Session& session, const QString& boxText);
QString N25Click(Session& session, const QString& boxText);
QString N31Click(Session& session, const QString& a, const QString& b);

// A surah result row: `order` in column 0, then the surah's number, name,
// verse, word and letter counts, and `repeats` in column 6.
void write_surah_result_row(Session& session, int row, int order, int k, int repeats);

// "عدد السور p   مجموع الآيات …   مجموع الكلمات …    مجموع الحروف …    مجموع التكرار …"
QString surah_totals_summary(int surahs, long long verses, long long words, long long letters,
                             long long repeats);

} // namespace tallyra
