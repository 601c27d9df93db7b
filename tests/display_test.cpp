// Showing a text: the tally into the letter list and the marks of the terms.
#include "display/display.h"

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
