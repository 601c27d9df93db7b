#include "table/goto_verse.h"

#include "corpus/surahs.h"
#include "table/frame.h"
#include "table/tables.h"

namespace tallyra {

const QStringList& goto_surah_entries() {
    static const QStringList entries = [] {
        QStringList list;
        for (int k = 1; k <= kSurahCount; ++k)
            list << surah_label(k);
        // Two entries are spelt without the hamza seat in this list.
        list[20] = QStringLiteral("021-الانبياء");
        list[86] = QStringLiteral("087-الاعلى");
        return list;
    }();
    return entries;
}

QStringList goto_choose_surah(GoToWindow& dialog, int index) {
    if (index < 0 || index >= kSurahCount)
        return {};
    dialog.a = index;
    QStringList verses;
    for (int v = 1; v <= verse_count(index + 1); ++v)
        verses << QString::number(v);
    dialog.verses = verses;
    return verses;
}

void goto_choose_verse(GoToWindow& dialog, int index) {
    if (index >= 0)
        dialog.b = index;
}

std::optional<QString> goto_ok(GoToWindow& f, Session& session) {
    f.g = surah(f.a + 1) + f.b;
    const QString target = QString::number(f.g);
    const Grid& t = session.table;
    for (int r = 1; r < t.rowCount(); ++r) {
        if (t.cell(verse_col::index, r) == target) {
            change_row(session, r);
            session.focus = Focus::Table;
            f.b = 0;
            return std::nullopt;
        }
    }
    return QStringLiteral("لا يوجد هذه الآية في نتائج البحث");
}

} // namespace tallyra
