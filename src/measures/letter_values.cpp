#include "measures/letter_values.h"

#include "measures/measures.h"

namespace tallyra {

namespace {

struct LetterValue {
    char16_t letter;
    int abjad;
    int natural;
};

// Characters not listed add 0 in both systems.
constexpr LetterValue kValues[] = {
    {u'\u0621', 0, 22},    // ء
    {u'\u0622', 1, 0},     // آ
    {u'\u0623', 1, 13},    // أ
    {u'\u0624', 6, 35},    // ؤ
    {u'\u0625', 1, 19},    // إ
    {u'\u0626', 10, 33},   // ئ
    {u'\u0627', 1, 1},     // ا
    {u'\u0628', 2, 9},     // ب
    {u'\u0629', 5, 25},    // ة
    {u'\u062A', 400, 10},  // ت
    {u'\u062B', 500, 30},  // ث
    {u'\u062C', 3, 23},    // ج
    {u'\u062D', 8, 21},    // ح
    {u'\u062E', 600, 24},  // خ
    {u'\u062F', 4, 18},    // د
    {u'\u0630', 700, 20},  // ذ
    {u'\u0631', 200, 8},   // ر
    {u'\u0632', 7, 29},    // ز
    {u'\u0633', 60, 17},   // س
    {u'\u0634', 300, 26},  // ش
    {u'\u0635', 90, 27},   // ص
    {u'\u0636', 800, 28},  // ض
    {u'\u0637', 9, 31},    // ط
    {u'\u0638', 900, 34},  // ظ
    {u'\u0639', 70, 12},   // ع
    {u'\u063A', 1000, 32}, // غ
    {u'\u0641', 80, 14},   // ف
    {u'\u0642', 100, 15},  // ق
    {u'\u0643', 20, 11},   // ك
    {u'\u0644', 30, 2},    // ل
    {u'\u0645', 40, 4},    // م
    {u'\u0646', 50, 3},    // ن
    {u'\u0647', 5, 7},     // ه
    {u'\u0648', 6, 5},     // و
    {u'\u0649', 10, 16},   // ى
    {u'\u064A', 10, 6},    // ي
};

const LetterValue* find(QChar c) {
    for (const LetterValue& v : kValues)
        if (v.letter == c.unicode())
            return &v;
    return nullptr;
}

template <int LetterValue::*Field> int sum(const QString& a) {
    // 64-bit accumulation; the largest texts offered stay far below the
    // 32-bit range, and the sum is clamped rather than allowed to wrap.
    long long total = 0;
    for (QChar c : a)
        if (const LetterValue* v = find(c))
            total += v->*Field;
    return total > 0x7fffffff ? 0x7fffffff : static_cast<int>(total);
}

QString report(const QString& caption, int total) {
    return caption + QString::number(total) + QStringLiteral(" = ") + analys(total);
}

} // namespace

int abjad_value(const QString& a) {
    return sum<&LetterValue::abjad>(a);
}

int natural_value(const QString& a) {
    return sum<&LetterValue::natural>(a);
}

QString jomal(const QString& a) {
    return report(QStringLiteral("     حساب الجمل "), abjad_value(a));
}

QString tabi3i(const QString& a) {
    return report(QStringLiteral("     الحساب الطبيعي "), natural_value(a));
}

} // namespace tallyra
