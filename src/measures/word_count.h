// The distinct words of a text. A word is a maximal run of letters: any
// other character (a space, a line break, a digit) ends it, and so does the
// end of the text. Each distinct word is kept once, in the order in which it
// first occurs, with the number of its occurrences; a hash index beside the
// list finds a word again in constant time.
#pragma once

#include "measures/measures.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <vector>

namespace tallyra {

class DistinctWords {
public:
    struct Entry {
        QString word;
        int count = 0;
    };

    // Counts one occurrence of `word`: appended with count 1 the first time,
    // counted again after that.
    void add(QStringView word);

    // The distinct words in first-occurrence order.
    const std::vector<Entry>& entries() const { return entries_; }
    int size() const { return int(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    // The occurrences counted, and their letters (every character of a word
    // being a letter, its length).
    long long occurrences() const { return occurrences_; }
    long long letters() const { return letters_; }

private:
    std::vector<Entry> entries_;
    // By the text of each entry's word, which never changes once added.
    QHash<QStringView, int> index_;
    long long occurrences_ = 0;
    long long letters_ = 0;
};

// Scans `text` for its words and counts each one that `passes` in `into`.
// `ended(p)` is told the position just past every word that ends, passed or
// not, for a progress gauge.
template <class Test, class Ended>
void scan_words(QStringView text, DistinctWords& into, Test passes, Ended ended) {
    const qsizetype n = text.size();
    qsizetype start = -1;
    for (qsizetype p = 0; p <= n; ++p) {
        if (p < n && is_letter(text[p])) {
            if (start < 0)
                start = p;
            continue;
        }
        if (start < 0)
            continue;
        const QStringView word = text.sliced(start, p - start);
        if (passes(word))
            into.add(word);
        ended(p);
        start = -1;
    }
}

} // namespace tallyra
