// The word statistics: their corpus figures, the word tests, the captions
// with each tail, the terms marked in the word window, the table-only
// sources, the nabra-mark words, and the refusals that open no window.
#include "search/search.h"
#include "shell/dispatch.h"
#include "shell/program.h"
#include "statistics/nabra.h"
#include "statistics/word_statistics.h"
#include "table/frame.h"
#include "table/tables.h"
#include "words/word_window.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

constexpr WindowId M = WindowId::Main;
constexpr WindowId W = WindowId::WordSort;

QStringList words_of(const Grid& t) {
    return column_cells(t, word_col::word);
}

// Runs a word command as its key would and returns the window's words.
QStringList run_words(Program& p, const char* item, const QStringList& inputs) {
    const Result r = run_command(p, M, N(item), inputs);
    EXPECT_EQ(r.message, QString());
    EXPECT_EQ(r.open, W);
    p.hide(W);
    return words_of(p.words.table);
}

const QString kLam = q(u"ل");

} // namespace

TEST(WordStatistics, CorpusFigures) {
    for (const bool merged : {false, true}) {
        SCOPED_TRACE(merged ? "merged" : "separated");
        Program p;
        if (merged)
            BitBtn5Click(p.main);
        EXPECT_EQ(run_words(p, "N9", {q(u"بسم")}), (QStringList{q(u"بسم"), q(u"بسمعهم")}));
        EXPECT_EQ(p.words.caption, q(u"إحصاء كل الكلمات التي تبدأ بـ *بسم*  في القرآن الكريم كله"));
        EXPECT_EQ(p.words.summary, q(u"الكلمات 4    النوع 2    الحروف 15"));
        EXPECT_EQ(p.words.table.cell(word_col::repeats, 1), N("0003"));
        EXPECT_EQ(p.words.table.cell(word_col::repeats, 2), N("0001"));
        EXPECT_EQ(p.words.terms, QStringList{q(u"بسم")});
        EXPECT_EQ(p.words.display.marks, (std::vector<Mark>{{0, 3}}));

        const QStringList single = run_words(p, "N17", {N("1")});
        EXPECT_EQ(single, merged ? (QStringList{q(u"ص"), q(u"ق"), q(u"ن")})
                                 : (QStringList{q(u"و"), q(u"ص"), q(u"ق"), q(u"ن")}));
        if (!merged) {
            EXPECT_EQ(p.words.table.cell(word_col::repeats, 1), N("9535"));
        }
        EXPECT_TRUE(p.words.terms.isEmpty()) << "a letter count marks nothing";
    }
}

TEST(WordStatistics, TheWordTests) {
    Program p;
    // The two ends may overlap: «ال» itself passes for «ال» and «ل».
    const QStringList both = run_words(p, "N11", {q(u"ال"), kLam});
    EXPECT_EQ(both.first(), q(u"ال"));
    for (const QString& w : both)
        ASSERT_TRUE(w.startsWith(q(u"ال")) && w.endsWith(kLam)) << w.toStdString();
    EXPECT_EQ(p.words.terms, (QStringList{q(u"ا"), kLam, kLam}));
    EXPECT_EQ(p.main.search.a, q(u"ال"));

    // Three lams, in any order: the words with three or more.
    const QStringList lams = run_words(p, "N45", {QString(3, u'ل')});
    ASSERT_FALSE(lams.isEmpty());
    for (const QString& w : lams)
        ASSERT_GE(w.count(kLam), 3) << w.toStdString();
    const QStringList all = run_words(p, "N13", {});
    EXPECT_EQ(qsizetype(lams.size()), std::count_if(all.begin(), all.end(), [&](const QString& w) {
                  return w.count(kLam) >= 3;
              }));
    EXPECT_TRUE(p.words.terms.isEmpty()) << "the table's words mark nothing";

    // One letter: containing it, holding it in order or in any order agree.
    for (const char16_t* letter : {u"ظ", u"و"}) {
        const QStringList containing = run_words(p, "N18", {q(letter)});
        EXPECT_EQ(run_words(p, "N43", {q(letter)}), containing);
        EXPECT_EQ(run_words(p, "N45", {q(letter)}), containing);
    }
    // In order and in any order differ for two letters.
    const QStringList inOrder = run_words(p, "N43", {q(u"نم")});
    const QStringList anyOrder = run_words(p, "N45", {q(u"نم")});
    EXPECT_LT(inOrder.size(), anyOrder.size());
    EXPECT_TRUE(anyOrder.contains(q(u"من")));
    EXPECT_FALSE(inOrder.contains(q(u"من")));
    EXPECT_TRUE(inOrder.contains(q(u"نعلم")));
    EXPECT_EQ(p.words.terms, (QStringList{q(u"ن"), q(u"م")}));
    // A space or a digit is no letter of any word.
    for (const char16_t* h : {u"ل ", u"1", u" "}) {
        run_words(p, "N45", {q(h)});
        EXPECT_EQ(p.words.summary, q(u"لا يوجد نتائج")) << QString::fromUtf16(h).toStdString();
        EXPECT_EQ(p.words.table.rowCount(), 2);
    }
    // The ending, exactly.
    for (const QString& w : run_words(p, "N10", {q(u"ون")}))
        ASSERT_TRUE(w.endsWith(q(u"ون")));
    EXPECT_TRUE(letters_in_order(q(u"مستقيم"), q(u"ستم")));
    EXPECT_FALSE(letters_in_any_order(q(u"مستقيم"), q(u"ممم")));
    EXPECT_TRUE(letters_in_any_order(q(u"مستقيم"), q(u"مم")));
}

