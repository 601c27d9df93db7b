// Showing a text: the tally into the letter list and the marks of the terms.
#include "display/display.h"
#include "measures/letter_values.h"
#include "table/frame.h"
#include "table/tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace tallyra;

TEST(Display, MarksTheSearchTermsOfTheShownText) {
    Session s;
    const QString text = q(u"لله ما في السموت و الله");
    s.search.s = q(u"لله");
    s.search.j = 3;
    show_text(s, text, 3, false);
    EXPECT_EQ(s.display.text, text);
    // «لله» is marked with the character before it, except at the very start.
    EXPECT_EQ(s.display.marks, (std::vector<Mark>{{0, 3, MarkKind::Red}, {19, 4, MarkKind::Red}}));
    EXPECT_EQ(s.letters.lines().first(), q(u"عدد الحروف 9"));

    // Two terms, each marked; no marking at all in the surah table.
    s.search.a = q(u"ما");
    s.search.X = 2;
    s.search.b = q(u"في");
    s.search.Y = 2;
    show_text_single(s, text, 3, true);
    EXPECT_TRUE(s.search.na3am);
    EXPECT_EQ(s.display.marks, (std::vector<Mark>{{4, 2, MarkKind::Red}, {7, 2, MarkKind::Red}}));
    s.ayat = false;
    show_text_single(s, text, 4, false);
    EXPECT_TRUE(s.display.marks.empty());
    EXPECT_FALSE(s.search.na3am);
    EXPECT_TRUE(s.letters.lines().contains(q(u"0005 = ل")));

    // The phrase list marks every phrase, in the surah table too; the
    // placeholder and an empty text mark and change nothing.
    s.search.n = 2;
    s.search.ar3ibara2 = {q(u"الله"), q(u"م")};
    show_text(s, text, 4, false);
    EXPECT_EQ(
        s.display.marks,
        (std::vector<Mark>{{19, 4, MarkKind::Red}, {4, 1, MarkKind::Red}, {13, 1, MarkKind::Red}}));
    EXPECT_EQ(s.search.s, q(u"م"));
    s.ayat = true;
    s.search.n = 0;
    s.search.s = kSearchPlaceholder;
    s.search.j = kSearchPlaceholder.size();
    show_text(s, text, 3, false);
    EXPECT_TRUE(s.display.marks.empty());
    show_text(s, QString(), 3, false);
    EXPECT_EQ(s.display.text, text);
}

TEST(Display, LetterListOfTheFirstVerseInBothModes) {
    Session s;
    const QString verse = q(u"بسم الله الرحمن الرحيم");
    s.setChecked(QStringLiteral("N87"), false);
    show_text(s, verse, 3, false);
    QStringList letters;
    for (const QString& line : s.letters.lines().mid(2))
        letters << line.right(1);
    EXPECT_EQ(letters.join(QString()), q(u"بسمالهرحني"));
    EXPECT_EQ(s.letters.lines()[1], q(u"--------------"));
    EXPECT_EQ(s.letters.lines()[2], q(u"001 = ب"));
    EXPECT_EQ(s.letters.lines()[6], q(u"004 = ل"));
}

TEST(Display, ShowRowFollowsTheTableKind) {
    Session s;
    BitBtn2Click(s);
    show_row(s, 114);
    EXPECT_EQ(s.display.text, s.souar[114]);
    BitBtn2Click(s);
    EXPECT_TRUE(s.letters.lines().contains(q(u"0004 = ب")));
    // An empty display box means no result: showing a row changes nothing.
    s.display.text.clear();
    show_row(s, 2);
    EXPECT_TRUE(s.display.text.isEmpty());
}

TEST(Display, SelectionSummaryInTheFirstVerse) {
    Session s;
    BitBtn3Click(s);
    // «الله», the second word.
    display_selection_changed(s, 4, 4);
    EXPECT_EQ(s.label, q(u"عدد الكلمات 1    عدد الحروف 4    الكلمة رقم 2 = 2    الحرف رقم 7 = 7"));
    // A selection ending inside a word counts that word.
    display_selection_changed(s, 0, 6);
    EXPECT_EQ(s.label, q(u"عدد الكلمات 2    عدد الحروف 5    الكلمة رقم 2 = 2    الحرف رقم 5 = 5"));
    // The rows above the selected row count too; the hidden letter values add their texts.
    change_row(s, 2);
    s.setChecked(QStringLiteral("N106"), false);
    s.setChecked(QStringLiteral("N99"), true);
    display_selection_changed(s, 0, 5);
    EXPECT_EQ(s.label, q(u"عدد الكلمات 1    عدد الحروف 5") + jomal(q(u"الحمد")) +
                           q(u"    الكلمة رقم 5 = 5"));
    // A lone space or no selection brings back the summary line.
    display_selection_changed(s, 5, 1);
    EXPECT_EQ(s.label, s.ze);
    s.label = q(u"x");
    display_selection_changed(s, 3, 0);
    EXPECT_EQ(s.label, s.ze);
    display_selection_changed(s, -5, 1000); // clamped to the text
    EXPECT_TRUE(s.label.startsWith(q(u"عدد الكلمات 4")));
}

TEST(Display, LetterListClicksAndSums) {
    Session s;
    BitBtn3Click(s); // verse 1, sorted: header, separator, «001 = ب», ...
    ASSERT_EQ(s.letters.at(2), q(u"001 = ب"));
    letter_list_click(s, 11); // «004 = ل»
    EXPECT_EQ(s.display.marks, (std::vector<Mark>{{5, 1, MarkKind::Red},
                                                  {6, 1, MarkKind::Red},
                                                  {10, 1, MarkKind::Red},
                                                  {17, 1, MarkKind::Red}}));
    EXPECT_EQ(s.display.caret, 1);
    EXPECT_EQ(s.label, q(u"2.2  =  4             "));

    N89Click(s);
    letter_list_click(s, 0);  // the header: 10 distinct letters
    letter_list_click(s, 1);  // the separator adds 0
    letter_list_click(s, 10); // «003 = م»
    EXPECT_EQ(s.p9, 13);
    EXPECT_EQ(s.label, q(u"13  =  13              م"));
    letter_list_click(s, 99); // no such line
    EXPECT_EQ(s.p9, 13);
    N107Click(s);
    EXPECT_EQ(s.p9, 0);
    EXPECT_TRUE(s.t.isEmpty());

    // A line whose digits overflow, or a sum beyond the 32-bit range, ends
    // the click without a change.
    s.letters.add(q(u"99999999999 = ب"));
    letter_list_click(s, s.letters.size() - 1);
    EXPECT_EQ(s.p9, 0);
    EXPECT_TRUE(s.label.isEmpty());
    s.p9 = 2147483640;
    letter_list_click(s, 0);
    EXPECT_EQ(s.p9, 2147483640);
    EXPECT_TRUE(s.label.isEmpty());
    EXPECT_EQ(s.display.marks.size(), 3u); // the marks of the click on م stay
}

TEST(Display, ReversingTheLetterListTwiceRestoresIt) {
    Session s;
    BitBtn3Click(s);
    const QStringList ascending = s.letters.lines();
    N80Click(s);
    EXPECT_EQ(s.letters.at(2), q(u"004 = ل"));
    EXPECT_EQ(s.letters.at(0), ascending.at(0));
    N80Click(s);
    EXPECT_EQ(s.letters.lines(), ascending);
    EXPECT_FALSE(display_hint(s).isEmpty());
    s.display.text.clear();
    EXPECT_TRUE(display_hint(s).isEmpty());
    EXPECT_TRUE(letters_hint(s).isEmpty());
}
