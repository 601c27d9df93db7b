// The text search: the matching rule, the whole-corpus figures, the search in
// the table's rows, the recount, the options and every refusal.
#include "measures/measures.h"
#include "search/search.h"
#include "shell/dispatch.h"
#include "statistics/repetition.h"
#include "statistics/surah_statistics.h"
#include "table/frame.h"
#include "table/ordering.h"
#include "table/session.h"
#include "table/tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

QString verse_summary(long long q, const Grid& t) {
    return QStringLiteral("عدد النتائج ") + QString::number(q) + QStringLiteral("    عدد الآيات ") +
           QString::number(t.dataRowCount()) + QStringLiteral("    مجموع الكلمات ") +
           QString::number(column_sum(t, verse_col::words)) + QStringLiteral("    مجموع الحروف ") +
           QString::number(column_sum(t, verse_col::letters));
}

const QString kNoTerm = q(u"أكتب نصا للبحث عنه");

} // namespace

TEST(Search, MatchingRule) {
    struct Case {
        const char16_t* text;
        const char16_t* term;
        int plain;
        int exact;
    };
    const Case cases[] = {
        {u"ببب", u"بب", 2, 0}, // overlapping runs count twice
        {u"بسم الله الرحمن", u"الله", 1, 1},
        {u"لله الله", u"لله", 2, 1}, // inside a word only in plain mode
        {u"الله", u"الله", 1, 1},    // the text's ends are no letters
        {u"و قال و", u"و", 2, 2},
        {u"قالوا و", u"و", 2, 1},
        {u"بسم الله", u" الله", 1, 0}, // a space is matched like a letter
        {u"الله بسم", u" الله", 0, 0},
        {u"1الله2", u"الله", 1, 1}, // digits are no letters
        {u"ى ى", u"ى", 2, 2},
        {u"الحمد لله رب العلمين الحمد لله", u"الحمد لله", 2, 2},
        {u"ابابابا", u"ابا", 3, 0},
        {u"بسم", u"", 0, 0}, // an empty term occurs nowhere
        {u"", u"ب", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString() + " / " +
                     QString::fromUtf16(c.term).toStdString());
        EXPECT_EQ(count_occurrences(q(c.text), q(c.term), false), c.plain);
        EXPECT_EQ(count_occurrences(q(c.text), q(c.term), true), c.exact);
        // The counter a scan over many texts makes once counts the same.
        EXPECT_EQ(OccurrenceCounter(q(c.term), false).count(q(c.text)), c.plain);
        EXPECT_EQ(OccurrenceCounter(q(c.term), true).count(q(c.text)), c.exact);
    }
}

TEST(Search, WholeCorpusFigures) {
    struct Case {
        bool waw;
        bool exact;
        const char16_t* term;
        int occurrences;
        int verses;
    };
    const Case cases[] = {
        {false, false, u"الله", 2557, 1746}, {true, false, u"الله", 2557, 1746},
        {false, true, u"الله", 2395, 1661},  {true, true, u"الله", 2155, 1567},
        {false, true, u"و", 9535, 4498},     {false, false, u"و", 25676, 5676},
        {true, false, u"و", 25676, 5676},    {false, false, u" ", 80732, 6212},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.term).toStdString() + (c.waw ? " merged" : "") +
                     (c.exact ? " exact" : ""));
        Session s;
        if (c.waw)
            BitBtn5Click(s);
        s.setChecked(N("N104"), c.exact);
        EXPECT_EQ(bahte(s, q(c.term), q(c.term)), QString());
        const Grid& t = s.table;
        EXPECT_EQ(t.dataRowCount(), c.verses);
        EXPECT_EQ(column_sum(t, verse_col::repeats), c.occurrences);
        EXPECT_EQ(s.ze, verse_summary(c.occurrences, t));
        EXPECT_EQ(s.label, s.ze);
        EXPECT_EQ(t.columnWidth(verse_col::repeats), 80);
        EXPECT_EQ(s.orderingItems.size(), 6);
        EXPECT_EQ(s.orderingItems.last(), q(u" التكرار"));
        EXPECT_EQ(t.currentRow(), 1);
        EXPECT_EQ(s.display.text, t.cell(verse_col::text, 1));
        EXPECT_EQ(s.focus, Focus::Table);
        // Rows are numbered 1, 2, ... in mushaf order.
        for (int r = 2; r < t.rowCount(); ++r)
            ASSERT_LT(t.cell(verse_col::index, r - 1).toInt(), t.cell(verse_col::index, r).toInt());
        EXPECT_EQ(t.cell(verse_col::position, t.rowCount() - 1), QString::number(c.verses));
    }
}