TEST(WordStatistics, CaptionsNameWhereTheWordsWereCounted) {
    struct Case {
        const char* item;
        QStringList inputs;
        const char16_t* prefix;
        const char16_t* lead; // of the tail
    };
    const Case cases[] = {
        {"N9", {q(u"بسم")}, u"إحصاء كل الكلمات التي تبدأ بـ *بسم*", u"  في "},
        {"N10", {q(u"ون")}, u"إحصاء كل الكلمات التي تنتهي بـ *ون*", u"  في "},
        {"N11", {q(u"ب"), q(u"م")}, u"إحصاء كل الكلمات التي تبدأ بـ *ب*   وتنتهي بـ *م*", u"  في "},
        {"N17", {N("3")}, u"إحصاء كل الكلمات التي عدد حروفها *3*", u"  في "},
        {"N18", {q(u"سم")}, u"إحصاء كل الكلمات التي يوجد بها *سم*", u"  في "},
        {"N43", {q(u"سم")}, u"إحصاء كل الكلمات التي يوجد بها حروف كلمة  *سم*", u"   بالترتيب في "},
        {"N45",
         {q(u"سم")},
         u"إحصاء كل الكلمات التي يوجد بها حروف كلمة  *سم*",
         u"  بدون مراعاة الترتيب في "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const QString lead = q(c.lead);
        // The whole text; the table-only option over the full table too.
        Program p;
        run_words(p, c.item, c.inputs);
        EXPECT_EQ(p.words.caption, q(c.prefix) + lead + q(u"القرآن الكريم كله"));
        N88Click(p.main);
        run_words(p, c.item, c.inputs);
        EXPECT_EQ(p.words.caption, q(c.prefix) + lead + q(u"القرآن الكريم كله"));
        // Three verses of the table: only their words.
        p.main.table.setRowCount(4);
        const QStringList three = run_words(p, c.item, c.inputs);
        EXPECT_EQ(p.words.caption, q(c.prefix) + lead + q(u"3  آية المعروضة في جدول الآيات"));
        for (const QString& w : three)
            EXPECT_TRUE(p.main.table.cell(verse_col::text, 1).contains(w) ||
                        p.main.table.cell(verse_col::text, 2).contains(w) ||
                        p.main.table.cell(verse_col::text, 3).contains(w))
                << w.toStdString();
        // The surah the display box shows.
        BitBtn2Click(p.main);
        change_row(p.main, 1);
        run_words(p, c.item, c.inputs);
        EXPECT_EQ(p.words.caption, q(c.prefix) + lead + q(u"سورة الفاتحة"));
    }
    // Three verses of the table: the words of theirs that hold «ا».
    Program p;
    N88Click(p.main);
    p.main.table.setRowCount(4);
    EXPECT_EQ(run_words(p, "N18", {q(u"ا")}),
              (QStringList{q(u"الله"), q(u"الرحمن"), q(u"الرحيم"), q(u"الحمد"), q(u"العلمين")}));
}

TEST(WordStatistics, RefusedInputOpensNoWindow) {
    struct Case {
        const char* item;
        QStringList inputs;
        const char16_t* message;
        Focus focus;
    };
    const Case cases[] = {
        {"N9", {kSearchPlaceholder}, u"أكتب بداية الكلمة في مربع البحث", Focus::SearchBoxSelected},
        {"N10", {kSearchPlaceholder}, u"أكتب نهاية الكلمة في مربع البحث", Focus::SearchBoxSelected},
        {"N18", {kSearchPlaceholder}, u"أكتب المطلوب في مربع البحث", Focus::SearchBoxSelected},
        {"N43", {kSearchPlaceholder}, u"أكتب المطلوب في مربع البحث", Focus::SearchBoxSelected},
        {"N45", {kSearchPlaceholder}, u"أكتب المطلوب في مربع البحث", Focus::SearchBoxSelected},
        {"N17",
         {kSearchPlaceholder},
         u"أكتب عدد حروف الكلمة في مربع البحث",
         Focus::SearchBoxSelected},
        {"N9", {QString()}, u"أكتب بداية الكلمة في مربع البحث", Focus::SearchBoxSelected},
        {"N43", {QString()}, u"أكتب المطلوب في مربع البحث", Focus::SearchBoxSelected},
        {"N17", {q(u"3a")}, u"أكتب عدد حروف الكلمة في مربع البحث", Focus::SearchBoxSelected},
        {"N17", {q(u"٣")}, u"هناك خطأ في كتابة الرقم", Focus::SearchBoxSelected},
        {"N17", {N("99999999999")}, u"هناك خطأ في كتابة الرقم", Focus::SearchBoxSelected},
        {"N11", {q(u"ال"), QString()}, u"أكتب بداية الكلمة ونهايتها أيضا", Focus::Unchanged},
        {"N11", {QString(), kLam}, u"أكتب بداية الكلمة ونهايتها أيضا", Focus::Unchanged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.item) + " " + c.inputs.join(u'|').toStdString());
        Program p;
        const quint64 table = p.main.table.revision();
        const Result r = run_command(p, M, N(c.item), c.inputs);
        EXPECT_EQ(r.message, q(c.message));
        EXPECT_EQ(r.focus, c.focus);
        EXPECT_EQ(r.open, WindowId::None);
        EXPECT_FALSE(p.isShown(W));
        EXPECT_EQ(p.main.table.revision(), table);
        EXPECT_FALSE(p.main.gauge.visible);
    }
    // Nothing found opens the window empty.
    Program p;
    EXPECT_TRUE(run_words(p, "N9", {q(u"xyz")}).value(0).isEmpty());
    EXPECT_EQ(p.words.summary, q(u"لا يوجد نتائج"));
    EXPECT_EQ(p.words.caption, q(u"إحصاء كل الكلمات التي تبدأ بـ *xyz*  في القرآن الكريم كله"));
}

