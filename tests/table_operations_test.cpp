// The table operations: the number filters, the row operations and the saved
// table, with the figures that follow from the corpus, their refusals, and
// the chains a user makes of them in both tables and both variants.
#include "app/cli.h"
#include "shell/dispatch.h"
#include "table/filters.h"
#include "table/frame.h"
#include "table/session.h"

#include "cli_json_check.h"
#include "session_invariants.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QSet>

#include <random>

using namespace tallyra;

namespace {

constexpr WindowId M = WindowId::Main;

// Runs commands as the command line gives them, words split at spaces and
// commands at " + ": the status of the last one run; what it said is in `said`.
int run(Program& p, const QString& line, QString* said = nullptr) {
    QString err;
    QTextStream stream(&err);
    int status = 0;
    for (const QString& command : line.split(QStringLiteral(" + "))) {
        status = run_cli_command(p, command.split(u' '), stream);
        if (status != 0)
            break;
    }
    stream.flush();
    if (said)
        *said = err;
    EXPECT_EQ(program_fault(p), QString()) << line.toStdString();
    return status;
}

QStringList numbered(int n) {
    QStringList out;
    for (int i = 1; i <= n; ++i)
        out << QString::number(i);
    return out;
}

// The whole table, every cell, to compare two tables.
QStringList cells(const Grid& t) {
    QStringList out;
    for (int c = 0; c < t.columnCount(); ++c)
        out << t.columnText(c);
    return out;
}

QString verse_summary(const Grid& t) {
    return q(u"عدد الآيات ") + QString::number(t.dataRowCount()) + q(u"    مجموع الكلمات ") +
           QString::number(column_sum(t, verse_col::words)) + q(u"    مجموع الحروف ") +
           QString::number(column_sum(t, verse_col::letters));
}

QString surah_summary(const Grid& t) {
    return q(u"عدد السور ") + QString::number(t.dataRowCount()) + q(u"    مجموع الآيات ") +
           QString::number(column_sum(t, surah_col::verses)) + q(u"    مجموع الكلمات ") +
           QString::number(column_sum(t, surah_col::words)) + q(u"    مجموع الحروف ") +
           QString::number(column_sum(t, surah_col::letters));
}

const QString kNoResult = q(u"لا يوجد نتائج");

} // namespace

TEST(NumberFilters, CorpusFigures) {
    struct Case {
        const char16_t* commands;
        int rows;
        const char16_t* summary;
    };
    const Case cases[] = {
        {u"surahs + within verses 3 3", 3,
         u"عدد السور 3    مجموع الآيات 9    مجموع الكلمات 51    مجموع الحروف 191"},
        {u"waw + surahs + within verses 3 3", 3,
         u"عدد السور 3    مجموع الآيات 9    مجموع الكلمات 43    مجموع الحروف 191"},
        {u"within words 1 1", 24, u"عدد الآيات 24    مجموع الكلمات 24    مجموع الحروف 81"},
        {u"waw + within words 1 1", 28, u"عدد الآيات 28    مجموع الكلمات 28    مجموع الحروف 105"},
        {u"divisible surah 57", 35, nullptr},
        {u"surahs + divisible surah 57", 2, nullptr},
        {u"divisible words 1", 6236, nullptr},
        {u"surahs + divisible letters 1", 114, nullptr},
        {u"outside verse 1 286", 0, nullptr},
        {u"surahs + outside words 0 7000", 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.commands).toStdString());
        Program p;
        ASSERT_EQ(run(p, q(c.commands)), 0);
        const Session& s = p.main;
        const Grid& t = s.table;
        if (c.rows == 0) {
            EXPECT_EQ(t.rowCount(), 2);
            EXPECT_EQ(s.label, kNoResult);
            EXPECT_TRUE(s.display.text.isEmpty());
            continue;
        }
        EXPECT_EQ(t.dataRowCount(), c.rows);
        EXPECT_EQ(s.label,
                  c.summary ? q(c.summary) : (s.ayat ? verse_summary(t) : surah_summary(t)));
        EXPECT_EQ(t.currentRow(), 1);
        EXPECT_EQ(s.focus, Focus::Unchanged); // handed to the window
        if (s.ayat) {
            EXPECT_EQ(column_cells(t, verse_col::position), numbered(c.rows));
            EXPECT_EQ(s.display.text, t.cell(verse_col::text, 1));
        } else {
            EXPECT_EQ(s.display.text, s.souar[t.cell(surah_col::number, 1).toInt()]);
            EXPECT_FALSE(s.enabled(N("BitBtn4")));
            EXPECT_TRUE(s.enabled(N("BitBtn2")));
        }
    }

    Program p;
    run(p, q(u"surahs + within verses 3 3"));
    EXPECT_EQ(column_cells(p.main.table, surah_col::number),
              (QStringList{q(u"103"), q(u"108"), q(u"110")}));
    run(p, q(u"verses + divisible surah 57"));
    const QStringList surahs = column_cells(p.main.table, verse_col::surah);
    EXPECT_EQ(QSet<QString>(surahs.begin(), surahs.end()),
              (QSet<QString>{q(u"057-الحديد"), q(u"114-الناس")}));
}

