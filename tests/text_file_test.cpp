// The program's text files: their encodings, their lines, and what a write
// that cannot be made leaves on disk.
#include "core/text_file.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace tallyra;

namespace {

QByteArray bytes_of(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// Every character of the code page: one for each byte.
QString code_page_characters() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    return decode_text(all).text;
}

// Alif, lam, ha in each encoding.
const QString kAllah = q(u"الله");

} // namespace

TEST(TextFile, TheByteOrderMarkSelectsTheEncodingElseTheCodePage) {
    struct Case {
        QByteArray bytes;
        QString text;
        TextEncoding encoding;
        qsizetype invalidAt;
    };
    const Case cases[] = {
        {"", QString(), TextEncoding::Windows1256, -1},
        {"\xC7\xE1\xE1\xE5", kAllah, TextEncoding::Windows1256, -1},
        {"\xEF\xBB\xBF\xD8\xA7\xD9\x84\xD9\x84\xD9\x87", kAllah, TextEncoding::Utf8, -1},
        {QByteArray("\xFF\xFE\x27\x06\x44\x06\x44\x06\x47\x06", 10), kAllah, TextEncoding::Utf16LE,
         -1},
        {QByteArray("\xFE\xFF\x06\x27\x06\x44\x06\x44\x06\x47", 10), kAllah, TextEncoding::Utf16BE,
         -1},
        // A mark alone is an empty text of its encoding; a second one is text.
        {"\xEF\xBB\xBF", QString(), TextEncoding::Utf8, -1},
        {"\xEF\xBB\xBF\xEF\xBB\xBF", QString(QChar(0xFEFF)), TextEncoding::Utf8, -1},
        // Without a mark, UTF-8 bytes are code page characters.
        {"\xD8\xA7", q(u"ط§"), TextEncoding::Windows1256, -1},
        {"a\rb\r\n", q(u"a\rb\r\n"), TextEncoding::Windows1256, -1},
        // Bytes the mark's encoding rejects, counted after the mark.
        {"\xEF\xBB\xBF"
         "ab\xFF"
         "c",
         q(u"ab\uFFFDc"), TextEncoding::Utf8, 2},
        {"\xEF\xBB\xBF\xD8", q(u"\uFFFD"), TextEncoding::Utf8, 0},
        {"\xEF\xBB\xBF"
         "a\xD9\x84\xD9",
         q(u"aل\uFFFD"), TextEncoding::Utf8, 3},
        {QByteArray("\xFF\xFE\x27\x06\x44", 5), q(u"ا\uFFFD"), TextEncoding::Utf16LE, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toHex(' ').toStdString());
        const DecodedText d = decode_text(c.bytes);
        EXPECT_EQ(d.text, c.text);
        EXPECT_EQ(d.encoding, c.encoding);
        EXPECT_EQ(d.invalidAt, c.invalidAt);
    }

    // Each of the 256 bytes is one character of the code page, which the
    // code page writes back as that byte.
    const QString all = code_page_characters();
    ASSERT_EQ(all.size(), 256);
    EXPECT_EQ(all.indexOf(QChar(0xFFFD)), -1);
    std::optional<QByteArray> back = encode_text(all, TextEncoding::Windows1256);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->size(), 256);
    EXPECT_EQ(decode_text(*back).text, all);
}

TEST(TextFile, EncodingWritesTheMarkOfUtfAndRefusesWhatItCannotHold) {
    EXPECT_EQ(encode_text(kAllah, TextEncoding::Windows1256), QByteArray("\xC7\xE1\xE1\xE5"));
    EXPECT_EQ(encode_text(kAllah, TextEncoding::Utf8),
              QByteArray("\xEF\xBB\xBF\xD8\xA7\xD9\x84\xD9\x84\xD9\x87"));
    EXPECT_EQ(encode_text(q(u"ا"), TextEncoding::Utf16LE), QByteArray("\xFF\xFE\x27\x06", 4));
    EXPECT_EQ(encode_text(q(u"ا"), TextEncoding::Utf16BE), QByteArray("\xFE\xFF\x06\x27", 4));
    // Letters and marks outside the code page, and a best fit it would make.
    for (const char16_t* text : {u"א", u"\U0001F600", u"ٱ", u"ﻻ", u"Ａ"})
        EXPECT_FALSE(encode_text(q(text), TextEncoding::Windows1256)) << q(text).toStdString();
    EXPECT_TRUE(encode_text(q(u"\U0001F600"), TextEncoding::Utf8));
    // Code page bytes that would begin as a byte-order mark: «ï»؟», a
    // right-to-left mark before «ے» and the other way round.
    for (const char16_t* text : {u"ï»؟ا", u"ے\u200F", u"\u200Fے"})
        EXPECT_FALSE(encode_text(q(text), TextEncoding::Windows1256)) << q(text).toStdString();
    EXPECT_EQ(encode_text(q(u"اے\u200F"), TextEncoding::Windows1256), QByteArray("\xC7\xFF\xFE"));
    // Half of a surrogate pair is no character in any encoding.
    const QString lone(QChar(0xD83D));
    EXPECT_FALSE(encode_text(lone, TextEncoding::Utf8));
    EXPECT_FALSE(encode_text(lone, TextEncoding::Windows1256));
}

