#include "statistics/distribution.h"

#include "core/columns.h"
#include "corpus/surahs.h"
#include "measures/measures.h"
#include "table/filters.h"
#include "table/frame.h"

#include <array>

namespace tallyra {

namespace {

qint64 number_in(const QString& cell) {
    return to_int(cell).value_or(0);
}

} // namespace

void fill_distribution(const Session& s, DistributionWindow& w) {
    const Grid& table = s.table;
    const bool repeats = repeats_in_use(s);
    QStringList captions;
    if (s.ayat) {
        captions << QStringLiteral("عدد الآيات");
        if (repeats)
            captions << QStringLiteral("مجموع التكرار");
    } else {
        captions << (repeats ? QStringLiteral("التكرار") : QStringLiteral("عدد الكلمات"));
    }

    std::array<int, kSurahCount + 1> firstRow{};
    std::array<std::array<qint64, 2>, kSurahCount + 1> figures{};
    for (int row = 1; row < table.rowCount(); ++row) {
        const int k = s.ayat ? surah_of(to_int(table.cell(verse_col::index, row)).value_or(0))
                             : to_int(table.cell(surah_col::number, row)).value_or(0);
        if (k < 1 || k > kSurahCount)
            continue; // the empty row of a table without result
        if (firstRow[k] == 0)
            firstRow[k] = row;
        if (s.ayat) {
            figures[k][0] += 1;
            figures[k][1] += number_in(table.cell(verse_col::repeats, row));
        } else {
            figures[k][0] +=
                number_in(table.cell(repeats ? surah_col::repeats : surah_col::words, row));
        }
    }

    const int n = int(captions.size());
    Grid out(distribution_col::figures + n, kSurahCount + 1);
    out.setCell(distribution_col::number, 0, QStringLiteral("رقم السورة"));
    out.setCell(distribution_col::name, 0, QStringLiteral("إسم السورة"));
    out.setCell(distribution_col::firstRow, 0, QStringLiteral("أول سطر في الجدول"));
    std::array<qint64, 2> totals{};
    int listed = 0;
    for (int i = 0; i < n; ++i)
        out.setCell(distribution_col::figures + i, 0, captions[i]);
    for (int k = 1; k <= kSurahCount; ++k) {
        out.setCell(distribution_col::number, k, QString::number(k));
        out.setCell(distribution_col::name, k, surah_name(k));
        out.setCell(distribution_col::firstRow, k, QString::number(firstRow[k]));
        for (int i = 0; i < n; ++i) {
            out.setCell(distribution_col::figures + i, k, QString::number(figures[k][i]));
            totals[i] += figures[k][i];
        }
        listed += firstRow[k] > 0;
    }
    w.table = std::move(out);
    w.caption = QStringLiteral("توزيع النتائج على السور");
    QStringList parts;
    for (int i = 0; i < n; ++i)
        parts << captions[i] + u' ' + QString::number(totals[i]);
    parts << QStringLiteral("عدد السور ") + QString::number(listed);
    w.summary = parts.join(QStringLiteral("     "));
}

int distribution_first_row(const DistributionWindow& w, int surah) {
    if (surah < 1 || surah >= w.table.rowCount())
        return 0;
    return to_int(w.table.cell(distribution_col::firstRow, surah)).value_or(0);
}

void select_surah_row(Session& s, const DistributionWindow& w, int surah) {
    const int row = distribution_first_row(w, surah);
    if (row < 1 || row >= s.table.rowCount())
        return;
    change_row(s, row);
    select_rows(s, row, row, row);
}

} // namespace tallyra
