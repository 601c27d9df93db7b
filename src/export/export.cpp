#include "export/export.h"

#include "core/columns.h"
#include "core/text_file.h"
#include "display/display.h"
#include "measures/measures.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace tallyra {

namespace {

// The colours of the RTF colour table, from 1 (0 is the default).
enum RtfColour { Black = 1, Red = 2, Blue = 3 };

// How one character of the display box is drawn.
struct Look {
    int colour = Black;
    bool underline = false;

    bool operator==(const Look&) const = default;
};

// The look of every character: a red mark colours red wherever it lies, a
// blue mark colours blue where no red one does and underlines.
std::vector<Look> looks(const DisplayBox& box) {
    const qsizetype n = box.text.size();
    std::vector<Look> out(static_cast<size_t>(n));
    for (const Mark& m : box.marks) {
        const qsizetype from = std::clamp<qsizetype>(m.start, 0, n);
        const qsizetype to = std::clamp<qsizetype>(qsizetype(m.start) + m.length, from, n);
        for (qsizetype i = from; i < to; ++i) {
            Look& look = out[size_t(i)];
            if (m.kind == MarkKind::Red) {
                look.colour = Red;
            } else {
                look.underline = true;
                if (look.colour != Red)
                    look.colour = Blue;
            }
        }
    }
    return out;
}

// An RTF font name may hold neither a semicolon nor the characters RTF
// reserves.
QByteArray rtf_font_name(const QString& family) {
    QByteArray out;
    for (const QChar c : family)
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != u';' && c != u'\\' && c != u'{' &&
            c != u'}')
            out += char(c.unicode());
    return out.isEmpty() ? QByteArray("Arial") : out;
}

// Appends the text of characters [from, to) as RTF: printable ASCII as it
// is (the three reserved characters escaped), line ends as paragraph ends,
// everything else as \uN with the windows-1256 byte as its fallback.
void append_rtf_text(QByteArray& out, const QString& text, qsizetype from, qsizetype to,
                     QHash<char16_t, QByteArray>& fallbacks) {
    for (qsizetype i = from; i < to; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += char(c);
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < to && text[i + 1] == u'\n')
                ++i;
            out += "\\par\n";
        } else if (c == u'\t') {
            out += "\\tab ";
        } else {
            // RTF writes a code unit as a signed 16-bit number.
            out += "\\u";
            out += QByteArray::number(c > 0x7fff ? int(c) - 0x10000 : int(c));
            auto it = fallbacks.find(c);
            if (it == fallbacks.end()) {
                const QChar one(c);
                const std::optional<QByteArray> byte =
                    encode_text(QStringView(&one, 1), TextEncoding::Windows1256);
                QByteArray fallback = "?";
                if (byte && byte->size() == 1)
                    fallback = "\\'" + byte->toHex();
                it = fallbacks.insert(c, fallback);
            }
            out += *it;
        }
    }
}

// The file name chosen: remembered as the save dialog's next proposal.
// False when the dialog was cancelled.
bool chosen(Session& s, const QString& name) {
    if (name.isEmpty())
        return false;
    s.wordFileName = name;
    return true;
}

} // namespace

QString write_word_lines(Session& s, const QString& name, const QStringList& lines) {
    if (!chosen(s, name))
        return {};
    return write_word_file(name, lines).error;
}

