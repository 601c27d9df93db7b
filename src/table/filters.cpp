#include "table/filters.h"

#include "corpus/surahs.h"
#include "display/display.h"
#include "measures/measures.h"
#include "table/frame.h"
#include "table/results.h"
#include "table/tables.h"

#include <algorithm>
#include <utility>

namespace tallyra {

namespace {

const QString kNoDivisor = QStringLiteral("أدخل عددا طبيعيا أكبر من الصفر");

// Each kind of number: the column it is read from in the verse table and in
// the surah table (a column below 0: the table has none), the prompt of its
// lower bound and the message for bounds that are not numbers.
struct KindOfNumber {
    NumberColumn verse;
    NumberColumn surah;
    const char16_t* prompt;
    const char16_t* message;
};

const KindOfNumber& kind_of(NumberKind kind) {
    static const KindOfNumber kinds[] = {
        {{verse_col::position},
         {-1},
         u": رقم الترتيب أكبر من أو يساوي",
         u"يجب عليك كتابة حدي الحصر لرقم الترتيب"},
        {{verse_col::surah, 3},
         {surah_col::number},
         u": رقم السورة أكبر من أو يساوي",
         u"يجب عليك كتابة حدي الحصر لرقم السورة"},
        {{verse_col::verse},
         {-1},
         u": رقم الآية أكبر من أو يساوي",
         u"يجب عليك كتابة حدي الحصر لرقم الآية"},
        {{-1},
         {surah_col::verses},
         u": عدد الآيات أكبر من أو يساوي",
         u"يجب عليك كتابة حدي الحصر لعدد الآيات"},
        {{verse_col::words},
         {surah_col::words},
         u": عدد الكلمات أكبر من أو يساوي",
         u"يجب عليك كتابة حدي الحصر لعدد الكلمات"},
        {{verse_col::letters},
         {surah_col::letters},
         u": عدد الحروف أكبر من أو يساوي",
         u"يجب عليك كتابة حدي الحصر لعدد الحروف"},
        {{verse_col::repeats},
         {surah_col::repeats},
         u": عدد التكرار أكبر من أو يساوي",
         u"يجب عليك كتابة حدي الحصر للتكرار"},
    };
    return kinds[std::clamp(int(kind), 0, int(std::size(kinds)) - 1)];
}

NumberColumn verse_column(NumberKind kind) {
    return kind_of(kind).verse;
}

NumberColumn surah_column(NumberKind kind) {
    return kind_of(kind).surah;
}

// The kinds of the five numbered filters of each table, q = 1..5.
constexpr NumberKind kVerseKinds[] = {NumberKind::Surah, NumberKind::Verse, NumberKind::Words,
                                      NumberKind::Letters, NumberKind::Repetition};
constexpr NumberKind kSurahKinds[] = {NumberKind::Surah, NumberKind::Verses, NumberKind::Words,
                                      NumberKind::Letters, NumberKind::Repetition};

// The two bounds as typed, the smaller first; empty when either is no number.
std::optional<std::pair<int, int>> bounds(const QString& first, const QString& second) {
    const std::optional<int> a = typed_number(first);
    const std::optional<int> b = typed_number(second);
    if (!a || !b)
        return std::nullopt;
    return std::pair{std::min(*a, *b), std::max(*a, *b)};
}

// Keeps the rows of the table shown whose number passes the test and ends
// the command.
void cut(Session& session, NumberColumn column, NumberTest test) {
    Grid& t = session.table;
    if (!session.ayat)
        session.setEnabled(QStringLiteral("BitBtn2"), true);
    const std::vector<int> rows = rows_passing(t, column, test);
    // The verse table numbers its rows anew; the surah table keeps its
    // hidden column as it was.
    keep_rows(t, rows, session.ayat ? int(verse_col::position) : -1);
    if (session.ayat)
        finish_verse_cut(session, int(rows.size()));
    else
        finish_surah_cut(session, int(rows.size()));
}

QString range_or_exclusion(Session& session, NumberColumn column, bool exclusion,
                           const QString& first, const QString& second, const QString& message) {
    const std::optional<std::pair<int, int>> b = bounds(first, second);
    if (!b)
        return message;
    if (column.column < 0)
        return {};
    NumberTest test;
    test.kind = exclusion ? NumberTest::Outside : NumberTest::Within;
    test.lo = b->first;
    test.hi = b->second;
    cut(session, column, test);
    return {};
}

QString divisibility(Session& session, NumberColumn column, const QString& divisor) {
    const std::optional<int> d = typed_number(divisor);
    if (!d || *d == 0)
        return kNoDivisor;
    if (column.column < 0)
        return {};
    NumberTest test;
    test.kind = NumberTest::Divisible;
    test.divisor = *d;
    cut(session, column, test);
    return {};
}

QString range_message(NumberKind kind) {
    return QString::fromUtf16(kind_of(kind).message);
}

QString repeats_total(const Session& session, long long repeats) {
    return repeats_in_use(session) ? QStringLiteral("    مجموع التكرار ") + QString::number(repeats)
                                   : QString();
}

// The summaries of the rows left after a cut.
QString verse_cut_summary(Session& session) {
    const Grid& t = session.table;
    // The counts of a verse's own text are those the corpus keeps.
    VerseRows rows(session);
    Totals totals;
    for (int r = 1; r < t.rowCount(); ++r) {
        const WordsAndLetters c = rows.counts(to_int(t.cell(verse_col::index, r)).value_or(0),
                                              t.cell(verse_col::text, r));
        ++totals.rows;
        totals.words += c.words;
        totals.letters += c.letters;
        totals.repeats += to_int(t.cell(verse_col::repeats, r)).value_or(0);
    }
    return verse_totals_summary(totals) + repeats_total(session, totals.repeats);
}

QString surah_cut_summary(const Session& session) {
    const Grid& t = session.table;
    long long verses = 0, words = 0, letters = 0, repeats = 0;
    for (int r = 1; r < t.rowCount(); ++r) {
        const int k = to_int(t.cell(surah_col::number, r)).value_or(0);
        const WordsAndLetters c = surah_counts(session, k);
        verses += verse_count(k);
        words += c.words;
        letters += c.letters;
        repeats += to_int(t.cell(surah_col::repeats, r)).value_or(0);
    }
    return QStringLiteral("عدد السور ") + QString::number(t.dataRowCount()) +
           QStringLiteral("    مجموع الآيات ") + QString::number(verses) +
           QStringLiteral("    مجموع الكلمات ") + QString::number(words) +
           QStringLiteral("    مجموع الحروف ") + QString::number(letters) +
           repeats_total(session, repeats);
}

} // namespace

std::optional<int> NumberColumn::read(const Grid& grid, int row) const {
    const QString& cell = grid.cell(column, row);
    return to_int(prefix > 0 ? cell.left(prefix) : cell);
}

bool NumberTest::keeps(int x) const {
    switch (kind) {
    case Within:
        return lo <= x && x <= hi;
    case Outside:
        return x < lo || x > hi;
    case Divisible:
        return divisor > 0 && x % divisor == 0;
    }
    return false;
}

std::vector<int> rows_passing(const Grid& grid, NumberColumn column, NumberTest test) {
    std::vector<int> rows;
    for (int r = 1; r < grid.rowCount(); ++r) {
        const std::optional<int> x = column.read(grid, r);
        if (x && test.keeps(*x))
            rows.push_back(r);
    }
    return rows;
}

void keep_rows(Grid& grid, const std::vector<int>& rows, int positionColumn) {
    if (rows.empty())
        return;
    int m = 0;
    for (const int r : rows) {
        ++m;
        if (r != m) {
            const std::span<QString> from = grid.rowToWrite(r);
            const std::span<QString> to = grid.rowToWrite(m);
            std::swap_ranges(from.begin(), from.end(), to.begin());
        }
        if (positionColumn >= 0)
            grid.setCell(positionColumn, m, decimal(m));
    }
    grid.setRowCount(m + 1);
}

std::optional<int> typed_number(const QString& text) {
    if (!number_only(text))
        return std::nullopt;
    return to_int(text);
}

QString filter_caption() {
    return QStringLiteral("مربع الإدخال");
}

QString lower_bound_prompt(NumberKind kind) {
    return QString::fromUtf16(kind_of(kind).prompt);
}

QString upper_bound_prompt() {
    return QStringLiteral(": وأصغر من أو يساوي ");
}

QString divisor_prompt() {
    return QStringLiteral(": قابلية القسمة على ");
}

bool repeats_in_use(const Session& session) {
    return session.orderingItems.size() == 6;
}

QString farz_farz(Session& session, int q, const QString& first, const QString& second,
                  const QString& message) {
    NumberColumn column{-1};
    if (q >= 1 && q <= 10)
        column = verse_column(kVerseKinds[(q - 1) % 5]);
    else if (q == 11 || q == 12)
        column = verse_column(NumberKind::Order);
    const bool exclusion = (q >= 6 && q <= 10) || q == 12;
    return range_or_exclusion(session, column, exclusion, first, second, message);
}

QString farz_souar(Session& session, int q, const QString& first, const QString& second,
                   const QString& message) {
    const NumberColumn column =
        q >= 1 && q <= 10 ? surah_column(kSurahKinds[(q - 1) % 5]) : NumberColumn{-1};
    return range_or_exclusion(session, column, q >= 6, first, second, message);
}

QString qabiliat(Session& session, int q, const QString& divisor) {
    const NumberColumn column = q >= 1 && q <= 5 ? verse_column(kVerseKinds[q - 1])
                                : q == 6         ? verse_column(NumberKind::Order)
                                                 : NumberColumn{-1};
    return divisibility(session, column, divisor);
}

QString qabiliat_souar(Session& session, int q, const QString& divisor) {
    const NumberColumn column =
        q >= 1 && q <= 5 ? surah_column(kSurahKinds[q - 1]) : NumberColumn{-1};
    return divisibility(session, column, divisor);
}

QString range_filter(Session& session, NumberKind kind, bool exclusion, const QString& first,
                     const QString& second) {
    const QString message = range_message(kind);
    if (session.ayat) {
        const auto* at = std::find(std::begin(kVerseKinds), std::end(kVerseKinds), kind);
        const int q = kind == NumberKind::Order     ? 11
                      : at != std::end(kVerseKinds) ? int(at - std::begin(kVerseKinds)) + 1
                                                    : 0;
        if (q == 0)
            return {};
        return farz_farz(session, q == 11 ? 11 + exclusion : q + 5 * exclusion, first, second,
                         message);
    }
    const auto* at = std::find(std::begin(kSurahKinds), std::end(kSurahKinds), kind);
    if (at == std::end(kSurahKinds))
        return {};
    return farz_souar(session, int(at - std::begin(kSurahKinds)) + 1 + 5 * exclusion, first, second,
                      message);
}

QString divisibility_filter(Session& session, NumberKind kind, const QString& divisor) {
    if (session.ayat) {
        const auto* at = std::find(std::begin(kVerseKinds), std::end(kVerseKinds), kind);
        const int q = kind == NumberKind::Order     ? 6
                      : at != std::end(kVerseKinds) ? int(at - std::begin(kVerseKinds)) + 1
                                                    : 0;
        return q == 0 ? QString() : qabiliat(session, q, divisor);
    }
    const auto* at = std::find(std::begin(kSurahKinds), std::end(kSurahKinds), kind);
    return at == std::end(kSurahKinds)
               ? QString()
               : qabiliat_souar(session, int(at - std::begin(kSurahKinds)) + 1, divisor);
}

void finish_verse_cut(Session& session, int kept, int current) {
    Grid& t = session.table;
    if (kept > 0) {
        current = std::clamp(current, 1, t.dataRowCount());
        show_text(session, t.cell(verse_col::text, current), 3, false);
        t.setCurrentRow(current);
        session.ze = verse_cut_summary(session);
    } else {
        nigatif(session, 0);
    }
    bit(session, kept);
    session.focus = Focus::Table;
}

void finish_surah_cut(Session& session, int kept, int current) {
    Grid& t = session.table;
    if (kept > 0) {
        current = std::clamp(current, 1, t.dataRowCount());
        const int k = to_int(t.cell(surah_col::number, current)).value_or(0);
        if (k >= 1 && k < int(session.souar.size()))
            show_text(session, session.souar[k], 4, false);
        t.setCurrentRow(current);
        session.ze = surah_cut_summary(session);
    } else {
        nigatif(session, 0);
    }
    bit(session, kept);
    session.setEnabled(QStringLiteral("BitBtn4"), false);
    session.focus = Focus::Table;
}

} // namespace tallyra
