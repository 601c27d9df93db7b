// The verse text in its two variants. The separated-waw text is compiled into
// the program; the merged-waw text is derived from it as the corpus loads.
// Line i (from 1) of either variant is the verse with running number i.
#pragma once

#include <QString>
#include <QStringList>

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
    // The corpus of the program, loaded once from its compiled-in resource.
    static const Corpus& instance();

    // A corpus from separated-waw text, one verse per line.
    explicit Corpus(const QString& separatedText);

    const QStringList& lines(Variant v) const {
        return v == Variant::Merged ? merged_ : separated_;
    }
    int verseCount() const { return static_cast<int>(separated_.size()); }

    // Line i (1-based) of variant v; the empty text outside 1..verseCount().
    const QString& verse(Variant v, int i) const;

    // All lines joined, every line (the last included) followed by CR LF.
    QString wholeText(Variant v) const;

private:
    QStringList separated_;
    QStringList merged_;
};

} // namespace tallyra
