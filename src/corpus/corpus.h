// The verse text in its two variants. The separated-waw text is compiled into
// the program; the merged-waw text is derived from it the first time it is
// asked for. Line i (from 1) of either variant is the verse with running
// number i.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <typeindex>
#include <utility>

namespace tallyra {

constexpr int kVerseCount = 6236;

enum class Variant {
    Separated, // the conjunction و stands as a word of its own
    Merged,    // the conjunction و is joined to the word that follows
};

// Joins every word that is «و» alone to the word after it. A line without
// such a word comes back as it is, sharing its text.
QString merge_waw(const QString& line);

class Corpus {
public:
    // The corpus of the program, loaded once from its compiled-in resource and
    // kept until the process ends.
    static const Corpus& instance();

    // A corpus from separated-waw text, one verse per line.
    explicit Corpus(const QString& separatedText);
    Corpus(const Corpus&) = delete;
    Corpus& operator=(const Corpus&) = delete;

    const QStringList& lines(Variant v) const {
        return v == Variant::Merged ? merged() : separated_;
    }
    int verseCount() const { return static_cast<int>(separated_.size()); }

    // Line i (1-based) of variant v; the empty text outside 1..verseCount().
    const QString& verse(Variant v, int i) const;

    // All lines joined, every line (the last included) followed by CR LF.
    QString wholeText(Variant v) const;

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
    const QStringList& merged() const;
    // The value kept under (type, v), made by `make` the first time.
    const void* slot(std::type_index type, Variant v,
                     const std::function<std::shared_ptr<const void>()>& make) const;

    struct Slot {
        std::once_flag made;
        std::shared_ptr<const void> value;
    };

    QStringList separated_;
    mutable std::once_flag mergedMade_;
    mutable QStringList merged_;
    mutable std::mutex slotsMutex_;
    mutable std::map<std::pair<std::type_index, Variant>, Slot> slots_;
};

} // namespace tallyra
