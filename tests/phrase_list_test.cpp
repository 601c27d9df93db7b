// The phrase list: adding, deleting and clearing, its menu, the walk of the
// search for at least one phrase against its literal statement, the five
// searches' corpus figures, rows and summaries, and the list files.
#include "measures/measures.h"
#include "search/phrase_list.h"
#include "search/search.h"
#include "shell/dispatch.h"
#include "shell/program.h"
#include "table/frame.h"
#include "table/tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace tallyra;

namespace {

constexpr WindowId P = WindowId::PhraseList;

// The walk as it is stated: positions k = 1, 2, ... while k is below the
// length; at each, the phrases in list order, a match adding 1 and moving
// k past a match longer than one character.
long long literal_walk(const QString& text, const QStringList& phrases, bool independent) {
    const auto letter = [&](qsizetype i) { // from 1
        return i >= 1 && i <= text.size() && is_letter(text[i - 1]);
    };
    const auto occurs = [&](const QString& p, qsizetype k) {
        if (k < 1 || k > text.size() || k - 1 + p.size() > text.size())
            return false;
        if (QStringView(text).sliced(k - 1, p.size()) != p)
            return false;
        return !independent || (!letter(k - 1) && !letter(k + p.size()));
    };
    long long c = 0;
    qsizetype k = 0;
    while (k < text.size()) {
        ++k;
        for (const QString& p : phrases)
            if (occurs(p, k)) {
                ++c;
                if (p.size() > 1)
                    k += p.size();
            }
    }
    return c;
}

Program with_phrases(const QStringList& phrases, bool independent = true) {
    Program p;
    p.phraseList.phrases = phrases;
    choose_independent(p.phraseList, independent);
    return p;
}

const QString kAllah = q(u"الله");
const QString kLillah = q(u"لله");

} // namespace

TEST(PhraseList, AddDeleteAndClear) {
    Program p;
    PhraseListWindow& w = p.phraseList;
    EXPECT_TRUE(phrases_independent(w));
    EXPECT_EQ(phrase_count_label(w), QString());
    EXPECT_FALSE(w.items.enabled(N("BitBtn2"))) << "nothing to delete";

    bool added = false;
    EXPECT_EQ(idhafa(w, QString(), added), QString());
    EXPECT_FALSE(added);
    for (const QString& phrase : {kAllah, q(u"قل "), kLillah}) {
        EXPECT_EQ(idhafa(w, phrase, added), QString());
        EXPECT_TRUE(added);
    }
    EXPECT_EQ(w.phrases, (QStringList{kAllah, q(u"قل "), kLillah}));
    EXPECT_EQ(phrase_count_label(w), N("3"));
    // A phrase already there is selected and refused; so is more than a line.
    EXPECT_EQ(idhafa(w, kLillah, added), q(u"هذه العبارة سبق وأن أضيفت"));
    EXPECT_FALSE(added);
    EXPECT_EQ(w.selected, 2);
    EXPECT_FALSE(idhafa(w, q(u"قل\nهو"), added).isEmpty());
    EXPECT_EQ(w.phrases.size(), 3);

    // The add button takes the input box and empties it when the phrase went in.
    const Result r = run_command(p, P, N("BitBtn1"), {q(u"ربك")});
    EXPECT_EQ(r.boxOf, P);
    EXPECT_EQ(r.boxText, QString());
    EXPECT_EQ(run_command(p, P, N("BitBtn1"), {q(u"ربك")}).boxOf, WindowId::None);

    phrase_select(w, 1);
    phrase_delete(w);
    EXPECT_EQ(w.phrases, (QStringList{kAllah, kLillah, q(u"ربك")}));
    EXPECT_EQ(w.selected, 1) << "the next phrase takes the place of the one deleted";
    phrase_select(w, 7);
    phrase_delete(w);
    EXPECT_EQ(w.phrases.size(), 3) << "nothing selected, nothing deleted";
    // The command line's delete names the phrase from 1.
    run_command(p, P, N("BitBtn2"), {N("3")});
    EXPECT_EQ(w.phrases, (QStringList{kAllah, kLillah}));

    p.main.search.n = 2;
    phrase_clear(w, p.main);
    EXPECT_TRUE(w.phrases.isEmpty());
    EXPECT_EQ(phrase_count_label(w), QString());
    EXPECT_EQ(p.main.search.n, 0) << "clearing ends the phrase marking";
    EXPECT_FALSE(w.items.enabled(N("BitBtn2")));
}

