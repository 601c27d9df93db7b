// The surah chooser and the verse-set chooser, run as their windows run
// them: through their rows, opened from the table menu.
#include "shell/dispatch.h"
#include "table/choosers.h"
#include "table/frame.h"
#include "table/session.h"
#include "table/tables.h"

#include "session_invariants.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

constexpr WindowId M = WindowId::Main;
constexpr WindowId S = WindowId::SurahChooser;
constexpr WindowId V = WindowId::VerseChooser;

// An item of a window as a click reaches it.
Result click(Program& p, WindowId window, const char* item, const QStringList& chosen = {}) {
    EXPECT_TRUE(command_allowed(p, window, N(item))) << item;
    const Result r = run_command(p, window, N(item), chosen);
    EXPECT_EQ(program_fault(p), QString()) << item;
    return r;
}

const QString kCountLine = q(u"حدد السُور التي تريدها في الجدول");

} // namespace

TEST(SurahChooser, SelectionCountLineAndMode) {
    Program p;
    SurahChooserWindow& w = p.surahChooser;
    EXPECT_EQ(w.count, kCountLine);
    EXPECT_TRUE(w.items.checked(kChooserModeBox));
    click(p, M, "N91");
    EXPECT_EQ(p.active(), S);
    // The list sends the rows selected, from 0.
    click(p, S, "ListBox1", {q(u"102"), q(u"107"), q(u"107"), q(u"200"), q(u"x")});
    EXPECT_EQ(w.selected, (std::vector<int>{103, 108}));
    EXPECT_EQ(w.count, kCountLine + q(u"   2"));
    click(p, S, "CheckBox1");
    EXPECT_FALSE(w.items.checked(kChooserModeBox));
    EXPECT_EQ(w.count, kCountLine);
    EXPECT_EQ(w.selected.size(), 2u);

    // Cancelled, then opened again: the selection is as it was.
    EXPECT_EQ(click(p, S, "BitBtn2").close, S);
    EXPECT_EQ(p.active(), M);
    click(p, M, "N91");
    EXPECT_EQ(w.selected, (std::vector<int>{103, 108}));

    // Nothing selected: the message, and the chooser stays.
    click(p, S, "ListBox1", {});
    const Result none = click(p, S, "BitBtn1");
    EXPECT_EQ(none.message, q(u"لم يتم تحديد أي سورة"));
    EXPECT_EQ(p.active(), S);
}

TEST(SurahChooser, OkKeepsTheRowsOfTheSurahsChosen) {
    Program p;
    Session& s = p.main;
    click(p, M, "N91");
    click(p, S, "ListBox1", {q(u"102"), q(u"107")});
    const Result r = click(p, S, "BitBtn1");
    EXPECT_EQ(r.message, QString());
    EXPECT_EQ(r.close, S);
    EXPECT_EQ(p.active(), M);
    const Grid& t = s.table;
    EXPECT_EQ(column_cells(t, verse_col::surah),
              (QStringList{q(u"103-العصر"), q(u"103-العصر"), q(u"103-العصر"), q(u"108-الكوثر"),
                           q(u"108-الكوثر"), q(u"108-الكوثر")}));
    EXPECT_EQ(column_cells(t, verse_col::position),
              (QStringList{q(u"1"), q(u"2"), q(u"3"), q(u"4"), q(u"5"), q(u"6")}));
    EXPECT_EQ(s.label, q(u"عدد الآيات 6    مجموع الكلمات 29    مجموع الحروف 112"));
    EXPECT_EQ(s.display.text, t.cell(verse_col::text, 1));

    // Over a result that holds none of them: the message, nothing changes.
    run_command(p, M, N("BitBtn3"));
    run_command(p, M, N("N56"), {q(u"1"), q(u"2")});
    const quint64 revision = t.revision();
    click(p, M, "N91");
    EXPECT_EQ(click(p, S, "BitBtn1").message,
              q(u"السور التي قمت بتحديدها لا وجود لها في جدول الآيات"));
    EXPECT_EQ(t.revision(), revision);
    EXPECT_EQ(p.active(), S);
    p.hide(S);

    // The surah table: the rows of the surahs chosen, in the table's order.
    run_command(p, M, N("BitBtn2"));
    run_command(p, M, N("RadioGroup1"), {q(u"2")});
    click(p, M, "N91");
    click(p, S, "ListBox1", {q(u"0"), q(u"1"), q(u"113")});
    EXPECT_EQ(click(p, S, "BitBtn1").message, QString());
    EXPECT_EQ(column_cells(t, surah_col::number), (QStringList{q(u"114"), q(u"1"), q(u"2")}));
    EXPECT_EQ(s.label, q(u"عدد السور 3    مجموع الآيات 299    مجموع الكلمات ") +
                           QString::number(column_sum(t, surah_col::words)) +
                           q(u"    مجموع الحروف ") +
                           QString::number(column_sum(t, surah_col::letters)));
    EXPECT_FALSE(s.enabled(N("BitBtn4")));
    EXPECT_TRUE(s.enabled(N("BitBtn2")));
    run_command(p, M, N("N98")); // the first row selected
    click(p, M, "N91");
    click(p, S, "ListBox1", {q(u"113")});
    EXPECT_EQ(click(p, S, "BitBtn1").message, q(u"السور التي قمت بتحديدها لا وجود لها في الجدول"));
}

