// A session of the main window as the window starts: the full verse table of
// the separated-waw variant, its summary line, the surah texts and the items
// in their laid-out state.
#pragma once

#include "core/state.h"

namespace tallyra {

struct Session : SessionState {
    explicit Session(const Corpus& corpus = Corpus::instance());
};

} // namespace tallyra
