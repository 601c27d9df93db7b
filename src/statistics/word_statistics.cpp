#include "statistics/word_statistics.h"

#include "core/columns.h"
#include "display/display.h"
#include "search/search.h"

#include <QVarLengthArray>
#include <algorithm>
#include <limits>

namespace tallyra {

namespace {

// How a caption names the letters it looked for: as typed, in their order,
// or in any order.
enum class Tail { Plain, InOrder, AnyOrder };

// Where the words were counted, as the captions end.
QString caption_tail(const Session& session, const WordSource& source, Tail tail) {
    static const QString leads[] = {QStringLiteral("  في "), QStringLiteral("   بالترتيب في "),
                                    QStringLiteral("  بدون مراعاة الترتيب في ")};
    const QString& lead = leads[int(tail)];
    const bool whole =
        source.kind == WordSource::Corpus ||
        (source.kind == WordSource::Rows && source.rows == session.corpus.verseCount());
    if (whole)
        return lead + QStringLiteral("القرآن الكريم كله");
    if (source.kind == WordSource::Rows)
        return lead + QString::number(source.rows) +
               QStringLiteral("  آية المعروضة في جدول الآيات");
    return lead + QStringLiteral("سورة ") + source.surah;
}

QString starred(const QString& prefix, const QString& h) {
    return prefix + QStringLiteral("*") + h + QStringLiteral("*");
}

// True, with the message to show and the focus set, when the search box
// holds no phrase.
bool no_phrase(Session& session, const QString& h, const QString& message, QString& out) {
    if (!h.isEmpty() && h != kSearchPlaceholder)
        return false;
    session.focus = Focus::SearchBoxSelected;
    out = message;
    return true;
}

// Counts the words that pass and names where; the terms are set only when
// a word passed, and leave the two-term marking off.
void find(Session& session, WordFindings& out, const QString& prefix, Tail tail,
          const std::function<bool(QStringView)>& passes, const QStringList& terms) {
    const WordSource source = word_source(session);
    out.words = count_source_words(session, source, passes);
    out.caption = prefix + caption_tail(session, source, tail);
    if (!out.words.isEmpty()) {
        out.terms = terms;
        session.search.na3am = false;
    }
}

const QString kWhat = QStringLiteral("أكتب المطلوب في مربع البحث");
const QString kLettersOf = QStringLiteral("إحصاء كل الكلمات التي يوجد بها حروف كلمة  ");

} // namespace

WordSource word_source(const Session& session) {
    WordSource source;
    if (!table_only(session)) {
        for (const QString& line : session.corpus.lines(session.variant()))
            source.texts.push_back(line);
        return source;
    }
    const Grid& t = session.table;
    if (session.ayat) {
        // The rows after the header, whose words are never counted.
        source.kind = WordSource::Rows;
        source.rows = t.dataRowCount();
        for (int r = 1; r < t.rowCount(); ++r)
            source.texts.push_back(t.cell(verse_col::text, r));
        return source;
    }
    source.kind = WordSource::Surah;
    source.surah = t.cell(surah_col::name, t.currentRow());
    source.texts.push_back(session.display.text);
    return source;
}

DistinctWords count_source_words(Session& session, const WordSource& source,
                                 const std::function<bool(QStringView)>& passes) {
    // The texts as one, each followed by a line break.
    qsizetype total = 0;
    for (QStringView text : source.texts)
        total += text.size() + 1;
    Gauge& gauge = session.gauge;
    gauge.maximum = int(std::min<qsizetype>(total, std::numeric_limits<int>::max()));
    gauge.value = 0;
    gauge.visible = true;
    DistinctWords words;
    qsizetype offset = 0;
    for (QStringView text : source.texts) {
        scan_words(text, words, passes, [&](qsizetype p) {
            session.advanceGauge(int(std::min<qsizetype>(offset + p, gauge.maximum)));
        });
        offset += text.size() + 1;
    }
    gauge.visible = false;
    return words;
}

QString word_begin_prompt() {
    return QStringLiteral("أكتب بداية الكلمة التي تبحث عنها");
}

QString word_end_prompt() {
    return QStringLiteral("أكتب نهاية الكلمة التي تبحث عنها");
}

bool letters_in_order(QStringView word, QStringView letters) {
    qsizetype next = 0;
    for (QChar c : word)
        if (next < letters.size() && c == letters[next])
            ++next;
    return next == letters.size();
}

bool letters_in_any_order(QStringView word, QStringView letters) {
    // Each character asked for takes one letter of the word's pool.
    QVarLengthArray<QChar, 40> pool(word.begin(), word.end());
    for (QChar c : letters) {
        const auto it = std::find(pool.begin(), pool.end(), c);
        if (it == pool.end())
            return false;
        pool.erase(it);
    }
    return true;
}

QString N9Click(Session& session, const QString& h, WordFindings& out) {
    QString message;
    if (no_phrase(session, h, QStringLiteral("أكتب بداية الكلمة في مربع البحث"), message))
        return message;
    find(
        session, out, starred(QStringLiteral("إحصاء كل الكلمات التي تبدأ بـ "), h), Tail::Plain,
        [&](QStringView w) { return w.startsWith(h); }, tafkik(h, false));
    return {};
}

QString N10Click(Session& session, const QString& h, WordFindings& out) {
    QString message;
    if (no_phrase(session, h, QStringLiteral("أكتب نهاية الكلمة في مربع البحث"), message))
        return message;
    find(
        session, out, starred(QStringLiteral("إحصاء كل الكلمات التي تنتهي بـ "), h), Tail::Plain,
        [&](QStringView w) { return w.endsWith(h); }, tafkik(h, false));
    return {};
}

QString N11Click(Session& session, const QString& a, const QString& b, WordFindings& out) {
    SearchState& st = session.search;
    st.setEnds(a, b);
    if (a.isEmpty() || b.isEmpty())
        return QStringLiteral("أكتب بداية الكلمة ونهايتها أيضا");
    const QString prefix = starred(QStringLiteral("إحصاء كل الكلمات التي تبدأ بـ "), a) +
                           QStringLiteral("   ") + starred(QStringLiteral("وتنتهي بـ "), b);
    // The two may overlap: «ال» passes for «ال» and «ل».
    find(
        session, out, prefix, Tail::Plain,
        [&](QStringView w) { return w.startsWith(a) && w.endsWith(b); }, tafkik(a + b, true));
    return {};
}

QString N17Click(Session& session, const QString& h, WordFindings& out) {
    if (h.isEmpty() || !number_only(h)) {
        session.focus = Focus::SearchBoxSelected;
        return QStringLiteral("أكتب عدد حروف الكلمة في مربع البحث");
    }
    // Digits that make no 32-bit number (too many, or of another script).
    const std::optional<int> number = to_int(h);
    if (!number) {
        session.focus = Focus::SearchBoxSelected;
        return QStringLiteral("هناك خطأ في كتابة الرقم");
    }
    // No terms are marked, whatever is found.
    out.terms = QStringList();
    const WordSource source = word_source(session);
    out.words =
        count_source_words(session, source, [&](QStringView w) { return w.size() == *number; });
    out.caption = starred(QStringLiteral("إحصاء كل الكلمات التي عدد حروفها "), h) +
                  caption_tail(session, source, Tail::Plain);
    return {};
}

QString N18Click(Session& session, const QString& h, WordFindings& out) {
    QString message;
    if (no_phrase(session, h, kWhat, message))
        return message;
    find(
        session, out, starred(QStringLiteral("إحصاء كل الكلمات التي يوجد بها "), h), Tail::Plain,
        [&](QStringView w) { return w.contains(h); }, tafkik(h, false));
    return {};
}

QString N43Click(Session& session, const QString& h, WordFindings& out) {
    QString message;
    if (no_phrase(session, h, kWhat, message))
        return message;
    find(
        session, out, starred(kLettersOf, h), Tail::InOrder,
        [&](QStringView w) { return letters_in_order(w, h); }, tafkik(h, true));
    return {};
}

QString N45Click(Session& session, const QString& h, WordFindings& out) {
    QString message;
    if (no_phrase(session, h, kWhat, message))
        return message;
    find(
        session, out, starred(kLettersOf, h), Tail::AnyOrder,
        [&](QStringView w) { return letters_in_any_order(w, h); }, tafkik(h, true));
    return {};
}

} // namespace tallyra
