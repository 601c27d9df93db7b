#include "corpus/corpus.h"

#include "corpus/corpus_text.h"

#include <QtGlobal>

namespace tallyra {

namespace {

// Appends `line` to `out` with every word «و» that has a word after it joined
// to that word. Words run between single spaces, as a split at every space
// gives them.
void append_merged(QStringView line, QString& out) {
    const qsizetype n = line.size();
    qsizetype start = 0;
    while (true) {
        qsizetype end = line.indexOf(u' ', start);
        if (end < 0)
            end = n;
        if (end - start == 1 && line[start] == u'و' && end < n) {
            out.append(u'و');
            start = end + 1;
            end = line.indexOf(u' ', start);
            if (end < 0)
                end = n;
        }
        out.append(line.sliced(start, end - start));
        if (end >= n)
            break;
        out.append(u' ');
        start = end + 1;
    }
}

} // namespace

QString merge_waw(const QString& line) {
    QString out;
    out.reserve(line.size());
    append_merged(line, out);
    return out;
}

Corpus::Corpus(const QString& separatedText) {
    QStringList pieces = separatedText.split(u'\n');
    // The text ends with a line feed: drop the empty piece after it.
    if (!pieces.isEmpty() && pieces.last().isEmpty())
        pieces.removeLast();
    Text& t = separated_;
    t.spaced.reserve(separatedText.size() + 1);
    for (const QString& line : pieces) {
        t.ownStarts.push_back(t.spaced.size());
        t.spaced += line;
        t.spaced += u' ';
    }
    t.ownStarts.push_back(t.spaced.size());
    t.starts = t.ownStarts;
    t.lines = std::move(pieces);
}

Corpus::Corpus(QStringView lastingSpacedText, std::span<const qsizetype> lastingStarts)
    : views_(true) {
    separated_.spaced = QString::fromRawData(lastingSpacedText.data(), lastingSpacedText.size());
    separated_.starts = lastingStarts;
    makeLines(separated_);
}

const Corpus& Corpus::instance() {
    // Made on first use and never torn down: the process exit frees it.
    static const Corpus* const corpus = [] {
        const QStringView text(kVerseText, kVerseTextStarts[kVerseTextLines]);
        auto* c = new Corpus(text, {kVerseTextStarts, size_t(kVerseTextLines) + 1});
        if (c->verseCount() != kVerseCount)
            qFatal("The verse text of this build holds %d verses instead of %d.", c->verseCount(),
                   kVerseCount);
        return c;
    }();
    return *corpus;
}

QString Corpus::part(const Text& t, qsizetype from, qsizetype length) const {
    return views_ ? QString::fromRawData(t.spaced.constData() + from, length)
                  : t.spaced.mid(from, length);
}

void Corpus::makeLines(Text& t) const {
    t.lines.reserve(qsizetype(t.starts.size()) - 1);
    for (size_t i = 0; i + 1 < t.starts.size(); ++i)
        t.lines.append(part(t, t.starts[i], t.starts[i + 1] - t.starts[i] - 1));
}

const Corpus::Text& Corpus::merged() const {
    std::call_once(mergedMade_, [this] {
        // One pass over the separated-waw text; the merged text is no longer.
        Text& t = merged_;
        t.spaced.reserve(separated_.spaced.size());
        t.ownStarts.reserve(separated_.lines.size() + 1);
        for (const QString& line : separated_.lines) {
            t.ownStarts.push_back(t.spaced.size());
            append_merged(line, t.spaced);
            t.spaced += u' ';
        }
        t.ownStarts.push_back(t.spaced.size());
        t.starts = t.ownStarts;
        makeLines(t);
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

QString Corpus::spacedLines(Variant v, int first, int last) const {
    const Text& t = text(v);
    if (first < 1 || first > last || last > verseCount())
        return {};
    return part(t, t.starts[first - 1], t.starts[last] - t.starts[first - 1]);
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
