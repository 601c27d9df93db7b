#include "measures/line_list.h"

#include <algorithm>

namespace tallyra {

void LineList::add(const QString& line) {
    if (!sorted_) {
        lines_.append(line);
        return;
    }
    const auto at = std::upper_bound(lines_.begin(), lines_.end(), line,
                                     [](const QString& a, const QString& b) { return a < b; });
    lines_.insert(at, line);
}

void LineList::insert(int index, const QString& line) {
    lines_.insert(std::clamp<qsizetype>(index, 0, lines_.size()), line);
}

} // namespace tallyra
