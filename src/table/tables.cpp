#include "table/tables.h"

#include "corpus/surahs.h"
#include "display/display.h"
#include "measures/measures.h"
#include "table/frame.h"
#include "table/ordering.h"
#include "table/results.h"

namespace tallyra {

namespace {

// The verse text column's caption, "نص الآية الكريمة", holds 3 words and 14
// letters; the summaries over the whole column text take them off again.
constexpr int kCaptionWords = 3;
constexpr int kCaptionLetters = 14;
constexpr int kCaptionLength = 16;

const QString kCensusSeparator = QStringLiteral("-------------------");

void write_captions(Grid& table, const QStringList& captions) {
    for (int c = 0; c < captions.size(); ++c)
        table.setCell(c, 0, captions[c]);
}

void fill_verse_rows(Session& session) {
    VerseRows rows(session);
    const QString zero = decimal(0);
    for (int i = 1; i <= kVerseCount; ++i)
        rows.write(i, i, i, zero);
}

// The surah texts of a variant with their counts, made once per variant.
struct SurahTexts {
    SurahTexts(const Corpus& corpus, Variant v) {
        const VerseFacts& facts = corpus.derived<VerseFacts>(v);
        texts.assign(kSurahCount + 1, QString());
        counts.assign(kSurahCount + 1, WordsAndLetters());
        for (int k = 1; k <= kSurahCount; ++k) {
            QString& text = texts[k];
            if (last_verse(k) <= corpus.verseCount()) {
                text = corpus.spacedLines(v, first_verse(k), last_verse(k));
            } else {
                for (int i = first_verse(k); i <= last_verse(k); ++i) {
                    text += corpus.verse(v, i);
                    text += u' ';
                }
            }
            // Verses that begin and end with letters, joined by single
            // spaces, count as many words and letters as they do one by one.
            if (facts.linesEndInLetters && last_verse(k) <= corpus.verseCount()) {
                for (int i = first_verse(k); i <= last_verse(k); ++i) {
                    counts[k].words += facts.words[i];
                    counts[k].letters += facts.letters[i];
                }
            } else {
                counts[k] = count_words_and_letters(text);
            }
        }
    }

