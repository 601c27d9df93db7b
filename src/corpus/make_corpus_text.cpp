// Writes the verse text that the program carries as C++ source: the lines of
// the UTF-8 input file (one verse per line) as one UTF-16 array in which every
// line is followed by one space, and where each line starts. The build runs
// it on data/separated-waw.txt, so that the program starts with its text in
// place (corpus/corpus_text.h).
//
//   make_corpus_text INPUT OUTPUT
#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_corpus_text INPUT OUTPUT\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_corpus_text: cannot read %s\n", argv[1]);
        return 1;
    }
    QStringList lines = QString::fromUtf8(in.readAll()).split(u'\n');
    // The text ends with a line feed: drop the empty piece after it.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    std::FILE* out = std::fopen(argv[2], "w");
    if (!out) {
        std::perror(argv[2]);
        return 1;
    }
    std::fprintf(out, "// Made by make_corpus_text from the verse text as the program builds.\n"
                      "#include \"corpus/corpus_text.h\"\n\n"
                      "namespace tallyra {\n\n"
                      "const char16_t kVerseText[] =\n");
    for (const QString& line : lines) {
        // Characters below U+0080 that are not printable, the quote and the
        // backslash as octal escapes, everything else as it is (UTF-8).
        QString piece;
        for (QChar c : line + u' ') {
            if (c.unicode() < 0x20 || c == u'"' || c == u'\\' || c.unicode() == 0x7F)
                piece += QString::asprintf("\\%03o", c.unicode());
            else
                piece += c;
        }
        std::fprintf(out, "    u\"%s\"\n", piece.toUtf8().constData());
    }
    std::fprintf(out,
                 "    ;\n\nconst int kVerseTextLines = %d;\n\n"
                 "const qsizetype kVerseTextStarts[] = {\n",
                 int(lines.size()));
    long long start = 0;
    for (const QString& line : lines) {
        std::fprintf(out, "    %lld,\n", start);
        start += line.size() + 1;
    }
    std::fprintf(out, "    %lld,\n};\n\n} // namespace tallyra\n", start);
    return std::fclose(out) == 0 ? 0 : 1;
}
