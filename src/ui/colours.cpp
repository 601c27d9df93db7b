#include "ui/colours.h"

#include <QWidget>
#include <cmath>

namespace tallyra {

namespace {

double channel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

QColor mix(const QColor& from, const QColor& to, double t) {
    const QColor a = from.toRgb(), b = to.toRgb();
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

} // namespace

double contrast_ratio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readable_on(const QColor& wanted, const QColor& background, double ratio) {
    if (contrast_ratio(wanted, background) >= ratio)
        return wanted;
    const bool dark = luminance(background) < 0.18;
    const QColor end = dark ? QColor(Qt::white) : QColor(Qt::black);
    for (int step = 1; step <= 20; ++step) {
        const QColor shade = mix(wanted, end, step / 20.0);
        if (contrast_ratio(shade, background) >= ratio)
            return shade;
    }
    return end;
}

void keep_readable(QWidget* widget, const QColor& wanted, double ratio) {
    QPalette palette = widget->palette();
    const QColor colour = readable_on(wanted, palette.color(widget->backgroundRole()), ratio);
    if (palette.color(widget->foregroundRole()) == colour)
        return;
    palette.setColor(widget->foregroundRole(), colour);
    widget->setPalette(palette);
}

} // namespace tallyra