TEST(Search, FirstRowIsWrittenAndMarked) {
    Session s;
    bahte(s, q(u"الله"), q(u"الله"));
    const Grid& t = s.table;
    const QStringList first = {
        q(u"1"),  q(u"1"), q(u"001-الفاتحة"), q(u"1"), q(u"بسم الله الرحمن الرحيم"), q(u"4"),
        q(u"19"), q(u"1")};
    for (int c = 0; c < verse_col::count; ++c)
        EXPECT_EQ(t.cell(c, 1), first[c]);
    ASSERT_EQ(s.display.marks.size(), 1u);
    EXPECT_EQ(s.display.marks[0].start, 4);
    EXPECT_EQ(s.search.s, q(u"الله"));
    EXPECT_EQ(s.search.j, 4);
    EXPECT_EQ(s.search.n, 0);

    // A second search never adds the sixth ordering item twice.
    bahte(s, q(u"الرحمن"), q(u"الرحمن"));
    EXPECT_EQ(s.orderingItems.size(), 6);
}

TEST(Search, NoTermLeavesEverythingAsItWas) {
    for (const QString& term : {QString(), kSearchPlaceholder}) {
        Session s;
        bahte(s, q(u"الله"), q(u"الله"));
        const quint64 revision = s.table.revision();
        const QString ze = s.ze;
        const QString shown = s.display.text;
        EXPECT_EQ(bahte(s, term, term), kNoTerm);
        EXPECT_EQ(s.focus, Focus::SearchBox);
        EXPECT_EQ(s.table.revision(), revision);
        EXPECT_EQ(s.ze, ze);
        EXPECT_EQ(s.display.text, shown);
        // The failed term stays the current one: rows shown later mark nothing.
        EXPECT_EQ(s.search.s, term);
        change_row(s, 2);
        EXPECT_TRUE(s.display.marks.empty());
        EXPECT_EQ(bahte_2(s, term, term), kNoTerm);
        EXPECT_EQ(bahte_3(s, term), kNoTerm);
        EXPECT_EQ(s.table.revision(), revision);
    }
}

TEST(Search, NothingFoundInTheVerseTable) {
    Session s;
    EXPECT_EQ(bahte(s, q(u"xyz"), q(u"xyz")), QString());
    EXPECT_EQ(s.table.rowCount(), 2);
    EXPECT_EQ(s.table.cell(verse_col::text, 1), QString());
    EXPECT_TRUE(s.display.text.isEmpty());
    EXPECT_EQ(s.letters.size(), 0);
    EXPECT_EQ(s.label, q(u"لا يوجد نتائج"));
    for (const char* off : {"BitBtn4", "N6", "RadioGroup1"})
        EXPECT_FALSE(s.enabled(N(off))) << off;
    // No result to search in.
    const quint64 revision = s.table.revision();
    EXPECT_EQ(bahte_2(s, q(u"الله"), q(u"الله")), q(u"لا يوجد آيات لتبحث فيها"));
    EXPECT_EQ(s.table.revision(), revision);
    // A very long term is only a term that occurs nowhere.
    EXPECT_EQ(bahte(s, QString(300000, u'ب'), QString()), QString());
    EXPECT_EQ(s.label, q(u"لا يوجد نتائج"));
}

