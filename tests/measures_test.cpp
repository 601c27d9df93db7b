// The counting rules, the letter values and the reversing helpers.
#include "measures/letter_values.h"
#include "measures/line_list.h"
#include "measures/measures.h"
#include "measures/resort.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <set>

using namespace tallyra;

namespace {

const QString CRLF = QStringLiteral("\r\n");

} // namespace

TEST(Measures, WordAndLetterCounts) {
    struct Case {
        QString text;
        int words;
        int letters;
    };
    const Case cases[] = {
        {q(u""), 0, 0},
        {q(u"   "), 0, 0},
        {q(u"و"), 1, 1},
        {q(u"اياك نعبد و اياك نستعين"), 5, 19},
        {q(u"اياك نعبد واياك نستعين"), 4, 19},
        {q(u"  الحمد   لله  "), 2, 8},
        {q(u"الحمد   لله"), 2, 8},
        // Long runs of the plain Arabic letters, spaces doubled across runs of
        // eight, and a mark or a letter of another block far inside.
        {q(u"بسم الله  الرحمن   الرحيم الحمد لله رب العلمين"), 8, 36},
        {q(u"بسم الله الرحمن الرحيم الحمد لله رب العلمين الَم"), 9, 39},
        {q(u"بسم الله الرحمن الرحيم الحمد لله رب العلمين الآية"), 9, 41},
        {q(u"نص الآية الكريمة") + CRLF + q(u"الم") + CRLF, 4, 17},
        {q(u"12 الم 34"), 1, 3},
        // Diacritics, digits and other non-letters inside a word do not split it.
        {q(u"بِسْمِ"), 1, 3},
        {q(u"ab12cd"), 1, 4},
        {q(u"الآية"), 1, 5},
        {q(u"abc"), 1, 3},
        // CR LF is one separator, a lone LF none, a space before CR one more.
        {q(u"ab\ncd"), 1, 4},
        {q(u"ab\r\ncd"), 2, 4},
        {q(u"ab \r\ncd"), 3, 4},
        {q(u"ab\tcd"), 1, 4},
        // Tatweel (Lm) and the letters of other scripts are letters.
        {q(u"ـ"), 1, 1},
        {q(u"Omega русский"), 2, 12},
        // No letters at all.
        {q(u"123 ٤٥٦ ... \r\n"), 0, 0},
        {q(u"\u064B\u064C"), 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nb_kalimat(c.text), c.words) << c.text.toStdString();
        EXPECT_EQ(nb_harf(c.text), c.letters) << c.text.toStdString();
        EXPECT_EQ(includ_harf(c.text), c.letters > 0) << c.text.toStdString();
        const WordsAndLetters both = count_words_and_letters(c.text);
        EXPECT_EQ(both.words, c.words) << c.text.toStdString();
        EXPECT_EQ(both.letters, c.letters) << c.text.toStdString();
    }
}

TEST(Measures, LetterAndDigitClasses) {
    EXPECT_TRUE(is_letter(u'ب'));
    EXPECT_TRUE(is_letter(u'ة'));
    EXPECT_TRUE(is_letter(u'ء'));
    EXPECT_FALSE(is_letter(u'\u064E')); // fatha
    EXPECT_FALSE(is_letter(u' '));
    EXPECT_FALSE(is_letter(u'5'));
    EXPECT_TRUE(is_digit(u'7'));
    EXPECT_TRUE(is_digit(u'\u0663'));  // Arabic-Indic three
    EXPECT_TRUE(is_digit(u'\u06F5'));  // extended Arabic-Indic five
    EXPECT_FALSE(is_digit(u'\u00B2')); // superscript two, below U+0100
    EXPECT_FALSE(is_digit(u'\u2155')); // a vulgar fraction is no decimal digit
}

// The letter test is a table lookup; it must agree with the letter categories
// for every UTF-16 code unit, surrogates and unassigned ones included.
TEST(Measures, LetterTableMatchesTheLetterCategoriesOfEveryCodeUnit) {
    int letters = 0;
    for (int u = 0; u < 0x10000; ++u) {
        const QChar c{char16_t(u)};
        const QChar::Category cat = c.category();
        const bool letter = cat == QChar::Letter_Uppercase || cat == QChar::Letter_Lowercase ||
                            cat == QChar::Letter_Titlecase || cat == QChar::Letter_Modifier ||
                            cat == QChar::Letter_Other;
        ASSERT_EQ(is_letter(c), letter) << "U+" << std::hex << u;
        letters += letter;
    }
    // The Arabic letters that the word and letter counts take in bulk.
    for (char16_t u = 0x0620; u <= 0x064A; ++u)
        EXPECT_TRUE(is_letter(u)) << "U+" << std::hex << int(u);
    // Most of the range is letters (the CJK and Hangul blocks alone).
    EXPECT_GT(letters, 40000);
}

