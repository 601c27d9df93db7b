// The verse text of both variants and the surah tables.
#include "corpus/corpus.h"
#include "corpus/surahs.h"
#include "measures/measures.h"
#include "measures/verse_facts.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QSet>
#include <map>

using namespace tallyra;

namespace {

const Corpus& corpus() {
    return Corpus::instance();
}

const QString kWaw = q(u"و");

} // namespace

TEST(Corpus, SampleLinesOfBothVariants) {
    struct Sample {
        int i;
        const char16_t* separated;
        const char16_t* merged;
    };
    const Sample samples[] = {
        {1, u"بسم الله الرحمن الرحيم", u"بسم الله الرحمن الرحيم"},
        {2, u"الحمد لله رب العلمين", u"الحمد لله رب العلمين"},
        {3, u"الرحمن الرحيم", u"الرحمن الرحيم"},
        {4, u"ملك يوم الدين", u"ملك يوم الدين"},
        {5, u"اياك نعبد و اياك نستعين", u"اياك نعبد واياك نستعين"},
        {7, u"صرط الذين انعمت عليهم غير المغضوب عليهم و لا الضالين",
         u"صرط الذين انعمت عليهم غير المغضوب عليهم ولا الضالين"},
        {8, u"الم", u"الم"},
        {9, u"ذلك الكتب لا ريب فيه هدي للمتقين", u"ذلك الكتب لا ريب فيه هدي للمتقين"},
        {6236, u"من الجنه و الناس", u"من الجنه والناس"},
    };
    for (const Sample& s : samples) {
        EXPECT_EQ(corpus().verse(Variant::Separated, s.i), q(s.separated)) << s.i;
        EXPECT_EQ(corpus().verse(Variant::Merged, s.i), q(s.merged)) << s.i;
    }
    EXPECT_EQ(corpus().verse(Variant::Separated, 0), QString());
    EXPECT_EQ(corpus().verse(Variant::Merged, 6237), QString());
}

TEST(Corpus, FiguresOfEachVariant) {
    struct Figures {
        Variant variant;
        int words, spaces, standaloneWaw, distinctWords;
        int largestWords, largestLetters, oneWordVerses, oneWordLetters;
    };
    const Figures expected[] = {
        {Variant::Separated, 86968, 80732, 9535, 13142, 146, 543, 24, 81},
        {Variant::Merged, 77433, 71197, 0, 14542, 128, 543, 28, 105},
    };
    for (const Figures& e : expected) {
        const QStringList& lines = corpus().lines(e.variant);
        ASSERT_EQ(lines.size(), kVerseCount);
        int words = 0, letters = 0, spaces = 0, waws = 0, maxWords = 0, maxLetters = 0;
        int minWords = 1000, minLetters = 1000, oneWord = 0, oneWordLetters = 0;
        QSet<QString> distinct;
        for (const QString& line : lines) {
            const int w = nb_kalimat(line);
            const int l = nb_harf(line);
            words += w;
            letters += l;
            spaces += int(line.count(u' '));
            maxWords = std::max(maxWords, w);
            maxLetters = std::max(maxLetters, l);
            minWords = std::min(minWords, w);
            minLetters = std::min(minLetters, l);
            if (w == 1) {
                ++oneWord;
                oneWordLetters += l;
            }
            for (const QString& word : line.split(u' ')) {
                distinct.insert(word);
                if (word == kWaw)
                    ++waws;
            }
        }
        EXPECT_EQ(words, e.words);
        EXPECT_EQ(letters, 322604);
        EXPECT_EQ(spaces, e.spaces);
        EXPECT_EQ(waws, e.standaloneWaw);
        EXPECT_EQ(int(distinct.size()), e.distinctWords);
        EXPECT_EQ(maxWords, e.largestWords);
        EXPECT_EQ(maxLetters, e.largestLetters);
        EXPECT_EQ(minWords, 1);
        EXPECT_EQ(minLetters, 2);
        EXPECT_EQ(oneWord, e.oneWordVerses);
        EXPECT_EQ(oneWordLetters, e.oneWordLetters);
    }
    // Verse 289 alone holds 146 words.
    int largest = 0;
    for (int i = 1; i <= kVerseCount; ++i)
        if (nb_kalimat(corpus().verse(Variant::Separated, i)) == 146)
            largest = largest == 0 ? i : -1;
    EXPECT_EQ(largest, 289);
}

