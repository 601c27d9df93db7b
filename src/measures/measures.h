// The counting rules of the whole program: what a letter, a digit and a word
// are, and the small string helpers that every command shares.
//
// Every function here is a pure function over UTF-16 text (one code unit is
// one character) and is total: any string, the empty one included, gives a
// result. Word and letter counts shown anywhere come from nb_kalimat and
// nb_harf.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace tallyra {

// One bit per UTF-16 code unit: bit u % 64 of word u / 64 is set when u is of
// a Unicode letter category. Made from Qt's classification as the program
// builds (make_letter_table.cpp).
constexpr int kLetterWords = 65536 / 64;
extern const std::uint64_t kLetterBits[kLetterWords];

// A letter is a character of a Unicode letter category (Lu, Ll, Lt, Lm, Lo).
inline bool is_letter(QChar c) {
    const char16_t u = c.unicode();
    return (kLetterBits[u >> 6] >> (u & 63)) & 1;
}

// A digit is an ASCII digit below U+0100 and any decimal digit (Nd) above.
bool is_digit(QChar c);

// Number of letters in a.
int nb_harf(const QString& a);

// True when a holds at least one letter.
bool includ_harf(const QString& a);

// Number of words in a: runs between spaces or carriage returns, ignoring
// non-letters at both ends.
int nb_kalimat(const QString& a);

// nb_kalimat(a) and nb_harf(a), in one pass where a begins and ends with a
// letter (as every verse does).
struct WordsAndLetters {
    int words = 0;
    int letters = 0;
};
WordsAndLetters count_words_and_letters(const QString& a);

// a with its characters in reverse order.
QString invers(const QString& s);

// Prime factors of a in ascending order joined by "." ("1" for 1, "0" for
// zero and negative numbers).
QString analys(int a);

// The prime factors of n in ascending order, each as often as it divides n,
// joined by "." with no blanks («2.2.3» for 12, «97» for a prime); empty for 0
// and 1. Trial division by 2, 3 and 5, then by every number prime to 30, up
// to the square root of what is left. `cancelled`, when given, is asked every
// few thousand divisors; the answer is empty (nullopt) once it says yes.
std::optional<QString> prime_factor_line(std::uint64_t n,
                                         const std::function<bool()>& cancelled = {});

// The number written by the digits of a, in order (0 when there are none).
// Empty when those digits do not convert to a 32-bit integer: digits of
// another script, or a run too long for the range.
std::optional<int> numberall(const QString& a);

// The letters of a in their order; every other character removed.
QString khalam(const QString& a);

// True when a is not empty and every character of it is a digit.
bool number_only(const QString& a);

// s padded on the right with spaces to at least n characters.
QString ikmal_jomla(const QString& s, int n);

// The integer conversion used for table cells and typed numbers: optional
// leading spaces, an optional sign, then ASCII digits only, within the 32-bit
// range. Empty on anything else (the empty text included).
std::optional<int> to_int(const QString& text);

// n written in decimal with leading zeros to at least `digits` digits.
QString zero_pad(long long n, int digits);

// "0000" to "9999": four UTF-16 digits for each number below kPooledNumbers.
// The numbers 0 to 9999, plain or padded to 3 or 4 digits (every running
// number, verse number, count and position a verse table shows), are views of
// it: making, copying and dropping them allocates nothing.
constexpr int kPooledNumbers = 10000;
extern const std::array<char16_t, 4 * kPooledNumbers> kFourDigits;

// n written in decimal, as QString::number writes it.
inline QString decimal(long long n) {
    if (n < 0 || n >= kPooledNumbers)
        return QString::number(n);
    const int width = n >= 1000 ? 4 : n >= 100 ? 3 : n >= 10 ? 2 : 1;
    return QString::fromRawData(
        reinterpret_cast<const QChar*>(kFourDigits.data() + 4 * n + 4 - width), width);
}

} // namespace tallyra
