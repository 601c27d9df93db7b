// The main table's context menu: the row operations, the number filters,
// the saved table, the choosers, the calculator and the notes pad; and the
// table's selection, as the command line makes it.
#include "shell/rows.h"

#include "core/columns.h"
#include "measures/measures.h"
#include "search/saved_table.h"
#include "shell/dispatch.h"
#include "table/filters.h"
#include "table/frame.h"
#include "table/row_operations.h"

#include <array>
#include <utility>

namespace tallyra::rows {

namespace {

void open_table_menu(Program& p) {
    Session& s = p.main;
    const bool ayat = s.ayat;
    const int rows = s.table.rowCount();
    const bool verseInRow1 = !s.table.cell(verse_col::text, 1).isEmpty();
    show_items(s, {"N79", "N93"}, ayat && verseInRow1 && rows < kVerseCount + 1);
    show_items(s, {"N94"}, ayat && !s.saved.hifdh_jadwal.empty());
    show_items(s, {"N97"}, ayat && rows > 2);
    show_items(s, {"N98"}, !ayat && rows > 2);
    show_items(s, {"N96"}, ayat);
    show_items(s, {"N58", "N59", "N66", "N73", "N91"}, rows > 2);
    // The notes pad is always offered; the calculator when there is one.
    show_items(s, {"N47"}, true);
    show_items(s, {"N82"}, !p.calculator.isEmpty());
    if (rows <= 2) {
        show_items(s, {"N84"}, false);
        return;
    }
    show_items(s, {"N54", "N65", "N72"}, repeats_in_use(s));
    show_items(s, {"N55", "N61", "N68", "N74", "N75", "N76", "N84"}, ayat);
    show_items(s, {"N57", "N62", "N69"}, !ayat);
}

// The seven kinds of number of the filter submenus, in their order, with the
// word that names each on the command line.
struct Kind {
    NumberKind kind;
    const char16_t* caption;
    const char* word;
    const char* help; // what the number is, for the help lines
};
constexpr Kind kKinds[7] = {
    {NumberKind::Order, u"رقم الترتيب", "order", "order number"},
    {NumberKind::Surah, u"رقم السورة", "surah", "surah number"},
    {NumberKind::Verse, u"رقم الآية", "verse", "verse number"},
    {NumberKind::Verses, u"عدد آيات السور", "verses", "verse count (surah table)"},
    {NumberKind::Words, u"عدد الكلمات", "words", "word count"},
    {NumberKind::Letters, u"عدد الحروف", "letters", "letter count"},
    {NumberKind::Repetition, u"التكرار", "repetition", "repetition count"},
};

template <size_t I> Result range_item(Program& p, const QStringList& in) {
    return said(range_filter(p.main, kKinds[I].kind, false, in.value(0), in.value(1)));
}
template <size_t I> Result exclusion_item(Program& p, const QStringList& in) {
    return said(range_filter(p.main, kKinds[I].kind, true, in.value(0), in.value(1)));
}
template <size_t I> Result divisibility_item(Program& p, const QStringList& in) {
    return said(divisibility_filter(p.main, kKinds[I].kind, in.value(0)));
}

template <size_t... I> constexpr std::array<Handler, 7> range_handlers(std::index_sequence<I...>) {
    return {&range_item<I>...};
}
template <size_t... I>
constexpr std::array<Handler, 7> exclusion_handlers(std::index_sequence<I...>) {
    return {&exclusion_item<I>...};
}
template <size_t... I>
constexpr std::array<Handler, 7> divisibility_handlers(std::index_sequence<I...>) {
    return {&divisibility_item<I>...};
}

enum class Filter { Range, Exclusion, Divisibility };

// A filter submenu of the table menu: one item per kind of number, each
// asking its bounds (or its divisor) in input dialogs.
void filter_menu(std::vector<Command>& rows, Filter filter, const char* name,
                 const char16_t* caption, const char* const (&items)[7]) {
    static constexpr auto kIndexes = std::make_index_sequence<7>();
    const std::array<Handler, 7> handlers = filter == Filter::Range ? range_handlers(kIndexes)
                                            : filter == Filter::Exclusion
                                                ? exclusion_handlers(kIndexes)
                                                : divisibility_handlers(kIndexes);
    static const char* const verbs[] = {"within", "outside", "divisible"};
    rows.push_back(menu(name, caption).in("PopupMenu1"));
    for (size_t i = 0; i < 7; ++i) {
        const Kind& k = kKinds[i];
        const char* how = filter == Filter::Range ? "keep the rows whose %1 lies from LO to HI"
                          : filter == Filter::Exclusion
                              ? "keep the rows whose %1 lies below LO or "
                                "above HI"
                              : "keep the rows whose %1 is divisible by N";
        const QByteArray help = QString::fromLatin1(how).arg(QLatin1String(k.help)).toUtf8();
        Row row = item(items[i], k.caption).in(name);
        if (filter == Filter::Divisibility) {
            row.reads(dialog(filter_caption(), divisor_prompt(), "N"));
        } else {
            row.reads(dialog(filter_caption(), lower_bound_prompt(k.kind), "LO"))
                .reads(dialog(filter_caption(), upper_bound_prompt(), "HI"));
        }
        Command c = row.verb(verbs[int(filter)], help.constData()).choice(k.word).does(handlers[i]);
        rows.push_back(std::move(c));
    }
}

Result open_window(WindowId window) {
    Result r;
    r.open = window;
    return r;
}

Result restore(Program& p, const QStringList&) {
    const Restored restored = N94Click(p.main);
    Result r;
    r.message = restored.message;
    if (restored.searchBox) {
        r.boxOf = WindowId::Main;
        r.boxText = *restored.searchBox;
    }
    // The restore goes on after its message.
    r.carriedOn = true;
    return r;
}

// The command line deletes the selected rows of whichever table is shown.
Result delete_selected(Program& p, const QStringList&) {
    for (const char* name : {"N97", "N98"}) {
        const QString item = QString::fromLatin1(name);
        if (command_allowed(p, M, item))
            return find_command(M, item)->run(p, {});
    }
    Result refused;
    refused.refused = true;
    return refused;
}

// A drag in the table from row FIRST to row LAST: LAST is current.
Result select_range(Program& p, const QStringList& in) {
    const int last = to_int(in.value(1)).value_or(0);
    select_rows(p.main, to_int(in.value(0)).value_or(0), last, last);
    return {};
}

std::pair<int, int> data_rows(const Program& p, const QStringList&) {
    return {1, p.main.table.rowCount() - 1};
}

} // namespace

std::vector<Command> table_menu_commands() {
    std::vector<Command> rows = {
        // The table's context menu.
        menu("PopupMenu1").owner("StringGrid1").opened(open_table_menu),
        item("N73", u"عكس الترتيب الحالي")
            .in("PopupMenu1")
            .verb("reverse", "reverse the order of the rows")
            .does(plain<N73Click>),
        item("N79", u"عرض الآيات المكملة")
            .in("PopupMenu1")
            .verb("complement", "every verse the table does not show, in mushaf order")
            .does(plain<N79Click>),
        item("N84", u"الترتيب حسب رقم الآية")
            .in("PopupMenu1")
            .verb("by-verse-number", "order the verses by verse number, then by surah")
            .does(plain<N84Click>),
        item("N97", u"حذف الآيات المحددة").in("PopupMenu1").separated().does(plain<N97Click>),
        item("N98", u"حذف السُور المحددة").in("PopupMenu1").does(plain<N98Click>),
    };
    static const char* const range[7] = {"N74", "N56", "N55", "N57", "N52", "N53", "N54"};
    static const char* const exclusion[7] = {"N75", "N60", "N61", "N62", "N63", "N64", "N65"};
    static const char* const divisibility[7] = {"N76", "N67", "N68", "N69", "N70", "N71", "N72"};
    filter_menu(rows, Filter::Range, "N58", u"الحصر بين عددين", range);
    filter_menu(rows, Filter::Exclusion, "N59", u"إستثناء حصر العددين", exclusion);
    filter_menu(rows, Filter::Divisibility, "N66", u"قابلية القسمة على", divisibility);
    const std::vector<Command> rest = {
        item("N93", u"الحفظ المؤقت لجدول الآيات")
            .in("PopupMenu1")
            .separated()
            .verb("save-table", "keep the verse table aside")
            .does(plain<N93Click>),
        item("N94", u"إسترجاع جدول الآيات المحفوظ")
            .in("PopupMenu1")
            .verb("restore-table", "bring back the verse table kept aside")
            .does(restore),
        item("N91", u"إختيار سُور من الجدول")
            .in("PopupMenu1")
            .separated()
            .does([](Program&, const QStringList&) { return open_window(WindowId::SurahChooser); }),
        item("N96", u"إختيار آيات من القرآن الكريم")
            .in("PopupMenu1")
            .does([](Program&, const QStringList&) { return open_window(WindowId::VerseChooser); }),
        item("N82", u"الحاسبة").in("PopupMenu1").separated().does(start_calculator),
        item("N47", u"دفتر الملاحظات").in("PopupMenu1").does(open_notes),

        // What only the command line does here: a selection of rows, as a
        // drag in the table makes it, and the deletion of the selected rows
        // of the table shown.
        Row(M, ItemKind::Control, "StringGrid1Rows")
            .reads(given("FIRST", data_rows))
            .reads(given("LAST", data_rows))
            .verb("select", "select the table rows FIRST to LAST, as a drag in the table does")
            .does(select_range),
        Row(M, ItemKind::Command, "DeleteSelected")
            .verb("delete-selected", "delete the selected rows of the verse or surah table")
            .does(delete_selected),
        item("DistributionOfTable", u"توزيع النتائج على السور")
            .in("PopupMenu1")
            .separated()
            .does(open_distribution),
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

} // namespace tallyra::rows
