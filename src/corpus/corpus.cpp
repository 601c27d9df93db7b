#include "corpus/corpus.h"

#include <QFile>
#include <QtGlobal>

namespace tallyra {

QString merge_waw(const QString& line) {
    const QStringList words = line.split(u' ');
    QStringList out;
    out.reserve(words.size());
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i] == QStringLiteral("و") && i + 1 < words.size()) {
            out.append(words[i] + words[i + 1]);
            ++i;
        } else {
            out.append(words[i]);
        }
    }
    return out.join(u' ');
}

Corpus::Corpus(const QString& separatedText) {
    separated_ = separatedText.split(u'\n');
    // The text ends with a line feed: drop the empty piece after it.
    if (!separated_.isEmpty() && separated_.last().isEmpty())
        separated_.removeLast();
    merged_.reserve(separated_.size());
    for (const QString& line : separated_)
        merged_.append(merge_waw(line));
}

const Corpus& Corpus::instance() {
    static const Corpus corpus = [] {
        QFile file(QStringLiteral(":/corpus/separated-waw.txt"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("The verse text is missing from this build of the program.");
        Corpus c(QString::fromUtf8(file.readAll()));
        if (c.verseCount() != kVerseCount)
            qFatal("The verse text of this build holds %d verses instead of %d.", c.verseCount(),
                   kVerseCount);
        return c;
    }();
    return corpus;
}

const QString& Corpus::verse(Variant v, int i) const {
    static const QString empty;
    const QStringList& l = lines(v);
    return i >= 1 && i <= l.size() ? l[i - 1] : empty;
}

QString Corpus::wholeText(Variant v) const {
    const QStringList& l = lines(v);
    qsizetype size = 0;
    for (const QString& line : l)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString& line : l) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace tallyra