TEST(NumberFilters, BoundsInEitherOrderAndChains) {
    Program a, b;
    run(a, q(u"within words 9 3"));
    run(b, q(u"within words 3 9"));
    EXPECT_EQ(cells(a.main.table), cells(b.main.table));
    EXPECT_EQ(a.main.label, b.main.label);

    // Verses of 3 to 5 words, in surahs divisible by 19, not the two
    // deleted, and not of verse number 1 to 3.
    Program p;
    ASSERT_EQ(run(p, q(u"within words 3 5 + divisible surah 19")), 0);
    const Grid& t = p.main.table;
    const int before = t.dataRowCount();
    ASSERT_EQ(run(p, q(u"select 1 2 + delete-selected + outside verse 1 3")), 0);
    ASSERT_GT(t.dataRowCount(), 0);
    EXPECT_LT(t.dataRowCount(), before - 2);
    for (int r = 1; r < t.rowCount(); ++r) {
        ASSERT_EQ(t.cell(verse_col::surah, r).left(3).toInt() % 19, 0);
        const int words = t.cell(verse_col::words, r).toInt();
        ASSERT_TRUE(words >= 3 && words <= 5);
        ASSERT_GT(t.cell(verse_col::verse, r).toInt(), 3);
    }
    EXPECT_EQ(column_cells(t, verse_col::position), numbered(t.dataRowCount()));
    EXPECT_EQ(p.main.label, verse_summary(t));
}

TEST(NumberFilters, TheSurahTableKeepsItsRowsWhateverTheirOrder) {
    // Ordered by verse count, then cut: the totals are those of the surahs left.
    Program p;
    ASSERT_EQ(run(p, q(u"surahs + order 2 + within words 0 100")), 0);
    const Grid& t = p.main.table;
    ASSERT_GT(t.dataRowCount(), 10);
    EXPECT_EQ(p.main.label, surah_summary(t));
    for (int r = 2; r < t.rowCount(); ++r)
        ASSERT_LE(t.cell(surah_col::verses, r - 1).toInt(), t.cell(surah_col::verses, r).toInt());
    // The hidden column keeps what it held: the surah numbers.
    EXPECT_EQ(column_cells(t, surah_col::order), column_cells(t, surah_col::number));
}

TEST(NumberFilters, TheRepetitionColumn) {
    Program p;
    // Not in use: the three repetition items are not offered.
    QString said;
    EXPECT_EQ(run(p, q(u"within repetition 1 2"), &said), 2);
    ASSERT_EQ(run(p, q(u"search الله + within repetition 2 3")), 0);
    const Grid& t = p.main.table;
    for (const QString& n : column_cells(t, verse_col::repeats))
        ASSERT_TRUE(n == q(u"2") || n == q(u"3"));
    EXPECT_EQ(p.main.label, verse_summary(t) + q(u"    مجموع التكرار ") +
                                QString::number(column_sum(t, verse_col::repeats)));
    ASSERT_EQ(run(p, q(u"surahs + search الله + divisible repetition 10")), 0);
    EXPECT_EQ(p.main.label, surah_summary(p.main.table) + q(u"    مجموع التكرار ") +
                                QString::number(column_sum(p.main.table, surah_col::repeats)));
}

