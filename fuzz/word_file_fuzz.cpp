// The Word file writer: what it writes reads back as the lines it was given,
// for every character windows-1256 can hold (written in that code page, no
// byte-order mark, each line ended by CR LF) and for any other text (written
// in UTF-8 with its mark, as is a code page text whose bytes would begin as a
// mark does); a text it cannot write leaves the file as it was.
#include "core/text_file.h"

#include "fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace tallyra;

namespace {

// Lines of code page characters: each byte is the character it stands for
// in windows-1256, CR and LF end a line.
QStringList code_page_lines(const std::string& bytes) {
    static const QString table = [] {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        return decode_text(all).text;
    }();
    QStringList lines{QString()};
    for (unsigned char b : bytes) {
        if (b == '\r' || b == '\n')
            lines.append(QString());
        else
            lines.last() += table[b];
    }
    return lines;
}

QByteArray bytes_of(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static QTemporaryDir dir;
    FuzzedDataProvider data(bytes, size);
    const bool codePage = data.ConsumeBool();
    QStringList lines;
    std::string raw;
    if (codePage) {
        raw = data.ConsumeRemainingBytesAsString();
        lines = code_page_lines(raw);
    } else {
        while (data.remaining_bytes() > 0)
            lines << tallyra::fuzz::text_from(data, 512).remove(u'\r').remove(u'\n');
    }
    const QString chosen = dir.filePath(QStringLiteral("export"));
    const QString path = word_file_name(chosen);
    const QByteArray before("(the file written before)");
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly) && f.write(before) == before.size(), path);
    }

    const TextFileWrite w = write_word_file(chosen, lines);
    const QByteArray written = bytes_of(path);
    if (!w.error.isEmpty()) {
        // Only half a surrogate pair cannot be written, in any encoding.
        FUZZ_CHECK(!codePage && written == before, w.error);
        FUZZ_CHECK(!encode_text(join_lines(lines), TextEncoding::Utf8), w.error);
        return 0;
    }
    if (codePage) {
        // The bytes given, each line end as CR LF, and one after the last line.
        QByteArray expected;
        for (unsigned char b : raw)
            expected += b == '\r' || b == '\n' ? QByteArray("\r\n") : QByteArray(1, char(b));
        expected += "\r\n";
        // Unless they begin as a byte-order mark does: then the text is
        // written in UTF-8.
        const bool markLike = expected.startsWith("\xEF\xBB\xBF") ||
                              expected.startsWith("\xFF\xFE") || expected.startsWith("\xFE\xFF");
        FUZZ_CHECK(markLike ? w.encoding == TextEncoding::Utf8
                            : w.encoding == TextEncoding::Windows1256 && written == expected,
                   lines.join(u'\n'));
    } else {
        FUZZ_CHECK(written.startsWith("\xEF\xBB\xBF") == (w.encoding == TextEncoding::Utf8),
                   lines.join(u'\n'));
        FUZZ_CHECK(w.encoding == (encode_text(join_lines(lines), TextEncoding::Windows1256)
                                      ? TextEncoding::Windows1256
                                      : TextEncoding::Utf8),
                   lines.join(u'\n'));
    }
    const DecodedText d = decode_text(written);
    FUZZ_CHECK(d.invalidAt < 0 && d.encoding == w.encoding, QString::number(int(w.encoding)));
    FUZZ_CHECK(split_lines(d.text) == lines, lines.join(u'\n'));
    return 0;
}
