// Finding the n-th word or letter, counted in the display box's text or
// through the verse table row after row in the table's order. The word or
// letter found is selected in the display box, blue and underlined, and the
// summary line names it with the prime factors of n and its place as a
// percentage of all letters.
#pragma once

#include "table/session.h"

namespace tallyra {

// The input dialog a lookup asks its number in.
QString word_number_caption();
QString word_number_prompt();
QString letter_number_caption();
QString letter_number_prompt();

// `typed` is the dialog's answer as typed; the empty answer (a cancelled
// dialog included) ends the lookup silently. Each returns the message to
// show, empty when none.

// Word number `typed` of the display box's text.
QString N22Click(Session& session, const QString& typed);
// Word number `typed` of the verse table.
QString N28Click(Session& session, const QString& typed);
// Letter number `typed` of the display box's text.
QString N29Click(Session& session, const QString& typed);
// Letter number `typed` of the verse table.
QString N30Click(Session& session, const QString& typed);

// A share in percent as the summary line writes it: "% " and the number with
// at least two integer digits and five decimals, in the locale's notation.
QString percentage_text(double percent);

} // namespace tallyra
