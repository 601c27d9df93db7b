// The surah statistics: the surahs whose text begins with a phrase, ends
// with one, or both. They replace the surah table with the surahs selected,
// each with the number of times the phrase occurs in it.
#pragma once

#include "table/session.h"

#include <vector>

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

// A selected surah and its count for column 6.
struct SurahHit {
    int k = 0;
    int repeats = 0;
};

// Replaces the surah table's data rows with the hits: column 0 holds the
// position, or with `numberFirst` the surah number, then the surah's number,
// name, verse, word and letter counts, and the count in column 6. Returns the
// summary "عدد السور …   مجموع الآيات …   مجموع الكلمات …    مجموع الحروف …
// مجموع التكرار …" of the rows written.
QString write_surah_hits(Session& session, const std::vector<SurahHit>& hits, bool numberFirst);

} // namespace tallyra
