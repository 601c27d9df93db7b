#include "table/ordering.h"

#include "corpus/surahs.h"
#include "display/display.h"
#include "measures/measures.h"
#include "table/frame.h"
#include "table/results.h"
#include "table/tables.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace tallyra {

namespace {

// The integer of a cell with leading zeros to at least `digits` digits.
QString padded(const Grid& t, int column, int row, int digits) {
    return zero_pad(to_int(t.cell(column, row)).value_or(0), digits);
}

// A row's key with the identity it carries: the running number (or surah
// number) and the repetition count as the key writes it.
struct Keyed {
    QString key;
    int id = 0;
    QString repeats;
};

Keyed verse_key(const Grid& t, int row, int item) {
    using namespace verse_col;
    const QString number = padded(t, index, row, 4);
    const QString rep = padded(t, repeats, row, 3);
    QString key;
    switch (item) {
    case 0:
        key = number + rep;
        break;
    case 1:
        key = t.cell(text, row) + rep + number;
        break;
    case 2:
        key = invers(t.cell(text, row)) + rep + number;
        break;
    case 3:
        key = padded(t, words, row, 3) + u':' + number + rep;
        break;
    case 4:
        key = padded(t, letters, row, 3) + u':' + number + rep;
        break;
    default:
        key = rep + u':' + number + rep;
        break;
    }
    return {key, to_int(t.cell(index, row)).value_or(0), rep};
}

Keyed surah_key(const Grid& t, int row, int item) {
    using namespace surah_col;
    const QString k = padded(t, number, row, 3);
    const QString rep = padded(t, repeats, row, 4);
    QString key;
    switch (item) {
    case 0:
        key = k + rep;
        break;
    case 1:
        key = t.cell(name, row) + k + rep;
        break;
    case 2:
        key = padded(t, verses, row, 3) + k + rep;
        break;
    case 3:
        key = padded(t, words, row, 4) + k + rep;
        break;
    case 4:
        key = padded(t, letters, row, 5) + k + rep;
        break;
    default:
        key = rep + k;
        break;
    }
    return {key, to_int(t.cell(number, row)).value_or(0), rep};
}

// The order of the verse texts of a variant as the keys of items 1 and 2 put
// them: a text followed by the digits of its fields. Where neither of two texts
// begins the other, their first difference decides; where one begins the
// other, the longer one's next character against a digit decides (a space
// before, a letter after), whatever the digits. rank[v] is the place of verse
// v's text (read backwards for the endings), equal texts sharing one place.
// A variant whose texts hold a digit has no ranks: it is ordered by the text
// keys themselves.
template <bool Backwards> struct TextRanks {
    TextRanks(const Corpus& corpus, Variant v) {
        const QStringList& lines = corpus.lines(v);
        std::vector<QString> texts;
        texts.reserve(size_t(lines.size()));
        for (const QString& line : lines) {
            if (std::any_of(line.begin(), line.end(),
                            [](QChar c) { return c >= u'0' && c <= u'9'; }))
                return;
            texts.push_back(Backwards ? invers(line) : line);
        }
        std::vector<int> order(texts.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
        const auto compare = [&](int a, int b) { return key_text_compare(texts[a], texts[b]); };
        std::sort(order.begin(), order.end(), [&](int a, int b) { return compare(a, b) < 0; });
        rank.assign(texts.size() + 1, 0);
        int place = 0;
        for (size_t i = 0; i < order.size(); ++i) {
            if (i > 0 && compare(order[i - 1], order[i]) != 0)
                ++place;
            rank[order[i] + 1] = place;
        }
    }

    // How a and b, each followed by digits, compare: < 0, 0 (the same text)
    // or > 0.
    static int key_text_compare(const QString& a, const QString& b) {
        const qsizetype n = std::min(a.size(), b.size());
        const auto [pa, pb] = std::mismatch(a.begin(), a.begin() + n, b.begin());
        if (pa != a.begin() + n)
            return pa->unicode() < pb->unicode() ? -1 : 1;
        if (a.size() == b.size())
            return 0;
        // The longer text goes on with a character that is not a digit.
        if (a.size() > b.size())
            return a[n] < u'0' ? -1 : 1;
        return b[n] < u'0' ? 1 : -1;
    }

    std::vector<int> rank; // empty: no ranks for this variant
};

// A row in the order of its key, with the identity the key carries.
struct Placed {
    std::uint64_t key = 0;
    int row = 0;
    int id = 0;
    int repeats = 0;
};

// The verse table's order by item 0 to 5 from keys that compare as numbers:
// when every field of every row fits its width (as every value of the corpus
// does), a key's fixed-width fields compare as one number made of them, and a
// text as its rank. Empty when a row falls outside this: a number wider than
// its field or below zero, or a text that is not its verse's in the active
// variant; the text keys then decide.
std::vector<Placed> numeric_verse_order(const Session& session, int item) {
    using namespace verse_col;
    const Grid& t = session.table;
    const int n = t.dataRowCount();
    const QStringList& lines = session.corpus.lines(session.variant());
    const std::vector<int>* ranks = nullptr;
    if (item == 1 || item == 2) {
        ranks = item == 1 ? &session.corpus.derived<TextRanks<false>>(session.variant()).rank
                          : &session.corpus.derived<TextRanks<true>>(session.variant()).rank;
        if (ranks->empty())
            return {};
    }
    const auto field = [&](int column, int row, int width) -> std::optional<std::uint64_t> {
        const int value = to_int(t.cell(column, row)).value_or(0);
        static constexpr int kLimit[] = {1, 10, 100, 1000, 10000};
        if (value < 0 || value >= kLimit[width])
            return std::nullopt;
        return std::uint64_t(value);
    };
    std::vector<Placed> placed;
    placed.reserve(n);
    for (int row = 1; row <= n; ++row) {
        const auto number = field(index, row, 4);
        const auto rep = field(repeats, row, 3);
        if (!number || !rep)
            return {};
        std::uint64_t key = 0;
        switch (item) {
        case 0:
            key = *number * 1000 + *rep;
            break;
        case 1:
        case 2: {
            const int v = int(*number);
            const QString& text = t.cell(verse_col::text, row);
            if (v < 1 || v > lines.size() ||
                !(same_text(text, lines[v - 1]) || text == lines[v - 1]))
                return {};
            key = (std::uint64_t((*ranks)[v]) * 1000 + *rep) * 10000 + *number;
            break;
        }
        default: {
            const auto first = item == 5 ? rep : field(item == 3 ? words : letters, row, 3);
            if (!first)
                return {};
            key = (*first * 10000 + *number) * 1000 + *rep;
            break;
        }
        }
        placed.push_back({key, row, int(*number), int(*rep)});
    }
    // Ties keep the order the rows came in, as the text keys' stable sort does.
    std::sort(placed.begin(), placed.end(), [](const Placed& x, const Placed& y) {
        return x.key != y.key ? x.key < y.key : x.row < y.row;
    });
    return placed;
}

} // namespace

QString ordering_key(const Session& session, int row, int item) {
    return session.ayat ? verse_key(session.table, row, item).key
                        : surah_key(session.table, row, item).key;
}

void RadioGroup1Click(Session& session) {
    Grid& t = session.table;
    const int n = t.dataRowCount();
    if (n <= 1)
        return;
    const int item = std::clamp(session.orderingIndex, 0, 5);
    Gauge& gauge = session.gauge;
    gauge.maximum = 2 * n;
    gauge.value = 0;
    gauge.visible = true;

    std::vector<Keyed> keys;
    const std::vector<Placed> placed =
        session.ayat ? numeric_verse_order(session, item) : std::vector<Placed>();
    if (!placed.empty()) {
        for (int i = 1; i <= n; ++i)
            session.advanceGauge(i);
    } else {
        keys.reserve(n);
        for (int i = 1; i <= n; ++i) {
            keys.push_back(session.ayat ? verse_key(t, i, item) : surah_key(t, i, item));
            if (session.ayat)
                session.advanceGauge(i);
        }
        // Ascending code-unit order; equal keys keep the order they came in.
        std::stable_sort(keys.begin(), keys.end(),
                         [](const Keyed& x, const Keyed& y) { return x.key < y.key; });
    }

    if (session.ayat) {
        VerseRows rows(session);
        for (int i = 1; i <= n; ++i) {
            session.advanceGauge(n + i);
            if (placed.empty())
                rows.write(i, keys[i - 1].id, i, keys[i - 1].repeats);
            else
                rows.write(i, placed[i - 1].id, i, zero_pad(placed[i - 1].repeats, 3));
        }
        change_row(session, 2);
        change_row(session, 1);
        session.focus = Focus::Table;
    } else {
        for (int i = 1; i <= n; ++i)
            write_surah_row(session, i, keys[i - 1].id, false, keys[i - 1].repeats);
        const int k = to_int(t.cell(surah_col::number, 1)).value_or(0);
        if (k >= 1 && k <= kSurahCount)
            show_text(session, session.souar[k], 4, false);
        change_row(session, 1);
    }
    gauge.value = 0;
    gauge.visible = false;
    session.label = session.ze;
}

void select_ordering_item(Session& session, int item) {
    if (item < 0 || item >= session.orderingItems.size() || item == session.orderingIndex)
        return;
    session.orderingIndex = item;
    RadioGroup1Click(session);
}

} // namespace tallyra