namespace {

// One column of a table file: the cell's column and the width it is padded to.
struct Column {
    int column;
    int width;
};

const std::vector<Column>& table_columns(bool verseTable, bool repetition) {
    static const std::vector<Column> verse = {{verse_col::position, 9}, {verse_col::surah, 15},
                                              {verse_col::verse, 12},   {verse_col::words, 14},
                                              {verse_col::letters, 12}, {verse_col::repeats, 8}};
    static const std::vector<Column> surah = {{surah_col::number, 12},  {surah_col::name, 14},
                                              {surah_col::verses, 13},  {surah_col::words, 14},
                                              {surah_col::letters, 12}, {surah_col::repeats, 8}};
    static const std::vector<Column> verseShort(verse.begin(), verse.end() - 1);
    static const std::vector<Column> surahShort(surah.begin(), surah.end() - 1);
    if (verseTable)
        return repetition ? verse : verseShort;
    return repetition ? surah : surahShort;
}

// The line of table row `row`: each cell padded to its column's width, a
// longer one written whole.
QString table_line(const Grid& table, int row, const std::vector<Column>& columns) {
    QString line;
    for (const Column& c : columns)
        line += ikmal_jomla(table.cell(c.column, row), c.width);
    return line;
}

QStringList table_file(const Session& s, const QString* searchBox, bool b, bool t) {
    const bool repetition = searchBox != nullptr;
    const Grid& table = s.table;
    int first = 1, last = table.rowCount() - 1;
    if (t) {
        first = std::max(1, table.selectionTop());
        last = std::min(table.rowCount() - 1, table.selectionBottom());
    }
    QStringList lines;
    // The search box's text, unless it shows its placeholder.
    if (repetition && *searchBox != kSearchPlaceholder)
        lines << *searchBox;
    if (t)
        lines << (s.ayat ? QStringLiteral("عدد الآيات المحددة : ")
                         : QStringLiteral("عدد السور المحددة : ")) +
                     QString::number(std::max(0, last - first + 1));
    else
        lines << s.ze;
    const bool ordered = s.orderingIndex >= 0 && s.orderingIndex < s.orderingItems.size();
    lines << (ordered ? QStringLiteral("فرز حسب ") + s.orderingItems[s.orderingIndex]
                      : QStringLiteral("فرز حسب ترتيب رقم الآيات"));
    const QString separator = QString(repetition ? 71 : 66, u'-') + u' ';
    const std::vector<Column>& columns = table_columns(s.ayat, repetition);
    lines << table_line(table, 0, columns) << separator;
    const bool texts = b && s.ayat;
    const QString indent(9, u' ');
    for (int row = first; row <= last; ++row) {
        lines << table_line(table, row, columns);
        if (texts)
            lines << indent + table.cell(verse_col::text, row) << separator;
    }
    if (!texts)
        lines << separator;
    return lines;
}

QString export_table(Session& s, const QString& searchBox, bool b, bool t, const QString& name) {
    if (!chosen(s, name))
        return {};
    return write_word_file(name, table_lines(s, searchBox, b, t)).error;
}

} // namespace

QByteArray display_rtf(const DisplayBox& box) {
    // The size in half points, the box's pixels being 1/96 inch.
    const QByteArray size = QByteArray::number(kDisplayFontPixels * 72 * 2 / 96);
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1256\\deff0\\uc1\n"
                     "{\\fonttbl{\\f0\\fnil\\fcharset178 " +
                     rtf_font_name(arabic_families().value(0)) +
                     ";}}\n"
                     "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;"
                     "\\red0\\green0\\blue255;}\n"
                     "\\pard\\rtlpar\\qr\n";
    const std::vector<Look> look = looks(box);
    QHash<char16_t, QByteArray> fallbacks;
    const qsizetype n = box.text.size();
    for (qsizetype from = 0; from < n;) {
        qsizetype to = from + 1;
        while (to < n && look[size_t(to)] == look[size_t(from)])
            ++to;
        const Look& l = look[size_t(from)];
        // The font and its size for the right-to-left script (\af, \afs) and
        // for any other (\f, \fs).
        out += "{\\rtlch\\af0\\afs" + size + "\\f0\\fs" + size + "\\cf" +
               QByteArray::number(l.colour) + (l.underline ? "\\ul " : " ");
        append_rtf_text(out, box.text, from, to, fallbacks);
        out += "}\n";
        from = to;
    }
    out += "\\par\n}\n";
    return out;
}

QByteArray display_html(const DisplayBox& box) {
    const QString family = arabic_families().value(0).toHtmlEscaped();
    QString out = QStringLiteral("<!DOCTYPE html>\n"
                                 "<html lang=\"ar\" dir=\"rtl\">\n"
                                 "<head>\n"
                                 "<meta charset=\"utf-8\">\n"
                                 "<title>مربع العرض</title>\n"
                                 "<style>\n"
                                 "body { font-family: \"%1\", serif; font-size: %2px; }\n"
                                 "p { margin: 0; white-space: pre-wrap; }\n"
                                 ".red { color: #ff0000; }\n"
                                 ".blue { color: #0000ff; text-decoration: underline; }\n"
                                 "</style>\n"
                                 "</head>\n"
                                 "<body>\n<p>")
                      .arg(family)
                      .arg(kDisplayFontPixels);
    const std::vector<Look> look = looks(box);
    const QString& text = box.text;
    const qsizetype n = text.size();
    for (qsizetype from = 0; from < n;) {
        qsizetype to = from + 1;
        while (to < n && look[size_t(to)] == look[size_t(from)])
            ++to;
        const Look& l = look[size_t(from)];
        const bool span = l.colour != Black;
        const QString open = l.colour == Blue ? QStringLiteral("<span class=\"blue\">")
                             : l.underline    ? QStringLiteral("<span class=\"red under\">")
                                              : QStringLiteral("<span class=\"red\">");
        bool inside = false; // the run's span is open
        for (qsizetype i = from; i < to; ++i) {
            const QChar c = text[i];
            if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && i + 1 < to && text[i + 1] == u'\n')
                    ++i;
                // A mark never spans a line end in the page: it closes
                // before the paragraph does, and opens again on the next
                // character it covers.
                if (inside)
                    out += QStringLiteral("</span>");
                inside = false;
                out += QStringLiteral("</p>\n<p>");
                continue;
            }
            if (span && !inside) {
                out += open;
                inside = true;
            }
            if (c == u'&')
                out += QStringLiteral("&amp;");
            else if (c == u'<')
                out += QStringLiteral("&lt;");
            else if (c == u'>')
                out += QStringLiteral("&gt;");
            else
                out += c;
        }
        if (inside)
            out += QStringLiteral("</span>");
        from = to;
    }
    out += QStringLiteral("</p>\n</body>\n</html>\n");
    return out.toUtf8();
}

