// Writing what the main window shows to Word files: the display box as an
// RTF document, the letter list with its heading, the table with or without
// the verse texts (all its rows or the selected ones), and the whole text of
// either variant.
//
// Every command takes the name chosen in the save dialog: ".doc" is
// appended to it, even when it already ends so, and the dialog proposes it
// again next time. An empty name (the dialog cancelled) writes nothing. The
// command returns the message of a file that could not be written, naming
// it and the reason, and then leaves any earlier file of that name whole.
#pragma once

#include "table/session.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tallyra {

// The display box as an RTF document: its text in the display box's Arabic
// font, in right-to-left paragraphs, the red marks red and the blue ones
// blue and underlined. Every character outside printable ASCII is written as
// a Unicode escape with its windows-1256 byte as the fallback (or "?" where
// the code page has none), so that the document is plain ASCII.
QByteArray display_rtf(const DisplayBox& box);

// The display box as an HTML page in UTF-8: its text in the display box's
// Arabic font, right to left, each line a paragraph, the red marks red and
// the blue ones blue and underlined.
QByteArray display_html(const DisplayBox& box);

// An HTML file's name: ".html" appended unless the chosen name ends in
// ".html" or ".htm".
QString html_file_name(const QString& chosen);

// Writes the display box to an HTML file under the chosen name (nothing for
// an empty name, the dialog cancelled). Returns the message of a file that
// could not be written; empty otherwise.
QString export_display_html(const Session& session, const QString& name);

// The lines of the letter list's file: a heading (the current row's verse or
// surah when the list tallies the text shown, the table's size when it holds
// the census of the whole table), a separator, then every line of the list.
QStringList letter_list_lines(const Session& session);

// The lines of the table's file. `bitikrar` writes the repetition column and,
// first, the search box's text; `dountikrar` writes neither. With `b`, each
// verse row is followed by its text (the verse table only); with `t`, only
// the selected rows are written.
QStringList bitikrar(const Session& session, const QString& searchBox, bool b, bool t);
QStringList dountikrar(const Session& session, bool b, bool t);

// The table's lines by the writer the ordering selector calls for: with the
// repetition column while the selector holds its sixth item.
QStringList table_lines(const Session& session, const QString& searchBox, bool b, bool t);

// Writes `lines` to the Word file of the name chosen (nothing when the
// dialog was cancelled), which the save dialog proposes next; the message of
// a file that could not be written, else empty. Every Word file of the
// program is written through it.
QString write_word_lines(Session& session, const QString& name, const QStringList& lines);

// The commands of the copy menu, and of the letter list's menu (N81 is
// N35). Each returns the message to show, empty when the file was written
// or nothing was to be written.
QString N26Click(Session& session, const QString& name);
QString N35Click(Session& session, const QString& name);
QString N36Click(Session& session, const QString& searchBox, const QString& name);
QString N38Click(Session& session, const QString& searchBox, const QString& name);
QString N39Click(Session& session, const QString& searchBox, const QString& name);
QString N40Click(Session& session, const QString& searchBox, const QString& name);
// The whole text of the separated-waw (N33) or merged-waw (N34) variant,
// one verse a line in mushaf order, whatever the table shows.
QString N33Click(Session& session, const QString& name);
QString N34Click(Session& session, const QString& name);

} // namespace tallyra
