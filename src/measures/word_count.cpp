#include "measures/word_count.h"

namespace tallyra {

void DistinctWords::add(QStringView word) {
    ++occurrences_;
    letters_ += word.size();
    const auto it = index_.constFind(word);
    if (it != index_.constEnd()) {
        ++entries_[*it].count;
        return;
    }
    entries_.push_back({word.toString(), 1});
    // The key views the entry's own text, whose characters stay where they
    // are however the list grows.
    index_.insert(QStringView(entries_.back().word), int(entries_.size()) - 1);
}

} // namespace tallyra
