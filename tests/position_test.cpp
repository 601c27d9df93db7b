// Finding the n-th word or letter in the display box and through the verse
// table: what is selected and marked, the summary line, and the refusals.
#include "measures/measures.h"
#include "search/position.h"
#include "shell/dispatch.h"
#include "table/frame.h"
#include "table/ordering.h"
#include "table/session.h"
#include "table/tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QLocale>

using namespace tallyra;

namespace {

QString selected(const Session& s) {
    return s.display.text.mid(s.display.selectionStart, s.display.selectionLength);
}

Mark blue(int start, int length) {
    return {start, length, MarkKind::BlueUnderline};
}

class Position : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    Session s;
};

const QString kBadNumber = q(u"هناك خطأ في كتابة الرقم");
const QString kNoSuchWord = q(u"قد تجاوزت عدد الكلمات الموجودة في النص");
const QString kNoSuchLetter = q(u"لا يوجد هذا الرقم لقد تجاوزت الحدود");

} // namespace

TEST_F(Position, WordOfTheDisplayBox) {
    BitBtn3Click(s);
    EXPECT_EQ(N22Click(s, q(u"2")), QString());
    EXPECT_EQ(s.label, q(u"الكلمة رقم 2=2   هي كلمة  'الله'   موقعها  % 36.84211"));
    EXPECT_EQ(selected(s), q(u"الله"));
    EXPECT_EQ(s.display.marks, std::vector<Mark>{blue(4, 4)});

    // Another lookup keeps the first mark.
    EXPECT_EQ(N22Click(s, q(u"4")), QString());
    EXPECT_EQ(selected(s), q(u"الرحيم"));
    EXPECT_EQ(s.display.marks, (std::vector<Mark>{blue(4, 4), blue(16, 6)}));
    EXPECT_TRUE(s.label.endsWith(q(u"% 100.00000")));
    // The search term is not changed, and the phrase list's marking ends.
    EXPECT_EQ(s.search.j, 0);
    EXPECT_EQ(s.search.n, 0);
}

TEST_F(Position, LetterOfTheDisplayBox) {
    BitBtn3Click(s);
    EXPECT_EQ(N29Click(s, q(u"19")), QString());
    EXPECT_EQ(selected(s), q(u"م"));
    EXPECT_EQ(s.display.selectionStart, 21);
    EXPECT_EQ(s.label, q(u"الحرف رقم 19 = 19   هو الحرف 'م'   موقعه % 100.00000"));
    EXPECT_EQ(N29Click(s, q(u"1")), QString());
    EXPECT_EQ(s.label, q(u"الحرف رقم 1 = 1   هو الحرف 'ب'   موقعه % 05.26316"));
    EXPECT_EQ(s.display.marks.size(), 2u);
}

TEST_F(Position, TheLastWordOfASurahIncludesItsTrailingSpace) {
    BitBtn2Click(s); // the display box shows surah 1
    EXPECT_EQ(N22Click(s, q(u"31")), QString());
    EXPECT_EQ(selected(s), q(u"الضالين "));
    EXPECT_EQ(N22Click(s, q(u"32")), kNoSuchWord);
}

TEST_F(Position, RefusedNumbers) {
    BitBtn3Click(s);
    struct Case {
        const char16_t* typed;
        QString word;
        QString letter;
    };
    const Case cases[] = {
        {u"0", kNoSuchWord, kNoSuchLetter},       {u"-1", kNoSuchWord, kNoSuchLetter},
        {u"20", kNoSuchWord, kNoSuchLetter},      {u"abc", kBadNumber, kBadNumber},
        {u"١", kBadNumber, kBadNumber},           {u" ", kBadNumber, kBadNumber},
        {u"99999999999", kBadNumber, kBadNumber}, {u"2.5", kBadNumber, kBadNumber},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString());
        Session fresh;
        BitBtn3Click(fresh);
        const QString label = fresh.label;
        EXPECT_EQ(N22Click(fresh, q(c.typed)), c.word);
        EXPECT_EQ(N29Click(fresh, q(c.typed)), c.letter);
        EXPECT_EQ(fresh.label, label);
        EXPECT_TRUE(fresh.display.marks.empty());
        EXPECT_EQ(fresh.table.currentRow(), 1);
    }
    // Cancelled or empty: nothing at all.
    const quint64 revision = s.table.revision();
    for (auto lookup : {N22Click, N28Click, N29Click, N30Click})
        EXPECT_EQ(lookup(s, QString()), QString());
    EXPECT_TRUE(s.display.marks.empty());
    EXPECT_EQ(s.table.revision(), revision);
    // The table lookups refuse what lies beyond the table's totals.
    EXPECT_EQ(N28Click(s, q(u"86969")), kNoSuchWord);
    EXPECT_EQ(N30Click(s, q(u"322605")), kNoSuchLetter);
    EXPECT_EQ(N30Click(s, q(u"0")), kNoSuchLetter);
    EXPECT_EQ(N28Click(s, q(u"x")), kBadNumber);
}

