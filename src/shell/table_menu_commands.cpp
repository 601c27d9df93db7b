// The main table's context menu: the row operations, the number filters,
// the saved table, the choosers, the calculator and the notes pad.
#include "shell/rows.h"

#include "core/columns.h"

namespace tallyra::rows {

namespace {

void open_table_menu(Program& p) {
    Session& s = p.main;
    const bool ayat = s.ayat;
    const int rows = s.table.rowCount();
    const bool verseInRow1 = !s.table.cell(verse_col::text, 1).isEmpty();
    show_items(s, {"N79", "N93"}, ayat && verseInRow1 && rows < kVerseCount + 1);
    show_items(s, {"N94"}, ayat && s.savedRows > 0);
    show_items(s, {"N97"}, ayat && rows > 2);
    show_items(s, {"N98"}, !ayat && rows > 2);
    show_items(s, {"N96"}, ayat);
    show_items(s, {"N58", "N59", "N66", "N73", "N91"}, rows > 2);
    if (rows <= 2) {
        show_items(s, {"N84"}, false);
        return;
    }
    show_items(s, {"N54", "N65", "N72"}, s.orderingItems.size() == 6);
    show_items(s, {"N55", "N61", "N68", "N74", "N75", "N76", "N84"}, ayat);
    show_items(s, {"N57", "N62", "N69"}, !ayat);
    show_items(s, {"N82", "N47"}, true);
}

// The three filter submenus of the table menu list the same seven columns.
void filter_menu(std::vector<Command>& rows, const char* name, const char16_t* caption,
                 const char* const (&items)[7], bool separated = false) {
    static const char16_t* const columns[7] = {
        u"رقم الترتيب", u"رقم السورة", u"رقم الآية", u"عدد آيات السور",
        u"عدد الكلمات", u"عدد الحروف", u"التكرار",
    };
    Row sub = menu(name, caption).in("PopupMenu1");
    if (separated)
        sub.separated();
    rows.push_back(sub);
    for (int i = 0; i < 7; ++i)
        rows.push_back(item(items[i], columns[i]).in(name));
}

} // namespace

std::vector<Command> table_menu_commands() {
    std::vector<Command> rows = {
        // The table's context menu.
        menu("PopupMenu1").owner("StringGrid1").opened(open_table_menu),
        item("N73", u"عكس الترتيب الحالي").in("PopupMenu1"),
        item("N79", u"عرض الآيات المكملة").in("PopupMenu1"),
        item("N84", u"الترتيب حسب رقم الآية").in("PopupMenu1"),
        item("N97", u"حذف الآيات المحددة").in("PopupMenu1").separated(),
        item("N98", u"حذف السُور المحددة").in("PopupMenu1"),
    };
    static const char* const range[7] = {"N74", "N56", "N55", "N57", "N52", "N53", "N54"};
    static const char* const exclusion[7] = {"N75", "N60", "N61", "N62", "N63", "N64", "N65"};
    static const char* const divisibility[7] = {"N76", "N67", "N68", "N69", "N70", "N71", "N72"};
    filter_menu(rows, "N58", u"الحصر بين عددين", range);
    filter_menu(rows, "N59", u"إستثناء حصر العددين", exclusion);
    filter_menu(rows, "N66", u"قابلية القسمة على", divisibility);
    const std::vector<Command> rest = {
        item("N93", u"الحفظ المؤقت لجدول الآيات").in("PopupMenu1").separated(),
        item("N94", u"إسترجاع جدول الآيات المحفوظ").in("PopupMenu1"),
        item("N91", u"إختيار سُور من الجدول").in("PopupMenu1").separated(),
        item("N96", u"إختيار آيات من القرآن الكريم").in("PopupMenu1"),
        item("N82", u"الحاسبة").in("PopupMenu1").separated(),
        item("N47", u"دفتر الملاحظات").in("PopupMenu1"),
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

} // namespace tallyra::rows
