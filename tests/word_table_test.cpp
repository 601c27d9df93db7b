// The word sorting window: the word table of the whole text and of one
// verse, the five orderings, the reversal, the word shown with its letters,
// the context menu and the hand-over of words to the phrase list.
#include "search/phrase_list.h"
#include "shell/dispatch.h"
#include "shell/program.h"
#include "table/frame.h"
#include "table/tables.h"
#include "words/word_window.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

constexpr WindowId W = WindowId::WordSort;

QStringList words_of(const Grid& t) {
    return column_cells(t, word_col::word);
}

int row_of(const Grid& t, const QString& word) {
    for (int r = 1; r < t.rowCount(); ++r)
        if (t.cell(word_col::word, r) == word)
            return r;
    return -1;
}

// The word window filled from the full verse table by F11.
Program sorted_corpus(bool merged = false) {
    Program p;
    if (merged)
        BitBtn5Click(p.main);
    const Result r = run_command(p, WindowId::Main, N("N13"));
    EXPECT_EQ(r.open, W);
    return p;
}

// The word window over the given words, in this first-occurrence order.
Program sorted_words(const QStringList& words) {
    Program p;
    WordFindings f;
    for (const QString& w : words)
        f.words.add(w);
    fill_word_window(p.words, p.main, std::move(f));
    p.show(W);
    return p;
}

} // namespace

TEST(WordTable, TheWholeTextInEitherVariant) {
    struct Case {
        bool merged;
        int rows;
        const char16_t* summary;
    };
    const Case cases[] = {
        {false, 13142, u"الكلمات 86968    النوع 13142    الحروف 322604"},
        {true, 14542, u"الكلمات 77433    النوع 14542    الحروف 322604"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.merged ? "merged" : "separated");
        const Program p = sorted_corpus(c.merged);
        const WordWindow& w = p.words;
        EXPECT_TRUE(p.isShown(W));
        EXPECT_EQ(w.caption, q(u"فرز كلمات كل القرآن الكريم"));
        EXPECT_EQ(w.table.dataRowCount(), c.rows);
        EXPECT_EQ(w.summary, q(c.summary));
        EXPECT_EQ(w.table.cell(0, 0), N("index"));
        EXPECT_EQ(w.table.columnWidth(word_col::index), 0);
        // The first word in full, its row as the fill writes it.
        EXPECT_EQ(w.table.cell(word_col::word, 1), q(u"بسم"));
        EXPECT_EQ(w.display.text, q(u"بسم"));
        EXPECT_EQ(w.table.cell(word_col::repeats, 1), N("0003"));
        const int waw = row_of(w.table, q(u"و"));
        EXPECT_EQ(waw > 0, !c.merged);
        if (waw > 0) {
            EXPECT_EQ(w.table.cell(word_col::repeats, waw), N("9535"));
            EXPECT_EQ(w.table.cell(word_col::index, waw), QString::number(waw));
            EXPECT_EQ(w.table.cell(word_col::letters, waw), N("1"));
        }
        EXPECT_TRUE(w.items.enabled(N("RadioGroup1")));
        EXPECT_EQ(w.orderingIndex, 0);
        EXPECT_TRUE(w.awal);
        EXPECT_FALSE(p.main.gauge.visible);
    }
}

TEST(WordTable, OneVerseOfTheDisplayBoxAndPartsOfTheTable) {
    Program p;
    change_row(p.main, 6014);
    ASSERT_EQ(p.main.display.text, q(u"كلا اذا دكت الارض دكا دكا"));
    run_command(p, WindowId::Main, N("N15"));
    const WordWindow& w = p.words;
    EXPECT_EQ(w.caption, q(u"فرز كلمات الآية رقم 21 من سورة 089-الفجر"));
    EXPECT_EQ(words_of(w.table),
              (QStringList{q(u"كلا"), q(u"اذا"), q(u"دكت"), q(u"الارض"), q(u"دكا")}));
    EXPECT_EQ(w.table.cell(word_col::repeats, 5), N("0002"));
    EXPECT_EQ(w.summary, q(u"الكلمات 6    النوع 5    الحروف 20"));

    // A surah of the surah table.
    Program s;
    BitBtn2Click(s.main);
    change_row(s.main, 112);
    run_command(s, WindowId::Main, N("N15"));
    EXPECT_EQ(s.words.caption, q(u"فرز كلمات سورة الإخلاص"));

    // Three verses of the verse table; no text at all is refused.
    Program t;
    t.main.table.setRowCount(4);
    run_command(t, WindowId::Main, N("N13"));
    EXPECT_EQ(t.words.caption, q(u"فرز كلمات 3 آية المعروضة في جدول الآيات"));
    EXPECT_EQ(t.words.table.dataRowCount(), 8);
    nigatif(t.main, 0);
    for (const char* item : {"N13", "N15"}) {
        Program none(t);
        none.hide(W);
        const Result r = run_command(none, WindowId::Main, N(item));
        EXPECT_EQ(r.message, q(u"لا يوجد أي نص لفرز كلماته"));
        EXPECT_EQ(r.open, WindowId::None);
        EXPECT_FALSE(none.isShown(W));
    }
}

