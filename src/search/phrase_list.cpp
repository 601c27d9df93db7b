#include "search/phrase_list.h"

#include "core/columns.h"
#include "measures/measures.h"
#include "measures/resort.h"
#include "search/search.h"
#include "table/frame.h"
#include "table/results.h"
#include "table/tables.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <set>
#include <vector>

namespace tallyra {

namespace {

const QString kIndependent = QStringLiteral("RadioButton2");

// The items that need a phrase to act on.
void phrase_items_follow_the_list(PhraseListWindow& w) {
    w.items.setEnabled(QStringLiteral("BitBtn2"), !w.phrases.isEmpty());
    if (w.selected >= w.phrases.size())
        w.selected = -1;
}

bool letter_at(QStringView text, qsizetype i) {
    return i >= 0 && i < text.size() && is_letter(text[i]);
}

// The verses of the search's scope that `test` counts above 0, each with its
// count; the gauge advances verse by verse.
std::vector<VerseHit> scan(Session& session, const auto& test) {
    const std::vector<SourceVerse> source = source_verses(session, table_only(session));
    Gauge& gauge = session.gauge;
    gauge.maximum = int(source.size());
    gauge.value = 0;
    gauge.visible = true;
    std::vector<VerseHit> hits;
    for (int i = 0; i < int(source.size()); ++i) {
        const SourceVerse& sv = source[i];
        const long long r = test(QStringView(sv.text));
        if (r > 0)
            hits.push_back({sv.v, sv.text, as_count(r)});
        session.advanceGauge(i + 1);
    }
    gauge.visible = false;
    return hits;
}

// What every search does first: false when it is to stop without a word.
bool prepare(Session& session, const PhraseListWindow& w) {
    // The searches list verses: from the surah table they show the verse
    // table first, so that the rows they write are rows of verses.
    if (!session.ayat)
        BitBtn3Click(session);
    if (table_only(session) && session.table.cell(verse_col::text, 1).isEmpty())
        return false;
    session.search.n = int(w.phrases.size());
    session.search.ar3ibara2 = w.phrases;
    return true;
}

QString counted_summary(const Totals& t) {
    return verse_totals_summary(t) + QStringLiteral("    مجموع التكرار ") +
           QString::number(t.repeats);
}

// Lists the hits; `counted`: the searches whose column 7 holds a count.
void finish(Session& session, const std::vector<VerseHit>& hits, bool counted) {
    const Totals totals = list_verse_hits(session, hits);
    Grid& t = session.table;
    if (!hits.empty()) {
        session.ze = counted ? counted_summary(totals) : verse_totals_summary(totals);
        if (counted) {
            if (session.orderingItems.size() == 5)
                session.orderingItems.append(QStringLiteral("التكرار"));
            t.setColumnWidth(verse_col::repeats, 70);
        } else if (session.orderingItems.size() == 6) {
            remove_repeats_item(session);
            t.setColumnWidth(verse_col::repeats, 0);
        }
    }
    bit(session, int(hits.size()));
}

// The phrases that a text begins or ends with: each distinct phrase once,
// looked up by the lengths the list holds.
class Edges {
public:
    explicit Edges(const QStringList& phrases) {
        for (const QString& p : phrases) {
            set_.insert(QStringView(p));
            lengths_.insert(p.size());
        }
    }

    bool begins(QStringView text, bool independent) const {
        for (qsizetype length : lengths_) {
            if (length > text.size())
                break;
            if (set_.contains(text.first(length)) && !(independent && letter_at(text, length)))
                return true;
        }
        return false;
    }

    bool ends(QStringView text, bool independent) const {
        for (qsizetype length : lengths_) {
            if (length > text.size())
                break;
            if (set_.contains(text.last(length)) &&
                !(independent && letter_at(text, text.size() - length - 1)))
                return true;
        }
        return false;
    }

private:
    QSet<QStringView> set_;
    std::set<qsizetype> lengths_;
};

void edge_search(Session& session, const PhraseListWindow& w, bool atStart, bool atEnd) {
    if (!prepare(session, w))
        return;
    const Edges edges(w.phrases);
    const bool independent = phrases_independent(w);
    const auto fits = [&](QStringView text) -> long long {
        return (!atStart || edges.begins(text, independent)) &&
               (!atEnd || edges.ends(text, independent));
    };
    std::vector<VerseHit> hits = scan(session, fits);
    // Column 7 holds no count here.
    for (VerseHit& h : hits)
        h.repeats = 0;
    finish(session, hits, false);
}

} // namespace

// The phrases as a tree of their characters: walking a text from a position
// down the tree meets, in one pass, every phrase that occurs there.
struct PhraseWalk::Trie {
    explicit Trie(const QStringList& phrases) : ends(1) {
        for (int i = 0; i < int(phrases.size()); ++i) {
            int node = 0;
            for (QChar c : phrases[i]) {
                const quint64 key = edge(node, c);
                auto it = edges.constFind(key);
                if (it == edges.constEnd()) {
                    it = edges.insert(key, int(ends.size()));
                    ends.emplace_back();
                }
                node = *it;
            }
            ends[node].push_back(i);
            lengths.push_back(int(phrases[i].size()));
        }
    }

