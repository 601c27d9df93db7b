// The verse, repetition, surah and nabra-mark statistics: the corpus figures,
// the table-only source, column 7 and the sixth ordering item, and every
// refusal.
#include "search/search.h"
#include "shell/dispatch.h"
#include "statistics/nabra.h"
#include "statistics/repetition.h"
#include "statistics/surah_statistics.h"
#include "statistics/verse_statistics.h"
#include "table/frame.h"
#include "table/ordering.h"
#include "table/session.h"
#include "table/tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

QStringList column(const Grid& t, int c) {
    QStringList cells;
    for (int r = 1; r < t.rowCount(); ++r)
        cells << t.cell(c, r);
    return cells;
}

// Replaces the verse table with the given texts at running numbers 1, 2, ...
void set_rows(Session& s, const QStringList& texts) {
    s.table.setRowCount(int(texts.size()) + 1);
    for (int i = 0; i < texts.size(); ++i) {
        s.table.clearRow(i + 1);
        s.table.setCell(verse_col::index, i + 1, QString::number(i + 1));
        s.table.setCell(verse_col::text, i + 1, texts[i]);
    }
    s.display.replace(texts.value(0));
}

void expect_no_result(const Session& s) {
    EXPECT_EQ(s.table.rowCount(), 2);
    EXPECT_TRUE(s.table.cell(verse_col::text, 1).isEmpty());
    EXPECT_TRUE(s.display.text.isEmpty());
    EXPECT_EQ(s.label, q(u"لا يوجد نتائج"));
}

const QString kSixth = q(u" التكرار");

} // namespace

TEST(VerseStatistics, PhraseFigures) {
    struct Case {
        bool ends;
        bool exact;
        const char16_t* phrase;
        int verses;
        int occurrences;
    };
    const Case cases[] = {
        {false, false, u"الم", 71, 82},
        {false, true, u"الم", 65, 65},
        {true, false, u"ون", 1755, 2426},
        {true, true, u"ون", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.phrase).toStdString() + (c.exact ? " exact" : ""));
        Session s;
        s.setChecked(N("N104"), c.exact);
        const QString message = c.ends ? N2Click(s, q(c.phrase)) : N1Click(s, q(c.phrase));
        EXPECT_EQ(message, QString());
        EXPECT_EQ(s.focus, Focus::Table);
        if (c.verses == 0) {
            expect_no_result(s);
            continue;
        }
        const Grid& t = s.table;
        EXPECT_EQ(t.dataRowCount(), c.verses);
        EXPECT_EQ(column_sum(t, verse_col::repeats), c.occurrences);
        EXPECT_EQ(s.ze, q(u"عدد الآيات ") + QString::number(c.verses) + q(u"    مجموع التكرارات ") +
                            QString::number(c.occurrences) + q(u"    مجموع الكلمات ") +
                            QString::number(column_sum(t, verse_col::words)) +
                            q(u"    مجموع الحروف ") +
                            QString::number(column_sum(t, verse_col::letters)));
        EXPECT_EQ(s.label, s.ze);
        EXPECT_EQ(t.columnWidth(verse_col::repeats), 80);
        EXPECT_EQ(s.orderingItems.last(), kSixth);
        for (const QString& text : column(t, verse_col::text))
            ASSERT_TRUE(c.ends ? text.endsWith(q(c.phrase)) : text.startsWith(q(c.phrase)));
        EXPECT_EQ(s.display.text, t.cell(verse_col::text, 1));
    }
}

TEST(VerseStatistics, AVerseThatIsThePhraseBeginsAndEndsWithIt) {
    Session s;
    s.setChecked(N("N104"), true);
    N1Click(s, q(u"الم"));
    EXPECT_TRUE(column(s.table, verse_col::text).contains(q(u"الم")));
    N2Click(s, q(u"الم"));
    EXPECT_TRUE(column(s.table, verse_col::text).contains(q(u"الم")));
}

