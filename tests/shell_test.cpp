// The frame of the main window: the procedures around every command, the
// menu rules, the shortcut gate and the window's own keys.
#include "display/display.h"
#include "search/search.h"
#include "shell/dispatch.h"
#include "table/frame.h"
#include "table/tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QSet>
#include <functional>

using namespace tallyra;

namespace {

constexpr WindowId M = WindowId::Main;

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
    const std::function<void(const QString&)> collect = [&](const QString& menu) {
        for (const Command* c : menu_rows(M, menu)) {
            names << c->item;
            if (c->kind == ItemKind::Menu)
                collect(c->item);
        }
    };
    for (const char* root :
         {"MainMenu", "PopupMenu1", "PopupMenu2", "PopupMenu3", "PopupMenu4", "PopupMenu5"})
        collect(N(root));
    EXPECT_EQ(names.size(), QSet<QString>(names.begin(), names.end()).size());
    // Beside them, the menu of the UTF-8 exports with its three items, and
    // the chart's item in the menu bar and in the table's menu.
    EXPECT_EQ(names.size(), 9 + 8 + 4 + 12 + 15 + 14 + 21 + 6 + 3 + 6 + 4 + 2);
    EXPECT_TRUE(menu_rows(M, N("PopupMenu5")).empty());
    // Captions keep their spaces; submenu items know the menus above them.
    EXPECT_EQ(find_command(M, N("N6"))->caption, q(u"إحصاء حروف الجدول       "));
    EXPECT_EQ(find_command(M, N("N20"))->caption, q(u"إحصاء السور      "));
    EXPECT_EQ(find_command(M, N("N45"))->key, N("Alt+F12"));
    EXPECT_EQ(menus_above(M, N("N1")), (QStringList{N("MainMenu"), N("N8")}));
    EXPECT_EQ(menus_above(M, N("N74")), (QStringList{N("PopupMenu1"), N("N58")}));
    EXPECT_EQ(menus_above(M, N("N6")), QStringList{N("MainMenu")});
    // The separators stand where the menus lay them out.
    QStringList separated;
    for (const Command* c : menu_rows(M, N("N8")))
        if (c->separatorBefore)
            separated << c->item;
    EXPECT_EQ(separated, (QStringList{N("N5"), N("N48")}));
}

TEST(Shell, RegistryRowsAreWhole) {
    QSet<QString> verbs;
    for (const Command& c : registry()) {
        SCOPED_TRACE(c.item.toStdString());
        // Every item stands in a menu of its own window, or in none.
        if (!c.menu.isEmpty()) {
            const Command* menu = find_command(c.window, c.menu);
            ASSERT_NE(menu, nullptr);
            EXPECT_EQ(menu->kind, ItemKind::Menu);
        }
        if (!c.verb.isEmpty()) {
            // A verb names one row, or each of its rows with a word of its own.
            const QString name = c.choice.isEmpty() ? c.verb : c.verb + u' ' + c.choice;
            EXPECT_FALSE(verbs.contains(name)) << name.toStdString();
            verbs.insert(name);
            EXPECT_FALSE(c.help.isEmpty());
            // A verb runs something: a command, or the tick of a check item.
            EXPECT_TRUE(c.run || c.kind == ItemKind::Check);
        }
        // The rows of another window are reached through their own window.
        if (!c.via.isEmpty()) {
            EXPECT_NE(find_command(M, c.via), nullptr);
        }
        EXPECT_EQ(c.opened != nullptr && c.kind != ItemKind::Menu, false);
        // No menu item, button or key of any window is there without a
        // command behind it, but the notes pad's edit actions, which its
        // text box carries out itself.
        const bool editAction =
            c.window == WindowId::Notes &&
            QStringList{N("Copy"), N("Cut"), N("Paste"), N("SelectAll"), N("Undo")}.contains(
                c.item);
        if ((c.kind == ItemKind::Command || c.kind == ItemKind::Button ||
             c.kind == ItemKind::Key) &&
            !editAction) {
            EXPECT_TRUE(c.run) << "does nothing";
        }
    }
    EXPECT_EQ(find_verb(N("begins")), find_command(M, N("N1")));
    EXPECT_EQ(find_verb(N("nothing")), nullptr);
    EXPECT_EQ(find_verb(N("within"), N("verses")), find_command(M, N("N57")));
    EXPECT_EQ(find_verb(N("divisible"), N("order")), find_command(M, N("N76")));
    EXPECT_EQ(find_verb(N("within"), N("pages")), nullptr);
    EXPECT_EQ(verb_choices(N("outside")),
              (QStringList{N("order"), N("surah"), N("verse"), N("verses"), N("words"),
                           N("letters"), N("repetition")}));
    EXPECT_TRUE(verb_choices(N("begins")).isEmpty());
}