QString html_file_name(const QString& chosen) {
    return chosen.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive) ||
                   chosen.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive)
               ? chosen
               : chosen + QStringLiteral(".html");
}

QString export_display_html(const Session& s, const QString& name) {
    if (name.isEmpty())
        return {};
    return write_file(html_file_name(name), display_html(s.display));
}

QStringList letter_list_lines(const Session& s) {
    const Grid& table = s.table;
    const int row = table.currentRow();
    const auto cell = [&](int column) { return table.cell(column, row); };
    QStringList lines;
    // The second line of a tally of the text shown is its separator; the
    // census of the whole table has its counts there.
    if (s.letters.size() > 1 && s.letters.at(1).startsWith(QStringLiteral("---"))) {
        if (s.ayat)
            lines << QStringLiteral("سورة ") + cell(verse_col::surah) +
                         QStringLiteral(" الآية رقم ") + cell(verse_col::verse) +
                         QStringLiteral(" مجموع الكلمات ") + cell(verse_col::words) +
                         QStringLiteral(" مجموع الحروف ") + cell(verse_col::letters)
                  << QStringLiteral(" ") << cell(verse_col::text);
        else
            lines << QStringLiteral("سورة ") + cell(surah_col::name) +
                         QStringLiteral(" عدد الآيات ") + cell(surah_col::verses) +
                         QStringLiteral(" مجموع الكلمات ") + cell(surah_col::words) +
                         QStringLiteral(" مجموع الحروف ") + cell(surah_col::letters);
    } else {
        lines << QStringLiteral("إحصاء حروف ") + QString::number(table.rowCount() - 1) +
                     (s.ayat ? QStringLiteral(" آية الموجودة في جدول الآيات")
                             : QStringLiteral(" سورة الموجودة في جدول السور"));
    }
    lines << QString(14, u'-');
    lines += s.letters.lines();
    return lines;
}

QStringList bitikrar(const Session& s, const QString& searchBox, bool b, bool t) {
    return table_file(s, &searchBox, b, t);
}

QStringList dountikrar(const Session& s, bool b, bool t) {
    return table_file(s, nullptr, b, t);
}

QStringList table_lines(const Session& s, const QString& searchBox, bool b, bool t) {
    return s.orderingItems.size() == 6 ? bitikrar(s, searchBox, b, t) : dountikrar(s, b, t);
}

QString N26Click(Session& s, const QString& name) {
    if (!chosen(s, name))
        return {};
    return write_file(word_file_name(name), display_rtf(s.display));
}

QString N35Click(Session& s, const QString& name) {
    return write_word_lines(s, name, letter_list_lines(s));
}

QString N36Click(Session& s, const QString& searchBox, const QString& name) {
    return export_table(s, searchBox, false, false, name);
}

QString N38Click(Session& s, const QString& searchBox, const QString& name) {
    return export_table(s, searchBox, true, false, name);
}

QString N39Click(Session& s, const QString& searchBox, const QString& name) {
    return export_table(s, searchBox, false, true, name);
}

QString N40Click(Session& s, const QString& searchBox, const QString& name) {
    return export_table(s, searchBox, true, true, name);
}

QString N33Click(Session& s, const QString& name) {
    return write_word_lines(s, name, s.corpus.lines(Variant::Separated));
}

QString N34Click(Session& s, const QString& name) {
    return write_word_lines(s, name, s.corpus.lines(Variant::Merged));
}

} // namespace tallyra