TEST(Measures, StringHelpers) {
    EXPECT_EQ(invers(q(u"الم ذلك")), q(u"كلذ ملا"));
    EXPECT_EQ(invers(QString()), QString());
    EXPECT_EQ(khalam(q(u"00012 = ب")), q(u"ب"));
    EXPECT_EQ(khalam(q(u"بِسْمِ 12")), q(u"بسم"));
    EXPECT_EQ(khalam(QString()), QString());
    EXPECT_EQ(ikmal_jomla(q(u"ab"), 5), q(u"ab   "));
    EXPECT_EQ(ikmal_jomla(q(u"abcdef"), 5), q(u"abcdef"));
    EXPECT_EQ(ikmal_jomla(QString(), -3), QString());
    EXPECT_EQ(zero_pad(7, 3), q(u"007"));
    EXPECT_EQ(zero_pad(6948, 3), q(u"6948"));
    EXPECT_EQ(zero_pad(-5, 3), q(u"-005"));
}

// Numbers below 10000 come from a shared table: they must read as the plain
// conversion and padding do, at every width, on both sides of the table's
// end and for negative numbers.
TEST(Measures, DecimalAndPaddedNumbers) {
    std::vector<long long> numbers;
    for (long long n = -12; n <= 10012; ++n)
        numbers.push_back(n);
    numbers.insert(numbers.end(), {99999, 123456789012LL, -4000000000LL});
    for (const long long n : numbers) {
        const QString plain = QString::number(n);
        ASSERT_EQ(decimal(n), plain) << n;
        const QString digits = n < 0 ? plain.mid(1) : plain;
        for (int width = -1; width <= 6; ++width) {
            const QString padded = (n < 0 ? QStringLiteral("-") : QString()) +
                                   QString(std::max<qsizetype>(0, width - digits.size()), u'0') +
                                   digits;
            ASSERT_EQ(zero_pad(n, width), padded) << n << " " << width;
        }
    }
    // A shared number is an ordinary text once changed.
    QString n = decimal(42);
    n += u'!';
    EXPECT_EQ(n, q(u"42!"));
    EXPECT_EQ(decimal(42), q(u"42"));
}

TEST(Measures, PrimeFactors) {
    const std::pair<int, const char16_t*> cases[] = {
        {1, u"1"},
        {0, u"0"},
        {-5, u"0"},
        {2, u"2"},
        {6, u"2.3"},
        {9, u"3.3"},
        {12, u"2.2.3"},
        {49, u"7.7"},
        {97, u"97"},
        {360, u"2.2.2.3.3.5"},
        {786, u"2.3.131"},
        {2147483647, u"2147483647"},
        {2147483646, u"2.3.3.7.11.31.151.331"},
    };
    for (const auto& [n, text] : cases)
        EXPECT_EQ(analys(n), q(text)) << n;
}

TEST(Measures, DigitsAndNumbers) {
    EXPECT_EQ(numberall(q(u"00012 = ب")), 12);
    EXPECT_EQ(numberall(q(u"ب")), 0);
    EXPECT_EQ(numberall(QString()), 0);
    EXPECT_EQ(numberall(q(u"1a2b3")), 123);
    // Digits that do not convert are an error value, never a crash.
    EXPECT_FALSE(numberall(q(u"\u0661\u0662")).has_value());
    EXPECT_FALSE(numberall(q(u"99999999999")).has_value());
    EXPECT_EQ(numberall(q(u"2147483647")), 2147483647);

    EXPECT_TRUE(number_only(q(u"0123")));
    EXPECT_TRUE(number_only(q(u"\u0661\u0662")));
    EXPECT_FALSE(number_only(QString()));
    EXPECT_FALSE(number_only(q(u"12 ")));
    EXPECT_FALSE(number_only(q(u"-1")));
    EXPECT_FALSE(number_only(q(u"١٢a")));

    EXPECT_EQ(to_int(q(u"42")), 42);
    EXPECT_EQ(to_int(q(u"  -7")), -7);
    EXPECT_EQ(to_int(q(u"-2147483648")), -2147483647 - 1);
    EXPECT_FALSE(to_int(q(u"2147483648")).has_value());
    EXPECT_FALSE(to_int(QString()).has_value());
    EXPECT_FALSE(to_int(q(u"-")).has_value());
    EXPECT_FALSE(to_int(q(u"12 ")).has_value());
    EXPECT_FALSE(to_int(q(u"٣")).has_value());
}