TEST(WordTable, Orderings) {
    struct Case {
        int item;
        QStringList in;  // first-occurrence order
        QStringList out; // ordered
    };
    const QString allah = q(u"الله"), lillah = q(u"لله");
    const Case cases[] = {
        // The reversed «هلل» ends before «هللا»: a digit stands after it.
        {2, {allah, lillah}, {lillah, allah}},
        {1, {q(u"ها"), q(u"منه"), q(u"من")}, {q(u"من"), q(u"منه"), q(u"ها")}},
        // Fewest letters first, ties in first-occurrence order.
        {3, {q(u"الارض"), q(u"كلا"), q(u"اذا")}, {q(u"كلا"), q(u"اذا"), q(u"الارض")}},
    };
    for (const Case& c : cases) {
        Program p = sorted_words(c.in);
        run_command(p, W, N("RadioGroup1"), {QString::number(c.item)});
        EXPECT_EQ(words_of(p.words.table), c.out) << c.item;
        EXPECT_FALSE(p.words.awal);
        EXPECT_EQ(p.words.display.text, c.out[0]);
        EXPECT_EQ(p.words.table.cell(word_col::position, 2), N("2"));
    }

    // Occurrences: fewest first, then first-occurrence order; the order
    // numbers are written with five digits.
    Program p = sorted_corpus();
    WordWindow& w = p.words;
    const QStringList first = words_of(w.table);
    run_command(p, W, N("RadioGroup1"), {N("4")});
    const Grid& t = w.table;
    for (int r = 2; r < t.rowCount(); ++r) {
        const auto key = [&](int row) {
            return std::pair{t.cell(word_col::repeats, row).toInt(),
                             t.cell(word_col::index, row).toInt()};
        };
        ASSERT_LT(key(r - 1), key(r)) << r;
    }
    EXPECT_EQ(t.cell(word_col::index, 1).size(), 5);
    EXPECT_EQ(t.cell(word_col::word, t.rowCount() - 1), q(u"و"));
    EXPECT_EQ(w.summary, q(u"الكلمات 86968    النوع 13142    الحروف 322604"));
    // The mushaf order again, after any other.
    for (const char* item : {"1", "2", "3"}) {
        run_command(p, W, N("RadioGroup1"), {N(item)});
        run_command(p, W, N("RadioGroup1"), {N("0")});
        EXPECT_TRUE(w.awal);
        ASSERT_EQ(words_of(t), first) << item;
        EXPECT_EQ(t.cell(word_col::index, 14), N("00014"));
    }
}

TEST(WordTable, TheMushafOrderIsMadeAgainOnlyWhenTheRowsLeftIt) {
    Program p = sorted_words({q(u"ب"), q(u"ا"), q(u"ج")});
    // The reversal keeps the rows' own numbers and leaves the flag as it was.
    run_command(p, W, N("N1"));
    EXPECT_EQ(words_of(p.words.table), (QStringList{q(u"ج"), q(u"ا"), q(u"ب")}));
    EXPECT_EQ(p.words.table.cell(word_col::position, 1), N("1"));
    EXPECT_EQ(p.words.table.cell(word_col::index, 1), N("3"));
    EXPECT_EQ(p.words.display.text, q(u"ج"));
    EXPECT_TRUE(p.words.awal);
    run_command(p, W, N("RadioGroup1"), {N("0")});
    EXPECT_EQ(words_of(p.words.table), (QStringList{q(u"ج"), q(u"ا"), q(u"ب")}));
    run_command(p, W, N("RadioGroup1"), {N("1")});
    run_command(p, W, N("N1"));
    EXPECT_EQ(words_of(p.words.table), (QStringList{q(u"ج"), q(u"ب"), q(u"ا")}));
    run_command(p, W, N("RadioGroup1"), {N("0")});
    EXPECT_EQ(words_of(p.words.table), (QStringList{q(u"ب"), q(u"ا"), q(u"ج")}));
}

TEST(WordTable, TheWordShownWithItsLettersAndTerms) {
    Program p = sorted_words({q(u"الله"), q(u"ال")});
    const WordWindow& w = p.words;
    EXPECT_EQ(w.letters.lines(), (QStringList{q(u"عدد الحروف 3"), q(u"--------------"), q(u"1 = ا"),
                                              q(u"1 = ه"), q(u"2 = ل")}));
    // The terms in force mark every occurrence, overlapping ones too.
    p.words.terms = {q(u"ل"), q(u"لل")};
    run_command(p, W, N("StringGrid1"), {N("1")});
    EXPECT_EQ(w.display.marks, (std::vector<Mark>{{1, 1}, {2, 1}, {1, 2}}));
    run_command(p, W, N("StringGrid1"), {N("2")});
    EXPECT_EQ(w.display.text, q(u"ال"));
    EXPECT_EQ(w.table.currentRow(), 2);
    // A word with twelve of a letter lists «12 = ...» before «2 = ...».
    show_word_letters(p.words, QString(12, u'ل') + q(u"اا"));
    EXPECT_EQ(w.letters.lines().mid(2), (QStringList{q(u"12 = ل"), q(u"2 = ا")}));
}

