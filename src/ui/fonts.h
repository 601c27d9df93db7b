// The fonts of the windows: the Arabic faces of the display layer
// (arabic_families), tried in their order, and the interface's font.
#pragma once

#include "display/display.h"

#include <QFont>
#include <QStringList>

namespace tallyra {

// The Arabic text of the display box, the tables and the lists.
QFont arabic_font(int pixelSize);

// The one font of the menus, headers, buttons and dialogs.
QFont interface_font();

} // namespace tallyra