// The counts kept for every verse are the counting rules' own.
TEST(Corpus, KeptCountsOfEveryVerseAreTheMeasures) {
    for (const Variant v : {Variant::Separated, Variant::Merged}) {
        const VerseFacts& facts = corpus().derived<VerseFacts>(v);
        long long words = 0;
        for (int i = 1; i <= kVerseCount; ++i) {
            const QString& line = corpus().verse(v, i);
            ASSERT_EQ(facts.words[i], nb_kalimat(line)) << i;
            ASSERT_EQ(facts.letters[i], nb_harf(line)) << i;
            words += facts.words[i];
        }
        EXPECT_EQ(facts.totalWords, words);
        EXPECT_EQ(facts.totalLetters, 322604);
        EXPECT_TRUE(facts.linesEndInLetters);
    }
}

TEST(Corpus, TextIsTheBareSkeletonWithSingleSpaces) {
    const QString alphabet = q(u"ابتثجحخدذرزسشصضطظعغفقكلمنهوي");
    for (const QString& line : corpus().lines(Variant::Separated)) {
        ASSERT_FALSE(line.isEmpty());
        ASSERT_FALSE(line.startsWith(u' ') || line.endsWith(u' ') || line.contains(q(u"  ")))
            << line.toStdString();
        for (QChar c : line)
            ASSERT_TRUE(c == u' ' || alphabet.contains(c)) << line.toStdString();
    }
}

TEST(Corpus, VariantsDifferOnlyInTheJoinedWaw) {
    int differing = 0;
    for (int i = 1; i <= kVerseCount; ++i) {
        const QString& s = corpus().verse(Variant::Separated, i);
        const QString& m = corpus().verse(Variant::Merged, i);
        if (s != m)
            ++differing;
        ASSERT_EQ(khalam(s), khalam(m)) << i;
        ASSERT_FALSE(s.endsWith(q(u" و"))) << i;
    }
    EXPECT_EQ(differing, 4498);
}

TEST(Corpus, LetterTotals) {
    const std::map<char16_t, int> expected = {
        {u'ا', 52655}, {u'ب', 11491}, {u'ت', 10520}, {u'ث', 1414},  {u'ج', 3317},  {u'ح', 4140},
        {u'خ', 2497},  {u'د', 5991},  {u'ذ', 4932},  {u'ر', 12403}, {u'ز', 1599},  {u'س', 6010},
        {u'ش', 2124},  {u'ص', 2074},  {u'ض', 1686},  {u'ط', 1273},  {u'ظ', 853},   {u'ع', 9405},
        {u'غ', 1221},  {u'ف', 8747},  {u'ق', 7034},  {u'ك', 10497}, {u'ل', 38102}, {u'م', 26735},
        {u'ن', 27268}, {u'ه', 17194}, {u'و', 25676}, {u'ي', 25746},
    };
    for (Variant v : {Variant::Separated, Variant::Merged}) {
        std::map<char16_t, int> counts;
        for (const QString& line : corpus().lines(v))
            for (QChar c : line)
                if (c != u' ')
                    ++counts[c.unicode()];
        EXPECT_EQ(counts, expected);
    }
}

TEST(Corpus, WholeTextEndsEveryLineWithCrLf) {
    for (Variant v : {Variant::Separated, Variant::Merged}) {
        const QString whole = corpus().wholeText(v);
        qsizetype length = 0;
        for (const QString& line : corpus().lines(v))
            length += line.size();
        EXPECT_EQ(whole.size(), length + 2 * kVerseCount);
        EXPECT_TRUE(whole.endsWith(QStringLiteral("\r\n")));
        EXPECT_TRUE(whole.startsWith(q(u"بسم الله الرحمن الرحيم\r\nالحمد")));
        EXPECT_EQ(whole.count(QStringLiteral("\r\n")), kVerseCount);
    }
}

TEST(Corpus, MergingTheWaw) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"اياك نعبد و اياك نستعين", u"اياك نعبد واياك نستعين"},
        {u"و قال و هو", u"وقال وهو"},
        {u"و و لا", u"وو لا"},
        {u"قال و", u"قال و"},
        {u"و", u"و"},
        {u"ولا و", u"ولا و"},
        {u"", u""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(merge_waw(q(in)), q(out)) << QString::fromUtf16(in).toStdString();

    const Corpus small(q(u"و لا\nقال و هو\n"));
    EXPECT_EQ(small.verseCount(), 2);
    EXPECT_EQ(small.verse(Variant::Merged, 1), q(u"ولا"));
    EXPECT_EQ(small.verse(Variant::Merged, 2), q(u"قال وهو"));
}

// Derived data is made once per corpus and variant, from that corpus's text.
struct FirstLine {
    static inline int made = 0;
    QString text;
    FirstLine(const Corpus& c, Variant v) : text(c.verse(v, 1)) { ++made; }
};

