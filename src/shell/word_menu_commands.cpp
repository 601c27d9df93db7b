// The main window's word and letter statistics menu: the word commands, the
// word sorting of the table or the display box, the word and letter position
// lookups and the phrase list.
#include "shell/rows.h"

#include "search/position.h"
#include "statistics/nabra.h"
#include "statistics/verse_statistics.h"
#include "statistics/word_statistics.h"
#include "words/word_window.h"

namespace tallyra::rows {

namespace {

// The word and letter statistics menu: the commands on the display box's
// text need text there, and those that read the verse table need one shown.
void open_word_statistics(Program& p) {
    Session& s = p.main;
    const bool d = !s.display.text.isEmpty();
    for (const char* item : {"N13", "N15", "N22", "N28", "N29", "N30"})
        s.setEnabled(QString::fromLatin1(item), d);
    for (const char* item : {"N13", "N28", "N30", "N78"})
        s.setEnabled(QString::fromLatin1(item), s.ayat && d);
}

// The word commands: what they found fills the word sorting window, which
// opens; a message leaves it closed.
Result show_findings(Program& p, const QString& message, WordFindings& found) {
    if (!message.isEmpty())
        return said(message);
    return fill_word_window(p.words, p.main, std::move(found));
}

template <auto F> Result words_one(Program& p, const QStringList& in) {
    WordFindings found;
    const QString message = F(p.main, in.value(0), found);
    return show_findings(p, message, found);
}

Result words_two(Program& p, const QStringList& in) {
    WordFindings found;
    const QString message = N11Click(p.main, in.value(0), in.value(1), found);
    return show_findings(p, message, found);
}

Result nabra_words(Program& p, const QStringList&) {
    WordFindings found;
    N02Click(p.main, found);
    return show_findings(p, {}, found);
}

template <Result (*F)(WordWindow&, Session&)> Result sort_words(Program& p, const QStringList&) {
    return F(p.words, p.main);
}

Result open_phrase_list(Program&, const QStringList&) {
    Result r;
    r.open = WindowId::PhraseList;
    return r;
}

} // namespace

std::vector<Command> word_menu_commands() {
    const Input wordNumber = dialog(word_number_caption(), word_number_prompt(), "N");
    Input letterInDisplay = dialog(letter_number_caption(), letter_number_prompt(), "N");
    // The letter lookup in an empty display box says so before it asks.
    letterInDisplay.asked = display_holds_text;
    const Input letterInTable = dialog(letter_number_caption(), letter_number_prompt(), "N");

    return {
        menu("N7", u"إحصاء الكلمات والحروف      ").in("MainMenu").opened(open_word_statistics),
        item("N9", u"إحصاء الكلمات التي تبدأ بـ")
            .in("N7")
            .shortcut("Ctrl+F6")
            .reads(search_box("P"))
            .verb("words-begin", "the distinct words that begin with P")
            .does(words_one<N9Click>),
        item("N10", u"إحصاء الكلمات التي تنتهي بـ")
            .in("N7")
            .shortcut("Ctrl+F7")
            .reads(search_box("P"))
            .verb("words-end", "the distinct words that end with P")
            .does(words_one<N10Click>),
        item("N11", u"إحصاء الكلمات التي تبدأ بـ  وتنتهي بـ")
            .in("N7")
            .shortcut("Ctrl+F8")
            .reads(dialog(two_term_caption(), word_begin_prompt(), "A"))
            .reads(dialog(two_term_caption(), word_end_prompt(), "B"))
            .verb("words-begin-end", "the distinct words that begin with A and end with B")
            .does(words_two),
        item("N17", u"إحصاء الكلمات التي عدد حروفها ...")
            .in("N7")
            .separated()
            .shortcut("Ctrl+F9")
            .reads(search_box("N"))
            .verb("words-length", "the distinct words of N letters")
            .does(words_one<N17Click>),
        item("N18", u"إحصاء الكلمات التي يوجد بها ...")
            .in("N7")
            .shortcut("Ctrl+F5")
            .reads(search_box("P"))
            .verb("words-containing", "the distinct words that contain P")
            .does(words_one<N18Click>),
        item("N02", u"إحصاء الكلمات التي يوجد بها رمز النبرة")
            .in("N7")
            .hidden()
            .verb("nabra-words", "the distinct words that carry the nabra mark")
            .does(nabra_words),
        item("N43", u"إحصاء الكلمات التي تحوي الحروف مع مراعاة الترتيب")
            .in("N7")
            .shortcut("Ctrl+F10")
            .reads(search_box("P"))
            .verb("words-letters-in-order",
                  "the distinct words that hold the letters of P in order")
            .does(words_one<N43Click>),
        item("N45", u"إحصاء الكلمات التي تحوي الحروف دون مراعاة الترتيب       ")
            .in("N7")
            .shortcut("Alt+F12")
            .reads(search_box("P"))
            .verb("words-letters-any-order",
                  "the distinct words that hold the letters of P in any order")
            .does(words_one<N45Click>),
        item("N13", u"فرز كلمات كل الآيات المعروضة في الجدول")
            .in("N7")
            .separated()
            .shortcut("F11")
            .verb("words-of-table", "the distinct words of the verses the table shows")
            .does(sort_words<N13Click>),
        item("N15", u"فرز كلمات الآية أو السورة المختارة في مربع العرض")
            .in("N7")
            .shortcut("F12")
            .verb("words-of-display", "the distinct words of the verse or surah shown")
            .does(sort_words<N15Click>),
        item("N22", u"البحث عن الكلمة رقم ...في مربع العرض")
            .in("N7")
            .separated()
            .shortcut("Ctrl+F1")
            .reads(wordNumber)
            .verb("word-at", "find word N of the display box")
            .does(one<N22Click>),
        item("N28", u"البحث عن الكلمة رقم ...في جدول الآيات")
            .in("N7")
            .shortcut("Ctrl+F2")
            .reads(wordNumber)
            .verb("word-in-table", "find word N of the verse table")
            .does(one<N28Click>),
        item("N29", u"البحث عن الحرف رقم ...في مربع العرض")
            .in("N7")
            .separated()
            .shortcut("Ctrl+F3")
            .reads(letterInDisplay)
            .verb("letter-at", "find letter N of the display box")
            .does(one<N29Click>),
        item("N30", u"البحث عن الحرف رقم ...في جدول الآيات")
            .in("N7")
            .shortcut("Ctrl+F4")
            .reads(letterInTable)
            .verb("letter-in-table", "find letter N of the verse table")
            .does(one<N30Click>),
        item("N78", u"للبحث متعدد الكلمات أو العبارات")
            .in("N7")
            .shortcut("Ctrl+N")
            .does(open_phrase_list),
    };
}

} // namespace tallyra::rows