TEST(WordStatistics, TermsStayUntilACommandSetsThem) {
    Program p;
    p.main.search.na3am = true;
    run_words(p, "N9", {q(u"xyz")});
    EXPECT_TRUE(p.words.terms.isEmpty());
    EXPECT_TRUE(p.main.search.na3am) << "nothing found leaves the two-term marking as it was";
    run_words(p, "N18", {q(u"رحم")});
    EXPECT_EQ(p.words.terms, QStringList{q(u"رحم")});
    EXPECT_FALSE(p.main.search.na3am);
    run_words(p, "N9", {q(u"xyz")});
    EXPECT_EQ(p.words.terms, QStringList{q(u"رحم")});
    // F11 and a letter count mark nothing from then on.
    run_words(p, "N13", {});
    EXPECT_TRUE(p.words.terms.isEmpty());
}

TEST(WordStatistics, NabraWords) {
    // The corpus holds no «ى»: an empty window.
    Program p;
    const Result r = run_command(p, M, N("N02"));
    EXPECT_EQ(r.open, W);
    EXPECT_EQ(p.words.summary, q(u"لا يوجد نتائج"));
    EXPECT_EQ(p.words.caption, q(u"إحصاء كل الكلمات التي يوجد بها رمز النبرة في كل القرآن الكريم"));

    // A text that carries it: only the words with «ى» before one of the six.
    const Corpus corpus(q(u"على هدى من ربهم\nالى موسىه ىى\nهدىك و موسىه"));
    Program marked(corpus);
    run_command(marked, M, N("N02"));
    EXPECT_EQ(words_of(marked.words.table), (QStringList{q(u"موسىه"), q(u"هدىك")}));
    EXPECT_EQ(marked.words.table.cell(word_col::repeats, 1), N("0002"));
    EXPECT_EQ(marked.words.terms, nabra_marks());
    EXPECT_EQ(marked.words.display.marks, (std::vector<Mark>{{3, 2}}));
    marked.hide(W);
    N88Click(marked.main);
    marked.main.table.setRowCount(3);
    run_command(marked, M, N("N02"));
    EXPECT_EQ(marked.words.caption,
              q(u"إحصاء كل الكلمات التي يوجد بها رمز النبرة في 2  آية المعروضة في جدول الآيات"));
    EXPECT_EQ(words_of(marked.words.table), QStringList{q(u"موسىه")});
}