    static quint64 edge(int node, QChar c) { return (quint64(node) << 16) | c.unicode(); }

    // The indexes of the phrases that occur at `at`, ascending.
    void matches(QStringView text, qsizetype at, bool independent, std::vector<int>& out) const {
        out.clear();
        const qsizetype n = text.size();
        if (at >= n || (independent && letter_at(text, at - 1)))
            return;
        int sources = 0;
        const auto take = [&](int node, qsizetype past) {
            if (ends[node].empty() || (independent && letter_at(text, past)))
                return;
            out.insert(out.end(), ends[node].begin(), ends[node].end());
            ++sources;
        };
        take(0, at); // the empty phrase
        int node = 0;
        for (qsizetype i = at; i < n; ++i) {
            const auto it = edges.constFind(edge(node, text[i]));
            if (it == edges.constEnd())
                break;
            node = *it;
            take(node, i + 1);
        }
        if (sources > 1)
            std::sort(out.begin(), out.end());
    }

    std::vector<std::vector<int>> ends; // by node: the phrases that end there
    QHash<quint64, int> edges;          // (node, character) to the child node
    std::vector<int> lengths;           // by phrase
};

PhraseWalk::PhraseWalk(const QStringList& phrases, bool independent)
    : trie_(std::make_unique<const Trie>(phrases)), independent_(independent) {}

PhraseWalk::~PhraseWalk() = default;

long long PhraseWalk::count(QStringView text) const {
    const qsizetype n = text.size();
    long long c = 0;
    std::vector<int> found;
    // k is the position the phrases are tested at, from 1.
    qsizetype k = 0;
    while (k < n) {
        ++k;
        trie_->matches(text, k - 1, independent_, found);
        size_t next = 0;
        while (next < found.size()) {
            const int j = found[next];
            ++c;
            const int length = trie_->lengths[j];
            if (length <= 1) {
                ++next;
                continue;
            }
            // The phrases after this one are tested past its occurrence.
            k += length;
            trie_->matches(text, k - 1, independent_, found);
            next = size_t(std::upper_bound(found.begin(), found.end(), j) - found.begin());
        }
    }
    return c;
}

long long phrase_occurrences(QStringView text, QStringView phrase, bool independent) {
    if (!phrase.isEmpty())
        return count_occurrences(text, phrase, independent);
    if (!independent)
        return text.size();
    long long r = 0;
    for (qsizetype p = 0; p < text.size(); ++p)
        r += !letter_at(text, p - 1) && !letter_at(text, p);
    return r;
}

void phrase_list_start(PhraseListWindow& w) {
    w.items.setChecked(kIndependent, true);
    phrase_items_follow_the_list(w);
}

QString phrase_count_label(const PhraseListWindow& w) {
    return w.phrases.isEmpty() ? QString() : QString::number(w.phrases.size());
}

bool phrases_independent(const PhraseListWindow& w) {
    return w.items.checked(kIndependent);
}

void choose_independent(PhraseListWindow& w, bool independent) {
    w.items.setChecked(kIndependent, independent);
}

QString idhafa(PhraseListWindow& w, const QString& text, bool& added) {
    added = false;
    if (text.isEmpty())
        return {};
    if (text.contains(u'\n') || text.contains(u'\r'))
        return QStringLiteral("العبارة سطر واحد: لا تضف نصا من عدة أسطر");
    const qsizetype at = w.phrases.indexOf(text);
    if (at >= 0) {
        w.selected = int(at);
        return QStringLiteral("هذه العبارة سبق وأن أضيفت");
    }
    w.phrases.append(text);
    added = true;
    phrase_items_follow_the_list(w);
    return {};
}

void phrase_select(PhraseListWindow& w, int index) {
    w.selected = index >= 0 && index < w.phrases.size() ? index : -1;
}

void phrase_delete(PhraseListWindow& w) {
    if (w.selected < 0 || w.selected >= w.phrases.size())
        return;
    w.phrases.removeAt(w.selected);
    // The phrase that took its place is selected, or the last one.
    if (w.selected >= w.phrases.size())
        w.selected = int(w.phrases.size()) - 1;
    phrase_items_follow_the_list(w);
}

void phrase_clear(PhraseListWindow& w, Session& session) {
    w.phrases.clear();
    w.selected = -1;
    session.search.n = 0;
    phrase_items_follow_the_list(w);
}

void phrases_append(PhraseListWindow& w, const QStringList& phrases) {
    w.phrases.append(phrases);
    choose_independent(w, true);
    phrase_items_follow_the_list(w);
}

QStringList letter_list_letters(const LineList& letters) {
    QStringList out;
    const int separator = alkhat(letters);
    if (separator < 0)
        return out;
    for (int i = separator + 1; i < letters.size(); ++i)
        out << khalam(letters.at(i));
    return out;
}

QString phrases_save(PhraseListWindow& w, const QString& name) {
    if (name.isEmpty())
        return {};
    return write_text_file(name + QStringLiteral(".txt"), join_lines(w.phrases), w.encoding).error;
}

QString phrases_load(PhraseListWindow& w, const QString& path) {
    if (path.isEmpty())
        return {};
    TextFileRead r = read_text_file(path);
    if (!r.error.isEmpty())
        return r.error;
    // Control characters other than the line ends and the tab come from a
    // file that is no list of phrases: an image, a program, a document.
    const bool text = std::none_of(r.text.cbegin(), r.text.cend(), [](QChar c) {
        return (c < u' ' && c != u'\t' && c != u'\n' && c != u'\r') || c == u'\x7f';
    });
    if (!text)
        return file_read_error(path, QStringLiteral("ليس ملف نص"));
    QStringList lines = split_lines(r.text);
    if (lines.isEmpty())
        return file_read_error(path, QStringLiteral("الملف فارغ لا يحوي أي عبارة"));
    if (lines.size() > kMaxPhrases)
        return file_read_error(path, QStringLiteral("فيه أكثر من ") + QString::number(kMaxPhrases) +
                                         QStringLiteral(" سطر"));
    w.phrases = std::move(lines);
    w.encoding = r.encoding;
    w.selected = -1;
    phrase_items_follow_the_list(w);
    return {};
}

void phrase_menu_opened(PhraseListWindow& w) {
    const bool any = !w.phrases.isEmpty();
    for (const char* item : {"N4", "N5", "N1", "N2", "N3", "N9", "N13", "N10", "N7"})
        w.items.setVisible(QString::fromLatin1(item), any);
    w.items.setVisible(QStringLiteral("N11"), true);
}

void phrases_any(Session& session, const PhraseListWindow& w) {
    if (!prepare(session, w))
        return;
    const PhraseWalk walk(w.phrases, phrases_independent(w));
    finish(session, scan(session, [&](QStringView text) { return walk.count(text); }), true);
}

void phrases_all(Session& session, const PhraseListWindow& w) {
    if (!prepare(session, w))
        return;
    // Each distinct phrase is counted once per verse and weighed by the
    // times it stands in the list.
    struct Distinct {
        QStringView phrase;
        int times;
        std::unique_ptr<OccurrenceCounter> counter; // for a phrase that is not empty
    };
    std::vector<Distinct> distinct;
    QHash<QStringView, int> seen;
    const bool independent = phrases_independent(w);
    for (const QString& p : w.phrases) {
        const auto it = seen.constFind(QStringView(p));
        if (it != seen.constEnd()) {
            ++distinct[*it].times;
            continue;
        }
        seen.insert(QStringView(p), int(distinct.size()));
        distinct.push_back(
            {QStringView(p), 1,
             p.isEmpty() ? nullptr : std::make_unique<OccurrenceCounter>(p, independent)});
    }
    const auto all = [&](QStringView text) -> long long {
        long long sum = 0;
        for (const Distinct& d : distinct) {
            const long long r = d.counter ? d.counter->count(text)
                                          : phrase_occurrences(text, d.phrase, independent);
            if (r == 0)
                return 0;
            sum += r * d.times;
        }
        return sum;
    };
    finish(session, scan(session, all), true);
}

void phrases_begin(Session& session, const PhraseListWindow& w) {
    edge_search(session, w, true, false);
}

void phrases_end(Session& session, const PhraseListWindow& w) {
    edge_search(session, w, false, true);
}

void phrases_begin_end(Session& session, const PhraseListWindow& w) {
    edge_search(session, w, true, true);
}

} // namespace tallyra
