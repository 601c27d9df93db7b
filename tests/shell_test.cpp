// The frame of the main window: the procedures around every command, the
// menu rules, the shortcut gate and the window's own keys.
#include "display/display.h"
#include "table/frame.h"
#include "table/shell.h"
#include "table/tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QSet>
#include <functional>

using namespace tallyra;

namespace {

// Keeps only the first `rows` data rows of the verse table, as a search that
// found them would, and ends the command.
void keep_rows(Session& s, int rows) {
    s.table.setRowCount(rows + 1);
    s.ze = q(u"نتيجة");
    bit(s, rows);
}

} // namespace

TEST(Shell, MenusHoldEveryItemOnce) {
    QStringList names;
    const std::function<void(const std::vector<MenuEntry>&)> collect = [&](const auto& entries) {
        for (const MenuEntry& e : entries) {
            if (e.kind == MenuKind::Separator)
                continue;
            names << e.name;
            collect(e.children);
        }
    };
    collect(main_menu());
    for (const char* popup : {"PopupMenu1", "PopupMenu2", "PopupMenu3", "PopupMenu4"})
        collect(popup_menu(N(popup)));
    EXPECT_EQ(names.size(), QSet<QString>(names.begin(), names.end()).size());
    EXPECT_EQ(names.size(), 9 + 8 + 4 + 12 + 15 + 14 + 21 + 6 + 3 + 6);
    EXPECT_TRUE(popup_menu(N("PopupMenu5")).empty());
    // Captions keep their spaces; submenu items know the menus above them.
    EXPECT_EQ(find_menu_entry(N("N6"))->caption, q(u"إحصاء حروف الجدول       "));
    EXPECT_EQ(find_menu_entry(N("N20"))->caption, q(u"إحصاء السور      "));
    EXPECT_EQ(find_menu_entry(N("N45"))->shortcut, N("Alt+F12"));
    EXPECT_EQ(menus_above(N("N1")), QStringList{N("N8")});
    EXPECT_EQ(menus_above(N("N74")), QStringList{N("N58")});
    EXPECT_TRUE(menus_above(N("N6")).isEmpty());
}

TEST(Shell, TableMenuFollowsTheRowsShown) {
    Session s;
    open_menu(s, N("PopupMenu1"));
    // The full verse table: nothing to complement or save.
    EXPECT_FALSE(s.visible(N("N79")));
    EXPECT_FALSE(s.visible(N("N93")));
    EXPECT_FALSE(s.visible(N("N94")));
    EXPECT_FALSE(s.visible(N("N54"))); // no repetition column yet
    for (const char* shown :
         {"N73", "N84", "N97", "N58", "N59", "N66", "N91", "N96", "N74", "N55", "N82", "N47"})
        EXPECT_TRUE(s.visible(N(shown))) << shown;
    EXPECT_FALSE(s.visible(N("N98")));
    EXPECT_FALSE(s.visible(N("N57")));

    keep_rows(s, 10);
    open_menu(s, N("PopupMenu1"));
    EXPECT_TRUE(s.visible(N("N79")));
    EXPECT_TRUE(s.visible(N("N93")));
    EXPECT_TRUE(s.enabled(N("RadioGroup1")));

    // One data row: no ordering, no filters, nothing to reverse.
    keep_rows(s, 1);
    EXPECT_FALSE(s.enabled(N("RadioGroup1")));
    open_menu(s, N("PopupMenu1"));
    for (const char* hidden : {"N58", "N59", "N66", "N73", "N84", "N91", "N97"})
        EXPECT_FALSE(s.visible(N(hidden))) << hidden;
    EXPECT_TRUE(s.visible(N("N96")));

    // The surah table deletes surahs, not verses, and goes to no verse.
    BitBtn2Click(s);
    open_menu(s, N("PopupMenu1"));
    EXPECT_TRUE(s.visible(N("N98")));
    EXPECT_FALSE(s.visible(N("N97")));
    EXPECT_FALSE(s.visible(N("N96")));
    EXPECT_TRUE(s.visible(N("N57")));
    EXPECT_FALSE(s.visible(N("N55")));
    EXPECT_EQ(key_command(s, Qt::Key_F5, Qt::NoModifier, {}).command, KeyCommand::None);
}

