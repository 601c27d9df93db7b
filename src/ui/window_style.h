// The look the program asks of the platform style: tooltips appear at once.
#pragma once

namespace tallyra {

// Installs the program's style on the running application.
void apply_window_style();

} // namespace tallyra
