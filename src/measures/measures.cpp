#include "measures/measures.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tallyra {

constexpr std::array<char16_t, 4 * kPooledNumbers> kFourDigits = [] {
    std::array<char16_t, 4 * kPooledNumbers> digits{};
    for (int n = 0; n < kPooledNumbers; ++n) {
        digits[4 * n] = char16_t(u'0' + n / 1000);
        digits[4 * n + 1] = char16_t(u'0' + n / 100 % 10);
        digits[4 * n + 2] = char16_t(u'0' + n / 10 % 10);
        digits[4 * n + 3] = char16_t(u'0' + n % 10);
    }
    return digits;
}();

namespace {

// The last `width` digits of n's entry (n below 10000, width 1 to 4).
QString pooled(long long n, qsizetype width) {
    const char16_t* end = kFourDigits.data() + 4 * n + 4;
    return QString::fromRawData(reinterpret_cast<const QChar*>(end - width), width);
}

// The Arabic letters U+0620 to U+064A, every one of a letter category (the
// test of measures_test checks it against the table).
constexpr char16_t kFirstArabic = 0x0620;
constexpr char16_t kLastArabic = 0x064A;

// Words and letters of text made of those letters and spaces alone, as every
// verse is, that begins and ends with a letter: the letters are the
// characters that are no space, and the separators the spaces not followed by
// another. Nothing for text with any other character. Eight characters at a
// time where the processor allows.
std::optional<WordsAndLetters> count_plain_arabic(const QChar* text, qsizetype n) {
    const char16_t* c = reinterpret_cast<const char16_t*>(text);
    qsizetype spaces = 0;
    qsizetype doubled = 0;
    qsizetype i = 0;
#ifdef __SSE2__
    if (n >= 8) {
        const __m128i space = _mm_set1_epi16(u' ');
        // v - 0x0620 + 0x8000 is below 0x8000 + 0x2B, as a signed number,
        // exactly for the letters of the range.
        const __m128i shift = _mm_set1_epi16(short(0x8000 - kFirstArabic));
        const __m128i bound =
            _mm_set1_epi16(short(0x8000 + (kLastArabic - kFirstArabic + 1) - 0x10000));
        // Per-lane tallies (a true lane is -1), added up before they could wrap.
        __m128i spaceLanes = _mm_setzero_si128();
        __m128i doubledLanes = _mm_setzero_si128();
        const auto add_up = [&] {
            const auto total = [](__m128i lanes) {
                __m128i s = _mm_madd_epi16(lanes, _mm_set1_epi16(1));
                s = _mm_add_epi32(s, _mm_shuffle_epi32(s, 0x4E));
                s = _mm_add_epi32(s, _mm_shuffle_epi32(s, 0xB1));
                return qsizetype(_mm_cvtsi128_si32(s));
            };
            spaces += total(spaceLanes);
            doubled += total(doubledLanes);
            spaceLanes = doubledLanes = _mm_setzero_si128();
        };
        // One block of eight: false when it holds another character. Only
        // the lanes of `counted` are taken.
        const auto take = [&](__m128i v, __m128i next, __m128i counted) {
            const __m128i isSpace = _mm_and_si128(_mm_cmpeq_epi16(v, space), counted);
            const __m128i isLetter = _mm_cmplt_epi16(_mm_add_epi16(v, shift), bound);
            const __m128i fine = _mm_or_si128(_mm_or_si128(isSpace, isLetter),
                                              _mm_xor_si128(counted, _mm_set1_epi16(-1)));
            if (_mm_movemask_epi8(fine) != 0xFFFF)
                return false;
            spaceLanes = _mm_sub_epi16(spaceLanes, isSpace);
            doubledLanes =
                _mm_sub_epi16(doubledLanes, _mm_and_si128(isSpace, _mm_cmpeq_epi16(next, space)));
            return true;
        };
        const __m128i all = _mm_set1_epi16(-1);
        for (int rounds = 1; i + 9 <= n; i += 8, ++rounds) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c + i));
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c + i + 1));
            if (!take(v, next, all))
                return std::nullopt;
            if (rounds == 0x7FFF) {
                add_up();
                rounds = 0;
            }
        }
        // The last characters as the block of eight that ends the text, its
        // lanes before i taken already; the last lane, a letter, has no
        // successor.
        if (i < n) {
            const qsizetype b = n - 8;
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c + b));
            const __m128i lane = _mm_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7);
            const __m128i counted = _mm_cmpgt_epi16(lane, _mm_set1_epi16(short(i - b - 1)));
            if (!take(v, _mm_srli_si128(v, 2), counted))
                return std::nullopt;
            i = n;
        }
        add_up();
    }
#endif
    for (; i < n; ++i) {
        if (c[i] == u' ') {
            ++spaces;
            doubled += i + 1 < n && c[i + 1] == u' ';
        } else if (c[i] < kFirstArabic || c[i] > kLastArabic) {
            return std::nullopt;
        }
    }
    return WordsAndLetters{int(spaces - doubled) + 1, int(n - spaces)};
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
    if (const std::optional<WordsAndLetters> plain = count_plain_arabic(a.constData(), a.size()))
        return *plain;
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
    return *prime_factor_line(std::uint64_t(a));
}

std::optional<QString> prime_factor_line(std::uint64_t n, const std::function<bool()>& cancelled) {
    QString line;
    if (n < 2)
        return line;
    const auto take = [&line](std::uint64_t factor) {
        line += QString::number(factor);
        line += u'.';
    };
    for (const std::uint64_t small : {2, 3, 5}) {
        while (n % small == 0) {
            take(small);
            n /= small;
        }
    }
    // The numbers prime to 30 from 7 on (7, 11, 13, 17, 19, 23, 29, 31, 37,
    // ...) are these steps apart, over and over; every prime above 5 is one
    // of them.
    static constexpr std::uint64_t kSteps[8] = {4, 2, 4, 2, 4, 6, 2, 6};
    std::uint64_t divisor = 7;
    unsigned step = 0;
    unsigned untilAsked = 4096;
    while (n > 1) {
        const std::uint64_t quotient = n / divisor;
        if (quotient * divisor == n) {
            take(divisor);
            n = quotient;
            continue;
        }
        // The quotient is below the divisor exactly when divisor * divisor
        // exceeds n, compared without forming the product, which may pass
        // the 64-bit range: no factor is left below the square root, and what
        // is left is prime.
        if (quotient < divisor) {
            line += QString::number(n);
            return line;
        }
        divisor += kSteps[step];
        step = (step + 1) & 7;
        if (--untilAsked == 0) {
            untilAsked = 4096;
            if (cancelled && cancelled())
                return std::nullopt;
        }
    }
    line.chop(1);
    return line;
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
    if (n >= 0 && n < kPooledNumbers && digits <= 4)
        return pooled(n, std::max<qsizetype>(digits, decimal(n).size()));
    const bool negative = n < 0;
    QString body = QString::number(n);
    if (negative)
        body.remove(0, 1);
    if (body.size() < digits)
        body.prepend(QString(digits - body.size(), u'0'));
    return negative ? u'-' + body : body;
}

} // namespace tallyra
