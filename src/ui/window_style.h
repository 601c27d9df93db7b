// The look the program asks of the platform: its style, its one interface
// font, its icon and its Arabic translation of the platform's own texts.
#pragma once

#include <QIcon>
#include <QString>

namespace tallyra {

// Installs the program's style, interface font and icon on the running
// application: tooltips appear at once, the menu bar opens with Alt.
void apply_window_style();

// Loads the platform's Arabic translation (its dialogs' buttons and labels);
// false when it is not installed.
bool install_arabic_translation();

// The program's icon, in every size it is drawn in.
QIcon program_icon();

// A tooltip's text with its carriage returns as line breaks: a text written
// on two lines shows on two lines.
QString tooltip_lines(const QString& text);

} // namespace tallyra