    std::vector<QString> texts; // entry 0 unused
    std::vector<WordsAndLetters> counts;
};

// The table buttons put the ordering selector back on mushaf order; when that
// changes the selection, the table is ordered by it.
void select_first_ordering_item(Session& session) {
    select_ordering_item(session, 0);
}

// Tallies `text` from `from` on and writes the separator and one line per
// letter; returns the number of letter lines.
int census_lines(Session& session, const QString& text, qsizetype from) {
    session.letters.add(kCensusSeparator);
    return add_letter_lines(session.letters, tally_characters(text, from), 5);
}

} // namespace

const QStringList& verse_table_captions() {
    static const QStringList captions = {
        QStringLiteral("index"),
        QStringLiteral("الترتيب"),
        QStringLiteral("إسم السورة"),
        QStringLiteral("رقم الآية"),
        QStringLiteral("نص الآية الكريمة"),
        QStringLiteral("عدد الكلمات"),
        QStringLiteral("عدد الحروف"),
        QStringLiteral("التكرار"),
    };
    return captions;
}

const QStringList& surah_table_captions() {
    static const QStringList captions = {
        QStringLiteral("الترتيب"),    QStringLiteral("رقم السورة"),  QStringLiteral("إسم السورة"),
        QStringLiteral("عدد الآيات"), QStringLiteral("عدد الكلمات"), QStringLiteral("عدد الحروف"),
        QStringLiteral("التكرار"),
    };
    return captions;
}

QStringList ordering_items(bool verseTable) {
    return {
        QStringLiteral(" ترتيب المصحف"),
        verseTable ? QStringLiteral(" بدايات الآيات") : QStringLiteral(" إسم السورة"),
        verseTable ? QStringLiteral(" نهايات الآيات") : QStringLiteral(" عدد الآيات"),
        QStringLiteral(" عدد الكلمات"),
        QStringLiteral(" عدد الحروف"),
    };
}

QString waw_button_caption(bool waw) {
    return waw ? QStringLiteral("فصل واو العطف\nF2") : QStringLiteral("دمج واو العطف\nF2");
}

void write_verse_row(Session& session, int row, int i, int position, const QString& repeats) {
    VerseRows(session).write(row, i, position, repeats);
}

WordsAndLetters surah_counts(const Session& session, int k) {
    if (k < 1 || k >= int(session.souar.size()))
        return {};
    const QString& text = session.souar[k];
    const SurahTexts& kept = session.corpus.derived<SurahTexts>(session.variant());
    return k <= kSurahCount && same_text(text, kept.texts[k]) ? kept.counts[k]
                                                              : count_words_and_letters(text);
}

void write_surah_row(Session& session, int row, int k, bool paddedNumber, const QString& repeats) {
    Grid& t = session.table;
    const WordsAndLetters c = surah_counts(session, k);
    const QString texts[surah_col::count] = {
        decimal(k),
        paddedNumber ? zero_pad(k, 3) : decimal(k),
        surah_name(k),
        zero_pad(verse_count(k), 3),
        zero_pad(c.words, 4),
        zero_pad(c.letters, 5),
        repeats,
    };
    const std::span<QString> cells = t.rowToWrite(row);
    std::copy_n(texts, std::min(cells.size(), std::size(texts)), cells.begin());
}

QString full_table_summary(const Session& session) {
    // The sums of the verses are those of the whole column text when every
    // verse begins and ends with a letter; else the column text is counted.
    const VerseFacts& facts = session.corpus.derived<VerseFacts>(session.variant());
    long long words = facts.totalWords;
    long long letters = facts.totalLetters;
    if (!facts.linesEndInLetters) {
        const QString text = session.table.columnText(verse_col::text);
        words = nb_kalimat(text) - kCaptionWords;
        letters = nb_harf(text) - kCaptionLetters;
    }
    return QStringLiteral("عدد الآيات 6236     مجموع الكلمات ") + QString::number(words) +
           QStringLiteral("      مجموع الحروف ") + QString::number(letters);
}

void FormCreate(Session& session) {
    session.ayat = true;
    session.waw = false;
    session.clos = true;
    Grid& t = session.table;
    t = Grid(verse_col::count, kVerseCount + 1);
    const int widths[] = {64, 64, 99, 82, 484, 91, 83, 85};
    for (int c = 0; c < verse_col::count; ++c)
        t.setColumnWidth(c, widths[c]);
    t.setColumnWidth(verse_col::index, 0);
    t.setColumnWidth(verse_col::repeats, 0);
    write_captions(t, verse_table_captions());
    fill_verse_rows(session);
    t.setCurrentRow(1);
    session.ze = full_table_summary(session);
    session.label = session.ze;
}

void build_surah_texts(Session& session) {
    session.souar = session.corpus.derived<SurahTexts>(session.variant()).texts;
}

void BitBtn3Click(Session& session) {
    // The table becomes a verse table before the view is reset, so that the
    // reset leaves the surah statistics menu disabled, as it is everywhere in
    // the verse table.
    const bool wasSurahTable = !session.ayat;
    session.ayat = true;
    reset_view(session);
    style(session);
    for (const char* on : {"RadioGroup1", "BitBtn2", "BitBtn4", "BitBtn5"})
        session.setEnabled(QString::fromLatin1(on), true);
    session.setEnabled(QStringLiteral("BitBtn3"), false);
    Grid& t = session.table;
    t.setRowCount(2);
    select_first_ordering_item(session);
    if (wasSurahTable) {
        t.setColumnCount(verse_col::count);
        t.setColumnWidth(verse_col::letters, 80);
        t.setColumnWidth(verse_col::text, 560);
        write_captions(t, verse_table_captions());
    }
    t.setRowCount(kVerseCount + 1);
    t.setColumnWidth(verse_col::repeats, 0);
    fill_verse_rows(session);
    show_text_single(session, t.cell(verse_col::text, 1), 3, false);
    t.setCurrentRow(1);
    session.display.caret = 0;
    session.orderingItems = ordering_items(true);
    session.ze = full_table_summary(session);
    session.label = session.ze;
}

void BitBtn2Click(Session& session) {
    session.ayat = false;
    reset_view(session);
    style(session);
    for (const char* on : {"BitBtn3", "BitBtn5", "RadioGroup1"})
        session.setEnabled(QString::fromLatin1(on), true);
    session.setEnabled(QStringLiteral("BitBtn2"), false);
    session.setEnabled(QStringLiteral("BitBtn4"), false);
    session.orderingItems = ordering_items(false);
    Grid& t = session.table;
    t.setColumnCount(surah_col::count);
    t.setColumnWidth(surah_col::words, 90);
    t.setColumnWidth(surah_col::repeats, 0);
    write_captions(t, surah_table_captions());
    t.setRowCount(kSurahCount + 1);
    for (int k = 1; k <= kSurahCount; ++k)
        write_surah_row(session, k, k);
    // Shown plain: the single-term display marks nothing in the surah table.
    show_text_single(session, session.souar[1], 4, false);
    t.setCurrentRow(1);
    select_first_ordering_item(session);
}

void BitBtn5Click(Session& session) {
    session.waw = !session.waw;
    build_surah_texts(session);
    if (session.ayat)
        BitBtn3Click(session);
    else
        BitBtn2Click(session);
}

void allayat(Session& session) {
    session.letters.clear();
    const QString text = session.table.columnText(verse_col::text);
    const int letterLines = census_lines(session, text, kCaptionLength);
    LineList& list = session.letters;
    list.insert(0, QStringLiteral("عدد الآيات   ") + QString::number(session.table.dataRowCount()));
    list.insert(1, QStringLiteral("عدد الكلمات  ") +
                       QString::number(nb_kalimat(text) - kCaptionWords));
    list.insert(2,
                QStringLiteral("عدد الحروف ") + QString::number(nb_harf(text) - kCaptionLetters));
    list.insert(3, QStringLiteral("الحروف الهجائية ") + QString::number(letterLines));
}

void allsouar(Session& session) {
    session.letters.clear();
    const Grid& t = session.table;
    QString text;
    long long verses = 0;
    for (int r = 1; r < t.rowCount(); ++r) {
        const int k = to_int(t.cell(surah_col::number, r)).value_or(0);
        if (k >= 1 && k <= kSurahCount)
            text += session.souar[k];
        verses += to_int(t.cell(surah_col::verses, r)).value_or(0);
    }
    const int letterLines = census_lines(session, text, 0);
    LineList& list = session.letters;
    list.insert(0, QStringLiteral("عدد السور   ") + QString::number(t.dataRowCount()));
    list.insert(1, QStringLiteral("عدد الآيات  ") + QString::number(verses));
    list.insert(2, QStringLiteral("عدد الكلمات  ") + QString::number(nb_kalimat(text)));
    list.insert(3, QStringLiteral("عدد الحروف ") + QString::number(nb_harf(text)));
    list.insert(4, QStringLiteral("الحروف الهجائية ") + QString::number(letterLines));
}

void N6Click(Session& session) {
    session.letters.setSorted(session.checked(QStringLiteral("N87")));
    if (session.display.text.isEmpty())
        return;
    if (session.ayat)
        allayat(session);
    else
        allsouar(session);
}

} // namespace tallyra