TEST(Search, SurahTable) {
    Session s;
    BitBtn2Click(s);
    EXPECT_EQ(bahte(s, q(u"الم"), q(u"الم")), QString());
    const Grid& t = s.table;
    ASSERT_EQ(t.rowCount(), 115);
    int surahs = 0;
    for (int k = 1; k <= 114; ++k) {
        const int r = count_occurrences(s.souar[k], q(u"الم"), false);
        surahs += r > 0;
        ASSERT_EQ(t.cell(surah_col::repeats, k), QString::number(r));
        ASSERT_EQ(t.cell(surah_col::number, k), zero_pad(k, 3));
    }
    EXPECT_EQ(s.ze, q(u"عدد النتائج ") + QString::number(column_sum(t, surah_col::repeats)) +
                        q(u"     عدد السور ") + QString::number(surahs));
    EXPECT_EQ(t.columnWidth(surah_col::repeats), 80);
    EXPECT_EQ(s.orderingItems.size(), 6);
    EXPECT_EQ(s.display.text, s.souar[1]);
    EXPECT_TRUE(s.display.marks.empty()); // surah texts are shown unmarked

    // Nothing found still lists every surah.
    bahte(s, q(u"xyz"), q(u"xyz"));
    EXPECT_EQ(t.rowCount(), 115);
    EXPECT_EQ(s.ze, q(u"عدد النتائج 0     عدد السور 0"));
    EXPECT_EQ(s.label, s.ze);

    // The table-only search drops the surahs without the term.
    bahte_2(s, q(u"xyz"), q(u"xyz"));
    EXPECT_EQ(t.rowCount(), 2);
    EXPECT_EQ(s.ze, q(u"عدد النتائج 0     عدد السور 0"));
    EXPECT_FALSE(s.enabled(N("N6")));
    EXPECT_EQ(bahte_2(s, q(u"الم"), q(u"الم")), q(u"لا يوجد سور لتبحث فيها"));
}

TEST(Search, TableOnlySearchKeepsTheRowsAndTheirOrder) {
    Session s;
    bahte(s, q(u"الله"), q(u"الله"));
    select_ordering_item(s, 3); // by word count
    QStringList before;
    for (int r = 1; r < s.table.rowCount(); ++r)
        if (s.table.cell(verse_col::text, r).contains(q(u"الرحمن")))
            before << s.table.cell(verse_col::index, r);

    EXPECT_EQ(bahte_2(s, q(u"الرحمن"), q(u"الرحمن")), QString());
    const Grid& t = s.table;
    QStringList after;
    for (int r = 1; r < t.rowCount(); ++r) {
        after << t.cell(verse_col::index, r);
        ASSERT_EQ(t.cell(verse_col::position, r), QString::number(r));
    }
    EXPECT_EQ(after, before);
    EXPECT_EQ(s.ze, verse_summary(column_sum(t, verse_col::repeats), t));

    // A term in every listed row changes column 7 only.
    QStringList texts;
    for (int r = 1; r < t.rowCount(); ++r)
        texts << t.cell(verse_col::text, r);
    bahte_2(s, q(u"ل"), q(u"ل"));
    QStringList again;
    for (int r = 1; r < t.rowCount(); ++r)
        again << t.cell(verse_col::text, r);
    EXPECT_EQ(again, texts);
}

TEST(Search, TableOnlySearchReadsTheSurahNumberAfterSurahStatistics) {
    Session s;
    BitBtn2Click(s);
    N24Click(s, q(u"الم")); // column 0 now holds the position
    bahte_2(s, q(u"ذلك"), q(u"ذلك"));
    const Grid& t = s.table;
    ASSERT_GT(t.dataRowCount(), 1);
    for (int r = 1; r < t.rowCount(); ++r) {
        const int k = t.cell(surah_col::number, r).toInt();
        EXPECT_EQ(t.cell(surah_col::repeats, r),
                  QString::number(count_occurrences(s.souar[k], q(u"ذلك"), false)));
    }
    EXPECT_EQ(t.cell(surah_col::number, 1), q(u"002"));
    EXPECT_EQ(t.cell(surah_col::order, 1), q(u"1")); // column 0 copied
}

TEST(Search, RecountKeepsEveryRow) {
    Session s;
    bahte(s, q(u"الرحمن"), q(u"الرحمن"));
    const int rows = s.table.rowCount();
    EXPECT_EQ(bahte_3(s, q(u"xyz")), QString());
    EXPECT_EQ(s.table.rowCount(), rows);
    EXPECT_EQ(column_sum(s.table, verse_col::repeats), 0);
    EXPECT_TRUE(s.ze.startsWith(q(u"عدد النتائج 0    عدد الآيات ") + QString::number(rows - 1)));
    bahte_3(s, q(u"الله"));
    EXPECT_EQ(s.ze, verse_summary(column_sum(s.table, verse_col::repeats), s.table));
}

