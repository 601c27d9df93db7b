// Colours of marked and highlighted text that stay readable on whatever
// background the palette gives: a light theme keeps the program's colours,
// a dark one gets lighter shades of the same hue.
#pragma once

#include <QColor>

class QWidget;

namespace tallyra {

// The contrast ratio of two colours, from 1 (equal) to 21 (black on white),
// by their relative luminance.
double contrast_ratio(const QColor& a, const QColor& b);

// `wanted` if it has at least `ratio` contrast against `background`, else
// the nearest shade of it, mixed towards white on a dark background and
// towards black on a light one, that has.
QColor readable_on(const QColor& wanted, const QColor& background, double ratio);

// Gives the widget's text `wanted` or the shade of it that keeps `ratio`
// against the widget's background; run again whenever its palette changes.
void keep_readable(QWidget* widget, const QColor& wanted, double ratio);

// Contrast ratios the program's coloured texts keep: large text (the display
// box) and text of ordinary size (the summary line).
inline constexpr double kLargeTextContrast = 3.0;
inline constexpr double kTextContrast = 4.5;

} // namespace tallyra