TEST(TextFile, EveryLineEndEndsALineAndEveryLineCounts) {
    struct Case {
        const char16_t* text;
        QStringList lines;
        const char16_t* lf; // the text with LF line ends
    };
    const Case cases[] = {
        {u"", {}, u""},
        {u"ا", {q(u"ا")}, u"ا"},
        {u"ا\r\n", {q(u"ا")}, u"ا\n"},
        {u"\r\n", {QString()}, u"\n"},
        {u"a\r\nb", {q(u"a"), q(u"b")}, u"a\nb"},
        {u"a\rb\nc\r\n\r\nd", {q(u"a"), q(u"b"), q(u"c"), QString(), q(u"d")}, u"a\nb\nc\n\nd"},
        {u"\n\r", {QString(), QString()}, u"\n\n"},
        {u"\r\r\n", {QString(), QString()}, u"\n\n"},
        {u"  ", {q(u"  ")}, u"  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toUtf8().toHex(' ').toStdString());
        EXPECT_EQ(split_lines(q(c.text)), c.lines);
        EXPECT_EQ(normalize_line_ends(q(c.text), u"\n"), q(c.lf));
        // Lines written with CR LF each read back as they were.
        EXPECT_EQ(split_lines(join_lines(c.lines)), c.lines);
    }
    EXPECT_EQ(join_lines({q(u"a"), QString()}), q(u"a\r\n\r\n"));
}

TEST(TextFile, EachEncodingReadsBackWhatWasWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(q(u"قائمة.txt"));
    const QString text = q(u"بسم الله الرحمن الرحيم\r\nقُلْ هُوَ اللَّهُ أَحَدٌ\r\n\r\nTallyra 1, 2\r\n");
    struct Case {
        TextEncoding encoding;
        QByteArray start;
    };
    const Case cases[] = {
        {TextEncoding::Windows1256, "\xC8\xD3\xE3 "},
        {TextEncoding::Utf8, "\xEF\xBB\xBF"},
        {TextEncoding::Utf16LE, "\xFF\xFE"},
        {TextEncoding::Utf16BE, "\xFE\xFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.encoding));
        const TextFileWrite w = write_text_file(path, text, c.encoding);
        EXPECT_EQ(w.error, QString());
        EXPECT_EQ(w.encoding, c.encoding);
        EXPECT_TRUE(bytes_of(path).startsWith(c.start));
        const TextFileRead r = read_text_file(path);
        EXPECT_EQ(r.error, QString());
        EXPECT_EQ(r.text, text);
        EXPECT_EQ(r.encoding, c.encoding);
    }

    // What the code page cannot hold is written in UTF-8 with its mark, and
    // reads back whole.
    const QString beyond = q(u"א ٱلله \U0001F600");
    const QString markLike = q(u"\u200Fے\r\n");
    EXPECT_EQ(write_text_file(path, markLike).encoding, TextEncoding::Utf8);
    EXPECT_EQ(read_text_file(path).text, markLike);
    const TextFileWrite w = write_text_file(path, beyond);
    EXPECT_EQ(w.error, QString());
    EXPECT_EQ(w.encoding, TextEncoding::Utf8);
    EXPECT_TRUE(bytes_of(path).startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(read_text_file(path).text, beyond);
}

TEST(TextFile, AWordFileIsCodePageLinesEndedByCrLfUnderTheNamePlusDoc) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString chosen = dir.filePath(QStringLiteral("report.doc"));
    EXPECT_EQ(word_file_name(chosen), chosen + QStringLiteral(".doc"));

    // Every character of the code page but the line ends, on lines of 16.
    QStringList lines;
    const QString all = code_page_characters();
    for (int b = 0; b < 256; b += 16)
        lines << all.mid(b, 16).remove(u'\r').remove(u'\n');
    const TextFileWrite w = write_word_file(chosen, lines);
    EXPECT_EQ(w.error, QString());
    EXPECT_EQ(w.encoding, TextEncoding::Windows1256);
    EXPECT_FALSE(QFile::exists(chosen));
    const QByteArray bytes = bytes_of(chosen + QStringLiteral(".doc"));
    EXPECT_EQ(bytes.size(), 256 - 2 + 2 * 16);
    EXPECT_TRUE(
        bytes.endsWith("\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9\xFA\xFB\xFC\xFD\xFE\xFF\r\n"));
    EXPECT_EQ(split_lines(decode_text(bytes).text), lines);

    // An existing file of that name is replaced.
    EXPECT_EQ(write_word_file(chosen, {kAllah}).error, QString());
    EXPECT_EQ(bytes_of(chosen + QStringLiteral(".doc")), QByteArray("\xC7\xE1\xE1\xE5\r\n"));
    EXPECT_EQ(write_word_file(chosen, {}).error, QString());
    EXPECT_EQ(bytes_of(chosen + QStringLiteral(".doc")), QByteArray());
}

TEST(TextFile, AFileThatCannotBeReadSaysWhichAndWhy) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString big = dir.filePath(QStringLiteral("big.txt"));
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(kMaxTextFileSize + 1));
    }
    const QString broken = dir.filePath(QStringLiteral("broken.txt"));
    put(broken, "\xEF\xBB\xBF\xD8\xA7\n\xC7");
    struct Case {
        QString path;
        const char16_t* reason;
    };
    const Case cases[] = {
        {dir.filePath(QStringLiteral("missing.txt")), u"No such file"},
        {dir.path(), u""},
        {big, u"حجمه أكبر من 64 ميغابايت"},
        {broken, u"ليس نصا صالحا بترميز UTF-8 (البايت رقم 7)"},
    };
    for (const Case& c : cases) {
        const TextFileRead r = read_text_file(c.path);
        EXPECT_TRUE(r.error.startsWith(q(u"تعذرت قراءة الملف ") + named(c.path) + q(u": \u2068")))
            << r.error.toStdString();
        EXPECT_TRUE(r.error.contains(q(c.reason))) << r.error.toStdString();
        EXPECT_TRUE(r.text.isEmpty());
    }
}

