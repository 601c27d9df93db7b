// Helpers shared by the engine tests.
#pragma once

#include "core/grid.h"
#include "shell/registry.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable failure output for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i ? ", " : "") << '"' << list[i].toStdString() << '"';
    *os << '}';
}

inline void PrintTo(const QSet<QString>& set, std::ostream* os) {
    QStringList list(set.begin(), set.end());
    list.sort();
    PrintTo(list, os);
}

// A string literal of the test sources as a QString.
inline QString q(const char16_t* text) {
    return QString::fromUtf16(text);
}

// A button's or a menu item's name.
inline QString N(const char* name) {
    return QString::fromLatin1(name);
}

// The sum of the numbers in a column over the data rows.
// A file's name as the messages show it: between guillemets, and between
// the directional isolates that keep a path whole in a right-to-left line.
inline QString named(const QString& path) {
    return QStringLiteral("«\u2068") + QDir::toNativeSeparators(path) + QStringLiteral("\u2069»");
}

inline long long column_sum(const tallyra::Grid& t, int column) {
    long long sum = 0;
    for (int r = 1; r < t.rowCount(); ++r)
        sum += t.cell(column, r).toLongLong();
    return sum;
}

// The cells of a column over the data rows, top to bottom.
inline QStringList column_cells(const tallyra::Grid& t, int column) {
    QStringList cells;
    for (int r = 1; r < t.rowCount(); ++r)
        cells << t.cell(column, r);
    return cells;
}

// The command-line verbs of the registry.
inline QSet<QString> registered_verbs() {
    QSet<QString> verbs;
    for (const tallyra::Command& c : tallyra::registry())
        if (!c.verb.isEmpty())
            verbs.insert(c.verb);
    return verbs;
}

// The bytes of a file, or "(unreadable)".
inline QByteArray file_bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// Writes a file whole; false when it cannot be.
inline bool write_bytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
