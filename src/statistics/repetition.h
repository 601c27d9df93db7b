// Repetition of whole verse texts: the distinct texts with their counts, the
// repeated occurrences, the texts that repeat and those that occur once, and
// the verses equal to or containing the verse the display box shows.
#pragma once

#include "table/session.h"

namespace tallyra {

// Every distinct verse text once, at its first occurrence, with its count.
void N48Click(Session& session);
// Every occurrence of a text after its first one, in source order.
void N49Click(Session& session);
// The texts that occur more than once, with their counts.
void N210Click(Session& session);
// The texts that occur once.
void N310Click(Session& session);
// Every verse of the corpus whose text equals the display box's text.
void N51Click(Session& session);
// The text search for the display box's text; `boxText` is what the search
// box shows. Returns the search's message, empty when none.
QString N77Click(Session& session, const QString& boxText);

} // namespace tallyra
