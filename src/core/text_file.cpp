#include "core/text_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tallyra {

namespace {

struct Mark {
    TextEncoding encoding;
    QByteArrayView bytes;
};

const Mark kMarks[] = {
    {TextEncoding::Utf8, QByteArrayView("\xEF\xBB\xBF", 3)},
    {TextEncoding::Utf16LE, QByteArrayView("\xFF\xFE", 2)},
    {TextEncoding::Utf16BE, QByteArrayView("\xFE\xFF", 2)},
};

constexpr QStringConverter::Flags kFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

// The converters' name of each encoding: built into Qt for UTF-8 and
// UTF-16, ICU's for the code page.
const char* converter_name(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Utf16LE:
        return "UTF-16LE";
    case TextEncoding::Utf16BE:
        return "UTF-16BE";
    case TextEncoding::Windows1256:
        break;
    }
    return "windows-1256";
}

QStringDecoder decoder(TextEncoding encoding) {
    return QStringDecoder(converter_name(encoding), kFlags);
}

QStringEncoder encoder(TextEncoding encoding) {
    return QStringEncoder(converter_name(encoding), kFlags);
}

QByteArrayView mark_of(TextEncoding encoding) {
    for (const Mark& m : kMarks)
        if (m.encoding == encoding)
            return m.bytes;
    return {};
}

QString cannot_read(const QString& path, const QString& reason) {
    return QStringLiteral("تعذرت قراءة الملف ") + quoted_path(path) + QStringLiteral(": ") +
           isolated(reason);
}

QString cannot_write(const QString& path, const QString& reason) {
    return QStringLiteral("تعذر حفظ الملف ") + quoted_path(path) + QStringLiteral(": ") +
           isolated(reason);
}

QString encoding_name(TextEncoding encoding) {
    return QString::fromLatin1(converter_name(encoding));
}

// The offset of the first byte that is not part of a well-formed UTF-8
// sequence (no overlong form, no surrogate, nothing above U+10FFFF), or -1.
qsizetype first_invalid_utf8(QByteArrayView bytes) {
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const quint8 b = quint8(bytes[i]);
        int length = 0;
        quint8 low = 0x80, high = 0xBF; // the allowed range of the second byte
        if (b < 0x80)
            length = 1;
        else if (b >= 0xC2 && b <= 0xDF)
            length = 2;
        else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            low = b == 0xE0 ? 0xA0 : 0x80;
            high = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            low = b == 0xF0 ? 0x90 : 0x80;
            high = b == 0xF4 ? 0x8F : 0xBF;
        } else
            return i;
        for (int k = 1; k < length; ++k) {
            if (i + k >= n)
                return i;
            const quint8 c = quint8(bytes[i + k]);
            if (k == 1 ? (c < low || c > high) : (c & 0xC0) != 0x80)
                return i;
        }
        i += length;
    }
    return -1;
}

} // namespace

QString isolated(const QString& text) {
    // FIRST STRONG ISOLATE ... POP DIRECTIONAL ISOLATE
    return QChar(0x2068) + text + QChar(0x2069);
}

QString quoted_path(const QString& path) {
    return QStringLiteral("«") + isolated(QDir::toNativeSeparators(path)) + QStringLiteral("»");
}

DecodedText decode_text(QByteArrayView bytes) {
    DecodedText d;
    for (const Mark& m : kMarks) {
        if (bytes.startsWith(m.bytes)) {
            d.encoding = m.encoding;
            bytes = bytes.sliced(m.bytes.size());
            break;
        }
    }
    QStringDecoder decode = decoder(d.encoding);
    d.text = decode(bytes);
    switch (d.encoding) {
    case TextEncoding::Utf8:
        d.invalidAt = first_invalid_utf8(bytes);
        break;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        // Half a code unit at the end.
        if (bytes.size() % 2)
            d.invalidAt = bytes.size() - 1;
        break;
    case TextEncoding::Windows1256:
        break;
    }
    return d;
}