TEST(Shell, StatisticsAndCopyMenusFollowTheDisplayAndTheTable) {
    Session s;
    BitBtn3Click(s); // shows row 1 in the display box
    open_menu(s, N("N8"));
    for (const char* on : {"N51", "N77", "N48", "N49", "N210", "N310"})
        EXPECT_TRUE(s.enabled(N(on))) << on;
    open_menu(s, N("N7"));
    for (const char* on : {"N13", "N15", "N22", "N28", "N29", "N30", "N78"})
        EXPECT_TRUE(s.enabled(N(on))) << on;
    open_menu(s, N("N37"));
    EXPECT_TRUE(s.enabled(N("N38")));

    // The table-only option and a one-row result close the repetition commands.
    s.setChecked(N("N88"), true);
    keep_rows(s, 1);
    open_menu(s, N("N8"));
    EXPECT_FALSE(s.enabled(N("N48")));
    EXPECT_TRUE(s.enabled(N("N51")));

    // Nothing found: the display is empty and its commands close.
    nigatif(s, 0);
    bit(s, 0);
    EXPECT_EQ(s.label, q(u"لا يوجد نتائج"));
    EXPECT_EQ(s.table.rowCount(), 2);
    EXPECT_TRUE(s.table.cell(verse_col::text, 1).isEmpty());
    EXPECT_TRUE(s.display.text.isEmpty());
    EXPECT_TRUE(s.letters.isEmpty());
    EXPECT_FALSE(s.enabled(N("N8"))); // table-only search with no result
    EXPECT_FALSE(s.enabled(N("BitBtn4")));
    open_menu(s, N("N7"));
    EXPECT_FALSE(s.enabled(N("N22")));
    EXPECT_TRUE(s.enabled(N("N9")));
    open_menu(s, N("N37"));
    EXPECT_FALSE(s.enabled(N("N26")));
    EXPECT_TRUE(s.enabled(N("N33")));
    open_menu(s, N("PopupMenu2"));
    EXPECT_FALSE(s.visible(N("N80")));

    // The surah table keeps the verse-only commands closed.
    BitBtn2Click(s);
    open_menu(s, N("N7"));
    EXPECT_TRUE(s.enabled(N("N22")));
    EXPECT_FALSE(s.enabled(N("N28")));
    open_menu(s, N("N37"));
    EXPECT_FALSE(s.enabled(N("N38")));
    EXPECT_TRUE(s.enabled(N("N36")));
}

TEST(Shell, ShortcutsRunTheOpeningRulesOfTheMenusAbove) {
    Session s;
    EXPECT_TRUE(shortcut_allowed(s, N("N1")));
    EXPECT_TRUE(shortcut_allowed(s, N("N6")));
    EXPECT_FALSE(shortcut_allowed(s, N("N24"))); // the surah menu is closed here
    EXPECT_FALSE(shortcut_allowed(s, N("nothing")));
    nigatif(s, 0);
    bit(s, 0);
    // The word menu's rule closes the display commands before the key acts.
    s.setEnabled(N("N22"), true);
    EXPECT_FALSE(shortcut_allowed(s, N("N22")));
    EXPECT_FALSE(s.enabled(N("N22")));
    BitBtn2Click(s);
    EXPECT_TRUE(shortcut_allowed(s, N("N24")));
    EXPECT_FALSE(shortcut_allowed(s, N("N1")));
}

