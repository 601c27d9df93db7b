// The main window's rows of the registry: its five buttons, the keys of the
// window, the ordering selector and the table, the menu bar with its opening
// rules (the word and letter statistics menu has its own file), and the
// context menus (the table's has its own file).
#include "shell/rows.h"

#include "corpus/surahs.h"
#include "display/display.h"
#include "export/export.h"
#include "export/table_formats.h"
#include "measures/measures.h"
#include "search/phrase_list.h"
#include "search/search.h"
#include "statistics/distribution.h"
#include "statistics/nabra.h"
#include "statistics/repetition.h"
#include "statistics/surah_statistics.h"
#include "statistics/verse_statistics.h"
#include "table/frame.h"
#include "table/ordering.h"
#include "table/tables.h"

namespace tallyra {

using namespace rows;

namespace {

Result open_goto(Program&, const QStringList&) {
    Result r;
    r.open = WindowId::GoTo;
    return r;
}

Result order(Program& p, const QStringList& in) {
    select_ordering_item(p.main, to_int(in.value(0)).value_or(-1));
    return {};
}

// A click on a table row; the row already current is shown again.
Result show(Program& p, const QStringList& in) {
    Session& s = p.main;
    const int row = to_int(in.value(0)).value_or(0);
    if (row == s.table.currentRow())
        show_row(s, row);
    else
        change_row(s, row);
    return {};
}

// The display box's edit actions.
Result copy_selection(Program& p, const QStringList&) {
    const DisplayBox& box = p.main.display;
    Result r;
    r.clipboard = box.text.mid(box.selectionStart, box.selectionLength);
    return r;
}

Result select_all(Program& p, const QStringList&) {
    display_selection_changed(p.main, 0, int(p.main.display.text.size()));
    return {};
}

Result focus(Focus where) {
    Result r;
    r.focus = where;
    return r;
}

// The verse statistics menu: the commands on the displayed verse need a verse
// in row 1; the repetition commands, in table-only mode, two rows at least.
void open_verse_statistics(Program& p) {
    Session& s = p.main;
    const bool ayat = s.ayat;
    for (const char* item : {"N51", "N77"})
        s.setEnabled(QString::fromLatin1(item),
                     ayat && !s.table.cell(verse_col::text, 1).isEmpty());
    const bool rows = !s.checked(QStringLiteral("N88")) || s.table.rowCount() > 2;
    for (const char* item : {"N48", "N49", "N210", "N310"})
        s.setEnabled(QString::fromLatin1(item), ayat && rows);
}

void open_copy_menu(Program& p) {
    Session& s = p.main;
    const bool d = !s.display.text.isEmpty();
    for (const char* item : {"N26", "N35", "N36", "N38", "N39", "N40"})
        s.setEnabled(QString::fromLatin1(item), d);
    for (const char* item : {"N38", "N40"})
        s.setEnabled(QString::fromLatin1(item), s.ayat && d);
    for (const char* item : {"N33", "N34"})
        s.setEnabled(QString::fromLatin1(item), true);
}

void open_letter_menu(Program& p) {
    Session& s = p.main;
    show_items(s, {"N80", "N81", "N87", "N89", "N92", "N107"}, !s.display.text.isEmpty());
    s.setEnabled(QStringLiteral("N107"), s.p9 > 0 && s.checked(QStringLiteral("N89")));
}

// The name of a Word file, from the window's one save dialog, which proposes
// the name chosen last.
Input word_file() {
    return save_file("NAME", QStringLiteral("Word|*.doc"),
                     [](const Program& p) { return p.main.wordFileName; });
}

// The letters of the letter list go to the phrase list, which opens.
Result letters_to_phrases(Program& p, const QStringList&) {
    phrases_append(p.phraseList, letter_list_letters(p.main.letters));
    Result r;
    r.open = WindowId::PhraseList;
    return r;
}

// The exports for today's tools: the table as CSV, whole or its selected
// rows, and the display box as HTML, all in UTF-8.
void open_utf8_menu(Program& p) {
    p.main.setEnabled(QStringLiteral("ExportHtml"), display_holds_text(p));
}

Result csv_table(Program& p, const QStringList& in) {
    return said(export_table_csv(p.main, in.value(0), false));
}

Result csv_selected(Program& p, const QStringList& in) {
    return said(export_table_csv(p.main, in.value(0), true));
}

Result html_display(Program& p, const QStringList& in) {
    return said(export_display_html(p.main, in.value(0)));
}

std::pair<int, int> ordering_range(const Program& p, const QStringList&) {
    return {0, int(p.main.orderingItems.size()) - 1};
}

std::pair<int, int> row_range(const Program& p, const QStringList&) {
    return {1, p.main.table.rowCount() - 1};
}

} // namespace

std::vector<Command> main_window_commands() {

    std::vector<Command> rows = {
        // The buttons of the search bar, each with the key the window sees.
        button("BitBtn1", u"بحث\nEnter")
            .windowKey("Enter")
            .hint(u"للبحث في الآيات الموجودة في الجدول   Ctrl+Enter\rللبحث المستقل أي "
                  u"المطابق إضغط بزر الفأرة الأيمن وأشّر على المطابق")
            .reads(search_box("TERM"))
            .verb("search", "every occurrence of TERM (within the table with table-only on)")
            .does(one<BitBtn1Click>),
        button("BitBtn2", u"عرض سور القرآن\nF4")
            .windowKey("F4")
            .hint(u"عرض كل سور القرآن الكريم 114 سورة")
            .verb("surahs", "show the 114 surahs")
            .does(plain<BitBtn2Click>),
        button("BitBtn3", u"عرض آيات القرآن\nF3")
            .windowKey("F3")
            .hint(u"عرض كل آيات القرآن الكريم 6236 آية")
            .verb("verses", "show every verse")
            .does(plain<BitBtn3Click>),
        button("BitBtn4", u"الإنتقال إلى الآية رقم\nF5")
            .windowKey("F5")
            .hint(u"الذهاب إلى آية معينة في جدول الآيات")
            .does(open_goto),
        // Its caption names the switch it performs (waw_button_caption).
        button("BitBtn5", u"دمج واو العطف\nF2")
            .windowKey("F2")
            .hint(u"عرض كل آيات وسور القرآن الكريم بدمج واو العطف أو فصلها حسب ما هو "
                  u"مكتوب على هذا الزر")
            .verb("waw", "switch between the separated-waw and merged-waw text")
            .does(plain<BitBtn5Click>),

        // The keys that move the focus wherever it is.
        Row(M, ItemKind::Key, "FocusSearchBox")
            .windowKey("+")
            .does([](Program&, const QStringList&) { return focus(Focus::SearchBoxSelected); }),
        Row(M, ItemKind::Key, "FocusTable").windowKey("-").does([](Program&, const QStringList&) {
            return focus(Focus::Table);
        }),
        Row(M, ItemKind::Key, "FocusDisplay").windowKey("*").does([](Program&, const QStringList&) {
            return focus(Focus::Display);
        }),

        // The ordering selector and the table.
        Row(M, ItemKind::Control, "RadioGroup1")
            .reads(chosen("ITEM", ordering_range))
            .verb("order", "order the rows by item ITEM of the ordering selector (0: mushaf order)")
            .does(order),
        Row(M, ItemKind::Control, "StringGrid1")
            .reads(chosen("ROW", row_range))
            .verb("show", "make table row ROW current and show it in the display box")
            .does(show),

        // The menu bar.
        menu("MainMenu"),
        item("N108", u"حول البرنامج").in("MainMenu").shortcut("F1").does(open_about),
        item("N27", u"قواعد الإحصاء        ")
            .in("MainMenu")
            .shortcut("Ctrl+K")
            .does(open_rules_document),
        // Shown only where the desktop has a calculator (Program).
        item("N44", u"الحاسبة      ").in("MainMenu").shortcut("Ctrl+T").does(start_calculator),
        item("N12", u"تحليل الأعداد      ")
            .in("MainMenu")
            .shortcut("Ctrl+F12")
            .hint("Ctrl+F12")
            .does(open_factorization),
        menu("N37", u"نسخ البيانات      ").in("MainMenu").opened(open_copy_menu),
        item("N26", u"نسخ ما في مربع العرض")
            .in("N37")
            .shortcut("Alt+F1")
            .reads(word_file())
            .verb("export-display", "write the display box to NAME.doc, an RTF document")
            .does(one<N26Click>),
        item("N35", u"نسخ ما في مربع الحروف")
            .in("N37")
            .shortcut("Alt+F2")
            .reads(word_file())
            .verb("export-letters", "write the letter list, with its heading, to NAME.doc")
            .does(one<N35Click>),
        item("N36", u"نسخ ما في جدول الآيات أو السور بدون نص الآية الكريمة")
            .in("N37")
            .separated()
            .shortcut("Alt+F3")
            .reads(search_box())
            .reads(word_file())
            .verb("export-table", "write the table, without the verse texts, to NAME.doc")
            .does(two<N36Click>),
        item("N38", u"نسخ ما في جدول الآيات مع نص الآية الكريمة")
            .in("N37")
            .shortcut("Alt+F4")
            .reads(search_box())
            .reads(word_file())
            .verb("export-table-texts", "write the verse table with the verse texts to NAME.doc")
            .does(two<N38Click>),
        item("N39", u"نسخ الأسطر المحددة من جدول الآيات أو السور بدون نص الآية الكريمة      ")
            .in("N37")
            .separated()
            .shortcut("Alt+F5")
            .reads(search_box())
            .reads(word_file())
            .verb("export-selected", "write the selected rows, without the verse texts, to "
                                     "NAME.doc")
            .does(two<N39Click>),
        item("N40", u"نسخ الأسطر المحددة من جدول الآيات مع نص الآية الكريمة")
            .in("N37")
            .shortcut("Alt+F6")
            .reads(search_box())
            .reads(word_file())
            .verb("export-selected-texts", "write the selected verse rows with their texts to "
                                           "NAME.doc")
            .does(two<N40Click>),
        item("N33", u"نسخ القرآن كاملا بفصل واو العطف")
            .in("N37")
            .separated()
            .shortcut("Alt+F7")
            .reads(word_file())
            .verb("export-separated", "write the whole separated-waw text to NAME.doc, a verse "
                                      "a line")
            .does(one<N33Click>),
        item("N34", u"نسخ القرآن كاملا بدمج واو العطف")
            .in("N37")
            .shortcut("Alt+F8")
            .reads(word_file())
            .verb("export-merged", "write the whole merged-waw text to NAME.doc, a verse a line")
            .does(one<N34Click>),
        menu("ExportUtf8", u"تصدير للبرامج الأخرى      ").in("MainMenu").opened(open_utf8_menu),
        item("ExportCsv", u"تصدير الجدول إلى ملف CSV")
            .in("ExportUtf8")
            .shortcut("Ctrl+Shift+T")
            .reads(save_file("NAME", QStringLiteral("CSV|*.csv")))
            .verb("export-csv", "write the table, header row first, to NAME.csv (CSV in UTF-8)")
            .does(csv_table),
        item("ExportSelectedCsv", u"تصدير الأسطر المحددة إلى ملف CSV")
            .in("ExportUtf8")
            .shortcut("Ctrl+Shift+S")
            .reads(save_file("NAME", QStringLiteral("CSV|*.csv")))
            .verb("export-selected-csv", "write the header row and the selected rows to "
                                         "NAME.csv (CSV in UTF-8)")
            .does(csv_selected),
        item("ExportHtml", u"تصدير ما في مربع العرض إلى ملف HTML")
            .in("ExportUtf8")
            .separated()
            .shortcut("Ctrl+Shift+H")
            .reads(save_file("NAME", QStringLiteral("HTML|*.html")))
            .verb("export-html", "write the display box with its marks to NAME.html (UTF-8)")
            .does(html_display),
        item("Distribution", u"توزيع النتائج على السور")
            .in("MainMenu")
            .shortcut("Ctrl+B")
            .verb("chart", "open the chart of the table's result per surah, and print its "
                           "figures")
            .does(open_distribution),
        // Its laid-out caption "إحصاء حروف الجدول  " is replaced at start-up.
        item("N6", u"إحصاء حروف الجدول       ")
            .in("MainMenu")
            .shortcut("Ctrl+F11")
            .hint("Ctrl+F11")
            .verb("census", "letter census of the table shown, into the letter list")
            .does(plain<N6Click>),

        menu("N20", u"إحصاء السور      ").in("MainMenu"),
        item("N24", u"السور التي تبدأ بـ")
            .in("N20")
            .shortcut("Alt+F9")
            .reads(search_box("P"))
            .verb("surahs-begin", "the surahs that begin with P")
            .does(one<N24Click>),
        item("N25", u"السور التي تنتهي بـ")
            .in("N20")
            .shortcut("Alt+F10")
            .reads(search_box("P"))
            .verb("surahs-end", "the surahs that end with P")
            .does(one<N25Click>),
        item("N31", u"السور التي تبدأ بـ   وتنتهي بـ      ")
            .in("N20")
            .shortcut("Alt+F11")
            .reads(dialog(two_term_caption(), begin_prompt(true), "A"))
            .reads(dialog(two_term_caption(), end_prompt(true), "B"))
            .verb("surahs-begin-end", "the surahs that begin with A and end with B")
            .does(two<N31Click>),
        item("N01", u"السور التي يوجد بها رمز النبرة")
            .in("N20")
            .hidden()
            .verb("nabra-surahs", "the surahs that carry the nabra mark")
            .does(plain<N01Click>),

        menu("N8", u"إحصاء الآيات      ").in("MainMenu").opened(open_verse_statistics),
        item("N1", u"إحصاء الآيات التي تبدأ بـ")
            .in("N8")
            .shortcut("F6")
            .reads(search_box("P"))
            .verb("begins", "the verses that begin with P")
            .does(one<N1Click>),
        item("N2", u"إحصاء الآيات التي تنتهي بـ")
            .in("N8")
            .shortcut("F7")
            .reads(search_box("P"))
            .verb("ends", "the verses that end with P")
            .does(one<N2Click>),
        item("N3", u"إحصاء الآيات التي تبدأ بـ  وتنتهي بـ")
            .in("N8")
            .shortcut("F8")
            .reads(dialog(two_term_caption(), begin_prompt(false), "A"))
            .reads(dialog(two_term_caption(), end_prompt(false), "B"))
            .verb("begins-ends", "the verses that begin with A and end with B")
            .does(two<N3Click>),
        item("N5", u"إحصاء الآيات التي عدد حروفها ...")
            .in("N8")
            .separated()
            .shortcut("F9")
            .reads(search_box("N"))
            .verb("letters", "the verses of N letters")
            .does(one<N5Click>),
        item("N4", u"إحصاء الآيات التي عدد كلماتها ...")
            .in("N8")
            .shortcut("F10")
            .reads(search_box("N"))
            .verb("words", "the verses of N words")
            .does(one<N4Click>),
        item("N46", u"إحصاء الآيات التي يوجد بها رمز النبرة")
            .in("N8")
            .hidden()
            .verb("nabra-verses", "the verses that carry the nabra mark")
            .does(plain<N46Click>),
        item("N51", u"إحصاء كل الآيات المطابقة للآية المعروضة")
            .in("N8")
            .shortcut("Ctrl+D")
            .verb("identical", "the verses equal to the verse shown")
            .does(plain<N51Click>),
        // The search box's text is kept as the last search's text.
        item("N77", u"إحصاء كل الآيات التي تحوي الآية المعروضة       ")
            .in("N8")
            .shortcut("Ctrl+E")
            .reads(search_box())
            .verb("containing", "the verses containing the verse shown")
            .does(one<N77Click>),
        item("N48", u"إحصاء الآيات دون تكرار")
            .in("N8")
            .separated()
            .shortcut("Ctrl+F")
            .verb("distinct", "every distinct verse text once, with its count")
            .does(plain<N48Click>),
        item("N49", u"إحصاء الآيات المكررة")
            .in("N8")
            .shortcut("Ctrl+G")
            .verb("repeated", "every repetition of a verse text after its first")
            .does(plain<N49Click>),
        item("N210", u"إحصاء الآيات التي تكررت")
            .in("N8")
            .shortcut("Ctrl+H")
            .verb("repeated-texts", "the verse texts that occur more than once")
            .does(plain<N210Click>),
        item("N310", u"إحصاء الآيات التي لم تتكرر")
            .in("N8")
            .shortcut("Ctrl+L")
            .verb("unrepeated", "the verse texts that occur once")
            .does(plain<N310Click>),
    };
    for (std::vector<Command> more : {word_menu_commands(), table_menu_commands()})
        rows.insert(rows.end(), more.begin(), more.end());
    const std::vector<Command> rest = {
        // The letter list's context menu.
        menu("PopupMenu2").owner("ListBox1").opened(open_letter_menu),
        item("N80", u"عكس الترتيب الحالي")
            .in("PopupMenu2")
            .verb("reverse-letters", "reverse the letter lines of the letter list")
            .does(plain<N80Click>),
        check("N87", u"ترتيب تصاعدي للحروف")
            .in("PopupMenu2")
            .verb("letters-sorted", "keep the letter list in ascending order from the next "
                                    "display on"),
        item("N92", u"إضافة كل الحروف إلى القائمة")
            .in("PopupMenu2")
            .verb("phrases-from-letters", "add every letter of the letter list to the phrase list")
            .does(letters_to_phrases),
        item("N81", u"نسخ ما في مربع الحروف إلى ملف وورد")
            .in("PopupMenu2")
            .reads(word_file())
            .does(one<N35Click>),
        check("N89", u"تشغيل جمع الحروف").in("PopupMenu2").does(plain<N89Click>),
        item("N107", u"إلغاء الجمع السابق").in("PopupMenu2").does(plain<N107Click>),

        // The search button's context menu: the search options.
        menu("PopupMenu3").owner("BitBtn1"),
        item("N86", u"بحث في الآيات الموجودة في الجدول فقط        Ctrl+Enter")
            .in("PopupMenu3")
            .hidden()
            .windowKey("Ctrl+Enter")
            .reads(search_box("TERM"))
            .verb("search-table", "every occurrence of TERM in the rows the table shows")
            .does(one<search_in_table>),
        check("N88", u"تفعيل البحث في جدول الآيات فقط أو السورة المحددة  في جدول السور فقط")
            .in("PopupMenu3")
            .verb("table-only", "search and count in the rows of the table only")
            .does(plain<N88Click>),
        check("N104", u"بحث مستـقـل - مطابق -")
            .in("PopupMenu3")
            .verb("exact", "count only whole words and phrases, bounded by non-letters"),

        // The display box's context menu.
        menu("PopupMenu4").owner("RichEdit1"),
        check("N103", u"التسلسل الطبيعي للحروف").in("PopupMenu4").hidden(),
        check("N99", u"حساب الجُمَّل").in("PopupMenu4").hidden(),
        check("N105", u"الكلمة رقم ... في الجدول").in("PopupMenu4"),
        check("N106", u"الحرف رقم ... في الجدول").in("PopupMenu4"),
        item("Copy1", u"نسخ النص المحدد")
            .in("PopupMenu4")
            .separated()
            .shortcut("Ctrl+C")
            .does(copy_selection),
        item("N100", u"تحديد كل النص").in("PopupMenu4").shortcut("Ctrl+A").does(select_all),

        // The search box's context menu is empty: no edit menu either.
        menu("PopupMenu5").owner("Edit1"),
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

} // namespace tallyra