TEST(Corpus, DerivedDataIsMadeOncePerCorpusAndVariant) {
    const Corpus one(q(u"و لا\n"));
    const Corpus two(q(u"قال و هو\n"));
    EXPECT_EQ(one.derived<FirstLine>(Variant::Separated).text, q(u"و لا"));
    EXPECT_EQ(one.derived<FirstLine>(Variant::Merged).text, q(u"ولا"));
    EXPECT_EQ(two.derived<FirstLine>(Variant::Merged).text, q(u"قال وهو"));
    EXPECT_EQ(&one.derived<FirstLine>(Variant::Merged), &one.derived<FirstLine>(Variant::Merged));
    EXPECT_EQ(FirstLine::made, 3);
}

TEST(Surahs, LookupsInAndOutOfRange) {
    EXPECT_EQ(name_surah(1), q(u"001-الفاتحة"));
    EXPECT_EQ(name_surah(7), q(u"001-الفاتحة"));
    EXPECT_EQ(name_surah(8), q(u"002-البقرة"));
    EXPECT_EQ(name_surah(6236), q(u"114-الناس"));
    EXPECT_EQ(name_surah(0), QString());
    EXPECT_EQ(name_surah(6237), QString());
    EXPECT_EQ(name_surah(-1), QString());

    const std::pair<int, int> verseNumbers[] = {{8, 1}, {293, 286}, {294, 1},  {6236, 6}, {1, 1},
                                                {7, 7}, {0, 0},     {6237, 0}, {-4, 0}};
    for (const auto& [i, n] : verseNumbers)
        EXPECT_EQ(number_aya(i), n) << i;

    const std::pair<int, int> firsts[] = {{2, 8}, {114, 6231}, {1, 1}, {0, 1}, {115, 1}, {-9, 1}};
    for (const auto& [k, i] : firsts)
        EXPECT_EQ(surah(k), i) << k;

    EXPECT_EQ(to_int(adad_ayat(2)), 286);
    EXPECT_EQ(to_int(adad_ayat(108)), 3);
    EXPECT_EQ(adad_ayat(115), QString());
    EXPECT_EQ(adad_ayat(0), QString());

    EXPECT_EQ(surah_label(1), q(u"001-الفاتحة"));
    EXPECT_EQ(surah_label(114), q(u"114-الناس"));
    EXPECT_EQ(ism_soura()[3], q(u"آل عمران"));
    EXPECT_EQ(ism_soura()[34], q(u"سبإ"));
    EXPECT_EQ(ism_soura()[93], q(u"الضحى"));
}

TEST(Surahs, RangesCoverTheCorpusInOrder) {
    const auto& f = surah_souar();
    EXPECT_EQ(f[1], 7);
    EXPECT_EQ(f[2], 293);
    EXPECT_EQ(f[3], 493);
    EXPECT_EQ(f[4], 669);
    EXPECT_EQ(f[113], 6230);
    EXPECT_EQ(f[114], 6236);
    int sum = 0;
    for (int k = 1; k <= kSurahCount; ++k) {
        sum += verse_count(k);
        EXPECT_EQ(first_verse(k), k == 1 ? 1 : f[k - 1] + 1);
        EXPECT_EQ(surah_of(first_verse(k)), k);
        EXPECT_EQ(surah_of(last_verse(k)), k);
        EXPECT_EQ(number_aya(last_verse(k)), verse_count(k));
    }
    EXPECT_EQ(sum, 6236);
    EXPECT_EQ(first_verse(113), 6226);
    EXPECT_EQ(first_verse(114), 6231);
}

TEST(Surahs, TotalsOfSomeSurahs) {
    struct Totals {
        int k, separatedWords, mergedWords, letters;
    };
    const Totals expected[] = {
        {1, 31, 29, 139}, {2, 6948, 6117, 25613}, {3, 3948, 3481, 14605}, {114, 21, 20, 80}};
    for (const Totals& e : expected) {
        int words[2] = {0, 0};
        int letters = 0;
        for (int i = first_verse(e.k); i <= last_verse(e.k); ++i) {
            words[0] += nb_kalimat(corpus().verse(Variant::Separated, i));
            words[1] += nb_kalimat(corpus().verse(Variant::Merged, i));
            letters += nb_harf(corpus().verse(Variant::Separated, i));
        }
        EXPECT_EQ(words[0], e.separatedWords) << e.k;
        EXPECT_EQ(words[1], e.mergedWords) << e.k;
        EXPECT_EQ(letters, e.letters) << e.k;
    }
}
