#include "export/table_formats.h"

#include "core/text_file.h"

#include <QJsonValue>
#include <algorithm>

namespace tallyra {

namespace {

void append_csv_field(QString& out, const QString& cell) {
    if (const std::optional<qint64> n = cell_number(cell)) {
        out += QString::number(*n);
        return;
    }
    out += u'"';
    for (const QChar c : cell) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

} // namespace

std::optional<qint64> cell_number(QStringView cell) {
    if (cell.isEmpty() || cell.size() > 15)
        return std::nullopt;
    qint64 n = 0;
    for (const QChar c : cell) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

QString table_csv(const Grid& table, int first, int last) {
    QString out;
    const auto record = [&](int row) {
        for (int c = 0; c < table.columnCount(); ++c) {
            if (c > 0)
                out += u',';
            append_csv_field(out, table.cell(c, row));
        }
        out += QStringLiteral("\r\n");
    };
    record(0);
    for (int row = std::max(first, 1); row <= std::min(last, table.rowCount() - 1); ++row)
        record(row);
    return out;
}

QString lines_csv(const QStringList& lines) {
    QString out;
    for (const QString& line : lines) {
        append_csv_field(out, line);
        out += QStringLiteral("\r\n");
    }
    return out;
}

QJsonArray json_row(const Grid& table, int row) {
    QJsonArray cells;
    for (int c = 0; c < table.columnCount(); ++c) {
        const QString& cell = table.cell(c, row);
        if (const std::optional<qint64> n = cell_number(cell))
            cells.append(QJsonValue(*n));
        else
            cells.append(cell);
    }
    return cells;
}

QJsonArray json_rows(const Grid& table) {
    QJsonArray rows;
    for (int row = 1; row < table.rowCount(); ++row)
        rows.append(json_row(table, row));
    return rows;
}

QString csv_file_name(const QString& chosen) {
    return chosen.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)
               ? chosen
               : chosen + QStringLiteral(".csv");
}

QString export_table_csv(const Session& s, const QString& name, bool selectedOnly) {
    if (name.isEmpty())
        return {};
    const Grid& table = s.table;
    int first = 1, last = table.rowCount() - 1;
    if (selectedOnly) {
        first = std::max(1, table.selectionTop());
        last = std::min(last, table.selectionBottom());
    }
    const QByteArray bytes = "\xEF\xBB\xBF" + table_csv(table, first, last).toUtf8();
    return write_file(csv_file_name(name), bytes);
}

} // namespace tallyra