TEST(PhraseList, TheMenuOffersOnlyLoadingForAnEmptyList) {
    Program p;
    p.show(P);
    const char* const rest[] = {"N4", "N5", "N1", "N2", "N3", "N9", "N13", "N10", "N7"};
    for (const char* item : rest)
        EXPECT_FALSE(command_allowed(p, P, N(item))) << item;
    EXPECT_TRUE(command_allowed(p, P, N("N11")));
    p.phraseList.phrases = {kAllah};
    for (const char* item : rest)
        EXPECT_TRUE(command_allowed(p, P, N(item))) << item;
}

TEST(PhraseList, TheWalkIsTheLiteralOne) {
    const QStringList lists[] = {
        {kAllah, kLillah},
        {kLillah, kAllah},
        {q(u"ا"), q(u"ال"), kAllah},
        {q(u"ل"), q(u"ل"), q(u"له")},
        {QString(), q(u"ل")},
        {q(u"الله الرحمن"), kAllah, q(u" ")},
        {q(u"م ا"), q(u"ن"), q(u"من")},
        {q(u"دكا"), q(u"كا"), q(u"ا د")},
    };
    QStringList texts = {
        q(u"بسم الله الرحمن الرحيم"),    q(u"لله"),  q(u"اللهلله"), q(u"ل"), QString(),
        q(u"كلا اذا دكت الارض دكا دكا"), q(u"  ا  ")};
    const Corpus& corpus = Corpus::instance();
    for (int v = 1; v <= corpus.verseCount(); v += 97)
        texts << corpus.verse(Variant::Separated, v);
    for (const QStringList& phrases : lists) {
        for (const bool independent : {false, true}) {
            const PhraseWalk walk(phrases, independent);
            for (const QString& text : texts)
                EXPECT_EQ(walk.count(text), literal_walk(text, phrases, independent))
                    << phrases.join(u'|').toStdString() << (independent ? " whole: " : ": ")
                    << text.toStdString();
        }
    }
}

