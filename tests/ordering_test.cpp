// Re-ordering the rows of the verse table and the surah table.
#include "measures/measures.h"
#include "table/ordering.h"
#include "table/results.h"
#include "table/session.h"
#include "table/tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

int number(const Grid& t, int column, int row) {
    return t.cell(column, row).toInt();
}

bool in_mushaf_order(const Grid& t) {
    for (int r = 1; r < t.rowCount(); ++r)
        if (number(t, verse_col::index, r) != r || number(t, verse_col::position, r) != r)
            return false;
    return true;
}

} // namespace

TEST(Ordering, VerseTableByWordCountThenBackToMushafOrder) {
    Session s;
    int repaints = 0;
    s.progress = [&] {
        ++repaints;
        EXPECT_TRUE(s.gauge.visible);
        EXPECT_EQ(s.gauge.maximum, 2 * 6236);
    };
    select_ordering_item(s, 3);
    const Grid& t = s.table;
    ASSERT_EQ(t.rowCount(), 6237);
    // The 24 one-word verses first, in mushaf order; the longest verse last.
    for (int r = 1; r <= 24; ++r)
        EXPECT_EQ(t.cell(verse_col::words, r), q(u"1")) << r;
    EXPECT_EQ(t.cell(verse_col::words, 25), q(u"2"));
    EXPECT_EQ(t.cell(verse_col::index, 1), q(u"8"));
    EXPECT_EQ(t.cell(verse_col::index, 2), q(u"294"));
    EXPECT_EQ(t.cell(verse_col::index, 3), q(u"955"));
    EXPECT_EQ(t.cell(verse_col::index, 6236), q(u"289"));
    EXPECT_EQ(t.cell(verse_col::words, 6236), q(u"146"));
    for (int r = 1; r < t.rowCount(); ++r) {
        ASSERT_EQ(number(t, verse_col::position, r), r);
        ASSERT_EQ(t.cell(verse_col::repeats, r), q(u"000"));
    }
    // Row 1 is shown, the gauge is gone and the summary stays.
    EXPECT_GT(repaints, 0);
    EXPECT_FALSE(s.gauge.visible);
    EXPECT_EQ(s.gauge.value, 0);
    EXPECT_EQ(t.currentRow(), 1);
    EXPECT_EQ(s.display.text, q(u"الم"));
    EXPECT_EQ(s.label, s.ze);
    EXPECT_EQ(s.focus, Focus::Table);

    select_ordering_item(s, 0);
    EXPECT_TRUE(in_mushaf_order(t));
    EXPECT_EQ(t.cell(verse_col::text, 1), q(u"بسم الله الرحمن الرحيم"));
}

TEST(Ordering, VerseBeginningsAndEndings) {
    Session s;
    const Grid& t = s.table;
    select_ordering_item(s, 1);
    EXPECT_EQ(t.cell(verse_col::index, 1), q(u"5721"));
    EXPECT_EQ(t.cell(verse_col::index, 6236), q(u"2262"));
    // Every verse beginning with ا precedes those beginning with ب; texts that
    // go on after «الم» precede the verses «الم», which precede «المر...».
    int lastAlif = 0, firstBa = 0, firstLoneAlm = 0, lastLoneAlm = 0, firstAlmr = 0,
        lastAlmGoingOn = 0;
    for (int r = 1; r < t.rowCount(); ++r) {
        const QString& text = t.cell(verse_col::text, r);
        if (text.startsWith(u'ا'))
            lastAlif = r;
        if (text.startsWith(u'ب') && !firstBa)
            firstBa = r;
        if (text == q(u"الم")) {
            firstLoneAlm = firstLoneAlm ? firstLoneAlm : r;
            lastLoneAlm = r;
        }
        if (text.startsWith(q(u"الم ")))
            lastAlmGoingOn = r;
        if (text.startsWith(q(u"المر")) && !firstAlmr)
            firstAlmr = r;
    }
    EXPECT_LT(lastAlif, firstBa);
    ASSERT_GT(firstLoneAlm, 0);
    EXPECT_LT(lastAlmGoingOn, firstLoneAlm);
    EXPECT_LT(lastLoneAlm, firstAlmr);

    select_ordering_item(s, 2);
    EXPECT_EQ(t.cell(verse_col::index, 1), q(u"5789"));
    EXPECT_EQ(t.cell(verse_col::index, 6236), q(u"2422"));
}