TEST(LetterValues, AbjadAndNatural) {
    struct Case {
        QString text;
        const char16_t* abjad;
        const char16_t* natural;
    };
    const Case cases[] = {
        {q(u"بسم الله الرحمن الرحيم"), u"     حساب الجمل 786 = 2.3.131",
         u"     الحساب الطبيعي 123 = 3.41"},
        {q(u"الله"), u"     حساب الجمل 66 = 2.3.11", u"     الحساب الطبيعي 12 = 2.2.3"},
        {q(u"آ"), u"     حساب الجمل 1 = 1", u"     الحساب الطبيعي 0 = 0"},
        {q(u""), u"     حساب الجمل 0 = 0", u"     الحساب الطبيعي 0 = 0"},
        {q(u"  123 abc"), u"     حساب الجمل 0 = 0", u"     الحساب الطبيعي 0 = 0"},
        {q(u"بِسْمِ"), u"     حساب الجمل 102 = 2.3.17", u"     الحساب الطبيعي 30 = 2.3.5"},
        {q(u"غ"), u"     حساب الجمل 1000 = 2.2.2.5.5.5", u"     الحساب الطبيعي 32 = 2.2.2.2.2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(jomal(c.text), q(c.abjad)) << c.text.toStdString();
        EXPECT_EQ(tabi3i(c.text), q(c.natural)) << c.text.toStdString();
    }
    EXPECT_EQ(abjad_value(q(u"بِسْمِ")), abjad_value(q(u"بسم")));
}

TEST(LetterValues, NaturalValuesNumberThe35FormsOnce) {
    const QString forms = q(u"ءأؤإئابةتثجحخدذرزسشصضطظعغفقكلمنهوىي");
    ASSERT_EQ(forms.size(), 35);
    std::set<int> values;
    for (QChar c : forms)
        values.insert(natural_value(QString(c)));
    EXPECT_EQ(values.size(), 35u);
    EXPECT_EQ(*values.begin(), 1);
    EXPECT_EQ(*values.rbegin(), 35);
}

TEST(LineList, SortedModeKeepsAscendingOrderAndInsertsWhereTold) {
    LineList list;
    list.setSorted(true);
    for (const char16_t* line : {u"003 = م", u"--------------", u"001 = س", u"001 = ب"})
        list.add(q(line));
    list.insert(0, q(u"عدد الحروف 3"));
    EXPECT_EQ(list.lines(), QStringList({q(u"عدد الحروف 3"), q(u"--------------"), q(u"001 = ب"),
                                         q(u"001 = س"), q(u"003 = م")}));
    list.insert(99, q(u"end"));
    EXPECT_EQ(list.lines().last(), q(u"end"));
}

TEST(Resort, LetterListReversal) {
    const QStringList head = {q(u"H1"), q(u"H2"), q(u"H3"), q(u"H4"), q(u"---S")};
    LineList list(head + QStringList{q(u"L1"), q(u"L2"), q(u"L3"), q(u"L4"), q(u"L5")});
    list.setSorted(true);
    EXPECT_EQ(alkhat(list), 4);
    trilistbox(list);
    EXPECT_FALSE(list.sorted());
    EXPECT_EQ(list.lines(), head + QStringList({q(u"L5"), q(u"L4"), q(u"L3"), q(u"L2"), q(u"L1")}));
    trilistbox(list);
    EXPECT_EQ(list.lines(), head + QStringList({q(u"L1"), q(u"L2"), q(u"L3"), q(u"L4"), q(u"L5")}));

    LineList separatorLast(head);
    trilistbox(separatorLast);
    EXPECT_EQ(separatorLast.lines(), head);

    // Without a separator there is nothing identified as letter lines.
    LineList plain({q(u"بسم الله"), q(u"x")});
    EXPECT_EQ(alkhat(plain), -1);
    trilistbox(plain);
    EXPECT_EQ(plain.lines(), QStringList({q(u"بسم الله"), q(u"x")}));
    LineList empty;
    trilistbox(empty);
    EXPECT_TRUE(empty.isEmpty());
}

TEST(Resort, TableReversal) {
    Grid verses(8, 4);
    for (int r = 1; r <= 3; ++r)
        for (int c = 0; c < 8; ++c)
            verses.setCell(c, r, QString::number(r * 10 + c));
    retri_aya(verses);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(verses.cell(1, r), QString::number(r * 10 + 1)) << "position stays";
        for (int c : {0, 2, 3, 4, 5, 6, 7})
            EXPECT_EQ(verses.cell(c, r), QString::number((4 - r) * 10 + c));
    }
    EXPECT_EQ(verses.cell(0, 0), QString()) << "the header row never moves";

    Grid surahs(7, 115);
    for (int r = 1; r <= 114; ++r) {
        surahs.setCell(0, r, QString::number(r));
        surahs.setCell(1, r, zero_pad(r, 3));
    }
    retri_soura(surahs);
    EXPECT_EQ(surahs.cell(0, 1), q(u"114"));
    EXPECT_EQ(surahs.cell(1, 1), q(u"114"));
    EXPECT_EQ(surahs.cell(1, 114), q(u"001"));

    Grid one(8, 2);
    one.setCell(4, 1, q(u"x"));
    retri_aya(one);
    retri_soura(one);
    EXPECT_EQ(one.cell(4, 1), q(u"x"));
    Grid none(7, 1);
    retri_soura(none);
    EXPECT_EQ(none.rowCount(), 1);
}

