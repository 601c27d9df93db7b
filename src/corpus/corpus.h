// The verse text in its two variants. The separated-waw text is compiled into
// the program; the merged-waw text is derived from it the first time it is
// asked for. Line i (from 1) of either variant is the verse with running
// number i.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <typeindex>
#include <utility>
#include <vector>

namespace tallyra {

constexpr int kVerseCount = 6236;

enum class Variant {
    Separated, // the conjunction و stands as a word of its own
    Merged,    // the conjunction و is joined to the word that follows
};

// Joins every word that is «و» alone to the word after it.
QString merge_waw(const QString& line);

class Corpus {
public:
    // The corpus of the program, over the text compiled into it, made once
    // and kept until the process ends.
    static const Corpus& instance();

    // A corpus from separated-waw text, one verse per line.
    explicit Corpus(const QString& separatedText);
    Corpus(const Corpus&) = delete;
    Corpus& operator=(const Corpus&) = delete;

    const QStringList& lines(Variant v) const { return text(v).lines; }
    int verseCount() const { return static_cast<int>(separated_.lines.size()); }

    // Line i (1-based) of variant v; the empty text outside 1..verseCount().
    const QString& verse(Variant v, int i) const;

    // All lines joined, every line (the last included) followed by CR LF.
    QString wholeText(Variant v) const;

    // Lines first to last (1 <= first <= last <= verseCount()), each followed
    // by one space, as the surah texts join them; empty for any other range.
    QString spacedLines(Variant v, int first, int last) const;

    // What the layers above derive from the text of one variant (counts,
    // groupings) is made once, on first use, as T(corpus, variant), and kept
    // as long as the corpus: every session of the corpus shares it. Safe to
    // call from several threads.
    template <class T> const T& derived(Variant v) const {
        return *static_cast<const T*>(slot(typeid(T), v, [this, v] {
            return std::shared_ptr<const void>(std::make_shared<const T>(*this, v));
        }));
    }

private:
    // The lines of one variant, held as one text in which every line is
    // followed by one space.
    struct Text {
        QString spaced;
        // Line i (from 0) at starts[i], then the end; ownStarts holds them
        // unless they last as long as the process.
        std::span<const qsizetype> starts;
        std::vector<qsizetype> ownStarts;
        QStringList lines;
    };

    // The corpus over text that lasts as long as the process: its lines and
    // runs of lines are views of it, which cost nothing to make or copy.
    Corpus(QStringView lastingSpacedText, std::span<const qsizetype> lastingStarts);

    const Text& text(Variant v) const { return v == Variant::Merged ? merged() : separated_; }
    const Text& merged() const;
    // The lines of `t` from its spaced text and starts.
    void makeLines(Text& t) const;
    // The text `t` views or holds from `from` on, `length` characters.
    QString part(const Text& t, qsizetype from, qsizetype length) const;

    // The value kept under (type, v), made by `make` the first time.
    const void* slot(std::type_index type, Variant v,
                     const std::function<std::shared_ptr<const void>()>& make) const;

    struct Slot {
        std::once_flag made;
        std::shared_ptr<const void> value;
    };

    // The lines are views of the spaced texts, which are never freed.
    bool views_ = false;
    Text separated_;
    mutable std::once_flag mergedMade_;
    mutable Text merged_;
    mutable std::mutex slotsMutex_;
    mutable std::map<std::pair<std::type_index, Variant>, Slot> slots_;
};

} // namespace tallyra