TEST(NumberFilters, BadBoundsAndDivisorsChangeNothing) {
    struct Case {
        const char16_t* setup; // commands run first
        const char16_t* command;
        const char16_t* message;
    };
    const QString divisor = q(u"أدخل عددا طبيعيا أكبر من الصفر");
    const Case cases[] = {
        {u"", u"divisible surah 0", u"أدخل عددا طبيعيا أكبر من الصفر"},
        {u"", u"divisible words 00", u"أدخل عددا طبيعيا أكبر من الصفر"},
        {u"surahs", u"divisible verses ٥٧", u"أدخل عددا طبيعيا أكبر من الصفر"},
        {u"", u"within order 1 x", u"يجب عليك كتابة حدي الحصر لرقم الترتيب"},
        {u"", u"outside surah 4294967297 1", u"يجب عليك كتابة حدي الحصر لرقم السورة"},
        {u"", u"within verse 1 -2", u"يجب عليك كتابة حدي الحصر لرقم الآية"},
        {u"surahs", u"outside verses 2 ١", u"يجب عليك كتابة حدي الحصر لعدد الآيات"},
        {u"", u"within letters 1 1.5", u"يجب عليك كتابة حدي الحصر لعدد الحروف"},
        {u"search الله", u"within repetition 1 +3", u"يجب عليك كتابة حدي الحصر للتكرار"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.command).toStdString());
        Program p;
        if (*c.setup) {
            ASSERT_EQ(run(p, q(c.setup)), 0);
        }
        const quint64 revision = p.main.table.revision();
        const QString label = p.main.label;
        QString said;
        EXPECT_EQ(run(p, q(c.command), &said), 1);
        EXPECT_TRUE(said.endsWith(q(c.message) + u'\n')) << said.toStdString();
        EXPECT_EQ(p.main.table.revision(), revision);
        EXPECT_EQ(p.main.label, label);
    }

    // The empty table of a search that found nothing offers no filter, and a
    // kind the table has no column for is not offered either.
    for (const char16_t* refused :
         {u"search ققق + within words 1 2", u"surahs + outside verse 1 2", u"divisible verses 2"}) {
        Program p;
        QString said;
        EXPECT_EQ(run(p, q(refused), &said), 2) << q(refused).toStdString();
        EXPECT_TRUE(said.contains(q(u"هذا الأمر غير متاح"))) << said.toStdString();
    }
}

TEST(NumberFilters, TheScanOverAnyGrid) {
    // A narrow grid of the word table's kind, numbers in column 2.
    Grid g(3, 6);
    const char* const numbers[] = {"7", "", "12", "x", "0"};
    for (int r = 1; r <= 5; ++r) {
        g.setCell(1, r, QString::number(r));
        g.setCell(2, r, QString::fromLatin1(numbers[r - 1]));
    }
    NumberTest within{NumberTest::Within, 0, 7, 1};
    EXPECT_EQ(rows_passing(g, {2}, within), (std::vector<int>{1, 5}));
    NumberTest outside{NumberTest::Outside, 1, 11, 1};
    EXPECT_EQ(rows_passing(g, {2}, outside), (std::vector<int>{3, 5}));
    NumberTest divisible{NumberTest::Divisible, 0, 0, 4};
    EXPECT_EQ(rows_passing(g, {2}, divisible), (std::vector<int>{3, 5}));
    keep_rows(g, {3, 5}, 1);
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(column_cells(g, 1), (QStringList{q(u"1"), q(u"2")}));
    EXPECT_EQ(column_cells(g, 2), (QStringList{q(u"12"), q(u"0")}));
    keep_rows(g, {}, 1); // none kept: the grid stays
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(typed_number(q(u"0042")), 42);
    for (const char16_t* bad : {u"", u" 1", u"+1", u"٤", u"2147483648"})
        EXPECT_FALSE(typed_number(q(bad)).has_value());
}

