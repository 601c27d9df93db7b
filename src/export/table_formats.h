// The table in the formats today's tools read: CSV for spreadsheets (the
// file a menu item writes and the command line's csv output) and JSON rows
// for scripts. Both give a number cell as a number: its digits without the
// zeros that pad it, so that "002" reads as 2.
#pragma once

#include "table/session.h"

#include <QByteArray>
#include <QJsonArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tallyra {

// The value of a cell made of ASCII digits only, at most 15 of them (a JSON
// reader's double holds every such number exactly); empty for any other.
std::optional<qint64> cell_number(QStringView cell);

// Table rows as CSV (RFC 4180): the header row 0, then rows first to last,
// every record ended by CR LF. A number cell is written bare, every other
// cell between double quotes, a quote inside it doubled.
QString table_csv(const Grid& table, int first, int last);
// Lines of text as CSV records of one field each.
QString lines_csv(const QStringList& lines);

// The cells of one row, a number cell as a JSON number, any other as text.
QJsonArray json_row(const Grid& table, int row);
// Every data row of a table (row 1 on).
QJsonArray json_rows(const Grid& table);

// A CSV file's name: ".csv" appended unless the chosen name ends so.
QString csv_file_name(const QString& chosen);

// Writes the table shown to a CSV file in UTF-8 with a byte-order mark, by
// which spreadsheets know the encoding: every row, or with `selectedOnly`
// the selected rows, after the header row. An empty name (the dialog
// cancelled) writes nothing. Returns the message of a file that could not be
// written; empty otherwise.
QString export_table_csv(const Session& session, const QString& name, bool selectedOnly);

} // namespace tallyra
