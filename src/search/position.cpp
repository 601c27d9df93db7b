#include "search/position.h"

#include "measures/measures.h"
#include "table/frame.h"
#include "table/tables.h"

#include <QLocale>

namespace tallyra {

namespace {

const QString kBadNumber = QStringLiteral("هناك خطأ في كتابة الرقم");
const QString kNoSuchWord = QStringLiteral("قد تجاوزت عدد الكلمات الموجودة في النص");
const QString kNoSuchLetter = QStringLiteral("لا يوجد هذا الرقم لقد تجاوزت الحدود");

// A found word or letter: its range in the scan text and the number of
// letters up to its end.
struct Found {
    int start = 0;
    int length = 0;
    long long letters = 0;
};

// The scan text: the display box's text with one space after it, so that the
// last word ends like every other.
QString scan_text(const Session& session) {
    return session.display.text + u' ';
}

// Word number m of T: words end where a space is followed by no space (or by
// the end), or at a line feed.
std::optional<Found> find_word(const QString& T, int m) {
    int w = 0;
    long long c = 0;
    for (int p = 0; p < T.size(); ++p) {
        const QChar ch = T[p];
        const bool ends = (ch == u' ' && (p + 1 >= T.size() || T[p + 1] != u' ')) || ch == u'\n';
        if (ends && ++w == m) {
            // The word ends right before p and starts after the nearest space
            // or line feed before its last character.
            int start = 0;
            for (int q = p - 2; q >= 0; --q) {
                if (T[q] == u' ' || T[q] == u'\n') {
                    start = q + 1;
                    break;
                }
            }
            start = std::min(start, p);
            return Found{start, p - start, c};
        }
        if (is_letter(ch))
            ++c;
    }
    return std::nullopt;
}

// Letter number m of T.
std::optional<Found> find_letter(const QString& T, long long m) {
    long long c = 0;
    for (int p = 0; p < T.size(); ++p) {
        if (is_letter(T[p]) && ++c == m)
            return Found{p, 1, c};
    }
    return std::nullopt;
}

// Selects the range found and marks it blue and underlined; earlier marks
// stay.
void mark_found(Session& session, const Found& f) {
    DisplayBox& box = session.display;
    box.marks.push_back({f.start, f.length, MarkKind::BlueUnderline});
    box.selectionStart = f.start;
    box.selectionLength = f.length;
}

// The sums of a numeric column over the verse table's data rows.
long long column_sum(const Grid& t, int column) {
    long long sum = 0;
    for (int r = 1; r < t.rowCount(); ++r)
        sum += to_int(t.cell(column, r)).value_or(0);
    return sum;
}

// The first data row at which the running sum of `column` reaches n, with
// the sum of the rows before it; 0 when the column never gets there.
std::pair<int, long long> row_reaching(const Grid& t, int column, long long n) {
    long long sum = 0;
    for (int r = 1; r < t.rowCount(); ++r) {
        const long long here = to_int(t.cell(column, r)).value_or(0);
        if (sum + here >= n)
            return {r, sum};
        sum += here;
    }
    return {0, sum};
}

QString word_summary(const QString& typed, int n, const QString& word, double percent) {
    return QStringLiteral("الكلمة رقم ") + typed + u'=' + analys(n) +
           QStringLiteral("   هي كلمة  '") + word + QStringLiteral("'   موقعها  ") +
           percentage_text(percent);
}

QString letter_summary(const QString& typed, int n, const QString& letter, double percent) {
    return QStringLiteral("الحرف رقم ") + typed + QStringLiteral(" = ") + analys(n) +
           QStringLiteral("   هو الحرف '") + letter + QStringLiteral("'   موقعه ") +
           percentage_text(percent);
}

// The number typed, when it is a whole number from 1 to `limit`. Otherwise
// empty, with the message that says why in `message` (none for an empty
// answer, which ends the lookup silently).
std::optional<int> read_number(const QString& typed, long long limit, const QString& outOfRange,
                               QString& message) {
    if (typed.isEmpty())
        return std::nullopt;
    const std::optional<int> n = to_int(typed);
    if (!n) {
        message = kBadNumber;
        return std::nullopt;
    }
    if (*n <= 0 || *n > limit) {
        message = outOfRange;
        return std::nullopt;
    }
    return n;
}

double percent_of(long long part, long long whole) {
    return whole > 0 ? double(part) * 100.0 / double(whole) : 0.0;
}

} // namespace

QString word_number_caption() {
    return QStringLiteral("الكلمة ذات الرقم");
}
QString word_number_prompt() {
    return QStringLiteral("أدخل رقم الكلمة المراد البحث عنها");
}
QString letter_number_caption() {
    return QStringLiteral(" البحث عن الحرف ذو الرقم ");
}
QString letter_number_prompt() {
    return QStringLiteral("أدخل رقم الحرف المراد البحث عنه ");
}

QString percentage_text(double percent) {
    QString number = QString::number(percent, 'f', 5);
    const qsizetype point = number.indexOf(u'.');
    if (point >= 0 && point < 2)
        number.prepend(QString(2 - point, u'0'));
    number.replace(u'.', QLocale().decimalPoint());
    return QStringLiteral("% ") + number;
}

QString N22Click(Session& session, const QString& typed) {
    const QString T = scan_text(session);
    QString message;
    const std::optional<int> n = read_number(typed, nb_kalimat(T), kNoSuchWord, message);
    if (!n)
        return message;
    session.search.n = 0;
    const std::optional<Found> f = find_word(T, *n);
    if (!f)
        return kNoSuchWord;
    mark_found(session, *f);
    session.label =
        word_summary(typed, *n, T.mid(f->start, f->length), percent_of(f->letters, nb_harf(T)));
    return {};
}

QString N28Click(Session& session, const QString& typed) {
    if (!session.ayat)
        return {};
    const Grid& t = session.table;
    QString message;
    const std::optional<int> n =
        read_number(typed, column_sum(t, verse_col::words), kNoSuchWord, message);
    if (!n)
        return message;
    session.search.n = 0;
    const auto [row, wordsBefore] = row_reaching(t, verse_col::words, *n);
    // The letters of the rows above the one the word stands in.
    long long lettersBefore = 0;
    for (int r = 1; r < row; ++r)
        lettersBefore += to_int(t.cell(verse_col::letters, r)).value_or(0);
    change_row(session, row);
    const QString T = scan_text(session);
    const std::optional<Found> f = find_word(T, int(*n - wordsBefore));
    if (!f)
        return kNoSuchWord;
    mark_found(session, *f);
    session.label =
        word_summary(typed, *n, T.mid(f->start, f->length),
                     percent_of(lettersBefore + f->letters, column_sum(t, verse_col::letters)));
    return {};
}

QString N29Click(Session& session, const QString& typed) {
    if (session.display.text.isEmpty())
        return QStringLiteral("لايوجد نص لتبحث فيه");
    const QString T = scan_text(session);
    const int letters = nb_harf(T);
    QString message;
    const std::optional<int> n = read_number(typed, letters, kNoSuchLetter, message);
    if (!n)
        return message;
    const std::optional<Found> f = find_letter(T, *n);
    if (!f)
        return kNoSuchLetter;
    mark_found(session, *f);
    session.label = letter_summary(typed, *n, T.mid(f->start, 1), percent_of(*n, letters));
    return {};
}

QString N30Click(Session& session, const QString& typed) {
    if (!session.ayat)
        return {};
    const Grid& t = session.table;
    const long long letters = column_sum(t, verse_col::letters);
    QString message;
    const std::optional<int> n = read_number(typed, letters, kNoSuchLetter, message);
    if (!n)
        return message;
    const auto [row, lettersBefore] = row_reaching(t, verse_col::letters, *n);
    change_row(session, row);
    const QString T = scan_text(session);
    const std::optional<Found> f = find_letter(T, *n - lettersBefore);
    if (!f)
        return kNoSuchLetter;
    mark_found(session, *f);
    session.label = letter_summary(typed, *n, T.mid(f->start, 1), percent_of(*n, letters));
    return {};
}

} // namespace tallyra
