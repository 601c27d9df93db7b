#include "measures/verse_facts.h"

#include "measures/measures.h"

namespace tallyra {

VerseFacts::VerseFacts(const Corpus& corpus, Variant v) {
    const QStringList& lines = corpus.lines(v);
    words.assign(size_t(lines.size()) + 1, 0);
    letters.assign(size_t(lines.size()) + 1, 0);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const WordsAndLetters counts = count_words_and_letters(line);
        words[i + 1] = counts.words;
        letters[i + 1] = counts.letters;
        totalWords += counts.words;
        totalLetters += counts.letters;
        if (line.isEmpty() || !is_letter(line.front()) || !is_letter(line.back()))
            linesEndInLetters = false;
    }
}

} // namespace tallyra