TEST(Shell, TableMenuFollowsTheRowsShown) {
    Program p;
    Session& s = p.main;
    open_menu(p, M, N("PopupMenu1"));
    // The full verse table: nothing to complement or save.
    EXPECT_FALSE(s.visible(N("N79")));
    EXPECT_FALSE(s.visible(N("N93")));
    EXPECT_FALSE(s.visible(N("N94")));
    EXPECT_FALSE(s.visible(N("N54"))); // no repetition column yet
    for (const char* shown :
         {"N73", "N84", "N97", "N58", "N59", "N66", "N91", "N96", "N74", "N55", "N47"})
        EXPECT_TRUE(s.visible(N(shown))) << shown;
    // The calculator is offered only where there is one.
    for (const QString& calculator : {QString(), QStringLiteral("/usr/bin/calculator")}) {
        p.calculator = calculator;
        open_menu(p, M, N("PopupMenu1"));
        EXPECT_EQ(s.visible(N("N82")), !calculator.isEmpty());
    }
    EXPECT_FALSE(s.visible(N("N98")));
    EXPECT_FALSE(s.visible(N("N57")));

    keep_rows(s, 10);
    open_menu(p, M, N("PopupMenu1"));
    EXPECT_TRUE(s.visible(N("N79")));
    EXPECT_TRUE(s.visible(N("N93")));
    EXPECT_TRUE(s.enabled(N("RadioGroup1")));

    // One data row: no ordering, no filters, nothing to reverse.
    keep_rows(s, 1);
    EXPECT_FALSE(s.enabled(N("RadioGroup1")));
    open_menu(p, M, N("PopupMenu1"));
    for (const char* hidden : {"N58", "N59", "N66", "N73", "N84", "N91", "N97"})
        EXPECT_FALSE(s.visible(N(hidden))) << hidden;
    EXPECT_TRUE(s.visible(N("N96")));

    // The surah table deletes surahs, not verses, and goes to no verse.
    BitBtn2Click(s);
    open_menu(p, M, N("PopupMenu1"));
    EXPECT_TRUE(s.visible(N("N98")));
    EXPECT_FALSE(s.visible(N("N97")));
    EXPECT_FALSE(s.visible(N("N96")));
    EXPECT_TRUE(s.visible(N("N57")));
    EXPECT_FALSE(s.visible(N("N55")));
    EXPECT_FALSE(key_command(p, M, Qt::Key_F5, Qt::NoModifier, {}).consumed);
}

TEST(Shell, StatisticsAndCopyMenusFollowTheDisplayAndTheTable) {
    Program p;
    Session& s = p.main;
    BitBtn3Click(s); // shows row 1 in the display box
    open_menu(p, M, N("N8"));
    for (const char* on : {"N51", "N77", "N48", "N49", "N210", "N310"})
        EXPECT_TRUE(s.enabled(N(on))) << on;
    open_menu(p, M, N("N7"));
    for (const char* on : {"N13", "N15", "N22", "N28", "N29", "N30", "N78"})
        EXPECT_TRUE(s.enabled(N(on))) << on;
    open_menu(p, M, N("N37"));
    EXPECT_TRUE(s.enabled(N("N38")));

    // The table-only option and a one-row result close the repetition commands.
    s.setChecked(N("N88"), true);
    keep_rows(s, 1);
    open_menu(p, M, N("N8"));
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
    open_menu(p, M, N("N7"));
    EXPECT_FALSE(s.enabled(N("N22")));
    EXPECT_TRUE(s.enabled(N("N9")));
    open_menu(p, M, N("N37"));
    EXPECT_FALSE(s.enabled(N("N26")));
    EXPECT_TRUE(s.enabled(N("N33")));
    open_menu(p, M, N("PopupMenu2"));
    EXPECT_FALSE(s.visible(N("N80")));

    // The surah table keeps the verse-only commands closed.
    BitBtn2Click(s);
    open_menu(p, M, N("N7"));
    EXPECT_TRUE(s.enabled(N("N22")));
    EXPECT_FALSE(s.enabled(N("N28")));
    open_menu(p, M, N("N37"));
    EXPECT_FALSE(s.enabled(N("N38")));
    EXPECT_TRUE(s.enabled(N("N36")));
}