TEST(RowOperations, ReverseTwiceRestoresTheOrder) {
    for (const char16_t* setup : {u"search الله", u"surahs + order 3"}) {
        SCOPED_TRACE(q(setup).toStdString());
        Program p;
        ASSERT_EQ(run(p, q(setup)), 0);
        const Grid& t = p.main.table;
        const QStringList start = cells(t);
        const int id = p.main.ayat ? int(verse_col::index) : int(surah_col::number);
        const QStringList ids = column_cells(t, id);
        ASSERT_EQ(run(p, q(u"show 5 + reverse")), 0);
        QStringList reversed = ids;
        std::reverse(reversed.begin(), reversed.end());
        EXPECT_EQ(column_cells(t, id), reversed);
        if (p.main.ayat) {
            EXPECT_EQ(column_cells(t, verse_col::position), numbered(t.dataRowCount()));
            EXPECT_EQ(p.main.display.text, t.cell(verse_col::text, 1));
        }
        EXPECT_EQ(t.currentRow(), 5);
        ASSERT_EQ(run(p, q(u"reverse")), 0);
        EXPECT_EQ(cells(t), start);
    }
}

TEST(RowOperations, Complement) {
    Program p;
    ASSERT_EQ(run(p, q(u"within surah 1 1 + complement")), 0);
    const Grid& t = p.main.table;
    EXPECT_EQ(t.dataRowCount(), 6229);
    EXPECT_EQ(t.cell(verse_col::index, 1), q(u"8"));
    EXPECT_EQ(t.cell(verse_col::text, 1), q(u"الم"));
    EXPECT_EQ(column_cells(t, verse_col::position), numbered(6229));
    EXPECT_EQ(p.main.label, q(u"عدد الآيات 6229     مجموع الكلمات ") +
                                QString::number(column_sum(t, verse_col::words)) +
                                q(u"      مجموع الحروف ") +
                                QString::number(column_sum(t, verse_col::letters)));
    EXPECT_EQ(p.main.label, q(u"عدد الآيات 6229     مجموع الكلمات 86937      مجموع الحروف 322465"));

    // A search result ordered by its counts, complemented twice: its verses
    // again, in corpus order, without the repetition column.
    ASSERT_EQ(run(p, q(u"search الم + order 5")), 0);
    QStringList found = column_cells(t, verse_col::index);
    std::sort(found.begin(), found.end(),
              [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    ASSERT_EQ(run(p, q(u"complement")), 0);
    EXPECT_EQ(t.dataRowCount(), 6236 - found.size());
    EXPECT_EQ(p.main.orderingItems.size(), 5);
    EXPECT_EQ(p.main.orderingIndex, 0);
    EXPECT_EQ(t.columnWidth(verse_col::repeats), 0);
    ASSERT_EQ(run(p, q(u"complement")), 0);
    EXPECT_EQ(column_cells(t, verse_col::index), found);
    EXPECT_EQ(column_cells(t, verse_col::repeats), QStringList(found.size(), q(u"0")));
    EXPECT_EQ(p.main.display.text, t.cell(verse_col::text, 1));
    EXPECT_EQ(t.currentRow(), 1);
}

TEST(RowOperations, OrderByVerseNumber) {
    Program p;
    const QString summary = p.main.label;
    ASSERT_EQ(run(p, q(u"by-verse-number")), 0);
    const Grid& t = p.main.table;
    EXPECT_EQ(t.dataRowCount(), 6236);
    // The first verses of the 114 surahs, in surah order, then the second...
    for (int k = 1; k <= 114; ++k)
        ASSERT_EQ(t.cell(verse_col::surah, k).left(3).toInt(), k);
    EXPECT_EQ(t.cell(verse_col::verse, 115), q(u"2"));
    EXPECT_EQ(t.cell(verse_col::index, 6236), q(u"293"));
    EXPECT_EQ(t.cell(verse_col::surah, 6236), q(u"002-البقرة"));
    EXPECT_EQ(t.cell(verse_col::verse, 6236), q(u"286"));
    EXPECT_EQ(t.cell(verse_col::repeats, 1), q(u"000"));
    EXPECT_EQ(column_cells(t, verse_col::position), numbered(6236));
    EXPECT_EQ(p.main.orderingIndex, -1);
    EXPECT_EQ(p.main.label, summary);
    EXPECT_FALSE(p.main.gauge.visible);
    // Any ordering item then orders again.
    ASSERT_EQ(run(p, q(u"order 0")), 0);
    EXPECT_EQ(t.cell(verse_col::index, 6236), q(u"6236"));

    // The counts of a search ride along with their verses.
    ASSERT_EQ(run(p, q(u"search الله + by-verse-number")), 0);
    EXPECT_EQ(column_sum(t, verse_col::repeats), 2557);
}

TEST(RowOperations, DeleteTheSelectedRows) {
    Program p;
    ASSERT_EQ(run(p, q(u"within order 1 10 + select 3 5 + delete-selected")), 0);
    const Grid& t = p.main.table;
    EXPECT_EQ(column_cells(t, verse_col::index),
              (QStringList{q(u"1"), q(u"2"), q(u"6"), q(u"7"), q(u"8"), q(u"9"), q(u"10")}));
    EXPECT_EQ(column_cells(t, verse_col::position), numbered(7));
    EXPECT_EQ(t.currentRow(), 2);
    EXPECT_EQ(t.selectionTop(), 2);
    EXPECT_EQ(t.selectionBottom(), 2);
    EXPECT_EQ(p.main.display.text, t.cell(verse_col::text, 2));
    EXPECT_EQ(p.main.label, verse_summary(t));
    // From the top: the first row left is current.
    ASSERT_EQ(run(p, q(u"select 1 2 + delete-selected")), 0);
    EXPECT_EQ(t.cell(verse_col::index, 1), q(u"6"));
    EXPECT_EQ(t.currentRow(), 1);
    ASSERT_EQ(run(p, q(u"select 5 1 + delete-selected")), 0);
    EXPECT_EQ(t.rowCount(), 2);
    EXPECT_EQ(p.main.label, kNoResult);
    EXPECT_TRUE(p.main.display.text.isEmpty());
    EXPECT_EQ(run(p, q(u"delete-selected")), 2); // nothing left to delete

    // The surah table, ordered and cut: exactly the selected surahs go.
    ASSERT_EQ(run(p, q(u"surahs + order 3 + within verses 5 300")), 0);
    const QStringList before = column_cells(t, surah_col::number);
    ASSERT_EQ(run(p, q(u"select 4 6 + delete-selected")), 0);
    QStringList left = before;
    left.erase(left.begin() + 3, left.begin() + 6);
    EXPECT_EQ(column_cells(t, surah_col::number), left);
    EXPECT_EQ(column_cells(t, surah_col::order), numbered(int(left.size())));
    EXPECT_EQ(p.main.label, surah_summary(t));
    EXPECT_EQ(t.currentRow(), 3);
    EXPECT_EQ(p.main.display.text, p.main.souar[t.cell(surah_col::number, 3).toInt()]);
    EXPECT_FALSE(p.main.enabled(N("BitBtn4")));
    EXPECT_TRUE(p.main.enabled(N("BitBtn2")));
}

TEST(SavedTable, SaveListEverythingRestore) {
    Program p;
    ASSERT_EQ(run(p, q(u"search الله + within order 1 10 + order 3")), 0);
    const Grid& t = p.main.table;
    const QStringList saved = column_cells(t, verse_col::index);
    const QStringList counts = column_cells(t, verse_col::repeats);
    ASSERT_EQ(run(p, q(u"save-table + verses + search رب + restore-table")), 0);
    EXPECT_EQ(column_cells(t, verse_col::index), saved);
    EXPECT_EQ(column_cells(t, verse_col::position), numbered(10));
    EXPECT_EQ(p.main.orderingIndex, 3);
    EXPECT_EQ(p.main.orderingItems.size(), 6);
    EXPECT_EQ(p.main.search.s, q(u"الله"));
    // Recounted: the same counts, as plain numbers.
    QStringList plain;
    for (const QString& n : counts)
        plain << QString::number(n.toInt());
    EXPECT_EQ(column_cells(t, verse_col::repeats), plain);
    EXPECT_EQ(t.columnWidth(verse_col::repeats), 80);
    EXPECT_EQ(p.main.label.left(15), q(u"عدد النتائج 11 "));
    EXPECT_EQ(t.currentRow(), 1);
    EXPECT_EQ(p.main.display.text, t.cell(verse_col::text, 1));
    EXPECT_TRUE(p.main.enabled(N("RadioGroup1")));

    // What the window does: the search box shows the saved text.
    const Result r = run_command(p, M, N("N94"));
    EXPECT_EQ(r.boxOf, WindowId::Main);
    EXPECT_EQ(r.boxText, q(u"الله"));
    EXPECT_TRUE(r.message.isEmpty());
}

TEST(SavedTable, NoSearchToRecountAndAnotherVariant) {
    Program p;
    // Saved without a search: no repetition column, the placeholder.
    ASSERT_EQ(run(p, q(u"within words 1 1 + save-table + surahs")), 0);
    EXPECT_EQ(run(p, q(u"restore-table")), 2); // the surah table keeps no verses
    ASSERT_EQ(run(p, q(u"verses + search الله")), 0);
    Result r = run_command(p, M, N("N94"));
    EXPECT_EQ(r.boxOf, WindowId::Main);
    EXPECT_EQ(r.boxText, kSearchPlaceholder);
    const Grid& t = p.main.table;
    EXPECT_EQ(t.dataRowCount(), 24);
    EXPECT_EQ(p.main.orderingItems.size(), 5);
    EXPECT_EQ(t.columnWidth(verse_col::repeats), 0);
    EXPECT_EQ(p.main.label, q(u"عدد الآيات 24      مجموع الكلمات 24      مجموع الحروف 81"));
    EXPECT_TRUE(p.main.enabled(N("BitBtn4")));
    EXPECT_TRUE(p.main.enabled(N("RadioGroup1")));

    // Saved in the separated-waw text, restored in the merged-waw one: the
    // message, then the saved texts; it can be restored again.
    ASSERT_EQ(run(p, q(u"verses + search و + within order 1 5 + save-table")), 0);
    const QStringList words = column_cells(t, verse_col::words);
    const QStringList counts = column_cells(t, verse_col::repeats);
    ASSERT_EQ(run(p, q(u"waw")), 0);
    QString said;
    EXPECT_EQ(run(p, q(u"restore-table"), &said), 0);
    EXPECT_EQ(said, q(u"restore-table: النسختين من القرآن مختلفتين\n"));
    EXPECT_EQ(column_cells(t, verse_col::words), words);
    EXPECT_EQ(column_cells(t, verse_col::repeats), counts);
    int merged = 0;
    for (int r = 1; r < t.rowCount(); ++r) {
        const int v = t.cell(verse_col::index, r).toInt();
        EXPECT_EQ(t.cell(verse_col::text, r), p.main.corpus.verse(Variant::Separated, v));
        merged += t.cell(verse_col::text, r) != p.main.verseText(v);
    }
    EXPECT_GT(merged, 0);
    r = run_command(p, M, N("N94"));
    EXPECT_TRUE(r.carriedOn);
    EXPECT_EQ(r.message, q(u"النسختين من القرآن مختلفتين"));
}

TEST(TableOperations, TheCommandLine) {
    struct Case {
        QStringList args;
        int status;
        const char16_t* firstLine; // of standard output, null: none
        const char16_t* err;       // a part of standard error
    };
    const Case cases[] = {
        // A restore that carries on prints its table, with status 1.
        {{q(u"search"), q(u"و"), q(u"+"), q(u"within"), q(u"order"), q(u"1"), q(u"3"), q(u"+"),
          q(u"save-table"), q(u"+"), q(u"waw"), q(u"+"), q(u"restore-table")},
         1,
         u"عدد النتائج 4    عدد الآيات 3    مجموع الكلمات 18    مجموع الحروف 73",
         u"restore-table: النسختين من القرآن مختلفتين"},
        {{q(u"within"), q(u"pages"), q(u"1"), q(u"2")}, 2, nullptr, u"within takes one of order, "},
        {{q(u"within")},
         2,
         nullptr,
         u"within takes one of order, surah, verse, verses, words, "
         u"letters, repetition first"},
        {{q(u"divisible"), q(u"words")}, 2, nullptr, u"divisible takes 1 input(s), 0 given"},
        {{q(u"choose-surahs")}, 2, nullptr, u"choose-surahs takes 1 input(s) or more, 0 given"},
        {{q(u"choose-surahs"), q(u"103"), q(u"0")}, 1, nullptr, u"K must be a whole number"},
        {{q(u"choose-verses"), q(u"2:286"), q(u"2:287")}, 1, nullptr, u"SURAH:VERSE must name"},
        {{q(u"choose-verses"), q(u"2:255"), q(u"1:1")},
         0,
         u"عدد الآيات 2    مجموع الكلمات 61    مجموع الحروف 201",
         nullptr},
        {{q(u"surahs"), q(u"+"), q(u"complement")}, 2, nullptr, u"complement: هذا الأمر غير متاح"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const auto [status, out, err] = run_cli_captured(c.args);
        EXPECT_EQ(status, c.status);
        if (c.firstLine) {
            EXPECT_EQ(out.section(u'\n', 0, 0), q(c.firstLine));
        } else {
            EXPECT_TRUE(out.isEmpty());
        }
        if (c.err) {
            EXPECT_TRUE(err.contains(q(c.err))) << err.toStdString();
        }
        expect_json_run_matches(c.args, c.status, out, err);
    }
}

// Long runs of the table operations, the choosers and the commands that fill
// the table, in any order, checked after every step.
TEST(TableOperations, AnyRunKeepsTheProgramConsistent) {
    Program p;
    std::mt19937 random(1311);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const QString inputs[] = {QString(), q(u"0"), q(u"1"),  q(u"3"),  q(u"9"),          q(u"57"),
                              q(u"286"), q(u"x"), q(u"١٢"), q(u"-1"), q(u"2147483648"), q(u"الله")};
    const auto input = [&] { return inputs[pick(int(std::size(inputs)))]; };
    std::vector<QString> items;
    for (const Command* c : menu_rows(M, N("PopupMenu1")))
        items.push_back(c->item);
    for (const char* menu : {"N58", "N59", "N66"})
        for (const Command* c : menu_rows(M, N(menu)))
            items.push_back(c->item);
    for (const char* more : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn5", "RadioGroup1"})
        items.push_back(N(more));
    for (int step = 0; step < 2000; ++step) {
        const WindowId active = p.active();
        if (active != WindowId::Main) {
            // A chooser: any of its rows, or its close box.
            std::vector<const Command*> rows;
            for (const Command& c : registry())
                if (c.window == active && c.kind != ItemKind::Menu)
                    rows.push_back(&c);
            if (pick(12) == 0) {
                p.hide(active);
            } else {
                const Command* c = rows[size_t(pick(int(rows.size())))];
                if (command_allowed(p, active, c->item)) {
                    QStringList chosen;
                    for (int n = pick(4); n > 0; --n)
                        chosen << QString::number(pick(300) - 5);
                    run_command(p, active, c->item, chosen);
                }
            }
        } else if (pick(4) == 0) {
            const int n = p.main.table.rowCount();
            select_rows(p.main, pick(n + 2) - 1, pick(n + 2) - 1, pick(n + 2) - 1);
        } else {
            const QString& item = items[size_t(pick(int(items.size())))];
            if (command_allowed(p, M, item))
                run_command(p, M, item, {input(), input()});
        }
        ASSERT_EQ(program_fault(p), QString()) << "step " << step;
        // The verse table's order column counts the rows from the top.
        const Grid& t = p.main.table;
        if (p.main.ayat && !t.cell(verse_col::index, 1).isEmpty()) {
            for (int r = 1; r < t.rowCount(); ++r)
                ASSERT_EQ(t.cell(verse_col::position, r).toInt(), r) << "step " << step;
        }
    }
}
