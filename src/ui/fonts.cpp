#include "ui/fonts.h"

namespace tallyra {

QFont arabic_font(int pixelSize) {
    QFont font;
    font.setFamilies(arabic_families());
    font.setPixelSize(pixelSize);
    return font;
}

QFont interface_font() {
    // A plain face first for the controls; beside Arabic text of 17 to 34
    // pixels the interface reads at 16.
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans Arabic"), QStringLiteral("Noto Naskh Arabic"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(16);
    return font;
}

} // namespace tallyra