TEST(Shell, ShortcutsRunTheOpeningRulesOfTheMenusAbove) {
    Program p;
    Session& s = p.main;
    const auto shortcut_allowed = [&](Session&, const QString& item) {
        return command_allowed(p, M, item);
    };
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
    Program p;
    Session& s = p.main;
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        QString text;
        const char* item; // empty: none
        bool consumed;
    };
    const Case cases[] = {
        {Qt::Key_F2, Qt::NoModifier, {}, "BitBtn5", true},
        {Qt::Key_F2, Qt::ControlModifier, {}, "", false}, // Ctrl+F2 is a menu key
        {Qt::Key_F3, Qt::NoModifier, {}, "", false},      // the verse table is shown
        {Qt::Key_F4, Qt::NoModifier, {}, "BitBtn2", true},
        {Qt::Key_F5, Qt::NoModifier, {}, "BitBtn4", true},
        {Qt::Key_Return, Qt::NoModifier, N("\r"), "BitBtn1", true},
        {Qt::Key_Enter, Qt::KeypadModifier, N("\r"), "BitBtn1", true},
        {Qt::Key_Return, Qt::ControlModifier, {}, "N86", true},
        {Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier, {}, "", false},
        {Qt::Key_Return, Qt::AltModifier, {}, "", false},
        {Qt::Key_Plus, Qt::ShiftModifier, N("+"), "FocusSearchBox", true},
        {Qt::Key_Plus, Qt::KeypadModifier, N("+"), "FocusSearchBox", true},
        {Qt::Key_Minus, Qt::NoModifier, N("-"), "FocusTable", true},
        {Qt::Key_Asterisk, Qt::ShiftModifier, N("*"), "FocusDisplay", true},
        {Qt::Key_A, Qt::NoModifier, N("a"), "", false},
        {Qt::Key_Plus, Qt::ControlModifier, N("+"), "", false},
    };
    for (const Case& c : cases) {
        const KeyResult r = key_command(p, M, c.key, c.mods, c.text);
        EXPECT_EQ(r.item, N(c.item)) << c.key;
        EXPECT_EQ(r.consumed, c.consumed) << c.key;
    }
    EXPECT_EQ(run_command(p, M, N("FocusSearchBox")).focus, Focus::SearchBoxSelected);
    EXPECT_EQ(run_command(p, M, N("BitBtn2")).focus, Focus::Table);
    EXPECT_FALSE(s.ayat);
    // F5 opens the go-to dialog, which then takes the input alone.
    BitBtn3Click(s);
    const Result go = run_command(p, M, N("BitBtn4"));
    EXPECT_EQ(go.open, WindowId::GoTo);
    EXPECT_EQ(p.active(), WindowId::GoTo);
    EXPECT_FALSE(command_allowed(p, M, N("N1")));
    EXPECT_TRUE(command_allowed(p, WindowId::GoTo, N("Button1")));
    run_command(p, WindowId::GoTo, N("ListBox1"), {N("1")});
    run_command(p, WindowId::GoTo, N("ListBox2"), {N("254")});
    const Result jumped = run_command(p, WindowId::GoTo, N("Button1"));
    EXPECT_EQ(jumped.close, WindowId::GoTo);
    EXPECT_EQ(jumped.focus, Focus::Table);
    EXPECT_EQ(s.table.currentRow(), 262);
    EXPECT_EQ(p.active(), M);
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

