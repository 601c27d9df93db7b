// Helpers shared by the engine tests.
#pragma once

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

// A string literal of the test sources as a QString.
inline QString q(const char16_t* text) {
    return QString::fromUtf16(text);
}
