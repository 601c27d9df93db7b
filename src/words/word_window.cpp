#include "words/word_window.h"

#include "core/columns.h"
#include "display/display.h"
#include "export/export.h"
#include "measures/measures.h"
#include "search/phrase_list.h"
#include "table/filters.h"

#include <algorithm>
#include <vector>

namespace tallyra {

namespace {

const QString kNoText = QStringLiteral("لا يوجد أي نص لفرز كلماته");
const QString kOrdering = QStringLiteral("RadioGroup1");

const QStringList& captions() {
    static const QStringList c = {QStringLiteral("index"), QStringLiteral("الترتيب"),
                                  QStringLiteral("الكلمة"), QStringLiteral("عدد الحروف"),
                                  QStringLiteral("التكرار")};
    return c;
}

// An empty table: the captions over one empty row; column 0 is never seen.
void empty_table(Grid& t, int rows) {
    t = Grid(word_col::count, rows);
    for (int c = 0; c < word_col::count; ++c)
        t.setCell(c, 0, captions()[c]);
    static const int widths[] = {0, 64, 150, 80, 70};
    for (int c = 0; c < word_col::count; ++c)
        t.setColumnWidth(c, widths[c]);
}

bool holds_words(const Grid& t) {
    return !t.cell(word_col::word, 1).isEmpty();
}

void show_row(WordWindow& w, int row);

// The columns the filters read, q = 1..3.
NumberColumn filtered_column(int q) {
    static const int columns[] = {word_col::position, word_col::letters, word_col::repeats};
    return {columns[std::clamp(q, 1, 3) - 1]};
}

// What a filter or a deletion ends with once `kept` rows are in place: row
// `current` made current and its word shown, or, with none kept, the table
// of no result.
void finish_cut(WordWindow& w, int kept, int current = 1) {
    if (kept > 0) {
        show_row(w, current);
        w.table.setSelection(current, current);
    } else {
        empty_table(w.table, 2);
        w.table.setCurrentRow(1);
        w.display.replace(QString());
        w.letters.clear();
    }
    w.summary = word_table_summary(w.table);
    w.items.setEnabled(kOrdering, w.table.rowCount() > 2);
}

void cut(WordWindow& w, NumberColumn column, NumberTest test) {
    const std::vector<int> rows = rows_passing(w.table, column, test);
    keep_rows(w.table, rows, word_col::position);
    finish_cut(w, int(rows.size()));
}

// Shows the word of `row` and makes it the current row.
void show_row(WordWindow& w, int row) {
    w.table.setCurrentRow(row);
    show_word_letters(w, w.table.cell(word_col::word, row));
}

// A row's identity as an ordering rewrites it from its key.
struct Keyed {
    QString key;
    int index;
    QString word;
    int repeats;
};

} // namespace

const QStringList& word_ordering_items() {
    static const QStringList items = {
        QStringLiteral(" ترتيب المصحف"), QStringLiteral(" بداية الكلمة"),
        QStringLiteral(" نهاية الكلمة"), QStringLiteral(" عدد الحروف"), QStringLiteral(" التكرار")};
    return items;
}

void word_window_start(WordWindow& w) {
    empty_table(w.table, 2);
    w.items.setEnabled(kOrdering, false);
    w.items.setEnabled(QStringLiteral("BitBtn1"), false);
}

QString word_table_summary(const Grid& t) {
    if (!holds_words(t))
        return QStringLiteral("لا يوجد نتائج");
    long long occurrences = 0;
    long long letters = 0;
    for (int r = 1; r < t.rowCount(); ++r) {
        const long long count = to_int(t.cell(word_col::repeats, r)).value_or(0);
        occurrences += count;
        letters += count * to_int(t.cell(word_col::letters, r)).value_or(0);
    }
    return QStringLiteral("الكلمات ") + QString::number(occurrences) +
           QStringLiteral("    النوع ") + QString::number(t.dataRowCount()) +
           QStringLiteral("    الحروف ") + QString::number(letters);
}

Result fill_word_window(WordWindow& w, Session& session, WordFindings findings) {
    w.caption = std::move(findings.caption);
    if (findings.terms)
        w.terms = std::move(*findings.terms);
    w.display.replace(QString());
    w.letters.clear();
    const std::vector<DistinctWords::Entry>& words = findings.words.entries();
    const int d = int(words.size());
    empty_table(w.table, std::max(d, 1) + 1);
    for (int i = 1; i <= d; ++i) {
        const DistinctWords::Entry& e = words[i - 1];
        const std::span<QString> row = w.table.rowToWrite(i);
        row[word_col::index] = decimal(i);
        row[word_col::position] = decimal(i);
        row[word_col::word] = e.word;
        // A word is made of letters only: its length is its letter count.
        row[word_col::letters] = decimal(e.word.size());
        row[word_col::repeats] = zero_pad(e.count, 4);
    }
    session.gauge.visible = false;
    if (d > 0)
        show_row(w, 1);
    else
        w.table.setCurrentRow(1);
    w.summary = word_table_summary(w.table);
    w.items.setEnabled(kOrdering, w.table.rowCount() > 2);
    // The table is written out once it shows a word.
    w.items.setEnabled(QStringLiteral("BitBtn1"), !w.display.text.isEmpty());
    // Each showing starts in first-occurrence order.
    w.awal = true;
    w.orderingIndex = 0;
    w.gauge = Gauge();
    Result r;
    r.open = WindowId::WordSort;
    return r;
}

Result N13Click(WordWindow& w, Session& session) {
    const Grid& t = session.table;
    if (t.cell(verse_col::text, 1).isEmpty())
        return said(kNoText);
    WordFindings f;
    f.caption = t.dataRowCount() == session.corpus.verseCount()
                    ? QStringLiteral("فرز كلمات كل القرآن الكريم")
                    : QStringLiteral("فرز كلمات ") + QString::number(t.dataRowCount()) +
                          QStringLiteral(" آية المعروضة في جدول الآيات");
    // The text column after its caption.
    WordSource source;
    source.kind = WordSource::Rows;
    for (int r = 1; r < t.rowCount(); ++r)
        source.texts.push_back(t.cell(verse_col::text, r));
    f.words = count_source_words(session, source, [](QStringView) { return true; });
    f.terms = QStringList();
    return fill_word_window(w, session, std::move(f));
}

Result N15Click(WordWindow& w, Session& session) {
    if (session.display.text.isEmpty())
        return said(kNoText);
    const Grid& t = session.table;
    const int row = t.currentRow();
    WordFindings f;
    f.caption = session.ayat
                    ? QStringLiteral("فرز كلمات الآية رقم ") + t.cell(verse_col::verse, row) +
                          QStringLiteral(" من سورة ") + t.cell(verse_col::surah, row)
                    : QStringLiteral("فرز كلمات سورة ") + t.cell(surah_col::name, row);
    WordSource source;
    source.kind = WordSource::Surah;
    source.texts.push_back(session.display.text);
    f.words = count_source_words(session, source, [](QStringView) { return true; });
    f.terms = QStringList();
    return fill_word_window(w, session, std::move(f));
}

void show_word_letters(WordWindow& w, const QString& word) {
    LineList& list = w.letters;
    list.clear();
    w.display.replace(word);
    if (word.isEmpty())
        return;
    list.setSorted(true);
    list.add(QStringLiteral("--------------"));
    const int lines = add_letter_lines(list, tally_characters(word), 1);
    list.insert(0, QStringLiteral("عدد الحروف ") + QString::number(lines));
    for (const QString& term : w.terms)
        mark_occurrences(w.display, term);
}

void word_rows_selected(WordWindow& w, int top, int bottom, int current) {
    const std::optional<RowSelection> chosen = row_selection(w.table, top, bottom, current);
    if (!chosen)
        return;
    // The empty row of a result without words shows nothing.
    if (holds_words(w.table))
        show_row(w, chosen->current);
    w.table.setSelection(chosen->top, chosen->bottom);
}

void word_order(WordWindow& w, int item) {
    if (item < 0 || item >= word_ordering_items().size() || item == w.orderingIndex)
        return;
    w.orderingIndex = item;
    Grid& t = w.table;
    if (!holds_words(t))
        return;
    // The first-occurrence order is made again only when the rows left it.
    if (item != 0 || !w.awal) {
        const int n = t.dataRowCount();
        Gauge& gauge = w.gauge;
        gauge.maximum = 2 * n;
        std::vector<Keyed> keys;
        keys.reserve(n);
        for (int r = 1; r <= n; ++r) {
            const int index = to_int(t.cell(word_col::index, r)).value_or(0);
            const int repeats = to_int(t.cell(word_col::repeats, r)).value_or(0);
            const QString& word = t.cell(word_col::word, r);
            const QString i5 = zero_pad(index, 5);
            const QString r4 = zero_pad(repeats, 4);
            QString key;
            switch (item) {
            case 0:
                key = i5 + r4 + word;
                break;
            case 1:
                key = word + r4 + i5;
                break;
            case 2:
                key = invers(word) + r4 + i5;
                break;
            case 3:
                key =
                    zero_pad(to_int(t.cell(word_col::letters, r)).value_or(0), 2) + i5 + r4 + word;
                break;
            default:
                key = r4 + i5 + word;
                break;
            }
            keys.push_back({std::move(key), index, word, repeats});
            gauge.value = r;
        }
        // Code-point order: digits before letters, so that a word comes
        // before its longer extensions.
        std::stable_sort(keys.begin(), keys.end(),
                         [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
        for (int r = 1; r <= n; ++r) {
            const Keyed& k = keys[r - 1];
            const std::span<QString> row = t.rowToWrite(r);
            row[word_col::index] = zero_pad(k.index, 5);
            row[word_col::position] = decimal(r);
            row[word_col::word] = k.word;
            row[word_col::letters] = decimal(nb_harf(k.word));
            row[word_col::repeats] = zero_pad(k.repeats, 4);
            gauge.value = n + r;
        }
        gauge.value = 0;
        w.awal = item == 0;
    }
    show_row(w, 1);
    t.setSelection(1, 1);
}

void word_reverse(WordWindow& w) {
    if (!holds_words(w.table))
        return;
    retri_aya(w.table);
    show_row(w, 1);
}

void word_menu_opened(WordWindow& w, const Session& session) {
    const bool words = w.table.rowCount() > 2;
    for (const char* item : {"N1", "N3", "N4", "N5", "N18", "N21"})
        w.items.setVisible(QString::fromLatin1(item), words);
    w.items.setVisible(QStringLiteral("N19"), words && session.ayat);
}

QString word_bound_prompt(int q) {
    static const char16_t* const prompts[] = {u": رقم الترتيب أكبر من أو يساوي",
                                              u": عدد حروف الكلمة أكبر من أو يساوي",
                                              u": تكرار الكلمة أكبر من أو يساوي"};
    return QString::fromUtf16(prompts[std::clamp(q, 1, 3) - 1]);
}

QString word_bound_message(int q) {
    static const char16_t* const messages[] = {u"يجب عليك كتابة حدي الحصر لرقم الترتيب",
                                               u"يجب عليك كتابة حدي الحصر لعدد حروف الكلمة",
                                               u"يجب عليك كتابة حدي الحصر لتكرار الكلمة"};
    return QString::fromUtf16(messages[std::clamp(q, 1, 3) - 1]);
}

QString farz_kalimat(WordWindow& w, int q, const QString& first, const QString& second,
                     const QString& message) {
    const std::optional<int> lo = typed_number(first);
    const std::optional<int> hi = typed_number(second);
    if (!lo || !hi)
        return message;
    if (!holds_words(w.table))
        return {};
    NumberTest test;
    test.kind = q > 3 ? NumberTest::Outside : NumberTest::Within;
    test.lo = *lo;
    test.hi = *hi;
    cut(w, filtered_column(q > 3 ? q - 3 : q), test);
    return {};
}

QString qabilia_kisma(WordWindow& w, int q, const QString& divisor) {
    const std::optional<int> d = typed_number(divisor);
    if (!d || *d == 0)
        return QStringLiteral("أدخل عددا طبيعيا أكبر من الصفر");
    if (!holds_words(w.table))
        return {};
    NumberTest test;
    test.kind = NumberTest::Divisible;
    test.divisor = *d;
    cut(w, filtered_column(q), test);
    return {};
}

void N21Click(WordWindow& w) {
    Grid& t = w.table;
    if (!holds_words(t))
        return;
    const int top = t.selectionTop();
    const int bottom = t.selectionBottom();
    // The rows are numbered by their place: the selection's rows are those
    // whose order number lies in it.
    NumberTest test;
    test.kind = NumberTest::Outside;
    test.lo = top;
    test.hi = bottom;
    const std::vector<int> rows = rows_passing(t, filtered_column(1), test);
    keep_rows(t, rows, word_col::position);
    const int kept = int(rows.size());
    finish_cut(w, kept, top >= 2 ? std::min(top - 1, kept) : 1);
}

QStringList word_table_lines(const WordWindow& w) {
    const QString rule = QString(43, u'-') + u' ';
    const Grid& t = w.table;
    const auto line = [&](int r) {
        static const int widths[] = {9, 14, 12, 8};
        QString out;
        for (int c = word_col::position; c <= word_col::repeats; ++c)
            out += ikmal_jomla(t.cell(c, r), widths[c - word_col::position]);
        return out;
    };
    QStringList lines = {
        w.caption, w.summary, QStringLiteral("فرز حسب ") + word_ordering_items()[w.orderingIndex],
        rule,      line(0),   rule};
    for (int r = 1; r < t.rowCount(); ++r)
        lines << line(r);
    lines << rule;
    return lines;
}

QString word_export(const WordWindow& w, Session& session, const QString& name) {
    return write_word_lines(session, name, word_table_lines(w));
}

Result word_add_all(const WordWindow& w, PhraseListWindow& list, const Session& session) {
    QStringList words;
    if (holds_words(w.table))
        for (int r = 1; r < w.table.rowCount(); ++r)
            words << w.table.cell(word_col::word, r);
    phrases_append(list, words);
    Result r;
    if (session.ayat)
        r.open = WindowId::PhraseList;
    return r;
}

Result word_pass(const WordWindow& w, PhraseListWindow& list) {
    const QString& word = w.display.text;
    if (word.isEmpty())
        return {};
    bool added = false;
    Result r = said(idhafa(list, word, added));
    r.boxOf = WindowId::Main;
    r.boxText = word;
    return r;
}

} // namespace tallyra