TEST_F(Position, LetterLookupInAnEmptyDisplayBox) {
    s.display.replace(QString());
    EXPECT_EQ(N29Click(s, q(u"1")), q(u"لايوجد نص لتبحث فيه"));
    EXPECT_EQ(N29Click(s, QString()), q(u"لايوجد نص لتبحث فيه"));
    // So it asks for no number there.
    Program p;
    p.main.display.replace(QString());
    EXPECT_TRUE(dialogs_asked(p, WindowId::Main, QStringLiteral("N29")).empty());
    BitBtn3Click(p.main);
    ASSERT_EQ(dialogs_asked(p, WindowId::Main, QStringLiteral("N29")).size(), 1u);
    EXPECT_EQ(dialogs_asked(p, WindowId::Main, QStringLiteral("N29"))[0].caption,
              q(u" البحث عن الحرف ذو الرقم "));
}

TEST_F(Position, WordOfTheVerseTable) {
    BitBtn3Click(s);
    // Word 5 of the table is the first word of verse 2.
    EXPECT_EQ(N28Click(s, q(u"5")), QString());
    EXPECT_EQ(s.table.currentRow(), 2);
    EXPECT_EQ(selected(s), q(u"الحمد"));
    EXPECT_EQ(s.display.marks, std::vector<Mark>{blue(0, 5)});
    EXPECT_TRUE(s.label.startsWith(q(u"الكلمة رقم 5=5   هي كلمة  'الحمد'   موقعها  % 00.00")));

    // The last word of the table: the last row, the whole of the letters.
    EXPECT_EQ(N28Click(s, q(u"86968")), QString());
    EXPECT_EQ(s.table.currentRow(), 6236);
    EXPECT_EQ(selected(s), q(u"الناس"));
    EXPECT_EQ(s.label, q(u"الكلمة رقم 86968=2.2.2.7.1553   هي كلمة  'الناس'   موقعها  % "
                         u"100.00000"));

    // The table's order counts: by word count, word 1 is a one-word verse.
    select_ordering_item(s, 3);
    N28Click(s, q(u"1"));
    EXPECT_EQ(s.table.currentRow(), 1);
    EXPECT_EQ(selected(s), s.table.cell(verse_col::text, 1));
    EXPECT_EQ(nb_kalimat(selected(s)), 1);
}

TEST_F(Position, LetterOfTheVerseTable) {
    BitBtn3Click(s);
    EXPECT_EQ(N30Click(s, q(u"20")), QString());
    EXPECT_EQ(s.table.currentRow(), 2);
    EXPECT_EQ(selected(s), q(u"ا"));
    EXPECT_EQ(s.display.selectionStart, 0);
    // A lookup that lands in the current row keeps the marks already there.
    EXPECT_EQ(N30Click(s, q(u"21")), QString());
    EXPECT_EQ(s.display.marks, (std::vector<Mark>{blue(0, 1), blue(1, 1)}));
    EXPECT_EQ(N30Click(s, q(u"322604")), QString());
    EXPECT_EQ(s.table.currentRow(), 6236);
    EXPECT_TRUE(s.label.endsWith(q(u"'س'   موقعه % 100.00000")));
}

TEST(PositionFormat, Percentage) {
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(percentage_text(0), q(u"% 00.00000"));
    EXPECT_EQ(percentage_text(5.0), q(u"% 05.00000"));
    EXPECT_EQ(percentage_text(700.0 / 19.0), q(u"% 36.84211"));
    EXPECT_EQ(percentage_text(100), q(u"% 100.00000"));
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(percentage_text(5.0), q(u"% 05,00000"));
    QLocale::setDefault(QLocale::c());
}
