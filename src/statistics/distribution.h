// The distribution of the table's result over the surahs, as the chart of
// the result per surah draws it.
#pragma once

#include "core/windows.h"
#include "table/session.h"

namespace tallyra {

// The columns of the distribution's table.
namespace distribution_col {
inline constexpr int number = 0;   // the surah's number, 1 to 114
inline constexpr int name = 1;     // its name
inline constexpr int firstRow = 2; // the main table's row where it is first listed; 0: none
inline constexpr int figures = 3;  // the first figure; a second one may follow
} // namespace distribution_col

// Fills the window from the table shown, a row for every surah in mushaf
// order. A verse table gives the number of its rows in each surah and,
// while the repetition column is in use, the sum of that column; a surah
// table gives its repetition column while that is in use, and otherwise
// each surah's word count. A cell that holds no number counts 0.
void fill_distribution(const Session& session, DistributionWindow& window);

// The main table's row where the surah is first listed; 0 when the
// distribution lists none of it.
int distribution_first_row(const DistributionWindow& window, int surah);

// Makes the surah's first listed row current in the main table and shows
// it, as a click on that row does; a surah the table does not list changes
// nothing.
void select_surah_row(Session& session, const DistributionWindow& window, int surah);

} // namespace tallyra