std::optional<QByteArray> encode_text(QStringView text, TextEncoding encoding) {
    QStringEncoder encode = encoder(encoding);
    if (!encode.isValid())
        return std::nullopt;
    QByteArray bytes = encode(text);
    if (encode.hasError())
        return std::nullopt;
    // Code page bytes that begin as a byte-order mark does (the letters «ï»؟»,
    // a right-to-left mark and «ے») would read back in another encoding.
    if (encoding == TextEncoding::Windows1256)
        for (const Mark& m : kMarks)
            if (bytes.startsWith(m.bytes))
                return std::nullopt;
    // The code page's converter may write a near character for one it lacks
    // (a best fit); only what reads back as it was counts as held.
    QStringDecoder decode = decoder(encoding);
    const QString back = decode(bytes);
    if (back != text || decode.hasError())
        return std::nullopt;
    return mark_of(encoding).toByteArray() + bytes;
}

QStringList split_lines(QStringView text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start).toString());
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start).toString());
    return lines;
}

QString join_lines(const QStringList& lines) {
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

QString normalize_line_ends(QStringView text, QStringView end) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            out += end;
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString file_read_error(const QString& path, const QString& reason) {
    return cannot_read(path, reason);
}

TextFileRead read_text_file(const QString& path) {
    TextFileRead r;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.error = cannot_read(path, file.errorString());
        return r;
    }
    // A file is read whole once its size is known to be within the limit; a
    // pipe, which has no size to check first, in pieces up to the limit and
    // one byte beyond.
    QByteArray bytes;
    bool tooLarge = !file.isSequential() && file.size() > kMaxTextFileSize;
    if (!tooLarge && !file.isSequential()) {
        bytes = file.readAll();
    } else {
        while (!tooLarge) {
            const QByteArray piece = file.read(1 << 16);
            if (piece.isEmpty())
                break;
            bytes += piece;
            tooLarge = bytes.size() > kMaxTextFileSize;
        }
    }
    if (file.error() != QFileDevice::NoError) {
        r.error = cannot_read(path, file.errorString());
        return r;
    }
    if (tooLarge) {
        r.error = cannot_read(path, QStringLiteral("حجمه أكبر من ") +
                                        QString::number(kMaxTextFileSize / (1024 * 1024)) +
                                        QStringLiteral(" ميغابايت"));
        return r;
    }
    DecodedText d = decode_text(bytes);
    if (d.invalidAt >= 0) {
        r.error = cannot_read(
            path, QStringLiteral("ليس نصا صالحا بترميز ") + encoding_name(d.encoding) +
                      QStringLiteral(" (البايت رقم ") +
                      QString::number(d.invalidAt + 1 + mark_of(d.encoding).size()) + u')');
        return r;
    }
    r.text = std::move(d.text);
    r.encoding = d.encoding;
    return r;
}

QString write_file(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit())
        return cannot_write(path, file.errorString());
    return {};
}

TextFileWrite write_text_file(const QString& path, QStringView text, TextEncoding encoding) {
    TextFileWrite w;
    w.encoding = encoding;
    std::optional<QByteArray> bytes = encode_text(text, encoding);
    if (!bytes && encoding == TextEncoding::Windows1256) {
        w.encoding = TextEncoding::Utf8;
        bytes = encode_text(text, w.encoding);
    }
    if (!bytes) {
        w.error = cannot_write(path, QStringLiteral("النص يحوي ما لا يمكن ترميزه بـ ") +
                                         encoding_name(w.encoding));
        return w;
    }
    w.error = write_file(path, *bytes);
    return w;
}

QString word_file_name(const QString& chosen) {
    return chosen + QStringLiteral(".doc");
}

TextFileWrite write_word_file(const QString& chosen, const QStringList& lines) {
    return write_text_file(word_file_name(chosen), join_lines(lines));
}

} // namespace tallyra
