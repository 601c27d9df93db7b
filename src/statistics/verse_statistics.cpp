#include "statistics/verse_statistics.h"

#include "measures/measures.h"
#include "search/search.h"
#include "table/frame.h"
#include "table/results.h"
#include "table/tables.h"

namespace tallyra {

namespace {

const QString kNoPhrase = QStringLiteral("أكتب المُراد البحث عنه في مربع البحث");

bool letter_at(const QString& text, qsizetype i) {
    return i >= 0 && i < text.size() && is_letter(text[i]);
}

// The text begins with the phrase (and, exact, no letter follows it).
bool begins(const QString& text, const QString& phrase, bool exact) {
    return text.startsWith(phrase) && !(exact && letter_at(text, phrase.size()));
}

// The text ends with the phrase (and, exact, no letter precedes it).
bool ends(const QString& text, const QString& phrase, bool exact) {
    return text.endsWith(phrase) && !(exact && letter_at(text, text.size() - phrase.size() - 1));
}

QString phrase_summary(const Totals& t) {
    return QStringLiteral("عدد الآيات ") + QString::number(t.rows) +
           QStringLiteral("    مجموع التكرارات ") + QString::number(t.repeats) +
           QStringLiteral("    مجموع الكلمات ") + QString::number(t.words) +
           QStringLiteral("    مجموع الحروف ") + QString::number(t.letters);
}

// Writes the hits over the table and ends the command. `phrases`: the
// command counts occurrences, shown in column 7; `two`: both terms of a
// two-term command are marked.
void finish(Session& session, const std::vector<VerseHit>& hits, bool phrases, bool two) {
    const Totals totals = list_verse_hits(session, hits, two);
    if (!hits.empty()) {
        session.ze = phrases ? phrase_summary(totals) : verse_totals_summary(totals);
        if (phrases) {
            add_repeats_item(session);
            session.table.setColumnWidth(verse_col::repeats, 80);
        }
    }
    bit(session, int(hits.size()));
    session.focus = Focus::Table;
}

// N1 and N2: the phrase from the search box.
QString phrase_command(Session& session, const QString& boxText, bool atStart) {
    SearchState& st = session.search;
    st.s = boxText;
    st.j = int(boxText.size());
    if (boxText.isEmpty() || boxText == kSearchPlaceholder) {
        session.focus = Focus::SearchBoxSelected;
        return kNoPhrase;
    }
    st.n = 0;
    const bool exact = exact_mode(session);
    std::vector<VerseHit> hits;
    for (const SourceVerse& sv : source_verses(session, table_only(session))) {
        const bool selected =
            atStart ? begins(sv.text, boxText, exact) : ends(sv.text, boxText, exact);
        if (selected)
            hits.push_back({sv.v, sv.text, count_occurrences(sv.text, boxText, exact)});
    }
    finish(session, hits, true, false);
    return {};
}

} // namespace

QString two_term_caption() {
    return QStringLiteral("مربع الإدخال");
}

QString begin_prompt(bool surahs) {
    return surahs ? QStringLiteral("أكتب العبارة التي تبحث عنها في بداية السورة")
                  : QStringLiteral("أكتب العبارة التي تبحث عنها في بداية الآية");
}

QString end_prompt(bool surahs) {
    return surahs ? QStringLiteral("أكتب العبارة التي تبحث عنها في نهاية السورة")
                  : QStringLiteral("أكتب العبارة التي تبحث عنها في نهاية الآية");
}

QString N1Click(Session& session, const QString& boxText) {
    return phrase_command(session, boxText, true);
}

QString N2Click(Session& session, const QString& boxText) {
    return phrase_command(session, boxText, false);
}

QString N3Click(Session& session, const QString& a, const QString& b) {
    SearchState& st = session.search;
    st.setEnds(a, b);
    if (a.isEmpty() || b.isEmpty())
        return QStringLiteral("أكتب البداية والنهاية للآية الكريمة");
    st.n = 0;
    const bool exact = exact_mode(session);
    std::vector<VerseHit> hits;
    for (const SourceVerse& sv : source_verses(session, table_only(session))) {
        if (!begins(sv.text, a, exact) || !ends(sv.text, b, exact))
            continue;
        int r = count_occurrences(sv.text, a, exact);
        if (b != a)
            r += count_occurrences(sv.text, b, exact);
        hits.push_back({sv.v, sv.text, r});
    }
    finish(session, hits, true, true);
    return {};
}

QString adadhoka(Session& session, int kind, const QString& message, const QString& boxText) {
    session.search.s = boxText;
    if (boxText.isEmpty() || !number_only(boxText)) {
        session.focus = Focus::SearchBoxSelected;
        return message;
    }
    // Digits that do not make a 32-bit number (too many, or of another
    // script) are refused before anything changes.
    const std::optional<int> number = to_int(boxText);
    if (!number) {
        session.focus = Focus::SearchBoxSelected;
        return QStringLiteral("هناك خطأ في كتابة الرقم");
    }
    session.table.setColumnWidth(verse_col::repeats, 0);
    remove_repeats_item(session);
    std::vector<VerseHit> hits;
    for (const SourceVerse& sv : source_verses(session, table_only(session))) {
        const int size = kind == 1 ? nb_harf(sv.text) : nb_kalimat(sv.text);
        if (size == *number)
            hits.push_back({sv.v, sv.text, 0});
    }
    finish(session, hits, false, false);
    return {};
}

QString N5Click(Session& session, const QString& boxText) {
    return adadhoka(session, 1, QStringLiteral("أكتب عدد حروف الآية في مربع البحث"), boxText);
}

QString N4Click(Session& session, const QString& boxText) {
    return adadhoka(session, 2, QStringLiteral("أكتب عدد كلمات الآية في مربع البحث"), boxText);
}

} // namespace tallyra
