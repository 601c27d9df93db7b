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

namespace {

void reverseRows(Grid& table, int keptColumn) {
    const int n = table.dataRowCount();
    for (int top = 1, bottom = n; top < bottom; ++top, --bottom) {
        const regi_aya upper = table.readRow(top);
        const regi_aya lower = table.readRow(bottom);
        table.writeRow(top, lower, keptColumn);
        table.writeRow(bottom, upper, keptColumn);
    }
}

} // namespace

void retri_aya(Grid& table) {
    reverseRows(table, 1);
}

void retri_soura(Grid& table) {
    reverseRows(table, -1);
}

} // namespace tallyra