TEST(PhraseList, CorpusFiguresOfTheFiveSearches) {
    // «الله» then «لله», any occurrence: the walk skips past «الله», so each
    // adds 1 and the total is that of «لله»; with all phrases each «الله»
    // holds both and adds 2.
    {
        Program p = with_phrases({kAllah, kLillah}, false);
        phrases_any(p.main, p.phraseList);
        const Grid& t = p.main.table;
        EXPECT_EQ(t.dataRowCount(), 1837);
        EXPECT_EQ(column_sum(t, verse_col::repeats), 2727);
        for (int r = 1; r < t.rowCount(); ++r) {
            const QString& text = t.cell(verse_col::text, r);
            ASSERT_EQ(t.cell(verse_col::repeats, r).toInt(),
                      count_occurrences(text, kLillah, false))
                << text.toStdString();
        }
        EXPECT_EQ(p.main.ze, q(u"عدد الآيات 1837    مجموع الكلمات 40556    مجموع الحروف 149095    "
                               u"مجموع التكرار 2727"));
        EXPECT_EQ(p.main.orderingItems.value(5), q(u"التكرار")) << "no leading space";
        EXPECT_EQ(t.columnWidth(verse_col::repeats), 70);
        EXPECT_EQ(p.main.search.n, 2);
        EXPECT_EQ(p.main.search.ar3ibara2, (QStringList{kAllah, kLillah}));

        phrases_all(p.main, p.phraseList);
        EXPECT_EQ(t.dataRowCount(), 1746);
        for (int r = 1; r < t.rowCount(); ++r) {
            const QString& text = t.cell(verse_col::text, r);
            ASSERT_EQ(t.cell(verse_col::repeats, r).toInt(),
                      count_occurrences(text, kAllah, false) +
                          count_occurrences(text, kLillah, false));
        }
        EXPECT_EQ(p.main.orderingItems.size(), 6);
    }
    // A one-letter phrase standing alone: the conjunction, in the
    // separated-waw text only.
    {
        Program p = with_phrases({q(u"و")});
        phrases_any(p.main, p.phraseList);
        EXPECT_EQ(column_sum(p.main.table, verse_col::repeats), 9535);
        BitBtn5Click(p.main);
        phrases_any(p.main, p.phraseList);
        EXPECT_EQ(p.main.label, q(u"لا يوجد نتائج"));
        EXPECT_TRUE(p.main.display.text.isEmpty());
    }
    // An empty line of a list file is an empty phrase, which occurs at every
    // position.
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(N("empty-line")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\r\n");
        file.close();
        Program p = with_phrases({}, false);
        ASSERT_EQ(phrases_load(p.phraseList, file.fileName()), QString());
        ASSERT_EQ(p.phraseList.phrases, QStringList{QString()});
        phrases_any(p.main, p.phraseList);
        EXPECT_EQ(p.main.table.dataRowCount(), kVerseCount);
        EXPECT_EQ(p.main.table.cell(verse_col::repeats, 1), N("22"));
    }
    // Beginning with «قل»: the word, or also «قلنا» and «قلوب».
    for (const auto& [independent, verses] : {std::pair{true, 177}, std::pair{false, 181}}) {
        Program p = with_phrases({q(u"قل")}, independent);
        p.main.orderingItems.append(q(u" التكرار"));
        phrases_begin(p.main, p.phraseList);
        EXPECT_EQ(p.main.table.dataRowCount(), verses);
        EXPECT_TRUE(p.main.ze.startsWith(q(u"عدد الآيات ") + QString::number(verses) +
                                         q(u"    مجموع الكلمات ")));
        EXPECT_FALSE(p.main.ze.contains(q(u"التكرار")));
        EXPECT_EQ(p.main.orderingItems.size(), 5) << "the sixth item goes";
        EXPECT_EQ(p.main.table.columnWidth(verse_col::repeats), 0);
    }
}

TEST(PhraseList, EndsBothEndsAndTheTableOnly) {
    const Grid& all = Program().main.table;
    const auto texts_where = [&](auto keep) {
        QStringList out;
        for (int r = 1; r < all.rowCount(); ++r)
            if (keep(all.cell(verse_col::text, r)))
                out << all.cell(verse_col::text, r);
        return out;
    };
    const auto texts = [](const Grid& t) { return column_cells(t, verse_col::text); };
    // Ending with «ون» as a word of its own: none; with either phrase of two.
    Program p = with_phrases({q(u"ون")});
    phrases_end(p.main, p.phraseList);
    EXPECT_EQ(p.main.label, q(u"لا يوجد نتائج"));
    p.phraseList.phrases = {q(u"يعلمون"), q(u"تعلمون")};
    phrases_end(p.main, p.phraseList);
    EXPECT_EQ(texts(p.main.table), texts_where([](const QString& t) {
                  return t.endsWith(q(u" يعلمون")) || t.endsWith(q(u" تعلمون"));
              }));
    // Beginning with one phrase and ending with one, the same or another.
    p.phraseList.phrases = {q(u"تكذبان"), q(u"فباي"), q(u"مبين")};
    phrases_begin_end(p.main, p.phraseList);
    const auto edge_word = [&](const QString& w) { return p.phraseList.phrases.contains(w); };
    EXPECT_EQ(texts(p.main.table), texts_where([&](const QString& t) {
                  return edge_word(t.section(u' ', 0, 0)) && edge_word(t.section(u' ', -1));
              }));
    EXPECT_GT(p.main.table.dataRowCount(), 1);
    // One phrase at both ends, inside longer words too.
    p.phraseList.phrases = {q(u"ن")};
    choose_independent(p.phraseList, false);
    phrases_begin_end(p.main, p.phraseList);
    EXPECT_EQ(texts(p.main.table),
              texts_where([](const QString& t) { return t.startsWith(u'ن') && t.endsWith(u'ن'); }));
    EXPECT_GT(p.main.table.dataRowCount(), 1);

    // In the table only: the rows shown, in their order; an empty table
    // stops the search with no word.
    Program within = with_phrases({kAllah});
    within.main.setChecked(N("N88"), true);
    within.main.table.setRowCount(4);
    phrases_any(within.main, within.phraseList);
    EXPECT_EQ(within.main.table.dataRowCount(), 1) << "of the first three verses, the first";
    EXPECT_EQ(within.main.table.cell(verse_col::index, 1), N("1"));
    nigatif(within.main, 0);
    const quint64 before = within.main.table.revision();
    phrases_any(within.main, within.phraseList);
    EXPECT_EQ(within.main.table.revision(), before);
}