// Every write that cannot be made says which file and why, and leaves what was
// on disk as it was.
TEST(TextFile, AFailedWriteLeavesTheExistingFileWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString kept = dir.filePath(QStringLiteral("notes.txt"));
    const QByteArray before("\xC7\xE1\xE1\xE5\r\n");
    put(kept, before);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));

    struct Case {
        QString path;
        QString text;
        const char16_t* reason;
    };
    const Case cases[] = {
        {dir.filePath(QStringLiteral("folder")), kAllah, u""},
        {dir.filePath(QStringLiteral("missing/list.txt")), kAllah, u""},
        {dir.filePath(QStringLiteral("notes.txt/list.txt")), kAllah, u""},
        {kept, QString(QChar(0xDC00)), u"النص يحوي ما لا يمكن ترميزه بـ UTF-8"},
    };
    for (const Case& c : cases) {
        const TextFileWrite w = write_text_file(c.path, c.text);
        EXPECT_TRUE(w.error.startsWith(q(u"تعذر حفظ الملف ") + named(c.path) + q(u": \u2068")))
            << w.error.toStdString();
        EXPECT_GT(w.error.size(), c.path.size() + 20) << "the reason is given";
        EXPECT_TRUE(w.error.contains(q(c.reason))) << w.error.toStdString();
    }
    EXPECT_TRUE(write_file(dir.filePath(QStringLiteral("folder")), "%PDF")
                    .startsWith(q(u"تعذر حفظ الملف «")));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing"))));
    EXPECT_EQ(bytes_of(kept), before);

    // A disk that fills up while the file is written: the writes beyond the
    // limit fail, whoever runs the test.
    {
        struct rlimit old;
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old;
        small.rlim_cur = 4096;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const TextFileWrite w = write_text_file(kept, QString(100000, QChar(0x0627)));
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
        EXPECT_TRUE(w.error.startsWith(q(u"تعذر حفظ الملف «"))) << w.error.toStdString();
        EXPECT_EQ(bytes_of(kept), before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("notes.txt")})
            << "no temporary file is left behind";
    }
}

TEST(TextFile, AReadOnlyFolderLeavesItsFileWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray before("\xC7\xE1\xE1\xE5\r\n");
    // Its owner may write there anyway when he is root.
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    const QString inside = locked + QStringLiteral("/list.txt");
    put(inside, before);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(locked + QStringLiteral("/probe"));
    const bool rootWrites = probe.open(QIODevice::WriteOnly);
    probe.close();
    probe.remove();
    if (!rootWrites) {
        const TextFileWrite w = write_text_file(inside, kAllah + kAllah);
        EXPECT_TRUE(w.error.startsWith(q(u"تعذر حفظ الملف «"))) << w.error.toStdString();
        EXPECT_EQ(bytes_of(inside), before);
    }
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (rootWrites)
        GTEST_SKIP() << "run as root: a read-only folder does not stop the write";
}