TEST(VerseStatistics, BeginsAndEnds) {
    Session s;
    EXPECT_EQ(N3Click(s, q(u"قل"), q(u"احد")), QString());
    // One verse, 112:1, with one «قل» and one «احد».
    ASSERT_EQ(s.table.dataRowCount(), 1);
    EXPECT_EQ(s.table.cell(verse_col::index, 1), q(u"6222"));
    EXPECT_EQ(s.table.cell(verse_col::repeats, 1), q(u"2"));
    for (const QString& text : column(s.table, verse_col::text))
        ASSERT_TRUE(text.startsWith(q(u"قل")) && text.endsWith(q(u"احد")));
    EXPECT_TRUE(s.search.na3am);
    EXPECT_EQ(s.search.a, q(u"قل"));
    EXPECT_EQ(s.search.Y, 3);

    // The same phrase at both ends is counted once per occurrence.
    N3Click(s, q(u"الم"), q(u"الم"));
    EXPECT_EQ(column(s.table, verse_col::text), QStringList(6, q(u"الم")));
    EXPECT_EQ(column_sum(s.table, verse_col::repeats), 6);
}

TEST(VerseStatistics, SizeFiguresAndColumnSeven) {
    Session s;
    N1Click(s, q(u"الم")); // column 7 holds counts, the selector six items
    EXPECT_EQ(N4Click(s, q(u"1")), QString());
    const Grid& t = s.table;
    EXPECT_EQ(t.dataRowCount(), 24);
    EXPECT_EQ(column(t, verse_col::repeats), QStringList(24, q(u"0")));
    EXPECT_EQ(t.columnWidth(verse_col::repeats), 0);
    EXPECT_EQ(s.orderingItems.size(), 5);
    EXPECT_EQ(s.ze, q(u"عدد الآيات 24    مجموع الكلمات 24    مجموع الحروف ") +
                        QString::number(column_sum(t, verse_col::letters)));

    EXPECT_EQ(N5Click(s, q(u"3")), QString());
    EXPECT_TRUE(column(t, verse_col::text).contains(q(u"الم")));
    for (const QString& letters : column(t, verse_col::letters))
        ASSERT_EQ(letters, q(u"3"));

    EXPECT_EQ(N4Click(s, q(u"0")), QString());
    expect_no_result(s);
}

TEST(VerseStatistics, RefusedInput) {
    const QString noPhrase = q(u"أكتب المُراد البحث عنه في مربع البحث");
    const QString noLetters = q(u"أكتب عدد حروف الآية في مربع البحث");
    const QString noWords = q(u"أكتب عدد كلمات الآية في مربع البحث");
    const QString badNumber = q(u"هناك خطأ في كتابة الرقم");
    struct Case {
        const char* item;
        QString box;
        QString message;
    };
    const Case cases[] = {
        {"N1", QString(), noPhrase},
        {"N2", kSearchPlaceholder, noPhrase},
        {"N5", QString(), noLetters},
        {"N5", q(u"12a"), noLetters},
        {"N4", q(u" 3"), noWords},
        {"N4", kSearchPlaceholder, noWords},
        {"N4", q(u"١٢"), badNumber},          // digits of another script
        {"N5", q(u"99999999999"), badNumber}, // beyond 32 bits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        Program p;
        Session& s = p.main;
        N1Click(s, q(u"الم"));
        const quint64 revision = s.table.revision();
        const Result r = run_command(p, WindowId::Main, N(c.item), {c.box});
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.focus, Focus::SearchBoxSelected);
        EXPECT_EQ(s.table.revision(), revision);
        EXPECT_EQ(s.orderingItems.size(), 6);
        EXPECT_EQ(s.table.columnWidth(verse_col::repeats), 80);
    }
    // The two dialogs: either answer missing.
    for (const auto& [a, b] : {std::pair{QString(), q(u"احد")}, std::pair{q(u"قل"), QString()}}) {
        Session s;
        s.focus = Focus::Unchanged;
        const quint64 revision = s.table.revision();
        EXPECT_EQ(N3Click(s, a, b), q(u"أكتب البداية والنهاية للآية الكريمة"));
        EXPECT_EQ(s.focus, Focus::Unchanged);
        EXPECT_EQ(s.table.revision(), revision);
    }
    const Program p;
    ASSERT_EQ(dialogs_asked(p, WindowId::Main, N("N3")).size(), 2u);
    EXPECT_EQ(dialogs_asked(p, WindowId::Main, N("N3"))[1].prompt,
              q(u"أكتب العبارة التي تبحث عنها في نهاية الآية"));
}