TEST(Ordering, KeysOfTheVerseTable) {
    Session s;
    Grid& t = s.table;
    t.setCell(verse_col::repeats, 8, q(u"2"));
    EXPECT_EQ(ordering_key(s, 8, 0), q(u"0008002"));
    EXPECT_EQ(ordering_key(s, 8, 1), q(u"الم0020008"));
    EXPECT_EQ(ordering_key(s, 8, 2), q(u"ملا0020008"));
    EXPECT_EQ(ordering_key(s, 8, 3), q(u"001:0008002"));
    EXPECT_EQ(ordering_key(s, 8, 4), q(u"003:0008002"));
    EXPECT_EQ(ordering_key(s, 8, 5), q(u"002:0008002"));
}

// The rows an ordering of the verse table puts first, as the running numbers
// and repetition texts it writes, are those the text keys put first (equal
// keys in the order the rows came in).
void expect_order_of_text_keys(Session& s, int item, const char* what) {
    Grid& t = s.table;
    const int n = t.dataRowCount();
    std::vector<std::pair<QString, int>> keys;
    std::vector<std::pair<QString, QString>> rows(n + 1); // running number, repetition
    for (int r = 1; r <= n; ++r) {
        keys.push_back({ordering_key(s, r, item), r});
        rows[r] = {t.cell(verse_col::index, r),
                   zero_pad(to_int(t.cell(verse_col::repeats, r)).value_or(0), 3)};
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    s.orderingIndex = item;
    RadioGroup1Click(s);
    for (int i = 1; i <= n; ++i) {
        const auto& [number, repeats] = rows[keys[i - 1].second];
        ASSERT_EQ(t.cell(verse_col::index, i), number)
            << what << ", item " << item << ", row " << i;
        ASSERT_EQ(t.cell(verse_col::repeats, i), repeats) << what << ", item " << item;
        ASSERT_EQ(t.cell(verse_col::position, i), QString::number(i));
        ASSERT_EQ(t.cell(verse_col::text, i), s.verseText(number.toInt()));
    }
}

TEST(Ordering, VerseRowsComeInTheOrderOfTheTextKeys) {
    for (const bool merged : {false, true}) {
        Session s;
        if (merged)
            BitBtn5Click(s);
        add_repeats_item(s);
        Grid& t = s.table;
        // Repetition counts of every width the field holds, and a verse
        // listed twice.
        for (int r = 1; r <= t.dataRowCount(); ++r)
            t.setCell(verse_col::repeats, r, QString::number(r * 37 % 1000 % (r % 5 ? 3 : 999)));
        for (int c = 0; c < verse_col::count; ++c)
            t.setCell(c, 300, t.cell(c, 8));
        for (int item = 0; item <= 5; ++item)
            expect_order_of_text_keys(s, item, merged ? "merged" : "separated");
    }
}

// A number wider than its field or below zero, or a text that is not its
// verse's, leaves the order to the text keys: a repetition of 1000 comes
// before one of 999, as text.
TEST(Ordering, WideNumbersOrderAsText) {
    const std::pair<int, const char16_t*> odd[] = {
        {verse_col::repeats, u"1000"},       {verse_col::repeats, u"-3"},
        {verse_col::index, u"-8"},           {verse_col::words, u"1000"},
        {verse_col::text, u"ابصرها خشعه و"},
    };
    for (const auto& [column, text] : odd) {
        Session s;
        add_repeats_item(s);
        Grid& t = s.table;
        t.setRowCount(6);
        for (int r = 1; r <= 5; ++r)
            t.setCell(verse_col::repeats, r, QString::number(1000 - r));
        t.setCell(column, 3, q(text));
        for (int item = 0; item <= 5; ++item)
            expect_order_of_text_keys(s, item, QString::fromUtf16(text).toStdString().c_str());
    }
    Session s;
    add_repeats_item(s);
    s.table.setRowCount(3);
    s.table.setCell(verse_col::repeats, 1, q(u"999"));
    s.table.setCell(verse_col::repeats, 2, q(u"1000"));
    select_ordering_item(s, 5);
    EXPECT_EQ(s.table.cell(verse_col::index, 1), q(u"2"));
    EXPECT_EQ(s.table.cell(verse_col::repeats, 1), q(u"1000"));
    EXPECT_EQ(s.table.cell(verse_col::repeats, 2), q(u"999"));
}

TEST(Ordering, SurahTableRowsAreRebuiltFromTheirKeys) {
    Session s;
    BitBtn2Click(s);
    const Grid& t = s.table;
    EXPECT_EQ(t.cell(surah_col::number, 1), q(u"001")); // built by the button
    select_ordering_item(s, 2);
    // Fewest verses first (103, 108 and 110 have three), ties by surah number.
    EXPECT_EQ(t.cell(surah_col::number, 1), q(u"103"));
    EXPECT_EQ(t.cell(surah_col::number, 2), q(u"108"));
    EXPECT_EQ(t.cell(surah_col::number, 3), q(u"110"));
    EXPECT_EQ(t.cell(surah_col::number, 114), q(u"2"));
    EXPECT_EQ(t.cell(surah_col::verses, 114), q(u"286"));
    EXPECT_EQ(t.cell(surah_col::repeats, 1), q(u"0000"));
    EXPECT_EQ(s.display.text, s.souar[103]);
    EXPECT_EQ(s.letters.lines()[2].size(), 8); // «0001 = ...»: four-digit counts

    select_ordering_item(s, 0);
    for (int r = 1; r <= 114; ++r) {
        ASSERT_EQ(t.cell(surah_col::number, r), QString::number(r));
        ASSERT_EQ(t.cell(surah_col::repeats, r), q(u"0000"));
    }
    select_ordering_item(s, 1);
    EXPECT_EQ(t.cell(surah_col::name, 1).left(1), q(u"آ")); // آل عمران: lowest code unit first
}

TEST(Ordering, OneDataRowOrUnknownItemsChangeNothing) {
    Session s;
    Grid& t = s.table;
    t.setRowCount(2);
    s.label = q(u"x");
    select_ordering_item(s, 4);
    EXPECT_EQ(s.orderingIndex, 4);
    EXPECT_EQ(t.cell(verse_col::repeats, 1), q(u"0"));
    EXPECT_EQ(s.label, q(u"x"));
    EXPECT_FALSE(s.gauge.visible);

    Session full;
    select_ordering_item(full, 5); // the sixth item is not there
    select_ordering_item(full, -1);
    EXPECT_EQ(full.orderingIndex, 0);
    EXPECT_EQ(full.table.cell(verse_col::repeats, 1), q(u"0"));
}

TEST(Ordering, TableButtonsPutTheSelectorBackOnMushafOrder) {
    Session s;
    select_ordering_item(s, 3);
    BitBtn2Click(s);
    EXPECT_EQ(s.orderingIndex, 0);
    // Going back to item 0 ordered the new surah table: plain surah numbers.
    EXPECT_EQ(s.table.cell(surah_col::number, 1), q(u"1"));
    EXPECT_EQ(s.table.cell(surah_col::repeats, 1), q(u"0000"));
    BitBtn3Click(s);
    EXPECT_TRUE(in_mushaf_order(s.table));
    EXPECT_EQ(s.table.cell(verse_col::repeats, 1), q(u"0"));
}
