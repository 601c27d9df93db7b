// The reader of the phrase lists and of the notes file, over any bytes: the
// byte-order mark's encoding or windows-1256, valid text read back exactly,
// broken text refused with its place, and the lines of every line end.
#include "core/text_file.h"

#include "fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <unistd.h>

using namespace tallyra;

namespace {

QByteArrayView mark_of(TextEncoding e) {
    switch (e) {
    case TextEncoding::Utf8:
        return QByteArrayView("\xEF\xBB\xBF", 3);
    case TextEncoding::Utf16LE:
        return QByteArrayView("\xFF\xFE", 2);
    case TextEncoding::Utf16BE:
        return QByteArrayView("\xFE\xFF", 2);
    case TextEncoding::Windows1256:
        break;
    }
    return {};
}

const QString& scratch_file() {
    static const QString path =
        QDir::temp().filePath(QStringLiteral("tallyra-text-read-fuzz-%1").arg(getpid()));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DecodedText d = decode_text(bytes);
    const QByteArrayView body = bytes.sliced(mark_of(d.encoding).size());
    FUZZ_CHECK(d.invalidAt >= -1 && d.invalidAt < body.size(), QString::number(d.invalidAt));

    // What the reader takes as valid is the file's text exactly: its encoder
    // gives the same bytes back.
    if (d.invalidAt < 0) {
        QByteArray again;
        switch (d.encoding) {
        case TextEncoding::Utf8:
            again = d.text.toUtf8();
            break;
        case TextEncoding::Utf16LE:
            again = QStringEncoder(QStringConverter::Utf16LE)(d.text);
            break;
        case TextEncoding::Utf16BE:
            again = QStringEncoder(QStringConverter::Utf16BE)(d.text);
            break;
        case TextEncoding::Windows1256:
            FUZZ_CHECK(d.text.size() == body.size(), d.text);
            again = encode_text(d.text, TextEncoding::Windows1256).value_or("(refused)");
            break;
        }
        FUZZ_CHECK(again == body, d.text);
    } else {
        // The valid part before the bad byte reads as it is.
        FUZZ_CHECK(d.encoding != TextEncoding::Windows1256, d.text);
        const DecodedText head =
            decode_text(mark_of(d.encoding).toByteArray() + body.first(d.invalidAt).toByteArray());
        FUZZ_CHECK(head.invalidAt < 0, QString::number(d.invalidAt));
        FUZZ_CHECK(d.text.startsWith(head.text), d.text);
    }

    // A phrase list's lines: none holds a line end, and together with their
    // ends they are the text with LF line ends (the notes pad's reading).
    const QStringList lines = split_lines(d.text);
    const QString lf = normalize_line_ends(d.text, u"\n");
    for (const QString& line : lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'), line);
    FUZZ_CHECK(lines.join(u'\n') + (lf.endsWith(u'\n') ? QStringLiteral("\n") : QString()) == lf,
               d.text);
    FUZZ_CHECK(split_lines(join_lines(lines)) == lines, d.text);
    FUZZ_CHECK(normalize_line_ends(join_lines(lines), u"\n") ==
                   lines.join(u'\n') + (lines.isEmpty() ? QString() : QStringLiteral("\n")),
               d.text);

    // The same bytes in a file read the same, or are refused naming it.
    QFile file(scratch_file());
    FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes.toByteArray()) == bytes.size(),
               file.errorString());
    file.close();
    const TextFileRead r = read_text_file(scratch_file());
    if (d.invalidAt < 0) {
        FUZZ_CHECK(r.error.isEmpty() && r.text == d.text && r.encoding == d.encoding, r.error);
    } else {
        FUZZ_CHECK(r.error.contains(QDir::toNativeSeparators(scratch_file())) && r.text.isEmpty(),
                   r.error);
    }
    return 0;
}
