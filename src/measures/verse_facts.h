// The word and letter counts of every verse of one variant and their sums,
// made once per variant (Corpus::derived) for every table that shows verses.
#pragma once

#include "corpus/corpus.h"

#include <vector>

namespace tallyra {

struct VerseFacts {
    VerseFacts(const Corpus& corpus, Variant v);

    // By running number, from 1; entry 0 is unused.
    std::vector<int> words;
    std::vector<int> letters;
    long long totalWords = 0;
    long long totalLetters = 0;
    // Every line begins and ends with a letter: the lines joined by line
    // breaks then count as many words and letters as they do one by one.
    bool linesEndInLetters = true;
};

// True when a and b are one text in memory (the same characters at the same
// place), as a table's copy of a corpus line is.
inline bool same_text(const QString& a, const QString& b) {
    return a.constData() == b.constData() && a.size() == b.size();
}

} // namespace tallyra
