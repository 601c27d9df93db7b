// The word sorting window's rows of the registry: its ordering selector, its
// table, the key that passes the word shown to the phrase list, its export
// button, its closing, and the table's context menu.
#include "shell/program.h"
#include "shell/registry.h"

#include "measures/measures.h"
#include "table/filters.h"
#include "words/word_window.h"

#include <array>
#include <utility>

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

// The three columns the filters read, with the word that names each on the
// command line; q = 1..3.
struct Column {
    const char16_t* caption;
    const char* word;
    const char* help;
};
constexpr Column kColumns[3] = {
    {u"الترتيب", "order", "order number"},
    {u"عدد حروف الكلمة", "letters", "letter count"},
    {u"تكرار الكلمة", "repetition", "occurrences"},
};

template <int Q> Result range_item(Program& p, const QStringList& in) {
    Result r = said(
        farz_kalimat(p.words, Q, in.value(0), in.value(1), word_bound_message(Q > 3 ? Q - 3 : Q)));
    r.focus = Focus::Table;
    return r;
}
template <int Q> Result divisibility_item(Program& p, const QStringList& in) {
    Result r = said(qabilia_kisma(p.words, Q, in.value(0)));
    r.focus = Focus::Table;
    return r;
}

enum class Filter { Range, Exclusion, Divisibility };

// A filter submenu of the table's menu: one item for each column, asking its
// bounds (or its divisor) in input dialogs.
void filter_menu(std::vector<Command>& rows, Filter filter, const char* name,
                 const char16_t* caption, const std::array<const char*, 3>& items,
                 const std::array<Handler, 3>& handlers) {
    static const char* const verbs[] = {"word-within", "word-outside", "word-divisible"};
    static const char* const how[] = {"keep the words whose %1 lies from LO to HI",
                                      "keep the words whose %1 lies below LO or above HI",
                                      "keep the words whose %1 is divisible by N"};
    rows.push_back(Row(W, ItemKind::Menu, name, caption).in("PopupMenu1"));
    for (size_t i = 0; i < 3; ++i) {
        const Column& c = kColumns[i];
        const QByteArray help =
            QString::fromLatin1(how[int(filter)]).arg(QLatin1String(c.help)).toUtf8();
        // The divisibility items name the letters in the plural.
        Row row =
            item(items[i],
                 filter == Filter::Divisibility && i == 1 ? u"عدد حروف الكلمات" : c.caption, name);
        if (filter == Filter::Divisibility)
            row.reads(dialog(filter_caption(), QStringLiteral(": قابلية القسمة على "), "N"));
        else
            row.reads(dialog(filter_caption(), word_bound_prompt(int(i) + 1), "LO"))
                .reads(dialog(filter_caption(), QStringLiteral(": وأصغر من أو يساوي "), "HI"));
        rows.push_back(
            row.verb(verbs[int(filter)], help.constData()).choice(c.word).does(handlers[i]));
    }
}

Result delete_selected(Program& p, const QStringList&) {
    N21Click(p.words);
    Result r;
    r.focus = Focus::Table;
    return r;
}

// A drag in the table from row FIRST to row LAST: LAST is current.
Result select_range(Program& p, const QStringList& in) {
    const int last = to_int(in.value(1)).value_or(0);
    word_rows_selected(p.words, to_int(in.value(0)).value_or(0), last, last);
    return {};
}

Result export_table(Program& p, const QStringList& in) {
    return said(word_export(p.words, p.main, in.value(0)));
}

void open_table_menu(Program& p) {
    word_menu_opened(p.words, p.main);
    p.words.items.setVisible(QStringLiteral("N2"), !p.calculator.isEmpty());
}

std::pair<int, int> item_range(const Program&, const QStringList&) {
    return {0, int(word_ordering_items().size()) - 1};
}

std::pair<int, int> row_range(const Program& p, const QStringList&) {
    return {1, p.words.table.rowCount() - 1};
}

} // namespace

std::vector<Command> word_window_commands() {
    std::vector<Command> rows = {
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
        Row(W, ItemKind::Button, "BitBtn1", u"نسخ الجدول إلى ملف وورد")
            .reads(save_file("NAME", QStringLiteral("Word|*.doc"),
                             [](const Program& p) { return p.main.wordFileName; }))
            .verb("word-export", "write the word table to NAME.doc")
            .does(export_table),
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
        item("N21", u"حذف الكلمات المحددة")
            .separated()
            .verb("word-delete-selected", "delete the words selected")
            .does(delete_selected),
        // A drag in the table, which only the command line makes as a command.
        Row(W, ItemKind::Control, "StringGrid1Rows")
            .reads(given("FIRST", row_range))
            .reads(given("LAST", row_range))
            .verb("word-select", "select the word rows FIRST to LAST, as a drag in the table does")
            .does(select_range),
    };
    filter_menu(rows, Filter::Range, "N3", u"الحصر بين عددين", {"N12", "N13", "N14"},
                {&range_item<1>, &range_item<2>, &range_item<3>});
    filter_menu(rows, Filter::Exclusion, "N4", u"إستثناء حصر العددين", {"N9", "N10", "N11"},
                {&range_item<4>, &range_item<5>, &range_item<6>});
    filter_menu(rows, Filter::Divisibility, "N5", u"قابلية القسمة", {"N8", "N6", "N7"},
                {&divisibility_item<1>, &divisibility_item<2>, &divisibility_item<3>});
    for (Command& c : std::vector<Command>{
             item("N17", u"تحليل عدد إلى جداء عوامل أولية").separated().does(open_factorization),
             item("N2", u"الحاسبة").does(start_calculator),
             item("N20", u"دفتر الملاحظات").does(open_notes),
         })
        rows.push_back(std::move(c));
    return rows;
}

} // namespace tallyra
