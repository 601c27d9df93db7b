#include "ui/fonts.h"

#include <QStringList>

namespace tallyra {

QFont arabic_font(int pixelSize) {
    const QStringList families = {QStringLiteral("Noto Naskh Arabic"),
                                  QStringLiteral("Noto Sans Arabic"),
                                  QStringLiteral("DejaVu Sans")};
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace tallyra
