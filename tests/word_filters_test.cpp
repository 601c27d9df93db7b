// The word table's filters, its deletion of the selected words and its Word
// file, over a small table whose numbers are known.
#include "shell/dispatch.h"
#include "shell/program.h"
#include "words/word_window.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace tallyra;

namespace {

constexpr WindowId W = WindowId::WordSort;

// Ten words: letter counts 1 2 3 1 2 3 4 1 2 3, «الله» four times, the
// others once.
Program ten_words() {
    Program p;
    WordFindings f;
    for (const char16_t* w :
         {u"ب", u"با", u"بات", u"ا", u"ال", u"الل", u"الله", u"م", u"من", u"منه"})
        f.words.add(q(w));
    for (int i = 0; i < 3; ++i)
        f.words.add(q(u"الله"));
    fill_word_window(p.words, p.main, std::move(f));
    p.show(W);
    return p;
}

QStringList words_of(const Program& p) {
    return column_cells(p.words.table, word_col::word);
}

// Rows numbered from 1, row `current` current with its word shown, the
// summary that of the rows and the selector enabled with two words or more.
void expect_consistent(const Program& p, int current = 1) {
    const WordWindow& w = p.words;
    const Grid& t = w.table;
    for (int r = 1; r < t.rowCount(); ++r)
        EXPECT_EQ(t.cell(word_col::position, r), QString::number(r));
    EXPECT_EQ(t.currentRow(), current);
    EXPECT_EQ(w.display.text, t.cell(word_col::word, current));
    EXPECT_EQ(w.summary, word_table_summary(t));
    EXPECT_EQ(w.items.enabled(N("RadioGroup1")), t.rowCount() > 2);
}

} // namespace