// The searches list verses: from the surah table they show the verse table
// first, and their rows are verse rows.
TEST(PhraseList, FromTheSurahTableTheSearchesShowTheVerseTable) {
    Program p = with_phrases({kAllah});
    BitBtn2Click(p.main);
    ASSERT_FALSE(p.main.ayat);
    phrases_any(p.main, p.phraseList);
    EXPECT_TRUE(p.main.ayat);
    EXPECT_EQ(p.main.table.columnCount(), int(verse_col::count));
    EXPECT_EQ(p.main.table.dataRowCount(), 1661);
    EXPECT_EQ(p.main.table.cell(verse_col::surah, 1), q(u"001-الفاتحة"));

    // Even with the table-only option, whose rows would be surahs.
    Program only = with_phrases({kAllah});
    BitBtn2Click(only.main);
    N88Click(only.main);
    phrases_begin(only.main, only.phraseList);
    EXPECT_TRUE(only.main.ayat);
    EXPECT_GT(only.main.table.dataRowCount(), 1);
    EXPECT_TRUE(only.main.table.cell(verse_col::text, 1).startsWith(q(u"الله ")));

    // The list's item that shows every verse.
    only.show(P);
    run_command(only, P, N("N13"));
    EXPECT_EQ(only.main.table.dataRowCount(), kVerseCount);
}

TEST(PhraseList, LettersOfTheLetterListComeInAsPhrases) {
    Program p;
    BitBtn3Click(p.main); // shows verse 1 with its letter tally
    p.phraseList.phrases = {q(u"ب")};
    choose_independent(p.phraseList, false);
    const Result r = run_command(p, WindowId::Main, N("N92"));
    EXPECT_EQ(r.open, P);
    EXPECT_TRUE(p.isShown(P));
    // No duplicate check: «ب» stands twice.
    EXPECT_EQ(p.phraseList.phrases,
              (QStringList{q(u"ب"), q(u"ب"), q(u"س"), q(u"ن"), q(u"ه"), q(u"ي"), q(u"ح"), q(u"ر"),
                           q(u"ا"), q(u"م"), q(u"ل")}));
    EXPECT_EQ(phrase_count_label(p.phraseList), N("11"));
    EXPECT_TRUE(phrases_independent(p.phraseList));
}

