// The program's files: phrase lists, the notes file, the Word files and the
// rules document. Every file the program reads as text is read here, and
// every file it writes is written here, through QSaveFile, so that a failed write leaves an
// existing file whole and says why.
//
// Reading: a leading UTF-8, UTF-16 LE or UTF-16 BE byte-order mark selects
// that encoding, else the bytes are windows-1256, the Arabic code page.
// Writing: windows-1256 without a byte-order mark, or UTF-8 and UTF-16 with
// their mark (a file read with a mark is written back in its encoding). A
// text that holds a character windows-1256 cannot hold is written in UTF-8
// with its mark instead, so that no character is lost or replaced and the
// file reads back as it was written; the result says which encoding was
// written.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace tallyra {

enum class TextEncoding { Windows1256, Utf8, Utf16LE, Utf16BE };

// The largest file read as text; a phrase list or the notes are far smaller.
inline constexpr qsizetype kMaxTextFileSize = 64 * 1024 * 1024;

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Windows1256;
    // The offset of the first byte that is not valid in the encoding (after
    // the byte-order mark), or -1; the text holds U+FFFD in its place.
    qsizetype invalidAt = -1;
};

// The text of a file's bytes: the encoding its byte-order mark selects, else
// windows-1256 (every byte of which is a character).
DecodedText decode_text(QByteArrayView bytes);

// The bytes of a text in an encoding, the byte-order mark first for UTF-8 and
// UTF-16. Empty when the encoding cannot hold every character of the text
// (windows-1256 holds the Arabic letters and marks, Latin letters and a few
// more; UTF-8 and UTF-16 hold any text of valid code points).
std::optional<QByteArray> encode_text(QStringView text, TextEncoding encoding);

// The lines of a text as a phrase list reads them: CR LF, LF and a lone CR
// each end a line; every line counts, empty ones included; a line end at the
// very end starts no further line (so "" has no line and "\r\n" one empty
// line).
QStringList split_lines(QStringView text);

// Every line followed by CR LF, the last one too.
QString join_lines(const QStringList& lines);

// The text with each of its line ends (CR LF, LF, lone CR) replaced by `end`.
QString normalize_line_ends(QStringView text, QStringView end);

struct TextFileRead {
    QString text;
    TextEncoding encoding = TextEncoding::Windows1256;
    // Why the file could not be read, naming it; empty on success.
    QString error;
};

// Reads a whole text file. Refused with a message: a file that cannot be
// opened (missing, a folder, no permission), one larger than
// kMaxTextFileSize, or one whose bytes are not valid in the encoding its
// byte-order mark names.
TextFileRead read_text_file(const QString& path);

struct TextFileWrite {
    // Why the file could not be written, naming it; empty on success.
    QString error;
    // The encoding written (UTF-8 where windows-1256 was asked for and
    // cannot hold the text).
    TextEncoding encoding = TextEncoding::Windows1256;
};

// A text of another script inside an Arabic message (a file's name, the
// system's reason), set apart by directional isolates, so that a
// right-to-left message keeps its slashes and punctuation in place.
QString isolated(const QString& text);
// A file's name as a message shows it: isolated, between guillemets.
QString quoted_path(const QString& path);

// The message of a file that could not be read, naming it and the reason.
QString file_read_error(const QString& path, const QString& reason);

// Writes `bytes` to `path` (the rules document, and every text file below),
// replacing an existing file only once every byte is written. Returns why it
// could not be written, naming the file; empty on success.
QString write_file(const QString& path, QByteArrayView bytes);

// Writes `text` to `path` in `encoding`, replacing an existing file only once
// the whole text is written. On failure nothing changes on disk.
TextFileWrite write_text_file(const QString& path, QStringView text,
                              TextEncoding encoding = TextEncoding::Windows1256);

// A Word file's name: ".doc" appended to the chosen name, even when it
// already ends so.
QString word_file_name(const QString& chosen);

// Writes a Word file under the chosen name (".doc" appended): the lines in
// order, each ended by CR LF, in windows-1256 without a byte-order mark.
TextFileWrite write_word_file(const QString& chosen, const QStringList& lines);

} // namespace tallyra
