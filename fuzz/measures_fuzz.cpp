// The counting rules against plain references written another way: the
// letter and word counts, the reversal, the digit reading, the integer
// conversion and the prime factorisation.
#include "measures/measures.h"

#include "fuzz_support.h"

#include <QStringList>

#include <algorithm>
#include <charconv>
#include <climits>
#include <string>

using namespace tallyra;
using tallyra::fuzz::text_from;

namespace {

// Words: one more than the line ends and the runs of spaces between the
// first and the last letter.
int reference_words(const QString& a) {
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].isLetter()) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return 0;
    int words = 1;
    for (qsizetype i = first; i <= last; ++i) {
        if (a[i] == u'\r' || (a[i] == u' ' && (i == first || a[i - 1] != u' ')))
            ++words;
    }
    return words;
}

std::optional<int> reference_to_int(const QString& text) {
    QString t = text;
    while (t.startsWith(u' '))
        t.remove(0, 1);
    std::string ascii;
    for (QChar c : t) {
        if (c.unicode() > 0x7F)
            return std::nullopt;
        ascii += char(c.unicode());
    }
    bool negative = false;
    if (!ascii.empty() && (ascii[0] == '+' || ascii[0] == '-')) {
        negative = ascii[0] == '-';
        ascii.erase(0, 1);
    }
    if (ascii.empty() || ascii.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    if (negative)
        ascii.insert(0, "-");
    int value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

// The digits of a in order: ASCII ones convert, any other decimal digit
// makes the number unreadable.
std::optional<int> reference_numberall(const QString& a) {
    QString digits;
    bool foreign = false;
    for (QChar c : a) {
        if (c >= u'0' && c <= u'9') {
            digits += c;
        } else if (c.unicode() >= 0x100 && c.category() == QChar::Number_DecimalDigit) {
            digits += c;
            foreign = true;
        }
    }
    if (digits.isEmpty())
        return 0;
    if (foreign)
        return std::nullopt;
    return reference_to_int(digits);
}

bool is_prime(long long p) {
    if (p < 2)
        return false;
    for (long long d = 2; d * d <= p; ++d)
        if (p % d == 0)
            return false;
    return true;
}

void check_analys(int n) {
    const QString text = analys(n);
    if (n < 2) {
        FUZZ_CHECK(text == (n == 1 ? QStringLiteral("1") : QStringLiteral("0")), text);
        return;
    }
    long long product = 1, previous = 0;
    for (const QString& part : text.split(u'.')) {
        bool ok = false;
        const long long p = part.toLongLong(&ok);
        FUZZ_CHECK(ok && p >= previous && is_prime(p), text);
        product *= p;
        previous = p;
        FUZZ_CHECK(product <= n, text);
    }
    FUZZ_CHECK(product == n, QString::number(n) + u' ' + text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const int n = data.ConsumeIntegral<int>();
    const QString a = text_from(data, 4096);

    const QString letters = khalam(a);
    FUZZ_CHECK(nb_harf(a) == letters.size(), a);
    FUZZ_CHECK(includ_harf(a) == !letters.isEmpty(), a);
    for (QChar c : letters)
        FUZZ_CHECK(is_letter(c), a);
    FUZZ_CHECK(nb_kalimat(a) == reference_words(a), a);
    // The one-pass count, eight characters at a time on plain Arabic text.
    const WordsAndLetters both = count_words_and_letters(a);
    FUZZ_CHECK(both.words == nb_kalimat(a) && both.letters == nb_harf(a), a);

    const QString reversed = invers(a);
    FUZZ_CHECK(reversed.size() == a.size(), a);
    FUZZ_CHECK(invers(reversed) == a, a);
    FUZZ_CHECK(nb_harf(reversed) == nb_harf(a), a);
    FUZZ_CHECK(khalam(reversed) == invers(letters), a);

    FUZZ_CHECK(numberall(a) == reference_numberall(a), a);
    FUZZ_CHECK(to_int(a) == reference_to_int(a), a);
    FUZZ_CHECK(number_only(a) == (!a.isEmpty() && std::all_of(a.begin(), a.end(), is_digit)), a);
    if (const std::optional<int> v = to_int(a))
        FUZZ_CHECK(to_int(QString::number(*v)) == v, a);

    FUZZ_CHECK(decimal(n) == QString::number(n), QString::number(n));
    check_analys(n);
    if (const std::optional<int> v = numberall(a))
        check_analys(*v);
    return 0;
}