TEST(PhraseList, FilesReadBackTheSameListInEachEncoding) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString base = dir.filePath(N("list.txt"));
    const QStringList list = {kAllah, QString(), q(u"قل هو"), q(u" و ")};

    PhraseListWindow w;
    phrase_list_start(w);
    w.phrases = list;
    EXPECT_EQ(phrases_save(w, base), QString());
    // The name gets ".txt" even when it ends so; the bytes are windows-1256
    // with CR LF and no mark.
    QFile file(base + N(".txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              QByteArray("\xC7\xE1\xE1\xE5\r\n\r\n\xDE\xE1 \xE5\xE6\r\n \xE6 \r\n"));
    EXPECT_FALSE(QFile::exists(base));

    const struct {
        const char* mark;
        TextEncoding encoding;
    } marked[] = {
        {"", TextEncoding::Windows1256},
        {"\xEF\xBB\xBF", TextEncoding::Utf8},
        {"\xFF\xFE", TextEncoding::Utf16LE},
        {"\xFE\xFF", TextEncoding::Utf16BE},
    };
    for (const auto& m : marked) {
        SCOPED_TRACE(int(m.encoding));
        const QString path = dir.filePath(N("in-") + QString::number(int(m.encoding)));
        QFile in(path);
        ASSERT_TRUE(in.open(QIODevice::WriteOnly));
        in.write(*encode_text(join_lines(list), m.encoding));
        in.close();
        PhraseListWindow loaded;
        phrase_list_start(loaded);
        EXPECT_EQ(phrases_load(loaded, path), QString());
        EXPECT_EQ(loaded.phrases, list);
        EXPECT_EQ(loaded.encoding, m.encoding);
        // Written back in its encoding, and read back the same.
        EXPECT_EQ(phrases_save(loaded, path), QString());
        QFile out(path + N(".txt"));
        ASSERT_TRUE(out.open(QIODevice::ReadOnly));
        const QByteArray bytes = out.readAll();
        EXPECT_TRUE(bytes.startsWith(m.mark) && (*m.mark || bytes.startsWith("\xC7")));
        PhraseListWindow again;
        EXPECT_EQ(phrases_load(again, path + N(".txt")), QString());
        EXPECT_EQ(again.phrases, list);
    }

    // A cancelled dialog writes and reads nothing.
    EXPECT_EQ(phrases_save(w, QString()), QString());
    EXPECT_EQ(phrases_load(w, QString()), QString());
    EXPECT_EQ(w.phrases, list);
}

TEST(PhraseList, FilesThatAreNoListLeaveTheListAsItWas) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(N(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    struct Case {
        QString path;
        const char16_t* reason; // empty: the file is a list
        int phrases;
    };
    QByteArray many;
    for (int i = 0; i <= kMaxPhrases; ++i)
        many += "\xC7\r\n";
    const Case cases[] = {
        {dir.filePath(N("missing")), u"تعذرت قراءة الملف", 0},
        {dir.path(), u"تعذرت قراءة الملف", 0},
        {write("image", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), u"ليس ملف نص", 0},
        {write("empty", {}), u"الملف فارغ", 0},
        {write("broken", "\xEF\xBB\xBF\xC7"), u"ليس نصا صالحا", 0},
        {write("many", many), u"فيه أكثر من 100000 سطر", 0},
        {write("lone-cr", "\xC7\r\xE1\r\n\r"), u"", 3},
        {write("one-empty-line", "\r\n"), u"", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        PhraseListWindow w;
        phrase_list_start(w);
        w.phrases = {kAllah, kLillah};
        w.selected = 1;
        const QString message = phrases_load(w, c.path);
        if (*c.reason) {
            EXPECT_TRUE(message.contains(q(c.reason))) << message.toStdString();
            EXPECT_TRUE(message.contains(QDir::toNativeSeparators(c.path)));
            EXPECT_EQ(w.phrases, (QStringList{kAllah, kLillah}));
            EXPECT_EQ(w.selected, 1);
        } else {
            EXPECT_EQ(message, QString());
            EXPECT_EQ(w.phrases.size(), c.phrases);
            EXPECT_EQ(w.selected, -1);
        }
    }

    // A folder that cannot take the file: the message names it, nothing is left.
    PhraseListWindow w;
    w.phrases = {kAllah};
    const QString into = dir.filePath(N("no-such-folder/list"));
    const QString message = phrases_save(w, into);
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(into + N(".txt"))))
        << message.toStdString();
    EXPECT_FALSE(QFile::exists(into + N(".txt")));
}

// Thousands of phrases, as the word window hands them over, search in one
// walk per verse.
TEST(PhraseList, ThousandsOfPhrases) {
    Program p;
    QStringList words;
    for (const QString& line : p.main.corpus.lines(Variant::Separated))
        words += line.split(u' ');
    words.removeDuplicates();
    ASSERT_EQ(words.size(), 13142);
    p.phraseList.phrases = words;
    phrases_any(p.main, p.phraseList);
    EXPECT_EQ(p.main.table.dataRowCount(), kVerseCount);
    // Every word of every verse, each counted once.
    EXPECT_EQ(column_sum(p.main.table, verse_col::repeats), 86968);
    phrases_all(p.main, p.phraseList);
    EXPECT_EQ(p.main.label, q(u"لا يوجد نتائج"));
}
