// Long runs of whatever a user may do in the main window, checked after every
// step for a consistent state: no step may leave the table, the display box or
// the selector in a state the window cannot show.
#include "display/display.h"
#include "shell/dispatch.h"
#include "table/frame.h"
#include "table/goto_verse.h"
#include "table/ordering.h"
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
    // The row shown is always one of the rows selected.
    ASSERT_LE(t.selectionTop(), t.currentRow()) << step;
    ASSERT_GE(t.selectionBottom(), t.currentRow()) << step;
    ASSERT_EQ(t.columnCount(), s.ayat ? 8 : 7) << step;
    ASSERT_LT(s.orderingIndex, s.orderingItems.size()) << step;
    // The button of the other table kind is always there; the one of the kind
    // shown returns from a result to the full table.
    ASSERT_TRUE(s.enabled(s.ayat ? QStringLiteral("BitBtn2") : QStringLiteral("BitBtn3"))) << step;
    for (const Mark& m : s.display.marks) {
        ASSERT_GE(m.start, 0) << step;
        ASSERT_LE(m.start + m.length, s.display.text.size()) << step;
    }
    ASSERT_LE(s.display.caret, s.display.text.size()) << step;
    ASSERT_FALSE(s.gauge.visible) << step;
    // Every data row names a verse or a surah the table can be rebuilt from,
    // but for the one empty row of a command that found nothing.
    const int idColumn = s.ayat ? int(verse_col::index) : int(surah_col::number);
    const bool noResult = t.rowCount() == 2 && t.cell(idColumn, 1).isEmpty();
    if (!noResult) {
        const int id = t.cell(idColumn, t.currentRow()).toInt();
        ASSERT_GE(id, 1) << step;
    }
    if (noResult) {
        ASSERT_TRUE(s.display.text.isEmpty()) << step;
    }
}

} // namespace

TEST(SessionSequence, AnyRunOfUserActionsKeepsTheWindowConsistent) {
    Program p;
    Session& s = p.main;
    constexpr WindowId M = WindowId::Main;
    std::mt19937 random(20261211);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const int keys[] = {Qt::Key_F2,     Qt::Key_F3,   Qt::Key_F4,    Qt::Key_F5,
                        Qt::Key_Return, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Asterisk};
    const char* const items[] = {"N6",   "N80", "N87",  "N89", "N107", "N104", "N88",  "N105",
                                 "N106", "N99", "N103", "N1",  "N2",   "N3",   "N4",   "N5",
                                 "N24",  "N25", "N31",  "N48", "N49",  "N210", "N310", "N51",
                                 "N77",  "N86", "N22",  "N28", "N29",  "N30",  "N46",  "N01"};
    constexpr int kItems = int(std::size(items));
    // What a user may type into the search box or a dialog.
    const QString inputs[] = {QString(),
                              kSearchPlaceholder,
                              QStringLiteral(" "),
                              QStringLiteral("الم"),
                              QStringLiteral("ون"),
                              QStringLiteral("xyz"),
                              QStringLiteral("3"),
                              QStringLiteral("١٢"),
                              QStringLiteral("0"),
                              QStringLiteral("99999999999"),
                              QStringLiteral("-2"),
                              QStringLiteral("الله")};
    const auto input = [&] { return inputs[pick(int(std::size(inputs)))]; };
    const char* const menus[] = {"N8", "N7", "N37", "N20", "PopupMenu1", "PopupMenu2"};
    for (int step = 0; step < 600; ++step) {
        switch (pick(9)) {
        case 0: {
            const int key = keys[pick(8)];
            const QString text = key == Qt::Key_Plus       ? QStringLiteral("+")
                                 : key == Qt::Key_Minus    ? QStringLiteral("-")
                                 : key == Qt::Key_Asterisk ? QStringLiteral("*")
                                                           : QString();
            const KeyResult r = key_command(p, M, key, Qt::NoModifier, text);
            if (r.consumed)
                run_command(p, M, r.item, {input()});
            // The go-to key opens its dialog: choose in it and close it.
            if (p.isShown(WindowId::GoTo)) {
                run_command(p, WindowId::GoTo, QStringLiteral("ListBox1"),
                            {QString::number(pick(116) - 1)});
                run_command(p, WindowId::GoTo, QStringLiteral("Button1"));
                p.hide(WindowId::GoTo);
            }
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
        case 6: {
            // Through the item's shortcut, as a user reaches it.
            const QString item = QString::fromLatin1(items[pick(kItems)]);
            if (command_allowed(p, M, item))
                run_command(p, M, item, {input(), input()});
            break;
        }
        case 7:
            open_menu(p, M, QString::fromLatin1(menus[pick(6)]));
            break;
        default:
            if (s.enabled(QStringLiteral("BitBtn4"))) {
                goto_choose_surah(p.goTo, pick(116) - 1);
                goto_choose_verse(p.goTo, pick(300));
                goto_ok(p.goTo, s);
            }
            break;
        }
        expect_consistent(s, step);
        if (HasFatalFailure())
            return;
    }
}