TEST(WordFilters, RangesExclusionsAndDivisibility) {
    struct Case {
        const char* item;
        QStringList answers;
        QStringList kept;
    };
    const QStringList all = words_of(ten_words());
    const Case cases[] = {
        // Bounds taken as given: a range from 5 down to 3 keeps nothing, its
        // exclusion everything.
        {"N13", {QStringLiteral("5"), QStringLiteral("3")}, {}},
        {"N10", {QStringLiteral("5"), QStringLiteral("3")}, all},
        {"N13",
         {QStringLiteral("2"), QStringLiteral("3")},
         {q(u"با"), q(u"بات"), q(u"ال"), q(u"الل"), q(u"من"), q(u"منه")}},
        {"N12", {QStringLiteral("3"), QStringLiteral("5")}, {q(u"بات"), q(u"ا"), q(u"ال")}},
        {"N9", {QStringLiteral("2"), QStringLiteral("9")}, {q(u"ب"), q(u"منه")}},
        {"N14", {QStringLiteral("2"), QStringLiteral("9")}, {q(u"الله")}},
        {"N11", {QStringLiteral("1"), QStringLiteral("1")}, {q(u"الله")}},
        {"N8", {QStringLiteral("1")}, all},
        {"N8", {QStringLiteral("5")}, {q(u"ال"), q(u"منه")}},
        {"N6", {QStringLiteral("3")}, {q(u"بات"), q(u"الل"), q(u"منه")}},
        {"N7", {QStringLiteral("2")}, {q(u"الله")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        Program p = ten_words();
        const Result r = run_command(p, W, N(c.item), c.answers);
        EXPECT_FALSE(r.refused);
        EXPECT_EQ(r.message, QString());
        EXPECT_EQ(r.focus, Focus::Table);
        if (c.kept.isEmpty()) {
            EXPECT_EQ(p.words.table.rowCount(), 2);
            EXPECT_EQ(words_of(p), QStringList{QString()});
            EXPECT_EQ(p.words.summary, q(u"لا يوجد نتائج"));
            EXPECT_TRUE(p.words.display.text.isEmpty());
            EXPECT_TRUE(p.words.letters.lines().isEmpty());
            EXPECT_FALSE(p.words.items.enabled(N("RadioGroup1")));
        } else {
            EXPECT_EQ(words_of(p), c.kept);
            expect_consistent(p);
        }
    }
    // Filters chain: the letters 2 to 3, then the divisible order numbers.
    Program p = ten_words();
    run_command(p, W, N("N13"), {QStringLiteral("2"), QStringLiteral("3")});
    run_command(p, W, N("N8"), {QStringLiteral("2")});
    EXPECT_EQ(words_of(p), (QStringList{q(u"بات"), q(u"الل"), q(u"منه")}));
}

TEST(WordFilters, UnusableBoundsAndDivisorsChangeNothing) {
    const QString letters = q(u"يجب عليك كتابة حدي الحصر لعدد حروف الكلمة");
    const QString divisor = q(u"أدخل عددا طبيعيا أكبر من الصفر");
    struct Case {
        const char* item;
        QStringList answers;
        QString message;
    };
    const Case cases[] = {
        {"N13", {QStringLiteral(""), QStringLiteral("3")}, letters},
        {"N13", {QStringLiteral("2"), QStringLiteral("x")}, letters},
        {"N10", {QStringLiteral("2"), QStringLiteral("4294967296")}, letters}, // beyond 32 bits
        {"N13", {q(u"٢"), QStringLiteral("3")}, letters}, // digits of another script
        {"N12",
         {QStringLiteral("-1"), QStringLiteral("3")},
         q(u"يجب عليك كتابة حدي الحصر لرقم الترتيب")},
        {"N14",
         {QStringLiteral(" 1"), QStringLiteral("3")},
         q(u"يجب عليك كتابة حدي الحصر لتكرار الكلمة")},
        {"N6", {QStringLiteral("0")}, divisor},
        {"N6", {QStringLiteral("")}, divisor},
        {"N7", {QStringLiteral("99999999999")}, divisor},
        {"N8", {q(u"٣")}, divisor},
    };
    const Program start = ten_words();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        Program p = ten_words();
        EXPECT_EQ(run_command(p, W, N(c.item), c.answers).message, c.message);
        EXPECT_EQ(words_of(p), words_of(start));
        EXPECT_EQ(p.words.summary, start.words.summary);
    }
}

TEST(WordFilters, DeletingTheSelectedWords) {
    struct Case {
        int top, bottom;
        int rowsLeft;
        int current;
    };
    for (const Case& c :
         {Case{3, 5, 7, 2}, Case{1, 2, 8, 1}, Case{9, 10, 8, 8}, Case{1, 10, 0, 1}}) {
        SCOPED_TRACE(c.top);
        Program p = ten_words();
        const QStringList before = words_of(p);
        word_rows_selected(p.words, c.top, c.bottom, c.bottom);
        run_command(p, W, N("N21"));
        if (c.rowsLeft == 0) {
            EXPECT_EQ(p.words.summary, q(u"لا يوجد نتائج"));
            EXPECT_EQ(words_of(p), QStringList{QString()});
            continue;
        }
        QStringList left = before;
        left.erase(left.begin() + c.top - 1, left.begin() + c.bottom);
        EXPECT_EQ(words_of(p), left);
        expect_consistent(p, c.current);
    }
    // The command line selects as a drag does.
    Program p = ten_words();
    run_command(p, W, N("StringGrid1Rows"), {QStringLiteral("3"), QStringLiteral("5")});
    run_command(p, W, N("N21"));
    EXPECT_EQ(p.words.table.dataRowCount(), 7);
}

TEST(WordFilters, TheWordFileOfTheTable) {
    Program p = ten_words();
    const QStringList lines = word_table_lines(p.words);
    const QString rule = QString(43, u'-') + u' ';
    ASSERT_EQ(lines.size(), 6 + 10 + 1);
    EXPECT_EQ(lines[0], p.words.caption);
    EXPECT_EQ(lines[1], q(u"الكلمات 13    النوع 10    الحروف 34"));
    EXPECT_EQ(lines[2], q(u"فرز حسب  ترتيب المصحف"));
    EXPECT_EQ(lines[3], rule);
    EXPECT_EQ(lines[4], q(u"الترتيب  الكلمة        عدد الحروف  التكرار "));
    EXPECT_EQ(lines[4].size(), 43);
    EXPECT_EQ(lines[5], rule);
    EXPECT_EQ(lines[12], q(u"7        الله          4           0004    "));
    EXPECT_EQ(lines[16], rule);
    // A word longer than its column is written whole and shifts its line.
    p.words.table.setCell(word_col::word, 1, QString(16, u'ب'));
    EXPECT_EQ(word_table_lines(p.words)[6],
              u'1' + QString(8, u' ') + QString(16, u'ب') + QStringLiteral("1           0001    "));

    // Written through the save dialog's name, ".doc" appended, in the code
    // page with CR LF; the name is proposed again; a cancel writes nothing.
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("words"));
    EXPECT_EQ(run_command(p, W, N("BitBtn1"), {name}).message, QString());
    const QByteArray bytes = file_bytes(name + QStringLiteral(".doc"));
    EXPECT_EQ(bytes.count("\r\n"), 17);
    EXPECT_TRUE(bytes.contains("\r\n\xC7\xE1\xCA\xD1\xCA\xED\xC8  \xC7\xE1\xDF\xE1\xE3\xC9  "));
    EXPECT_EQ(p.main.wordFileName, name);
    EXPECT_EQ(run_command(p, W, N("BitBtn1"), {QString()}).message, QString());
    // A folder that is not there: the message names the file.
    const Result failed =
        run_command(p, W, N("BitBtn1"), {dir.filePath(QStringLiteral("missing/words"))});
    EXPECT_TRUE(failed.message.contains(QStringLiteral("words.doc")))
        << failed.message.toStdString();
}
