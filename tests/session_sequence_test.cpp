// Long runs of whatever a user may do in the main window, checked after every
// step for a consistent state: no step may leave the table, the display box or
// the selector in a state the window cannot show.
#include "display/display.h"
#include "table/frame.h"
#include "table/goto_verse.h"
#include "table/ordering.h"
#include "table/shell.h"
#include "table/tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <random>

using namespace tallyra;

namespace {

void expect_consistent(const Session& s, int step) {
    const Grid& t = s.table;
    ASSERT_GE(t.rowCount(), 2) << step;
    ASSERT_GE(t.currentRow(), 1) << step;
    ASSERT_LT(t.currentRow(), t.rowCount()) << step;
    ASSERT_EQ(t.columnCount(), s.ayat ? 8 : 7) << step;
    ASSERT_LT(s.orderingIndex, s.orderingItems.size()) << step;
    ASSERT_EQ(s.enabled(QStringLiteral("BitBtn3")), !s.ayat) << step;
    ASSERT_EQ(s.enabled(QStringLiteral("BitBtn2")), s.ayat) << step;
    for (const Mark& m : s.display.marks) {
        ASSERT_GE(m.start, 0) << step;
        ASSERT_LE(m.start + m.length, s.display.text.size()) << step;
    }
    ASSERT_LE(s.display.caret, s.display.text.size()) << step;
    ASSERT_FALSE(s.gauge.visible) << step;
    // Every data row names a verse or a surah the table can be rebuilt from.
    const int id =
        t.cell(s.ayat ? int(verse_col::index) : int(surah_col::number), t.currentRow()).toInt();
    ASSERT_GE(id, 1) << step;
}

} // namespace

TEST(SessionSequence, AnyRunOfUserActionsKeepsTheWindowConsistent) {
    Session s;
    std::mt19937 random(20261211);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const int keys[] = {Qt::Key_F2,     Qt::Key_F3,   Qt::Key_F4,    Qt::Key_F5,
                        Qt::Key_Return, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Asterisk};
    const char* const items[] = {"N6",   "N80",  "N87", "N89",  "N107", "N104", "N88",
                                 "N105", "N106", "N99", "N103", "N1",   "N24"};
    const char* const menus[] = {"N8", "N7", "N37", "N20", "PopupMenu1", "PopupMenu2"};
    for (int step = 0; step < 400; ++step) {
        switch (pick(9)) {
        case 0: {
            const KeyResult r = key_command(s, keys[pick(8)], Qt::NoModifier, {});
            run_key_command(s, r.command);
            break;
        }
        case 1:
            select_ordering_item(s, pick(7) - 1);
            break;
        case 2:
            change_row(s, pick(s.table.rowCount() + 2) - 1);
            break;
        case 3:
            select_rows(s, pick(s.table.rowCount()), pick(s.table.rowCount()),
                        pick(s.table.rowCount()));
            break;
        case 4:
            letter_list_click(s, pick(s.letters.size() + 2) - 1);
            break;
        case 5:
            display_selection_changed(s, pick(int(s.display.text.size()) + 3) - 1,
                                      pick(int(s.display.text.size()) + 3) - 1);
            break;
        case 6:
            choose_item(s, QString::fromLatin1(items[pick(13)]));
            break;
        case 7:
            open_menu(s, QString::fromLatin1(menus[pick(6)]));
            break;
        default:
            if (s.enabled(QStringLiteral("BitBtn4"))) {
                goto_choose_surah(s, pick(116) - 1);
                goto_choose_verse(s, pick(300));
                goto_ok(s);
            }
            break;
        }
        expect_consistent(s, step);
        if (HasFatalFailure())
            return;
    }
}