TEST(VerseChooser, GathersVersesInTheOrderAdded) {
    Program p;
    VerseChooserWindow& w = p.verseChooser;
    click(p, M, "N96");
    EXPECT_EQ(click(p, V, "BitBtn2").message, q(u"لم يتم إختيار أي آية"));
    click(p, V, "ListBox1", {q(u"0")});
    EXPECT_EQ(w.verses.size(), 7);
    // Verses 1 to 3 of surah 1, twice: three entries.
    for (int twice = 0; twice < 2; ++twice) {
        click(p, V, "ListBox2", {q(u"0"), q(u"1"), q(u"2")});
        click(p, V, "BitBtn1");
    }
    EXPECT_EQ(w.chosen,
              (QStringList{q(u"001-الفاتحة 1"), q(u"001-الفاتحة 2"), q(u"001-الفاتحة 3")}));
    EXPECT_EQ(w.count, q(u"3"));
    click(p, V, "ListBox1", {q(u"1")});
    EXPECT_EQ(w.verses.size(), 286);
    EXPECT_TRUE(w.selectedVerses.empty());
    click(p, V, "ListBox2", {q(u"254")});
    click(p, V, "BitBtn1");
    EXPECT_EQ(w.chosen.last(), q(u"002-البقرة 255"));
    EXPECT_EQ(w.chosenVerses, (std::vector<int>{1, 2, 3, 262}));
    EXPECT_EQ(w.g, 8);

    // The context menu: deleting needs a selection.
    open_menu(p, V, N("PopupMenu1"));
    EXPECT_FALSE(w.items.enabled(N("N1")));
    EXPECT_TRUE(w.items.enabled(N("N2")));
    click(p, V, "ListBox3", {q(u"1"), q(u"2")});
    click(p, V, "N1");
    EXPECT_EQ(w.chosen, (QStringList{q(u"001-الفاتحة 1"), q(u"002-البقرة 255")}));
    EXPECT_EQ(w.count, q(u"2"));

    // Shown in the order added, not in corpus order.
    const Result r = click(p, V, "BitBtn2");
    EXPECT_EQ(r.close, V);
    const Grid& t = p.main.table;
    EXPECT_EQ(column_cells(t, verse_col::index), (QStringList{q(u"1"), q(u"262")}));
    EXPECT_EQ(column_cells(t, verse_col::verse), (QStringList{q(u"1"), q(u"255")}));
    EXPECT_EQ(column_cells(t, verse_col::repeats), (QStringList{q(u"0"), q(u"0")}));
    EXPECT_EQ(p.main.label, q(u"عدد الآيات 2    مجموع الكلمات ") +
                                QString::number(column_sum(t, verse_col::words)) +
                                q(u"    مجموع الحروف ") +
                                QString::number(column_sum(t, verse_col::letters)));
    EXPECT_EQ(p.main.display.text, t.cell(verse_col::text, 1));
    // Closed, it forgets the verses chosen; the lists of the surah stay.
    EXPECT_TRUE(w.chosen.isEmpty());
    EXPECT_TRUE(w.chosenVerses.empty());
    EXPECT_TRUE(w.count.isEmpty());
    EXPECT_EQ(w.verses.size(), 286);
}

TEST(VerseChooser, SelectAllClearAndTheCloseBox) {
    Program p;
    VerseChooserWindow& w = p.verseChooser;
    click(p, M, "N96");
    click(p, V, "ListBox1", {q(u"113")});
    click(p, V, "BitBtn3");
    click(p, V, "BitBtn1");
    EXPECT_EQ(w.chosenVerses, (std::vector<int>{6231, 6232, 6233, 6234, 6235, 6236}));
    click(p, V, "CheckBox1");
    EXPECT_FALSE(w.items.checked(kChooserModeBox));
    click(p, V, "N2");
    EXPECT_TRUE(w.chosen.isEmpty());
    EXPECT_TRUE(w.count.isEmpty());
    open_menu(p, V, N("PopupMenu1"));
    EXPECT_FALSE(w.items.enabled(N("N2")));
    click(p, V, "BitBtn1");
    EXPECT_EQ(w.chosen.size(), 6);
    p.hide(V); // the close box
    EXPECT_TRUE(w.chosen.isEmpty());

    // Opened over the empty table of a search that found nothing.
    run_command(p, M, N("BitBtn1"), {q(u"ققق")});
    ASSERT_EQ(p.main.table.rowCount(), 2);
    click(p, M, "N96");
    click(p, V, "ListBox1", {q(u"0")});
    click(p, V, "ListBox2", {q(u"6"), q(u"99")});
    click(p, V, "BitBtn1");
    click(p, V, "BitBtn2");
    EXPECT_EQ(p.main.table.dataRowCount(), 1);
    EXPECT_EQ(p.main.table.cell(verse_col::index, 1), q(u"7"));
    EXPECT_TRUE(p.main.enabled(N("BitBtn4")));
    EXPECT_EQ(verse_reference(q(u"2:255")), 262);
    for (const char16_t* bad : {u"2:0", u"2:287", u"115:1", u"2", u":", u"٢:٢", u"2:2:2"})
        EXPECT_FALSE(verse_reference(q(bad)).has_value()) << q(bad).toStdString();
}
