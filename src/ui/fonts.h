// The font of the windows' Arabic text: faces known to hold the Arabic
// letters, so that no letter ever shows as an empty box.
#pragma once

#include <QFont>

namespace tallyra {

QFont arabic_font(int pixelSize);

} // namespace tallyra