TEST(WordTable, OneWordOrNoneOffersNoOrderingAndNoRowCommands) {
    const auto menu_shows = [](Program& p, const char* item) {
        open_menu(p, W, N("PopupMenu1"));
        return p.words.items.visible(N(item));
    };
    Program many = sorted_words({q(u"ا"), q(u"ب")});
    many.calculator = QStringLiteral("/usr/bin/calculator");
    for (const char* item : {"N1", "N3", "N4", "N5", "N18", "N21", "N19", "N17", "N2", "N20"})
        EXPECT_TRUE(menu_shows(many, item)) << item;
    BitBtn2Click(many.main);
    EXPECT_FALSE(menu_shows(many, "N19")) << "the phrase list needs the verse table";
    EXPECT_TRUE(menu_shows(many, "N18"));

    for (const QStringList& words : {QStringList{q(u"ا")}, QStringList{}}) {
        Program p = sorted_words(words);
        EXPECT_FALSE(p.words.items.enabled(N("RadioGroup1")));
        EXPECT_FALSE(command_allowed(p, W, N("RadioGroup1")));
        for (const char* item : {"N1", "N3", "N4", "N5", "N18", "N21", "N19"})
            EXPECT_FALSE(menu_shows(p, item)) << item;
        for (const char* item : {"N17", "N20"})
            EXPECT_TRUE(menu_shows(p, item)) << item;
        // Without a calculator on this machine, none is offered.
        p.calculator.clear();
        EXPECT_FALSE(menu_shows(p, "N2"));
    }
    // No word: one empty row and the summary says so.
    const Program none = sorted_words({});
    EXPECT_EQ(none.words.table.rowCount(), 2);
    EXPECT_TRUE(none.words.table.cell(word_col::word, 1).isEmpty());
    EXPECT_EQ(none.words.summary, q(u"لا يوجد نتائج"));
    EXPECT_TRUE(none.words.display.text.isEmpty());
    EXPECT_TRUE(none.words.letters.isEmpty());
    EXPECT_FALSE(none.words.items.enabled(N("BitBtn1"))) << "the export comes later";
}

TEST(WordTable, WordsGoToThePhraseList) {
    Program p = sorted_words({q(u"الله"), q(u"رب")});
    choose_independent(p.phraseList, false);
    p.phraseList.phrases = {q(u"رب")};
    // All words, without a duplicate check; the list opens over the window.
    const Result all = run_command(p, W, N("N18"));
    EXPECT_EQ(all.open, WindowId::PhraseList);
    EXPECT_EQ(p.active(), WindowId::PhraseList);
    EXPECT_EQ(p.phraseList.phrases, (QStringList{q(u"رب"), q(u"الله"), q(u"رب")}));
    EXPECT_EQ(phrase_count_label(p.phraseList), N("3"));
    EXPECT_TRUE(phrases_independent(p.phraseList));
    p.hide(WindowId::PhraseList);

    // The word shown goes to the search box and, once, to the list.
    phrase_clear(p.phraseList, p.main);
    const Result passed = run_command(p, W, N("PassOn"));
    EXPECT_EQ(passed.message, QString());
    EXPECT_EQ(passed.boxOf, WindowId::Main);
    EXPECT_EQ(passed.boxText, q(u"الله"));
    EXPECT_EQ(p.phraseList.phrases, QStringList{q(u"الله")});
    EXPECT_EQ(run_command(p, W, N("PassOn")).message, q(u"هذه العبارة سبق وأن أضيفت"));
    EXPECT_EQ(p.phraseList.phrases.size(), 1);
    const KeyResult enter = key_command(p, W, Qt::Key_Return, Qt::NoModifier, {});
    EXPECT_EQ(enter.item, N("PassOn"));

    // From the surah table the words go in, and the list stays closed.
    BitBtn2Click(p.main);
    EXPECT_EQ(run_command(p, W, N("N18")).open, WindowId::None);
    EXPECT_EQ(p.phraseList.phrases.size(), 3);
}

TEST(WordTable, TheMainWindowWaitsWhileTheWindowIsOpen) {
    Program p = sorted_corpus();
    EXPECT_FALSE(command_allowed(p, WindowId::Main, N("BitBtn2")));
    EXPECT_FALSE(command_allowed(p, WindowId::Main, N("N13")));
    EXPECT_TRUE(command_allowed(p, W, N("N1")));
    run_command(p, W, N("Close"));
    EXPECT_FALSE(p.isShown(W));
    EXPECT_TRUE(command_allowed(p, WindowId::Main, N("BitBtn2")));
    // The table stays for the next showing, which replaces it.
    EXPECT_EQ(p.words.table.dataRowCount(), 13142);
}
