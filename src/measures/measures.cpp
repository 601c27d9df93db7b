#include "measures/measures.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace tallyra {

namespace {

// "0000", "0001", ... "9999": four UTF-16 digits for each number below 10000.
constexpr int kPooled = 10000;
constexpr auto kFourDigits = [] {
    std::array<char16_t, 4 * kPooled> digits{};
    for (int n = 0; n < kPooled; ++n) {
        digits[4 * n] = char16_t(u'0' + n / 1000);
        digits[4 * n + 1] = char16_t(u'0' + n / 100 % 10);
        digits[4 * n + 2] = char16_t(u'0' + n / 10 % 10);
        digits[4 * n + 3] = char16_t(u'0' + n % 10);
    }
    return digits;
}();

int digit_count(long long n) {
    return n >= 1000 ? 4 : n >= 100 ? 3 : n >= 10 ? 2 : 1;
}

// The last `width` digits of n's entry (n below 10000, width 1 to 4).
QString pooled(long long n, int width) {
    const char16_t* end = kFourDigits.data() + 4 * n + 4;
    return QString::fromRawData(reinterpret_cast<const QChar*>(end - width), width);
}

} // namespace

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

WordsAndLetters count_words_and_letters(const QString& a) {
    if (a.isEmpty() || !is_letter(a.front()) || !is_letter(a.back()))
        return {nb_kalimat(a), nb_harf(a)};
    // Nothing to trim, and every space has a successor.
    int separators = 0;
    int letters = 0;
    const QChar* c = a.constData();
    for (qsizetype i = 0, n = a.size(); i < n; ++i) {
        letters += is_letter(c[i]);
        separators += (c[i] == u' ' && c[i + 1] != u' ') || c[i] == u'\r';
    }
    return {separators + 1, letters};
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
    if (n >= 0 && n < kPooled && digits <= 4)
        return pooled(n, std::max(digits, digit_count(n)));
    const bool negative = n < 0;
    QString body = QString::number(n);
    if (negative)
        body.remove(0, 1);
    if (body.size() < digits)
        body.prepend(QString(digits - body.size(), u'0'));
    return negative ? u'-' + body : body;
}

QString decimal(long long n) {
    return n >= 0 && n < kPooled ? pooled(n, digit_count(n)) : QString::number(n);
}

} // namespace tallyra