TEST(VerseStatistics, TableOnlySource) {
    Session s;
    set_rows(s, {q(u"الم"), q(u"بسم الله"), q(u"الم ذلك")});
    s.table.setCell(verse_col::index, 2, QString()); // keeps the number before
    N88Click(s);
    EXPECT_EQ(N1Click(s, q(u"الم")), QString());
    EXPECT_EQ(column(s.table, verse_col::text), (QStringList{q(u"الم"), q(u"الم ذلك")}));
    EXPECT_EQ(column(s.table, verse_col::index), (QStringList{q(u"1"), q(u"3")}));
    EXPECT_EQ(column(s.table, verse_col::position), (QStringList{q(u"1"), q(u"2")}));

    // Unticked, the whole corpus again.
    N88Click(s);
    N1Click(s, q(u"الم"));
    EXPECT_EQ(s.table.dataRowCount(), 71);
}

TEST(Repetition, CorpusFigures) {
    for (const bool merged : {false, true}) {
        SCOPED_TRACE(merged ? "merged" : "separated");
        Session s;
        if (merged)
            BitBtn5Click(s);
        N48Click(s);
        const Grid& t = s.table;
        EXPECT_EQ(t.dataRowCount(), 6056);
        EXPECT_EQ(column_sum(t, verse_col::repeats), 6236);
        const int row = int(column(t, verse_col::text).indexOf(q(u"فباي الا ربكما تكذبان"))) + 1;
        EXPECT_EQ(t.cell(verse_col::repeats, row), q(u"31"));
        EXPECT_EQ(s.corpus.verse(s.variant(), t.cell(verse_col::index, row).toInt()),
                  q(u"فباي الا ربكما تكذبان"));
        EXPECT_EQ(column(t, verse_col::text).indexOf(q(u"فباي الا ربكما تكذبان")),
                  column(t, verse_col::text).lastIndexOf(q(u"فباي الا ربكما تكذبان")));
        EXPECT_EQ(t.columnWidth(verse_col::repeats), 80);
        EXPECT_EQ(s.orderingItems.size(), 6);
        EXPECT_FALSE(s.gauge.visible);
        EXPECT_EQ(s.ze, q(u"عدد الآيات 6056    مجموع الكلمات ") +
                            QString::number(column_sum(t, verse_col::words)) +
                            q(u"    مجموع الحروف ") +
                            QString::number(column_sum(t, verse_col::letters)));

        N49Click(s);
        EXPECT_EQ(t.dataRowCount(), 180);
        EXPECT_EQ(t.cell(verse_col::index, 1), q(u"129"));
        EXPECT_EQ(column(t, verse_col::repeats), QStringList(180, q(u"0")));
        EXPECT_EQ(column(t, verse_col::text).count(q(u"الم")), 5);
        EXPECT_EQ(t.columnWidth(verse_col::repeats), 0);
        EXPECT_EQ(s.orderingItems.size(), 5);

        N210Click(s);
        EXPECT_EQ(t.dataRowCount(), 96);
        EXPECT_TRUE(s.ze.endsWith(q(u"    مجموع التكرار 276")));
        EXPECT_EQ(column_sum(t, verse_col::repeats), 276);
        EXPECT_EQ(s.orderingItems.size(), 6);

        N310Click(s);
        EXPECT_EQ(t.dataRowCount(), 5960);
        EXPECT_EQ(column(t, verse_col::repeats), QStringList(5960, q(u"0")));
        EXPECT_EQ(t.columnWidth(verse_col::repeats), 0);
        EXPECT_EQ(s.orderingItems.size(), 5);
        EXPECT_FALSE(s.gauge.visible);
    }
}

TEST(Repetition, TableOnlySource) {
    Session s;
    set_rows(s, {q(u"الم"), q(u"بسم الله"), q(u"الم")});
    N88Click(s);
    N48Click(s);
    EXPECT_EQ(column(s.table, verse_col::text), (QStringList{q(u"الم"), q(u"بسم الله")}));
    EXPECT_EQ(column(s.table, verse_col::repeats), (QStringList{q(u"2"), q(u"1")}));

    set_rows(s, {q(u"الم"), q(u"بسم الله")});
    N49Click(s);
    expect_no_result(s);
    EXPECT_EQ(s.table.columnWidth(verse_col::repeats), 0);
}