// Every function is total: odd input gives a result, never a crash, and the
// results keep the relations that hold between the measures.
TEST(Measures, TotalOnAnyText) {
    QString surrogates;
    surrogates += QChar(0xD800);
    surrogates += QChar(0xDFFF);
    // Each text with its digits' value (empty: they do not convert), whether
    // it is all digits, and its abjad and natural sums (ب is 2 and 9).
    struct Case {
        QString text;
        std::optional<int> digits;
        bool onlyDigits;
        int abjad;
        int natural;
    };
    const Case cases[] = {
        {QString(), 0, false, 0, 0},
        {q(u" "), 0, false, 0, 0},
        {q(u"\r"), 0, false, 0, 0},
        {q(u"\n"), 0, false, 0, 0},
        {q(u"\r\n\r\n"), 0, false, 0, 0},
        {q(u"\t\tب\t"), 0, false, 2, 9},
        {q(u"\u064E\u0651"), 0, false, 0, 0},
        {q(u"ـــ"), 0, false, 0, 0},
        {surrogates, 0, false, 0, 0},
        {q(u"ب") + surrogates + q(u"ب"), 0, false, 4, 18},
        {q(u"\U0001D400\U0001D401"), 0, false, 0, 0}, // letters outside the 16-bit range
        {q(u"٠١٢٣٤٥٦٧٨٩"), std::nullopt, true, 0, 0},
        {q(u"abc DEF ghi"), 0, false, 0, 0},
        {q(u"中文 字"), 0, false, 0, 0},
        {QString(100000, u'ب') + QString(100000, u' ') + QString(100000, u'\r'), 0, false, 200000,
         900000},
    };
    for (const Case& c : cases) {
        const QString& t = c.text;
        SCOPED_TRACE(t.left(20).toStdString());
        const int letters = nb_harf(t);
        const int words = nb_kalimat(t);
        EXPECT_LE(letters, t.size());
        EXPECT_LE(words, std::max(letters, 0));
        EXPECT_EQ(words == 0, letters == 0);
        EXPECT_EQ(khalam(t).size(), letters);
        EXPECT_EQ(invers(invers(t)), t);
        EXPECT_EQ(ikmal_jomla(t, 3).size(), std::max<qsizetype>(t.size(), 3));
        EXPECT_EQ(numberall(t), c.digits);
        EXPECT_EQ(number_only(t), c.onlyDigits);
        EXPECT_EQ(abjad_value(t), c.abjad);
        EXPECT_EQ(natural_value(t), c.natural);
        EXPECT_TRUE(jomal(t).endsWith(QString::number(c.abjad) + q(u" = ") + analys(c.abjad)));
        EXPECT_TRUE(tabi3i(t).endsWith(QString::number(c.natural) + q(u" = ") + analys(c.natural)));
    }
}
