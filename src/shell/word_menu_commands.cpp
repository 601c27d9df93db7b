// The main window's word and letter statistics menu: the word commands, the
// word sorting of the table or the display box, the word and letter position
// lookups and the phrase list.
#include "shell/rows.h"

#include "search/position.h"

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

} // namespace

std::vector<Command> word_menu_commands() {
    const Input wordNumber = dialog(word_number_caption(), word_number_prompt(), "N");
    Input letterInDisplay = dialog(letter_number_caption(), letter_number_prompt(), "N");
    // The letter lookup in an empty display box says so before it asks.
    letterInDisplay.asked = display_holds_text;
    const Input letterInTable = dialog(letter_number_caption(), letter_number_prompt(), "N");

    return {
        menu("N7", u"إحصاء الكلمات والحروف      ").in("MainMenu").opened(open_word_statistics),
        item("N9", u"إحصاء الكلمات التي تبدأ بـ").in("N7").shortcut("Ctrl+F6"),
        item("N10", u"إحصاء الكلمات التي تنتهي بـ").in("N7").shortcut("Ctrl+F7"),
        item("N11", u"إحصاء الكلمات التي تبدأ بـ  وتنتهي بـ").in("N7").shortcut("Ctrl+F8"),
        item("N17", u"إحصاء الكلمات التي عدد حروفها ...").in("N7").separated().shortcut("Ctrl+F9"),
        item("N18", u"إحصاء الكلمات التي يوجد بها ...").in("N7").shortcut("Ctrl+F5"),
        item("N02", u"إحصاء الكلمات التي يوجد بها رمز النبرة").in("N7").hidden(),
        item("N43", u"إحصاء الكلمات التي تحوي الحروف مع مراعاة الترتيب")
            .in("N7")
            .shortcut("Ctrl+F10"),
        item("N45", u"إحصاء الكلمات التي تحوي الحروف دون مراعاة الترتيب       ")
            .in("N7")
            .shortcut("Alt+F12"),
        item("N13", u"فرز كلمات كل الآيات المعروضة في الجدول").in("N7").separated().shortcut("F11"),
        item("N15", u"فرز كلمات الآية أو السورة المختارة في مربع العرض").in("N7").shortcut("F12"),
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
        item("N78", u"للبحث متعدد الكلمات أو العبارات").in("N7").shortcut("Ctrl+N"),
    };
}

} // namespace tallyra::rows
