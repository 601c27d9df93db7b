#include "display/display.h"

#include "measures/measures.h"

#include <QHash>

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
void show_and_tally(Session& session, const QString& text, int digits) {
    session.display.text = text;
    session.display.marks.clear();
    LineList& list = session.letters;
    list.clear();
    list.setSorted(session.checked(QStringLiteral("N87")));
    list.add(kTallySeparator);
    const int added = add_letter_lines(list, tally_characters(text), digits);
    list.insert(0, QStringLiteral("عدد الحروف ") + QString::number(added));
}

void finish(Session& session) {
    session.display.caret = 0;
    session.label = session.ze;
    session.focus = Focus::Table;
}

} // namespace

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

void show_text_single(Session& session, const QString& text, int digits, bool two) {
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

void show_text_multi(Session& session, const QString& text, int digits) {
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

void show_text(Session& session, const QString& text, int digits, bool two) {
    if (session.search.n > 0)
        show_text_multi(session, text, digits);
    else
        show_text_single(session, text, digits, two);
}

} // namespace tallyra
