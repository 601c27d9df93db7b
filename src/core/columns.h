// The columns of the two kinds of main table, by the names the commands use.
#pragma once

namespace tallyra {

// Verse table columns.
namespace verse_col {
enum : int { index = 0, position, surah, verse, text, words, letters, repeats, count };
}
// Surah table columns.
namespace surah_col {
enum : int { order = 0, number, name, verses, words, letters, repeats, count };
}

} // namespace tallyra
