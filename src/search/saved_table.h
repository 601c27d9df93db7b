// Keeping the verse table aside and bringing it back: its rows, the ordering
// item, the phrase count, the variant and the last search's text are kept
// until the next save, whatever other commands do meanwhile; a restore
// recounts the search text in the rows it brings back.
#pragma once

#include "table/session.h"

#include <optional>

namespace tallyra {

// Saves the verse table's rows with the state they were shown in.
void N93Click(Session& session);

// What a restore leaves for the window: its message, and the text the
// search box is to show.
struct Restored {
    QString message;
    std::optional<QString> searchBox;
};

// Brings the saved rows back in their order, with the saved variant's texts
// (the message says so when another variant is active), the saved ordering
// item and phrase count, and the saved search text recounted in them.
Restored N94Click(Session& session);

} // namespace tallyra
