#include "corpus/corpus.h"

#include <QResource>
#include <QtGlobal>

namespace tallyra {

QString merge_waw(const QString& line) {
    // Words run between single spaces, as a split at every space gives them;
    // a word «و» with a word after it is written together with that word.
    const qsizetype n = line.size();
    QString out;
    bool joined = false;
    qsizetype start = 0;
    while (true) {
        qsizetype end = line.indexOf(u' ', start);
        if (end < 0)
            end = n;
        if (end - start == 1 && line[start] == u'و' && end < n) {
            if (!joined) {
                out.reserve(n);
                out.append(QStringView(line).first(start));
                joined = true;
            }
            out.append(u'و');
            start = end + 1;
            end = line.indexOf(u' ', start);
            if (end < 0)
                end = n;
        }
        if (joined) {
            out.append(QStringView(line).sliced(start, end - start));
            if (end < n)
                out.append(u' ');
        }
        if (end >= n)
            break;
        start = end + 1;
    }
    return joined ? out : line;
}

Corpus::Corpus(const QString& separatedText) {
    separated_ = separatedText.split(u'\n');
    // The text ends with a line feed: drop the empty piece after it.
    if (!separated_.isEmpty() && separated_.last().isEmpty())
        separated_.removeLast();
}

const Corpus& Corpus::instance() {
    // Made on first use and never torn down: the process exit frees it.
    static const Corpus* const corpus = [] {
        // The resource is stored uncompressed: its bytes are read in place.
        const QResource resource(QStringLiteral(":/corpus/separated-waw.txt"));
        if (!resource.isValid())
            qFatal("The verse text is missing from this build of the program.");
        auto* c = new Corpus(QString::fromUtf8(resource.uncompressedData()));
        if (c->verseCount() != kVerseCount)
            qFatal("The verse text of this build holds %d verses instead of %d.", c->verseCount(),
                   kVerseCount);
        return c;
    }();
    return *corpus;
}

const QStringList& Corpus::merged() const {
    std::call_once(mergedMade_, [this] {
        merged_.reserve(separated_.size());
        for (const QString& line : separated_)
            merged_.append(merge_waw(line));
    });
    return merged_;
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

const void* Corpus::slot(std::type_index type, Variant v,
                         const std::function<std::shared_ptr<const void>()>& make) const {
    Slot* s = nullptr;
    {
        const std::lock_guard<std::mutex> lock(slotsMutex_);
        s = &slots_[{type, v}];
    }
    // Made outside the lock, so that a value may be made from other values.
    std::call_once(s->made, [&] { s->value = make(); });
    return s->value.get();
}

} // namespace tallyra