TEST(Search, ButtonKeysAndOptions) {
    Program p;
    Session& s = p.main;
    const auto choose = [&](const char* item, const QStringList& in = {}) {
        return run_command(p, WindowId::Main, N(item), in);
    };
    // Without the table-only option the button searches everything.
    BitBtn1Click(s, q(u"الرحمن"));
    const int found = s.table.dataRowCount();
    BitBtn1Click(s, q(u"الله"));
    EXPECT_EQ(s.table.dataRowCount(), 1746);
    EXPECT_EQ(s.search.s_hifdh, q(u"الله"));

    // With it, the button searches the rows shown; so does Ctrl+Enter always.
    ASSERT_FALSE(choose("N88").refused);
    EXPECT_TRUE(s.checked(N("N88")));
    BitBtn1Click(s, q(u"الرحمن"));
    EXPECT_EQ(s.table.dataRowCount(), 5); // the verses of «الله» that hold «الرحمن»
    EXPECT_GT(found, 5);
    choose("N88");
    BitBtn1Click(s, q(u"الله"));
    // Ctrl+Enter is the hidden item's key, Enter the search button's.
    const KeyResult ctrlEnter =
        key_command(p, WindowId::Main, Qt::Key_Return, Qt::ControlModifier, {});
    EXPECT_EQ(ctrlEnter.item, N("N86"));
    EXPECT_EQ(choose("N86", {q(u"الرحمن")}).message, QString());
    EXPECT_EQ(s.table.dataRowCount(), 5);
    EXPECT_EQ(key_command(p, WindowId::Main, Qt::Key_Return, Qt::NoModifier, {}).item,
              N("BitBtn1"));
    EXPECT_EQ(choose("BitBtn1", {QString()}).message, kNoTerm);
    EXPECT_EQ(choose("N86", {q(u"xyz")}).message, QString());
    EXPECT_EQ(s.label, q(u"لا يوجد نتائج"));
}

TEST(Search, TableOnlyOptionEnablesTheMenus) {
    Session s;
    bahte(s, q(u"xyz"), q(u"xyz")); // nothing: the display box is empty
    N88Click(s);
    EXPECT_FALSE(s.enabled(N("N8")));
    EXPECT_FALSE(s.enabled(N("N7")));
    N88Click(s);
    EXPECT_TRUE(s.enabled(N("N8")));
    EXPECT_TRUE(s.enabled(N("N7")));

    BitBtn2Click(s);
    bahte_2(s, q(u"xyz"), q(u"xyz"));
    N88Click(s);
    EXPECT_FALSE(s.enabled(N("N20")));
    EXPECT_FALSE(s.enabled(N("N8")));
}

TEST(Search, TheSearchBoxTakesTheDisplaySelection) {
    Session s;
    BitBtn3Click(s);
    EXPECT_EQ(search_box_entered(s, q(u"abc")), q(u"abc"));
    s.display.selectionStart = 4;
    s.display.selectionLength = 4;
    EXPECT_EQ(search_box_entered(s, q(u"abc")), q(u"الله"));
}

TEST(Search, ContainingTheShownVerseKeepsTheSearchBoxText) {
    Session s;
    bahte(s, q(u"الله"), q(u"الله"));
    change_row(s, 1);
    EXPECT_EQ(N77Click(s, q(u"الله")), QString());
    EXPECT_EQ(s.search.s, q(u"بسم الله الرحمن الرحيم"));
    EXPECT_EQ(s.search.s_hifdh, q(u"الله"));
    // Verse 1 itself and 27:30, which ends with it.
    ASSERT_EQ(s.table.dataRowCount(), 2);
    EXPECT_EQ(s.table.cell(verse_col::index, 1), q(u"1"));
    EXPECT_EQ(s.table.cell(verse_col::surah, 2), q(u"027-النمل"));
    EXPECT_EQ(s.table.cell(verse_col::verse, 2), q(u"30"));
}
