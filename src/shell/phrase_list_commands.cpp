// The phrase list window's rows of the registry: its two independence
// options, the add and delete buttons with their keys, the list, and the
// list's context menu with the five searches and the list files. The
// command line opens the window through the main window's item N78.
#include "shell/program.h"
#include "shell/registry.h"

#include "measures/measures.h"
#include "search/phrase_list.h"
#include "table/tables.h"

namespace tallyra {

namespace {

constexpr WindowId P = WindowId::PhraseList;

Row item(const char* name, const char16_t* caption) {
    return Row(P, ItemKind::Command, name, caption).in("PopupMenu1").via("N78");
}

template <void (*F)(Session&, const PhraseListWindow&)>
Result search(Program& p, const QStringList&) {
    F(p.main, p.phraseList);
    return {};
}

Result add(Program& p, const QStringList& in) {
    bool added = false;
    Result r = said(idhafa(p.phraseList, in.value(0), added));
    if (added) {
        r.boxOf = P;
        r.boxText.clear();
    }
    return r;
}

Result choose(Program& p, const QStringList& in) {
    phrase_select(p.phraseList, to_int(in.value(0)).value_or(-1));
    return {};
}

// The delete button; the command line names the phrase (from 1) first.
Result delete_phrase(Program& p, const QStringList& in) {
    if (const std::optional<int> index = to_int(in.value(0)))
        phrase_select(p.phraseList, *index - 1);
    phrase_delete(p.phraseList);
    return {};
}

Result delete_selected(Program& p, const QStringList&) {
    phrase_delete(p.phraseList);
    return {};
}

Result clear(Program& p, const QStringList&) {
    phrase_clear(p.phraseList, p.main);
    return {};
}

Result save(Program& p, const QStringList& in) {
    return said(phrases_save(p.phraseList, in.value(0)));
}

Result load(Program& p, const QStringList& in) {
    return said(phrases_load(p.phraseList, in.value(0)));
}

Result all_verses(Program& p, const QStringList&) {
    BitBtn3Click(p.main);
    return {};
}

Result not_independent(Program& p, const QStringList&) {
    choose_independent(p.phraseList, false);
    return {};
}

Result focus_input(Program&, const QStringList&) {
    Result r;
    r.focus = Focus::SearchBoxSelected;
    return r;
}

void open_list_menu(Program& p) {
    phrase_menu_opened(p.phraseList);
}

std::pair<int, int> list_range(const Program& p, const QStringList&) {
    return {0, int(p.phraseList.phrases.size()) - 1};
}

std::pair<int, int> phrase_range(const Program& p, const QStringList&) {
    return {1, int(p.phraseList.phrases.size())};
}

} // namespace

std::vector<Command> phrase_list_commands() {
    return {
        Row(P, ItemKind::Check, "RadioButton2", u"مُستقلة")
            .via("N78")
            .verb("phrases-whole", "count a phrase only where it stands as a word or words of its "
                                   "own (off: also inside longer words)"),
        Row(P, ItemKind::Control, "RadioButton1", u"لا يَهُم").does(not_independent),
        Row(P, ItemKind::Button, "BitBtn1", u"إضافة العبارة إلى القائمة")
            .windowKey("Enter")
            .reads(search_box("P"))
            .via("N78")
            .verb("phrase", "add the phrase P to the phrase list")
            .does(add),
        Row(P, ItemKind::Key, "FocusInput").windowKey("+").does(focus_input),
        Row(P, ItemKind::Control, "ListBox1").reads(chosen("INDEX", list_range)).does(choose),
        Row(P, ItemKind::Button, "BitBtn2", u"حذف العبارة المختارة")
            .reads(given("INDEX", phrase_range))
            .via("N78")
            .verb("phrase-delete", "delete phrase INDEX (from 1) of the phrase list")
            .does(delete_phrase),

        Row(P, ItemKind::Menu, "PopupMenu1").owner("ListBox1").opened(open_list_menu),
        item("N4", u"عرض الآيات التي يوجد بها إحدى العبارات على الأقل")
            .verb("phrases-any", "the verses that hold at least one phrase of the list")
            .does(search<phrases_any>),
        item("N5", u"عرض الآيات التي يوجد بها كل العبارات معا")
            .verb("phrases-all", "the verses that hold every phrase of the list")
            .does(search<phrases_all>),
        item("N1", u"عرض الآيات التي تبدأ بإحدى العبارات")
            .separated()
            .verb("phrases-begin", "the verses that begin with a phrase of the list")
            .does(search<phrases_begin>),
        item("N2", u"عرض الآيات التي تنتهي بإحدى العبارات")
            .verb("phrases-end", "the verses that end with a phrase of the list")
            .does(search<phrases_end>),
        item("N3", u"عرض الآيات التي تبدأ و تنتهي بإحدى العبارات")
            .verb("phrases-begin-end", "the verses that begin and end with phrases of the list")
            .does(search<phrases_begin_end>),
        item("N9", u"حفظ القائمة الحالية تحت إسم ...")
            .separated()
            .reads(save_file("NAME"))
            .verb("phrases-save", "save the phrase list as NAME.txt")
            .does(save),
        item("N11", u"فتح قائمة محفوظة سابقا")
            .reads(open_file("FILE"))
            .verb("phrases-load", "replace the phrase list with the lines of FILE")
            .does(load),
        item("N13", u"عرض كل آيات القرآن الكريم في الجدول")
            .verb("phrases-verses", "show every verse in the main table")
            .does(all_verses),
        item("N10", u"حذف العبارة المختارة").separated().does(delete_selected),
        item("N7", u"مسح كل ما في القائمة")
            .verb("phrases-clear", "empty the phrase list")
            .does(clear),
    };
}

} // namespace tallyra