TEST(Repetition, TheShownVerse) {
    Session s;
    N51Click(s); // verse 1 occurs once
    EXPECT_EQ(column(s.table, verse_col::index), QStringList{q(u"1")});
    EXPECT_EQ(s.ze, q(u"    عدد الآيات 1    مجموع الكلمات 4    مجموع الحروف 19"));
    EXPECT_EQ(s.label, s.ze);

    bahte(s, q(u"فباي الا ربكما تكذبان"), QString());
    select_ordering_item(s, 3);
    N51Click(s);
    EXPECT_EQ(s.table.dataRowCount(), 31);
    EXPECT_EQ(s.orderingIndex, 0);
    EXPECT_EQ(s.orderingItems.size(), 5);
    EXPECT_EQ(column(s.table, verse_col::repeats), QStringList(31, q(u"0")));
    EXPECT_EQ(s.search.s, q(u"فباي الا ربكما تكذبان"));
}

TEST(SurahStatistics, Figures) {
    struct Case {
        int mode;
        bool exact;
        const char16_t* phrase;
        QStringList surahs; // empty: only the count is checked
        int count;
        int occurrences;
    };
    const Case cases[] = {
        {1,
         false,
         u"الم",
         {q(u"002"), q(u"003"), q(u"007"), q(u"013"), q(u"029"), q(u"030"), q(u"031"), q(u"032"),
          q(u"094"), q(u"105")},
         10,
         263},
        {1,
         true,
         u"الم",
         {q(u"002"), q(u"003"), q(u"029"), q(u"030"), q(u"031"), q(u"032"), q(u"094"), q(u"105")},
         8,
         19},
        {2, false, u"ون", {}, 25, -1},
        {2, true, u"ون", {}, 0, 0},
        {1, false, u"بسم", {q(u"001")}, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.phrase).toStdString() + (c.exact ? " exact" : ""));
        Session s;
        BitBtn2Click(s);
        s.setChecked(N("N104"), c.exact);
        EXPECT_EQ(souratabda(s, c.mode, q(c.phrase)), QString());
        const Grid& t = s.table;
        if (c.count == 0) {
            expect_no_result(s);
            continue;
        }
        EXPECT_EQ(t.dataRowCount(), c.count);
        if (!c.surahs.isEmpty()) {
            EXPECT_EQ(column(t, surah_col::number), c.surahs);
        }
        if (c.occurrences >= 0) {
            EXPECT_EQ(column_sum(t, surah_col::repeats), c.occurrences);
        }
        EXPECT_EQ(t.cell(surah_col::order, 1), q(u"1"));
        EXPECT_EQ(t.columnWidth(surah_col::repeats), 80);
        EXPECT_EQ(s.orderingItems.last(), kSixth);
        EXPECT_FALSE(s.enabled(N("BitBtn4")));
        EXPECT_TRUE(s.enabled(N("BitBtn2")));
        EXPECT_EQ(s.display.text, s.souar[t.cell(surah_col::number, 1).toInt()]);
        EXPECT_EQ(s.ze,
                  q(u"عدد السور ") + QString::number(c.count) + q(u"   مجموع الآيات ") +
                      QString::number(column_sum(t, surah_col::verses)) + q(u"   مجموع الكلمات ") +
                      QString::number(column_sum(t, surah_col::words)) + q(u"    مجموع الحروف ") +
                      QString::number(column_sum(t, surah_col::letters)) +
                      q(u"    مجموع التكرار ") +
                      QString::number(column_sum(t, surah_col::repeats)));
    }
}

TEST(SurahStatistics, BeginsAndEndsAndTheTableOnlySource) {
    Session s;
    BitBtn2Click(s);
    // The ending is compared with the last verse, not the final space.
    EXPECT_EQ(N31Click(s, q(u"بسم"), q(u"الضالين")), QString());
    EXPECT_EQ(column(s.table, surah_col::number), QStringList{q(u"001")});
    EXPECT_EQ(s.table.cell(surah_col::repeats, 1), q(u"2"));
    EXPECT_TRUE(s.search.na3am);
    // The same phrase at both ends is counted once per occurrence.
    BitBtn2Click(s);
    EXPECT_EQ(N31Click(s, q(u"ا"), q(u"ا")), QString());
    EXPECT_EQ(s.table.dataRowCount(), 5);
    for (int r = 1; r < s.table.rowCount(); ++r) {
        const int k = s.table.cell(surah_col::number, r).toInt();
        ASSERT_EQ(s.table.cell(surah_col::repeats, r),
                  QString::number(count_occurrences(s.souar[k], q(u"ا"), false)));
    }

    // Table-only: the surahs the table lists, by the number in column 1.
    BitBtn2Click(s);
    N24Click(s, q(u"الم"));
    N88Click(s);
    EXPECT_EQ(N24Click(s, q(u"المر")), QString());
    EXPECT_EQ(column(s.table, surah_col::number), QStringList{q(u"013")});
    EXPECT_EQ(N24Click(s, q(u"بسم")), QString()); // surah 1 is no longer listed
    expect_no_result(s);
}

