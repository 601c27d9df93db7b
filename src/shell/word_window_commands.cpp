// The word sorting window's rows of the registry: its ordering selector, its
// table, the key that passes the word shown to the phrase list, its export
// button, its closing, and the table's context menu.
#include "shell/program.h"
#include "shell/registry.h"

#include "measures/measures.h"
#include "words/word_window.h"

namespace tallyra {

namespace {

constexpr WindowId W = WindowId::WordSort;

Row item(const char* name, const char16_t* caption, const char* menu = "PopupMenu1") {
    return Row(W, ItemKind::Command, name, caption).in(menu);
}

Result order(Program& p, const QStringList& in) {
    word_order(p.words, to_int(in.value(0)).value_or(-1));
    Result r;
    r.focus = Focus::Table;
    return r;
}

Result show(Program& p, const QStringList& in) {
    const int row = to_int(in.value(0)).value_or(0);
    word_rows_selected(p.words, row, row, row);
    return {};
}

Result reverse(Program& p, const QStringList&) {
    word_reverse(p.words);
    return {};
}

Result add_all(Program& p, const QStringList&) {
    return word_add_all(p.words, p.phraseList, p.main);
}

Result pass_on(Program& p, const QStringList&) {
    return word_pass(p.words, p.phraseList);
}

Result open_phrase_list(Program&, const QStringList&) {
    Result r;
    r.open = WindowId::PhraseList;
    return r;
}

Result close(Program&, const QStringList&) {
    Result r;
    r.close = W;
    return r;
}

void open_table_menu(Program& p) {
    word_menu_opened(p.words, p.main);
}

std::pair<int, int> item_range(const Program&, const QStringList&) {
    return {0, int(word_ordering_items().size()) - 1};
}

std::pair<int, int> row_range(const Program& p, const QStringList&) {
    return {1, p.words.table.rowCount() - 1};
}

} // namespace

std::vector<Command> word_window_commands() {
    return {
        Row(W, ItemKind::Control, "RadioGroup1")
            .reads(chosen("K", item_range))
            .verb("word-order", "order the words by item K of the ordering selector (0: mushaf "
                                "order, 1: beginning, 2: end, 3: letters, 4: occurrences)")
            .does(order),
        Row(W, ItemKind::Control, "StringGrid1")
            .reads(chosen("ROW", row_range))
            .verb("word-show", "show the word of row ROW with its letters")
            .does(show),
        // Enter anywhere in the window, and a double-click on the table.
        Row(W, ItemKind::Key, "PassOn")
            .windowKey("Enter")
            .verb("word-pass", "put the word shown into the search box and the phrase list")
            .does(pass_on),
        Row(W, ItemKind::Button, "BitBtn1", u"نسخ الجدول إلى ملف وورد"),
        Row(W, ItemKind::Control, "Close")
            .verb("word-close", "close the word sorting window")
            .does(close),

        Row(W, ItemKind::Menu, "PopupMenu1").owner("StringGrid1").opened(open_table_menu),
        item("N1", u"عكس الترتيب الحالي")
            .verb("word-reverse", "reverse the order of the words")
            .does(reverse),
        item("N18", u"إضافة كل الكلمات إلى القائمة")
            .verb("word-add-all", "add every word to the phrase list")
            .does(add_all),
        item("N19", u"عرض القائمة")
            .verb("word-phrases", "open the phrase list")
            .does(open_phrase_list),
        item("N21", u"حذف الكلمات المحددة").separated(),
        Row(W, ItemKind::Menu, "N3", u"الحصر بين عددين").in("PopupMenu1"),
        item("N12", u"الترتيب", "N3"),
        item("N13", u"عدد حروف الكلمة", "N3"),
        item("N14", u"تكرار الكلمة", "N3"),
        Row(W, ItemKind::Menu, "N4", u"إستثناء حصر العددين").in("PopupMenu1"),
        item("N9", u"الترتيب", "N4"),
        item("N10", u"عدد حروف الكلمة", "N4"),
        item("N11", u"تكرار الكلمة", "N4"),
        Row(W, ItemKind::Menu, "N5", u"قابلية القسمة").in("PopupMenu1"),
        item("N8", u"الترتيب", "N5"),
        item("N6", u"عدد حروف الكلمات", "N5"),
        item("N7", u"تكرار الكلمة", "N5"),
        item("N17", u"تحليل عدد إلى جداء عوامل أولية").separated(),
        item("N2", u"الحاسبة"),
        item("N20", u"دفتر الملاحظات"),
    };
}

} // namespace tallyra
