#include "measures/measures.h"

#include <cstdint>
#include <limits>

namespace tallyra {

bool is_digit(QChar c) {
    if (c.unicode() < 0x100)
        return c >= u'0' && c <= u'9';
    return c.category() == QChar::Number_DecimalDigit;
}

int nb_harf(const QString& a) {
    int count = 0;
    for (QChar c : a)
        if (is_letter(c))
            ++count;
    return count;
}

bool includ_harf(const QString& a) {
    for (QChar c : a)
        if (is_letter(c))
            return true;
    return false;
}

int nb_kalimat(const QString& a) {
    if (!includ_harf(a))
        return 0;
    // Trim non-letters from both ends; the bounds stay inside a, which holds
    // a letter, so both loops stop.
    qsizetype first = 0;
    qsizetype last = a.size() - 1;
    while (!is_letter(a[first]))
        ++first;
    while (!is_letter(a[last]))
        --last;
    // A separator is a space followed by a non-space, or a carriage return.
    // The trimmed text ends with a letter, so a space always has a successor.
    int separators = 0;
    for (qsizetype i = first; i <= last; ++i) {
        const QChar c = a[i];
        if ((c == u' ' && a[i + 1] != u' ') || c == u'\r')
            ++separators;
    }
    return separators + 1;
}

QString invers(const QString& s) {
    QString out(s.size(), Qt::Uninitialized);
    for (qsizetype i = 0, n = s.size(); i < n; ++i)
        out[n - 1 - i] = s[i];
    return out;
}

QString analys(int a) {
    if (a < 2)
        return a == 1 ? QStringLiteral("1") : QStringLiteral("0");
    QString text;
    std::int64_t b = 2;
    while (true) {
        if (a % b == 0) {
            text += QString::number(b) + u'.';
            a /= static_cast<int>(b);
            if (a == 1) {
                text.chop(1);
                return text;
            }
        } else if (b * b > a) {
            return text + QString::number(a);
        } else {
            b = (b == 2) ? 3 : b + 2;
        }
    }
}

std::optional<int> numberall(const QString& a) {
    QString digits;
    for (QChar c : a)
        if (is_digit(c))
            digits += c;
    if (digits.isEmpty())
        return 0;
    return to_int(digits);
}

QString khalam(const QString& a) {
    QString out;
    out.reserve(a.size());
    for (QChar c : a)
        if (is_letter(c))
            out += c;
    return out;
}

bool number_only(const QString& a) {
    if (a.isEmpty())
        return false;
    for (QChar c : a)
        if (!is_digit(c))
            return false;
    return true;
}

QString ikmal_jomla(const QString& s, int n) {
    if (s.size() >= n)
        return s;
    return s + QString(n - s.size(), u' ');
}

std::optional<int> to_int(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == n)
        return std::nullopt;
    std::int64_t value = 0;
    const std::int64_t limit = negative ? -std::int64_t(std::numeric_limits<int>::min())
                                        : std::int64_t(std::numeric_limits<int>::max());
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

QString zero_pad(long long n, int digits) {
    const bool negative = n < 0;
    QString body = QString::number(n);
    if (negative)
        body.remove(0, 1);
    if (body.size() < digits)
        body.prepend(QString(digits - body.size(), u'0'));
    return negative ? u'-' + body : body;
}

} // namespace tallyra
