// The verse table and the surah table of a session: the start-up fill, the
// three table buttons, the surah texts and the letter census.
#include "corpus/surahs.h"
#include "shell/registry.h"
#include "table/session.h"
#include "table/tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

QStringList row(const Grid& t, int r) {
    QStringList cells;
    for (int c = 0; c < t.columnCount(); ++c)
        cells << t.cell(c, r);
    return cells;
}

QString summary(int words) {
    return q(u"عدد الآيات 6236     مجموع الكلمات ") + QString::number(words) +
           q(u"      مجموع الحروف 322604");
}

const QStringList kVerseCaptions = {q(u"index"),      q(u"الترتيب"),          q(u"إسم السورة"),
                                    q(u"رقم الآية"),  q(u"نص الآية الكريمة"), q(u"عدد الكلمات"),
                                    q(u"عدد الحروف"), q(u"التكرار")};

} // namespace

TEST(Tables, StartUpShowsEveryVerseOfTheSeparatedText) {
    Session s;
    EXPECT_TRUE(s.ayat);
    EXPECT_FALSE(s.waw);
    EXPECT_EQ(s.ze, summary(86968));
    EXPECT_EQ(s.label, s.ze);
    const Grid& t = s.table;
    ASSERT_EQ(t.rowCount(), 6237);
    ASSERT_EQ(t.columnCount(), 8);
    EXPECT_EQ(row(t, 0), kVerseCaptions);
    EXPECT_EQ(row(t, 1), QStringList({q(u"1"), q(u"1"), q(u"001-الفاتحة"), q(u"1"),
                                      q(u"بسم الله الرحمن الرحيم"), q(u"4"), q(u"19"), q(u"0")}));
    EXPECT_EQ(row(t, 8), QStringList({q(u"8"), q(u"8"), q(u"002-البقرة"), q(u"1"), q(u"الم"),
                                      q(u"1"), q(u"3"), q(u"0")}));
    EXPECT_EQ(row(t, 6236), QStringList({q(u"6236"), q(u"6236"), q(u"114-الناس"), q(u"6"),
                                         q(u"من الجنه و الناس"), q(u"4"), q(u"13"), q(u"0")}));
    const int widths[] = {0, 64, 99, 82, 484, 91, 83, 0};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(t.columnWidth(c), widths[c]) << c;

    // The window's laid-out texts stay until a row is shown.
    EXPECT_EQ(s.display.text, q(u"بسم الله الرحمن الرحيم"));
    EXPECT_EQ(s.letters.lines(), QStringList{q(u"بسم الله")});

    EXPECT_TRUE(s.enabled(QStringLiteral("BitBtn2")));
    EXPECT_FALSE(s.enabled(QStringLiteral("BitBtn3")));
    EXPECT_TRUE(s.enabled(QStringLiteral("BitBtn4")));
    EXPECT_TRUE(s.enabled(QStringLiteral("BitBtn5")));
    EXPECT_FALSE(s.enabled(QStringLiteral("N20")));
    // The nabra-mark items are hidden in their menus as laid out.
    EXPECT_TRUE(find_command(WindowId::Main, QStringLiteral("N46"))->hidden);
    EXPECT_TRUE(s.checked(QStringLiteral("N87")));
    EXPECT_EQ(s.orderingItems,
              QStringList({q(u" ترتيب المصحف"), q(u" بدايات الآيات"), q(u" نهايات الآيات"),
                           q(u" عدد الكلمات"), q(u" عدد الحروف")}));
    EXPECT_EQ(waw_button_caption(s.waw), q(u"دمج واو العطف\nF2"));
}

TEST(Tables, SurahTexts) {
    Session s;
    ASSERT_EQ(s.souar.size(), 115u);
    EXPECT_TRUE(s.souar[1].startsWith(q(u"بسم الله الرحمن الرحيم الحمد لله رب العلمين")));
    EXPECT_TRUE(s.souar[1].endsWith(q(u"و لا الضالين ")));
    EXPECT_EQ(s.souar[114].count(u' '), 21);
    for (int k = 1; k <= kSurahCount; ++k)
        ASSERT_TRUE(s.souar[k].endsWith(u' ') && !s.souar[k].endsWith(q(u"  "))) << k;
}

