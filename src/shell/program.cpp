#include "shell/program.h"

#include "auxiliary/about.h"
#include "search/phrase_list.h"
#include "table/choosers.h"
#include "words/word_window.h"

#include <algorithm>

namespace tallyra {

Program::Program(const Corpus& corpus) : main(corpus), calculator(find_calculator()) {
    main.setVisible(QStringLiteral("N44"), !calculator.isEmpty());
    surah_chooser_created(surahChooser);
    verse_chooser_created(verseChooser);
    word_window_start(words);
    phrase_list_start(phraseList);
}

Items& Program::items(WindowId window) {
    return const_cast<Items&>(std::as_const(*this).items(window));
}

const Items& Program::items(WindowId window) const {
    switch (window) {
    case WindowId::Main:
        return main.items;
    case WindowId::GoTo:
        return goTo.items;
    case WindowId::SurahChooser:
        return surahChooser.items;
    case WindowId::VerseChooser:
        return verseChooser.items;
    case WindowId::WordSort:
        return words.items;
    case WindowId::PhraseList:
        return phraseList.items;
    case WindowId::Factorization:
        return factorization.items;
    case WindowId::Notes:
        return notes.items;
    case WindowId::Distribution:
        return distribution.items;
    default:
        return none_;
    }
}

bool Program::isShown(WindowId window) const {
    return window == WindowId::Main ||
           std::find(shown_.begin(), shown_.end(), window) != shown_.end();
}

WindowId Program::active() const {
    return shown_.empty() ? WindowId::Main : shown_.back();
}

void Program::show(WindowId window) {
    if (window != WindowId::None && !isShown(window))
        shown_.push_back(window);
}

void Program::hide(WindowId window) {
    if (window == WindowId::VerseChooser && isShown(window))
        verse_chooser_closed(verseChooser);
    shown_.erase(std::remove(shown_.begin(), shown_.end(), window), shown_.end());
}

void Program::apply(const Result& result) {
    hide(result.close);
    show(result.open);
}

} // namespace tallyra
