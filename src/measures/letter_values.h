// The two letter value systems: the abjad value (each letter carries its
// traditional numeral) and the natural value (each of 35 letter forms carries
// its place in a fixed sequence). Both are sums over the letters of a text,
// reported with the prime factorisation of the sum.
#pragma once

#include <QString>

namespace tallyra {

int abjad_value(const QString& a);
int natural_value(const QString& a);

// "     حساب الجمل " + abjad sum + " = " + analys(sum)
QString jomal(const QString& a);

// "     الحساب الطبيعي " + natural sum + " = " + analys(sum)
QString tabi3i(const QString& a);

} // namespace tallyra