TEST(SurahStatistics, RefusedInput) {
    for (const QString& box : {QString(), kSearchPlaceholder}) {
        Session s;
        BitBtn2Click(s);
        const quint64 revision = s.table.revision();
        EXPECT_EQ(N24Click(s, box), q(u"أكتب نصا للبحث عنه"));
        EXPECT_EQ(N25Click(s, box), q(u"أكتب نصا للبحث عنه"));
        EXPECT_EQ(s.focus, Focus::SearchBox);
        EXPECT_EQ(s.table.revision(), revision);
    }
    Session s;
    BitBtn2Click(s);
    const quint64 revision = s.table.revision();
    EXPECT_EQ(N31Click(s, QString(), q(u"الم")), q(u"أكتب البداية والنهاية للسور"));
    EXPECT_EQ(N31Click(s, q(u"الم"), QString()), q(u"أكتب البداية والنهاية للسور"));
    EXPECT_EQ(s.table.revision(), revision);
    EXPECT_EQ(dialogs_asked(Program(), WindowId::Main, N("N31"))[0].prompt,
              q(u"أكتب العبارة التي تبحث عنها في بداية السورة"));
}

TEST(Nabra, MarkCount) {
    struct Case {
        const char16_t* text;
        int marks;
    };
    const Case cases[] = {
        {u"", 0},    {u"ى", 0},   {u"ىك", 1}, {u"علىه", 1},
        {u"ىىك", 1}, {u"ى ك", 0}, {u"ىا", 0}, {u"ىكىلىمىنىهىة", 6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nabra_count(q(c.text)), c.marks) << QString::fromUtf16(c.text).toStdString();
    EXPECT_EQ(nabra_marks(),
              (QStringList{q(u"ىك"), q(u"ىل"), q(u"ىم"), q(u"ىن"), q(u"ىه"), q(u"ىة")}));
}

TEST(Nabra, VersesAndSurahs) {
    // The corpus holds no «ى».
    Session corpus;
    N46Click(corpus);
    expect_no_result(corpus);
    BitBtn2Click(corpus);
    N01Click(corpus);
    expect_no_result(corpus);

    Session s;
    set_rows(s, {q(u"علىه السلام"), q(u"بسم الله"), q(u"علىك و علىهم")});
    N88Click(s);
    N46Click(s);
    EXPECT_EQ(column(s.table, verse_col::index), (QStringList{q(u"1"), q(u"3")}));
    EXPECT_EQ(column(s.table, verse_col::repeats), (QStringList{q(u"1"), q(u"2")}));
    EXPECT_EQ(s.table.columnWidth(verse_col::repeats), 70);
    EXPECT_TRUE(s.ze.startsWith(q(u"عدد النتائج 3    عدد الآيات 2    مجموع الكلمات 5")));
    EXPECT_EQ(s.search.n, 6);
    ASSERT_EQ(s.display.marks.size(), 1u);
    EXPECT_EQ(s.display.marks[0].start, 2);

    Session surahs;
    BitBtn2Click(surahs);
    surahs.souar[3] = q(u"الم علىه ");
    surahs.souar[9] = q(u"علىك علىهم ");
    N01Click(surahs);
    EXPECT_EQ(column(surahs.table, surah_col::order), (QStringList{q(u"3"), q(u"9")}));
    EXPECT_EQ(column(surahs.table, surah_col::repeats), (QStringList{q(u"1"), q(u"2")}));
    EXPECT_EQ(surahs.table.columnWidth(surah_col::repeats), 70);
    EXPECT_TRUE(surahs.ze.endsWith(q(u"    مجموع التكرار 3")));
    EXPECT_EQ(surahs.display.text, q(u"الم علىه "));
}