TEST(Tables, WawSwitchRebuildsTheVerseTable) {
    Session s;
    BitBtn5Click(s);
    EXPECT_TRUE(s.waw);
    EXPECT_EQ(waw_button_caption(s.waw), q(u"فصل واو العطف\nF2"));
    EXPECT_EQ(s.table.cell(4, 5), q(u"اياك نعبد واياك نستعين"));
    EXPECT_EQ(s.table.cell(5, 5), q(u"4"));
    EXPECT_EQ(s.ze, summary(77433));
    EXPECT_TRUE(s.souar[1].endsWith(q(u"ولا الضالين ")));
    EXPECT_EQ(s.table.rowCount(), 6237);
    EXPECT_FALSE(s.enabled(QStringLiteral("BitBtn3")));

    // The first verse is shown, its letters tallied in ascending order.
    EXPECT_EQ(s.display.text, q(u"بسم الله الرحمن الرحيم"));
    EXPECT_TRUE(s.display.marks.empty());
    EXPECT_EQ(s.letters.lines(),
              QStringList({q(u"عدد الحروف 10"), q(u"--------------"), q(u"001 = ب"), q(u"001 = س"),
                           q(u"001 = ن"), q(u"001 = ه"), q(u"001 = ي"), q(u"002 = ح"),
                           q(u"002 = ر"), q(u"003 = ا"), q(u"003 = م"), q(u"004 = ل")}));

    BitBtn5Click(s);
    EXPECT_FALSE(s.waw);
    EXPECT_EQ(s.table.cell(4, 5), q(u"اياك نعبد و اياك نستعين"));
    EXPECT_EQ(s.table.cell(5, 5), q(u"5"));
    EXPECT_EQ(s.ze, summary(86968));
    EXPECT_EQ(waw_button_caption(s.waw), q(u"دمج واو العطف\nF2"));
}

TEST(Tables, SurahTableInBothVariants) {
    Session s;
    BitBtn2Click(s);
    EXPECT_FALSE(s.ayat);
    const Grid& t = s.table;
    ASSERT_EQ(t.rowCount(), 115);
    ASSERT_EQ(t.columnCount(), 7);
    EXPECT_EQ(row(t, 0),
              QStringList({q(u"الترتيب"), q(u"رقم السورة"), q(u"إسم السورة"), q(u"عدد الآيات"),
                           q(u"عدد الكلمات"), q(u"عدد الحروف"), q(u"التكرار")}));
    EXPECT_EQ(row(t, 1), QStringList({q(u"1"), q(u"001"), q(u"الفاتحة"), q(u"007"), q(u"0031"),
                                      q(u"00139"), q(u"0")}));
    EXPECT_EQ(row(t, 2).mid(1, 5),
              QStringList({q(u"002"), q(u"البقرة"), q(u"286"), q(u"6948"), q(u"25613")}));
    EXPECT_EQ(row(t, 114), QStringList({q(u"114"), q(u"114"), q(u"الناس"), q(u"006"), q(u"0021"),
                                        q(u"00080"), q(u"0")}));
    EXPECT_EQ(t.columnWidth(4), 90);
    EXPECT_EQ(t.columnWidth(6), 0);
    EXPECT_EQ(s.ze, QString()) << "the surah table has no summary line";
    EXPECT_EQ(s.label, QString());
    EXPECT_EQ(s.orderingItems[1], q(u" إسم السورة"));
    EXPECT_EQ(s.orderingItems[2], q(u" عدد الآيات"));
    EXPECT_FALSE(s.enabled(QStringLiteral("BitBtn2")));
    EXPECT_TRUE(s.enabled(QStringLiteral("BitBtn3")));
    EXPECT_FALSE(s.enabled(QStringLiteral("BitBtn4")));
    EXPECT_FALSE(s.enabled(QStringLiteral("N8")));
    EXPECT_TRUE(s.enabled(QStringLiteral("N20")));
    EXPECT_EQ(s.display.text, s.souar[1]);
    EXPECT_TRUE(s.display.marks.empty());
    EXPECT_TRUE(s.letters.lines().contains(q(u"0004 = ب")));

    // The waw switch keeps the surah table and recounts it from the other text.
    BitBtn5Click(s);
    EXPECT_FALSE(s.ayat);
    EXPECT_EQ(row(t, 1), QStringList({q(u"1"), q(u"001"), q(u"الفاتحة"), q(u"007"), q(u"0029"),
                                      q(u"00139"), q(u"0")}));
    EXPECT_EQ(t.cell(4, 2), q(u"6117"));
    EXPECT_EQ(t.cell(4, 3), q(u"3481"));
    EXPECT_EQ(t.cell(4, 114), q(u"0020"));
    EXPECT_EQ(t.cell(5, 114), q(u"00080"));
}