// The selection always holds the current row, whatever the view reports.
TEST(Shell, TheSelectionHoldsTheCurrentRow) {
    Session s;
    struct Case {
        int top, bottom, current;
        int wantTop, wantBottom, wantCurrent;
    };
    const Case cases[] = {
        {3, 7, 7, 3, 7, 7},             // extended downwards
        {7, 3, 3, 3, 7, 3},             // extended upwards
        {3, 3, 9, 9, 9, 9},             // the current row moved away alone
        {1, 6236, 6236, 1, 6236, 6236}, // everything
        {0, 99999, -4, 1, 6236, 1},     // out of range: clamped
    };
    for (const Case& c : cases) {
        select_rows(s, c.top, c.bottom, c.current);
        EXPECT_EQ(s.table.selectionTop(), c.wantTop) << c.top << ' ' << c.current;
        EXPECT_EQ(s.table.selectionBottom(), c.wantBottom) << c.top << ' ' << c.current;
        EXPECT_EQ(s.table.currentRow(), c.wantCurrent) << c.top << ' ' << c.current;
        EXPECT_EQ(s.display.text, s.table.cell(verse_col::text, c.wantCurrent));
    }
}

// The table's copy: the header and the selected rows, the columns shown only.
TEST(Shell, SelectedRowsAsText) {
    Session s;
    select_rows(s, 1, 2, 2);
    EXPECT_EQ(selected_rows_text(s.table),
              q(u"الترتيب\tإسم السورة\tرقم الآية\tنص الآية الكريمة\tعدد الكلمات\tعدد "
                u"الحروف\n"
                u"1\t001-الفاتحة\t1\tبسم الله الرحمن الرحيم\t4\t19\n"
                u"2\t001-الفاتحة\t2\tالحمد لله رب العلمين\t4\t17\n"));
    // A search shows its count column, and the copy holds it.
    BitBtn1Click(s, q(u"الرحمن"));
    select_rows(s, 2, 2, 2);
    EXPECT_EQ(selected_rows_text(s.table).split(u'\n').value(1),
              q(u"2\t001-الفاتحة\t3\tالرحمن الرحيم\t2\t12\t1"));
    BitBtn2Click(s);
    select_rows(s, 114, 114, 114);
    EXPECT_EQ(selected_rows_text(s.table),
              q(u"رقم السورة\tإسم السورة\tعدد الآيات\tعدد الكلمات\tعدد الحروف\n"
                u"114\tالناس\t006\t0021\t00080\n"));
    // Rows cut off since the selection was made are left out.
    s.table.setSelection(113, 114);
    s.table.setRowCount(114);
    EXPECT_EQ(selected_rows_text(s.table).count(u'\n'), 2);
}

TEST(Shell, CheckItemsAndLetterListCommands) {
    Program p;
    Session& s = p.main;
    const auto choose = [&](const char* item, const QStringList& in = {}) {
        return run_command(p, M, N(item), in);
    };
    BitBtn3Click(s);
    EXPECT_FALSE(choose("N87").refused);
    EXPECT_FALSE(s.checked(N("N87")));
    EXPECT_FALSE(choose("N104").refused);
    EXPECT_TRUE(s.checked(N("N104")));
    // A missing input counts as empty.
    EXPECT_EQ(choose("N1").message, q(u"أكتب المُراد البحث عنه في مربع البحث"));
    EXPECT_TRUE(choose("nothing").refused);
    EXPECT_TRUE(choose("N8").refused); // a menu is no command
    // The display box's edit actions: select all, then copy what is selected.
    EXPECT_TRUE(choose("Copy1").clipboard.isEmpty());
    choose("N100");
    EXPECT_EQ(s.display.selectionLength, s.display.text.size());
    EXPECT_EQ(s.label, q(u"عدد الكلمات 4    عدد الحروف 19    الكلمة رقم 4 = 2.2    الحرف رقم "
                         u"19 = 19"));
    EXPECT_EQ(choose("Copy1").clipboard, q(u"بسم الله الرحمن الرحيم"));

    s.p9 = 5;
    EXPECT_FALSE(choose("N89").refused);
    EXPECT_TRUE(s.checked(N("N89")));
    EXPECT_EQ(s.p9, 0);
    open_menu(p, M, N("PopupMenu2"));
    EXPECT_FALSE(s.enabled(N("N107")));
    s.p9 = 5;
    open_menu(p, M, N("PopupMenu2"));
    EXPECT_TRUE(s.enabled(N("N107")));
    EXPECT_FALSE(choose("N107").refused);
    EXPECT_EQ(s.p9, 0);
    EXPECT_TRUE(s.label.isEmpty());
    open_menu(p, M, N("PopupMenu2"));
    EXPECT_FALSE(s.enabled(N("N107")));
    EXPECT_TRUE(choose("N107").refused);
}
