#include "display/display.h"

#include "core/columns.h"
#include "measures/letter_values.h"
#include "measures/measures.h"
#include "measures/resort.h"

#include <QHash>

#include <algorithm>
#include <limits>

namespace tallyra {

namespace {

const QString kTallySeparator = QStringLiteral("--------------");
const QString kAllah = QStringLiteral("لله");

void mark_all(DisplayBox& box, const QString& term, bool widenAllah) {
    if (term.isEmpty())
        return;
    const bool widen = widenAllah && term == kAllah;
    for (qsizetype p = box.text.indexOf(term); p >= 0; p = box.text.indexOf(term, p + 1)) {
        // «لله» is marked with the letter before it, so that «الله» shows whole;
        // at the very start of the text there is no such letter.
        const int start = widen && p > 0 ? int(p) - 1 : int(p);
        const int length = widen && p > 0 ? int(term.size()) + 1 : int(term.size());
        box.marks.push_back({start, length, MarkKind::Red});
    }
}

// Steps shared by both displays: the new content and its letter tally.
void show_and_tally(SessionState& session, const QString& text, int digits) {
    session.display.replace(text);
    LineList& list = session.letters;
    list.clear();
    list.setSorted(session.checked(QStringLiteral("N87")));
    list.add(kTallySeparator);
    const int added = add_letter_lines(list, tally_characters(text), digits);
    list.insert(0, QStringLiteral("عدد الحروف ") + QString::number(added));
}

void finish(SessionState& session) {
    session.display.caret = 0;
    session.label = session.ze;
    session.focus = Focus::Table;
}

} // namespace

const QStringList& arabic_families() {
    static const QStringList families = {QStringLiteral("Noto Naskh Arabic"),
                                         QStringLiteral("Noto Sans Arabic"),
                                         QStringLiteral("DejaVu Sans")};
    return families;
}

std::vector<std::pair<QChar, int>> tally_characters(const QString& text, qsizetype from) {
    std::vector<std::pair<QChar, int>> tally;
    QHash<char16_t, int> index;
    for (qsizetype i = std::max<qsizetype>(from, 0); i < text.size(); ++i) {
        const QChar c = text[i];
        const auto it = index.constFind(c.unicode());
        if (it != index.constEnd()) {
            ++tally[*it].second;
        } else {
            index.insert(c.unicode(), int(tally.size()));
            tally.emplace_back(c, 1);
        }
    }
    return tally;
}

int add_letter_lines(LineList& list, const std::vector<std::pair<QChar, int>>& tally, int digits) {
    int added = 0;
    for (const auto& [c, count] : tally) {
        if (!is_letter(c))
            continue;
        list.add(zero_pad(count, digits) + QStringLiteral(" = ") + c);
        ++added;
    }
    return added;
}

void show_text_single(SessionState& session, const QString& text, int digits, bool two) {
    if (text.isEmpty())
        return;
    SearchState& st = session.search;
    st.na3am = two;
    show_and_tally(session, text, digits);
    if (!two) {
        if (st.j > 0 && st.s != kSearchPlaceholder && session.ayat)
            mark_all(session.display, st.s.left(st.j), true);
    } else if (session.ayat) {
        mark_all(session.display, st.a.left(st.X), true);
        if (st.b != st.a)
            mark_all(session.display, st.b.left(st.Y), true);
    }
    finish(session);
}

void show_text_multi(SessionState& session, const QString& text, int digits) {
    if (text.isEmpty())
        return;
    show_and_tally(session, text, digits);
    SearchState& st = session.search;
    for (int i = 0; i < st.n && i < st.ar3ibara2.size(); ++i) {
        st.s = st.ar3ibara2[i];
        mark_all(session.display, st.s, false);
    }
    finish(session);
}

void show_text(SessionState& session, const QString& text, int digits, bool two) {
    if (session.search.n > 0)
        show_text_multi(session, text, digits);
    else
        show_text_single(session, text, digits, two);
}

void show_row(SessionState& session, int row) {
    if (session.display.text.isEmpty())
        return;
    const Grid& t = session.table;
    if (session.ayat) {
        show_text(session, t.cell(verse_col::text, row), 3, session.search.na3am);
        return;
    }
    const int k = to_int(t.cell(surah_col::number, row)).value_or(0);
    if (k >= 1 && k < int(session.souar.size()))
        show_text(session, session.souar[k], 4, session.search.na3am);
}

void selectrich(SessionState& session) {
    const DisplayBox& box = session.display;
    const QString space = QStringLiteral(" ");
    const int start = std::clamp(box.selectionStart, 0, int(box.text.size()));
    const int end =
        std::clamp(box.selectionStart + box.selectionLength, start, int(box.text.size()));
    const QString selected = box.text.mid(start, end - start);
    if (box.text.isEmpty() || box.text == space || selected.isEmpty() || selected == space)
        return;
    QString line = QStringLiteral("عدد الكلمات ") + QString::number(nb_kalimat(selected)) +
                   QStringLiteral("    عدد الحروف ") + QString::number(nb_harf(selected));
    if (session.checked(QStringLiteral("N99")))
        line += jomal(selected);
    if (session.checked(QStringLiteral("N103")))
        line += tabi3i(selected);
    const QString upToEnd = box.text.left(end);
    const bool verses = session.ayat;
    if (session.checked(QStringLiteral("N105"))) {
        const int p =
            a3dad_sabika(session.table, verses ? int(verse_col::words) : int(surah_col::words)) +
            nb_kalimat(upToEnd);
        line += QStringLiteral("    الكلمة رقم ") + QString::number(p) + QStringLiteral(" = ") +
                analys(p);
    }
    if (session.checked(QStringLiteral("N106"))) {
        const int p = a3dad_sabika(session.table,
                                   verses ? int(verse_col::letters) : int(surah_col::letters)) +
                      nb_harf(upToEnd);
        line += QStringLiteral("    الحرف رقم ") + QString::number(p) + QStringLiteral(" = ") +
                analys(p);
    }
    session.label = line;
}

void display_selection_changed(SessionState& session, int start, int length) {
    DisplayBox& box = session.display;
    box.selectionStart = std::clamp(start, 0, int(box.text.size()));
    box.selectionLength = std::clamp(length, 0, int(box.text.size()) - box.selectionStart);
    const QString selected = box.text.mid(box.selectionStart, box.selectionLength);
    if (selected.isEmpty() || selected == QStringLiteral(" "))
        session.label = session.ze;
    else
        selectrich(session);
}

void letter_list_click(SessionState& session, int line) {
    if (line < 0 || line >= session.letters.size())
        return;
    const QString& clicked = session.letters.at(line);
    const QString letter = khalam(clicked);
    const std::optional<int> number = numberall(clicked);
    const bool summing = session.checked(QStringLiteral("N89"));
    const long long sum = (summing ? session.p9 : 0) + number.value_or(0);
    // A number that does not convert, or a sum beyond the range the
    // factorisation takes, ends the click without a change.
    if (!number || sum > std::numeric_limits<int>::max())
        return;
    // Marking a letter through a whole surah is the slow part of a click; the
    // summary line says so until the sum replaces it.
    if (!session.ayat)
        session.label = QStringLiteral("إنتظر قليلا من فضلك");
    const bool letterLine = letter.size() == 1;
    if (letterLine) {
        DisplayBox& box = session.display;
        box.marks.clear();
        for (qsizetype p = box.text.indexOf(letter); p >= 0; p = box.text.indexOf(letter, p + 1))
            box.marks.push_back({int(p), 1, MarkKind::Red});
        box.caret = std::min<int>(1, int(box.text.size()));
    }
    session.p9 = sum;
    if (!summing)
        session.t.clear();
    else if (letterLine)
        session.t += u' ' + letter;
    session.label = analys(int(session.p9)) + QStringLiteral("  =  ") +
                    QString::number(session.p9) + QStringLiteral("             ") + session.t;
}

void N80Click(SessionState& session) {
    trilistbox(session.letters);
}

void N89Click(SessionState& session) {
    session.setChecked(QStringLiteral("N89"), !session.checked(QStringLiteral("N89")));
    session.p9 = 0;
    session.t.clear();
}

void N107Click(SessionState& session) {
    session.label.clear();
    session.p9 = 0;
    session.t.clear();
}

void mark_occurrences(DisplayBox& box, const QString& term) {
    mark_all(box, term, false);
}

QStringList tafkik(const QString& c, bool na3am) {
    if (!na3am)
        return {c};
    QStringList terms;
    for (QChar ch : c)
        terms << QString(ch);
    return terms;
}

QString display_hint(const SessionState& session) {
    return session.display.text.isEmpty()
               ? QString()
               : QStringLiteral("حدد نص لمعرفة عدد حروفه وعدد كلماته ورقم آخر كلمة محددة ورقم "
                                "آخر حرف محدد");
}

QString letters_hint(const SessionState& session) {
    return session.display.text.isEmpty()
               ? QString()
               : QStringLiteral("لمزيد من الخيارات إضغط زر الفأرة الأيمن");
}

} // namespace tallyra
