// The fixed reference data of the verse text: the 114 surahs with their verse
// counts and names, and the mapping from a verse's running number (1 to 6236,
// in mushaf order) to its surah and its verse number within the surah.
#pragma once

#include <QString>
#include <array>

namespace tallyra {

constexpr int kSurahCount = 114;

// Verse count of surah k, 0 outside 1..114.
int verse_count(int k);
// First and last running number of surah k (1..114); 0 outside.
int first_verse(int k);
int last_verse(int k);
// Surah that holds running number i, 0 outside 1..6236.
int surah_of(int i);
// Name of surah k in standard orthography ("البقرة"); empty outside 1..114.
QString surah_name(int k);
// "002-البقرة": three-digit number, hyphen, name; empty outside 1..114.
QString surah_label(int k);

// The lookups as the rest of the program calls them.
//
// Verse count of surah k as decimal text; the empty text outside 1..114.
QString adad_ayat(int k);
// First running number of surah k for k in 2..114; 1 for every other k.
int surah(int k);
// Label of the surah that holds running number i; empty outside 1..6236.
QString name_surah(int i);
// Verse number of running number i within its surah; 0 outside 1..6236.
int number_aya(int i);
// f[k] = last running number of surah k, for k in 1..114 (f[0] unused).
const std::array<int, kSurahCount + 1>& surah_souar();
// ff[k] = name of surah k, for k in 1..114 (ff[0] unused).
const std::array<QString, kSurahCount + 1>& ism_soura();
// The labels of surahs 1 to 114 and, at 0, the empty text: views of one text
// that is never freed, so that copying one into a table cell costs nothing.
const std::array<QString, kSurahCount + 1>& surah_labels();

} // namespace tallyra
