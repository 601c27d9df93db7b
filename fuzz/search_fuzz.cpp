// The search's occurrence count against a plain reference: the term compared
// at every position of the text, overlapping occurrences included, and in
// exact mode only where no letter stands right before or right after.
#include "measures/measures.h"
#include "search/search.h"

#include "fuzz_support.h"

using namespace tallyra;
using tallyra::fuzz::text_from;

namespace {

int reference_count(const QString& text, const QString& term, bool exact) {
    if (term.isEmpty())
        return 0;
    int count = 0;
    const qsizetype j = term.size();
    for (qsizetype k = 0; k + j <= text.size(); ++k) {
        if (QStringView(text).sliced(k, j) != term)
            continue;
        const bool before = k > 0 && is_letter(text[k - 1]);
        const bool after = k + j < text.size() && is_letter(text[k + j]);
        if (!exact || (!before && !after))
            ++count;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const QString term = text_from(data, 16);
    const QString text = text_from(data, 8192);
    for (const bool exact : {false, true}) {
        const int count = count_occurrences(text, term, exact);
        FUZZ_CHECK(count == reference_count(text, term, exact),
                   (exact ? QStringLiteral("exact: ") : QString()) + term + QStringLiteral(" in ") +
                       text);
        // The counter a scan over many texts makes once counts the same.
        FUZZ_CHECK(OccurrenceCounter(term, exact).count(text) == count,
                   QStringLiteral("counter: ") + term + QStringLiteral(" in ") + text);
    }
    // The exact count never exceeds the plain one; a text holds itself once.
    FUZZ_CHECK(count_occurrences(text, term, true) <= count_occurrences(text, term, false), term);
    if (!text.isEmpty())
        FUZZ_CHECK(count_occurrences(text, text, true) == 1, text);
    return 0;
}
