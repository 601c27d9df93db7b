// The verse go-to dialog and its remembered fields.
#include "table/frame.h"
#include "table/goto_verse.h"
#include "table/tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace tallyra;

TEST(GoToVerse, SurahListAndVerseList) {
    const QStringList& entries = goto_surah_entries();
    ASSERT_EQ(entries.size(), 114);
    EXPECT_EQ(entries[0], q(u"001-الفاتحة"));
    EXPECT_EQ(entries[20], q(u"021-الانبياء"));
    EXPECT_EQ(entries[86], q(u"087-الاعلى"));
    EXPECT_EQ(entries[113], q(u"114-الناس"));
    GoToWindow d;
    EXPECT_EQ(goto_choose_surah(d, 0),
              (QStringList{q(u"1"), q(u"2"), q(u"3"), q(u"4"), q(u"5"), q(u"6"), q(u"7")}));
    EXPECT_EQ(goto_choose_surah(d, 1).size(), 286);
    EXPECT_EQ(d.verses.size(), 286);
    EXPECT_TRUE(goto_choose_surah(d, 114).isEmpty());
    EXPECT_EQ(d.a, 1);
}

TEST(GoToVerse, JumpsToTheChosenVerseOfTheTable) {
    Session s;
    GoToWindow d;
    goto_choose_surah(d, 1);
    goto_choose_verse(d, 254);
    EXPECT_EQ(goto_ok(d, s), std::nullopt);
    EXPECT_EQ(d.g, 262);
    EXPECT_EQ(s.table.currentRow(), 262);
    EXPECT_EQ(s.display.text, s.table.cell(verse_col::text, 262));
    EXPECT_EQ(d.b, 0);
    EXPECT_EQ(s.focus, Focus::Table);
    // OK again at once: the same surah, its first verse.
    EXPECT_EQ(goto_ok(d, s), std::nullopt);
    EXPECT_EQ(s.table.currentRow(), 8);
}

TEST(GoToVerse, AVerseTheTableDoesNotListGivesTheMessage) {
    Session s;
    GoToWindow d;
    s.table.setRowCount(4); // a result of three verses: 1, 2, 3
    s.table.setCurrentRow(2);
    goto_choose_surah(d, 1);
    goto_choose_verse(d, 4);
    EXPECT_EQ(goto_ok(d, s), q(u"لا يوجد هذه الآية في نتائج البحث"));
    EXPECT_EQ(s.table.currentRow(), 2);
    EXPECT_EQ(d.b, 4); // kept for the next OK
}

TEST(GoToVerse, AnotherSurahKeepsTheVerseChosenBefore) {
    Session s;
    GoToWindow d;
    goto_choose_surah(d, 1);
    goto_choose_verse(d, 254);
    goto_choose_surah(d, 0); // al-Fatiha, seven verses; no verse chosen
    EXPECT_EQ(goto_ok(d, s), std::nullopt);
    EXPECT_EQ(d.g, 1 + 254); // lands in surah 2
    EXPECT_EQ(s.table.currentRow(), 255);
}
