// The fonts of the windows: faces known to hold the Arabic letters, so that
// no letter ever shows as an empty box, tried in this order.
#pragma once

#include <QFont>
#include <QStringList>

namespace tallyra {

// The faces, first choice first.
const QStringList& arabic_families();

// The Arabic text of the display box, the tables and the lists.
QFont arabic_font(int pixelSize);

// The one font of the menus, headers, buttons and dialogs.
QFont interface_font();

} // namespace tallyra