TEST(Tables, BackFromTheSurahTable) {
    Session s;
    BitBtn2Click(s);
    BitBtn3Click(s);
    EXPECT_TRUE(s.ayat);
    EXPECT_EQ(s.table.columnCount(), 8);
    EXPECT_EQ(s.table.rowCount(), 6237);
    EXPECT_EQ(row(s.table, 0), kVerseCaptions);
    EXPECT_EQ(s.table.cell(5, 1), q(u"4"));
    EXPECT_EQ(s.table.columnWidth(4), 560);
    EXPECT_EQ(s.table.columnWidth(6), 80);
    EXPECT_EQ(s.table.columnWidth(7), 0);
    EXPECT_EQ(s.orderingItems[1], q(u" بدايات الآيات"));
    EXPECT_EQ(s.ze, summary(86968));
    EXPECT_TRUE(s.enabled(QStringLiteral("N8")));
    EXPECT_FALSE(s.enabled(QStringLiteral("N20")));
    EXPECT_TRUE(s.enabled(QStringLiteral("BitBtn2")));
    EXPECT_FALSE(s.enabled(QStringLiteral("BitBtn3")));
    EXPECT_TRUE(s.enabled(QStringLiteral("BitBtn4")));
}

TEST(Tables, LetterCensusOfTheVerseTable) {
    Session s;
    N6Click(s);
    const QStringList& lines = s.letters.lines();
    ASSERT_EQ(lines.size(), 4 + 1 + 28);
    EXPECT_EQ(lines.mid(0, 5), QStringList({q(u"عدد الآيات   6236"), q(u"عدد الكلمات  86968"),
                                            q(u"عدد الحروف 322604"), q(u"الحروف الهجائية 28"),
                                            q(u"-------------------")}));
    // Sorted: ascending by count, so ظ (853) first and ا (52655) last.
    EXPECT_EQ(lines[5], q(u"00853 = ظ"));
    EXPECT_EQ(lines.last(), q(u"52655 = ا"));
    for (int i = 6; i < lines.size(); ++i)
        EXPECT_LT(lines[i - 1], lines[i]);

    s.setChecked(QStringLiteral("N87"), false);
    N6Click(s);
    EXPECT_FALSE(s.letters.sorted());
    EXPECT_EQ(s.letters.lines()[5], q(u"11491 = ب")) << "first letter after the header";
    EXPECT_EQ(s.letters.lines().size(), 33);

    BitBtn5Click(s);
    N6Click(s);
    EXPECT_EQ(s.letters.lines()[1], q(u"عدد الكلمات  77433"));
    EXPECT_EQ(s.letters.lines()[2], q(u"عدد الحروف 322604"));
}

TEST(Tables, LetterCensusOfTheSurahTable) {
    Session s;
    BitBtn2Click(s);
    N6Click(s);
    const QStringList& lines = s.letters.lines();
    ASSERT_EQ(lines.size(), 5 + 1 + 28);
    EXPECT_EQ(lines.mid(0, 6), QStringList({q(u"عدد السور   114"), q(u"عدد الآيات  6236"),
                                            q(u"عدد الكلمات  86968"), q(u"عدد الحروف 322604"),
                                            q(u"الحروف الهجائية 28"), q(u"-------------------")}));
    EXPECT_TRUE(lines.contains(q(u"27268 = ن")));

    // Only the surahs the table shows are counted.
    s.table.setRowCount(2);
    N6Click(s);
    EXPECT_EQ(s.letters.lines().mid(0, 5),
              QStringList({q(u"عدد السور   1"), q(u"عدد الآيات  7"), q(u"عدد الكلمات  31"),
                           q(u"عدد الحروف 139"), q(u"الحروف الهجائية 21")}));
}

TEST(Tables, CensusNeedsTextInTheDisplayBox) {
    Session s;
    s.display.text.clear();
    N6Click(s);
    EXPECT_EQ(s.letters.lines(), QStringList{q(u"بسم الله")});
}

TEST(Tables, WordsAndLettersAboveTheSelection) {
    Session s;
    EXPECT_EQ(a3dad_sabika(s.table, 5), 0);
    s.table.setSelection(4, 6);
    EXPECT_EQ(a3dad_sabika(s.table, 5), 4 + 4 + 2);
    EXPECT_EQ(a3dad_sabika(s.table, 6), 19 + 17 + 12);
    BitBtn5Click(s);
    s.table.setSelection(4, 4);
    EXPECT_EQ(a3dad_sabika(s.table, 5), 10);
}