TEST(Shell, WindowKeys) {
    Session s;
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        QString text;
        KeyCommand command;
        bool consumed;
    };
    const Case cases[] = {
        {Qt::Key_F2, Qt::NoModifier, {}, KeyCommand::SwitchVariant, true},
        {Qt::Key_F2, Qt::ControlModifier, {}, KeyCommand::None, false}, // Ctrl+F2 is a menu key
        {Qt::Key_F3, Qt::NoModifier, {}, KeyCommand::None, false},      // the verse table is shown
        {Qt::Key_F4, Qt::NoModifier, {}, KeyCommand::SurahTable, true},
        {Qt::Key_F5, Qt::NoModifier, {}, KeyCommand::GoToVerse, true},
        {Qt::Key_Return, Qt::NoModifier, N("\r"), KeyCommand::Search, true},
        {Qt::Key_Enter, Qt::KeypadModifier, N("\r"), KeyCommand::Search, true},
        {Qt::Key_Return, Qt::ControlModifier, {}, KeyCommand::SearchTable, true},
        {Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier, {}, KeyCommand::None, false},
        {Qt::Key_Return, Qt::AltModifier, {}, KeyCommand::None, false},
        {Qt::Key_Plus, Qt::ShiftModifier, N("+"), KeyCommand::FocusSearch, true},
        {Qt::Key_Plus, Qt::KeypadModifier, N("+"), KeyCommand::FocusSearch, true},
        {Qt::Key_Minus, Qt::NoModifier, N("-"), KeyCommand::FocusTable, true},
        {Qt::Key_Asterisk, Qt::ShiftModifier, N("*"), KeyCommand::FocusDisplay, true},
        {Qt::Key_A, Qt::NoModifier, N("a"), KeyCommand::None, false},
        {Qt::Key_Plus, Qt::ControlModifier, N("+"), KeyCommand::None, false},
    };
    for (const Case& c : cases) {
        const KeyResult r = key_command(s, c.key, c.mods, c.text);
        EXPECT_EQ(r.command, c.command) << c.key;
        EXPECT_EQ(r.consumed, c.consumed) << c.key;
    }
    run_key_command(s, KeyCommand::FocusSearch);
    EXPECT_EQ(s.focus, Focus::SearchBoxSelected);
    run_key_command(s, KeyCommand::SurahTable);
    EXPECT_FALSE(s.ayat);
    EXPECT_EQ(s.focus, Focus::Table);
}

TEST(Shell, SummaryLineDoubleClickAndRowChanges) {
    Session s;
    BitBtn3Click(s);
    s.p9 = 12;
    s.t = q(u" ب");
    summary_double_click(s);
    EXPECT_TRUE(s.label.isEmpty());
    EXPECT_EQ(s.p9, 0);
    EXPECT_TRUE(s.t.isEmpty());
    EXPECT_FALSE(s.ze.isEmpty());
    bit(s, 6236);
    EXPECT_EQ(s.label, s.ze);

    change_row(s, 5);
    EXPECT_EQ(s.display.text, q(u"اياك نعبد و اياك نستعين"));
    s.display.marks.push_back({0, 1, MarkKind::Red});
    change_row(s, 5); // the same row again: no new display
    EXPECT_EQ(s.display.marks.size(), 1u);
    change_row(s, 9999);
    EXPECT_EQ(s.table.currentRow(), 5);

    select_rows(s, 3, 7, 7);
    EXPECT_EQ(s.table.currentRow(), 7);
    EXPECT_EQ(s.table.selectionTop(), 3);
    EXPECT_EQ(s.table.selectionBottom(), 7);

    window_resized(s);
    EXPECT_EQ(s.display.text, s.table.cell(verse_col::text, 7));
    window_closing(s);
    s.display.text = q(u"x");
    window_resized(s);
    EXPECT_EQ(s.display.text, q(u"x"));
}

TEST(Shell, CheckItemsAndLetterListCommands) {
    Session s;
    BitBtn3Click(s);
    EXPECT_TRUE(choose_item(s, N("N87")));
    EXPECT_FALSE(s.checked(N("N87")));
    EXPECT_TRUE(choose_item(s, N("N104")));
    EXPECT_TRUE(s.checked(N("N104")));
    // A missing input counts as empty; the window's own edit actions are not
    // the engine's.
    EXPECT_EQ(choose_item(s, N("N1")), q(u"أكتب المُراد البحث عنه في مربع البحث"));
    EXPECT_FALSE(choose_item(s, N("Copy1")));
    EXPECT_FALSE(choose_item(s, N("nothing")));

    s.p9 = 5;
    EXPECT_TRUE(choose_item(s, N("N89")));
    EXPECT_TRUE(s.checked(N("N89")));
    EXPECT_EQ(s.p9, 0);
    open_menu(s, N("PopupMenu2"));
    EXPECT_FALSE(s.enabled(N("N107")));
    s.p9 = 5;
    open_menu(s, N("PopupMenu2"));
    EXPECT_TRUE(s.enabled(N("N107")));
    EXPECT_TRUE(choose_item(s, N("N107")));
    EXPECT_EQ(s.p9, 0);
    EXPECT_TRUE(s.label.isEmpty());
    open_menu(s, N("PopupMenu2"));
    EXPECT_FALSE(s.enabled(N("N107")));
    EXPECT_FALSE(choose_item(s, N("N107")));
}
