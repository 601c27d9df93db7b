#include "measures/resort.h"

#include <algorithm>

namespace tallyra {

int alkhat(const LineList& list) {
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).startsWith(QStringLiteral("---")))
            return i;
    return -1;
}

void trilistbox(LineList& list) {
    list.setSorted(false);
    const int separator = alkhat(list);
    if (separator < 0)
        return;
    QStringList lines = list.lines();
    std::reverse(lines.begin() + separator + 1, lines.end());
    list = LineList(lines);
}

} // namespace tallyra
