#include "table/shell.h"

#include "corpus/corpus.h"
#include "display/display.h"
#include "search/position.h"
#include "search/search.h"
#include "statistics/nabra.h"
#include "statistics/repetition.h"
#include "statistics/surah_statistics.h"
#include "statistics/verse_statistics.h"
#include "table/tables.h"

#include <QHash>

namespace tallyra {

namespace {

MenuEntry cmd(const char* name, const char16_t* caption, const char* shortcut = "") {
    return {QString::fromLatin1(name),
            QString::fromUtf16(caption),
            QString::fromLatin1(shortcut),
            MenuKind::Command,
            {},
            {}};
}

MenuEntry check(const char* name, const char16_t* caption) {
    return {QString::fromLatin1(name), QString::fromUtf16(caption), {}, MenuKind::Check, {}, {}};
}

MenuEntry sub(const char* name, const char16_t* caption, std::vector<MenuEntry> children) {
    return {QString::fromLatin1(name), QString::fromUtf16(caption), {},
            MenuKind::Submenu,         std::move(children),         {}};
}

MenuEntry separator() {
    return {{}, {}, {}, MenuKind::Separator, {}, {}};
}

MenuEntry hinted(MenuEntry entry, const char* hint) {
    entry.hint = QString::fromLatin1(hint);
    return entry;
}

// The three filter submenus of the table menu list the same seven columns.
MenuEntry filter_menu(const char* name, const char16_t* caption, const char* const (&items)[7]) {
    static const char16_t* const columns[7] = {
        u"رقم الترتيب", u"رقم السورة", u"رقم الآية", u"عدد آيات السور",
        u"عدد الكلمات", u"عدد الحروف", u"التكرار",
    };
    std::vector<MenuEntry> children;
    for (int i = 0; i < 7; ++i)
        children.push_back(cmd(items[i], columns[i]));
    return sub(name, caption, std::move(children));
}

const std::vector<MenuEntry> kMainMenu = {
    cmd("N108", u"حول البرنامج", "F1"),
    cmd("N27", u"قواعد الإحصاء        ", "Ctrl+K"),
    cmd("N44", u"الحاسبة      ", "Ctrl+T"),
    hinted(cmd("N12", u"تحليل الأعداد      ", "Ctrl+F12"), "Ctrl+F12"),
    sub("N37", u"نسخ البيانات      ",
        {
            cmd("N26", u"نسخ ما في مربع العرض", "Alt+F1"),
            cmd("N35", u"نسخ ما في مربع الحروف", "Alt+F2"),
            separator(),
            cmd("N36", u"نسخ ما في جدول الآيات أو السور بدون نص الآية الكريمة", "Alt+F3"),
            cmd("N38", u"نسخ ما في جدول الآيات مع نص الآية الكريمة", "Alt+F4"),
            separator(),
            cmd("N39", u"نسخ الأسطر المحددة من جدول الآيات أو السور بدون نص الآية الكريمة      ",
                "Alt+F5"),
            cmd("N40", u"نسخ الأسطر المحددة من جدول الآيات مع نص الآية الكريمة", "Alt+F6"),
            separator(),
            cmd("N33", u"نسخ القرآن كاملا بفصل واو العطف", "Alt+F7"),
            cmd("N34", u"نسخ القرآن كاملا بدمج واو العطف", "Alt+F8"),
        }),
    // Its laid-out caption "إحصاء حروف الجدول  " is replaced at start-up.
    hinted(cmd("N6", u"إحصاء حروف الجدول       ", "Ctrl+F11"), "Ctrl+F11"),
    sub("N20", u"إحصاء السور      ",
        {
            cmd("N24", u"السور التي تبدأ بـ", "Alt+F9"),
            cmd("N25", u"السور التي تنتهي بـ", "Alt+F10"),
            cmd("N31", u"السور التي تبدأ بـ   وتنتهي بـ      ", "Alt+F11"),
            cmd("N01", u"السور التي يوجد بها رمز النبرة"),
        }),
    sub("N8", u"إحصاء الآيات      ",
        {
            cmd("N1", u"إحصاء الآيات التي تبدأ بـ", "F6"),
            cmd("N2", u"إحصاء الآيات التي تنتهي بـ", "F7"),
            cmd("N3", u"إحصاء الآيات التي تبدأ بـ  وتنتهي بـ", "F8"),
            separator(),
            cmd("N5", u"إحصاء الآيات التي عدد حروفها ...", "F9"),
            cmd("N4", u"إحصاء الآيات التي عدد كلماتها ...", "F10"),
            cmd("N46", u"إحصاء الآيات التي يوجد بها رمز النبرة"),
            cmd("N51", u"إحصاء كل الآيات المطابقة للآية المعروضة", "Ctrl+D"),
            cmd("N77", u"إحصاء كل الآيات التي تحوي الآية المعروضة       ", "Ctrl+E"),
            separator(),
            cmd("N48", u"إحصاء الآيات دون تكرار", "Ctrl+F"),
            cmd("N49", u"إحصاء الآيات المكررة", "Ctrl+G"),
            cmd("N210", u"إحصاء الآيات التي تكررت", "Ctrl+H"),
            cmd("N310", u"إحصاء الآيات التي لم تتكرر", "Ctrl+L"),
        }),
    sub("N7", u"إحصاء الكلمات والحروف      ",
        {
            cmd("N9", u"إحصاء الكلمات التي تبدأ بـ", "Ctrl+F6"),
            cmd("N10", u"إحصاء الكلمات التي تنتهي بـ", "Ctrl+F7"),
            cmd("N11", u"إحصاء الكلمات التي تبدأ بـ  وتنتهي بـ", "Ctrl+F8"),
            separator(),
            cmd("N17", u"إحصاء الكلمات التي عدد حروفها ...", "Ctrl+F9"),
            cmd("N18", u"إحصاء الكلمات التي يوجد بها ...", "Ctrl+F5"),
            cmd("N02", u"إحصاء الكلمات التي يوجد بها رمز النبرة"),
            cmd("N43", u"إحصاء الكلمات التي تحوي الحروف مع مراعاة الترتيب", "Ctrl+F10"),
            cmd("N45", u"إحصاء الكلمات التي تحوي الحروف دون مراعاة الترتيب       ", "Alt+F12"),
            separator(),
            cmd("N13", u"فرز كلمات كل الآيات المعروضة في الجدول", "F11"),
            cmd("N15", u"فرز كلمات الآية أو السورة المختارة في مربع العرض", "F12"),
            separator(),
            cmd("N22", u"البحث عن الكلمة رقم ...في مربع العرض", "Ctrl+F1"),
            cmd("N28", u"البحث عن الكلمة رقم ...في جدول الآيات", "Ctrl+F2"),
            separator(),
            cmd("N29", u"البحث عن الحرف رقم ...في مربع العرض", "Ctrl+F3"),
            cmd("N30", u"البحث عن الحرف رقم ...في جدول الآيات", "Ctrl+F4"),
            cmd("N78", u"للبحث متعدد الكلمات أو العبارات", "Ctrl+N"),
        }),
};

const char* const kRangeItems[7] = {"N74", "N56", "N55", "N57", "N52", "N53", "N54"};
const char* const kExclusionItems[7] = {"N75", "N60", "N61", "N62", "N63", "N64", "N65"};
const char* const kDivisibilityItems[7] = {"N76", "N67", "N68", "N69", "N70", "N71", "N72"};

const std::vector<MenuEntry> kTableMenu = {
    cmd("N73", u"عكس الترتيب الحالي"),
    cmd("N79", u"عرض الآيات المكملة"),
    cmd("N84", u"الترتيب حسب رقم الآية"),
    separator(),
    cmd("N97", u"حذف الآيات المحددة"),
    cmd("N98", u"حذف السُور المحددة"),
    filter_menu("N58", u"الحصر بين عددين", kRangeItems),
    filter_menu("N59", u"إستثناء حصر العددين", kExclusionItems),
    filter_menu("N66", u"قابلية القسمة على", kDivisibilityItems),
    separator(),
    cmd("N93", u"الحفظ المؤقت لجدول الآيات"),
    cmd("N94", u"إسترجاع جدول الآيات المحفوظ"),
    separator(),
    cmd("N91", u"إختيار سُور من الجدول"),
    cmd("N96", u"إختيار آيات من القرآن الكريم"),
    separator(),
    cmd("N82", u"الحاسبة"),
    cmd("N47", u"دفتر الملاحظات"),
};

const std::vector<MenuEntry> kLetterMenu = {
    cmd("N80", u"عكس الترتيب الحالي"),          check("N87", u"ترتيب تصاعدي للحروف"),
    cmd("N92", u"إضافة كل الحروف إلى القائمة"), cmd("N81", u"نسخ ما في مربع الحروف إلى ملف وورد"),
    check("N89", u"تشغيل جمع الحروف"),          cmd("N107", u"إلغاء الجمع السابق"),
};

const std::vector<MenuEntry> kSearchMenu = {
    cmd("N86", u"بحث في الآيات الموجودة في الجدول فقط        Ctrl+Enter"),
    check("N88", u"تفعيل البحث في جدول الآيات فقط أو السورة المحددة  في جدول السور فقط"),
    check("N104", u"بحث مستـقـل - مطابق -"),
};

const std::vector<MenuEntry> kDisplayMenu = {
    check("N103", u"التسلسل الطبيعي للحروف"),
    check("N99", u"حساب الجُمَّل"),
    check("N105", u"الكلمة رقم ... في الجدول"),
    check("N106", u"الحرف رقم ... في الجدول"),
    separator(),
    cmd("Copy1", u"نسخ النص المحدد", "Ctrl+C"),
    cmd("N100", u"تحديد كل النص", "Ctrl+A"),
};

const std::vector<MenuEntry> kNoMenu;

// Every entry by name, with the menus above it.
struct Located {
    const MenuEntry* entry;
    QStringList above;
};

void index_entries(const std::vector<MenuEntry>& entries, const QStringList& above,
                   QHash<QString, Located>& out) {
    for (const MenuEntry& e : entries) {
        if (e.kind == MenuKind::Separator)
            continue;
        out.insert(e.name, {&e, above});
        if (e.kind == MenuKind::Submenu)
            index_entries(e.children, above + QStringList{e.name}, out);
    }
}

const QHash<QString, Located>& entry_index() {
    static const QHash<QString, Located> index = [] {
        QHash<QString, Located> out;
        index_entries(kMainMenu, {}, out);
        for (const char* popup : {"PopupMenu1", "PopupMenu2", "PopupMenu3", "PopupMenu4"})
            index_entries(popup_menu(QString::fromLatin1(popup)), {}, out);
        return out;
    }();
    return index;
}

void set_all(Session& session, std::initializer_list<const char*> names, bool enabled) {
    for (const char* name : names)
        session.setEnabled(QString::fromLatin1(name), enabled);
}

void show_all(Session& session, std::initializer_list<const char*> names, bool visible) {
    for (const char* name : names)
        session.setVisible(QString::fromLatin1(name), visible);
}

bool display_holds_text(const Session& session) {
    return !session.display.text.isEmpty();
}

// The verse statistics menu: the commands on the displayed verse need a verse
// in row 1; the repetition commands, in table-only mode, two rows at least.
void open_verse_statistics(Session& session) {
    const bool ayat = session.ayat;
    set_all(session, {"N51", "N77"}, ayat && !session.table.cell(verse_col::text, 1).isEmpty());
    const bool rows = !session.checked(QStringLiteral("N88")) || session.table.rowCount() > 2;
    set_all(session, {"N48", "N49", "N210", "N310"}, ayat && rows);
}

// The word and letter statistics menu: the commands on the display box's
// text need text there, and those that read the verse table need one shown.
void open_word_statistics(Session& session) {
    const bool d = display_holds_text(session);
    set_all(session, {"N13", "N15", "N22", "N28", "N29", "N30"}, d);
    set_all(session, {"N13", "N28", "N30", "N78"}, session.ayat && d);
}

void open_copy_menu(Session& session) {
    const bool d = display_holds_text(session);
    set_all(session, {"N26", "N35", "N36", "N38", "N39", "N40"}, d);
    set_all(session, {"N38", "N40"}, session.ayat && d);
    set_all(session, {"N33", "N34"}, true);
}

void open_table_menu(Session& session) {
    const bool ayat = session.ayat;
    const int rows = session.table.rowCount();
    const bool verseInRow1 = !session.table.cell(verse_col::text, 1).isEmpty();
    show_all(session, {"N79", "N93"}, ayat && verseInRow1 && rows < kVerseCount + 1);
    show_all(session, {"N94"}, ayat && session.savedRows > 0);
    show_all(session, {"N97"}, ayat && rows > 2);
    show_all(session, {"N98"}, !ayat && rows > 2);
    show_all(session, {"N96"}, ayat);
    show_all(session, {"N58", "N59", "N66", "N73", "N91"}, rows > 2);
    if (rows <= 2) {
        show_all(session, {"N84"}, false);
        return;
    }
    show_all(session, {"N54", "N65", "N72"}, session.orderingItems.size() == 6);
    show_all(session, {"N55", "N61", "N68", "N74", "N75", "N76", "N84"}, ayat);
    show_all(session, {"N57", "N62", "N69"}, !ayat);
    show_all(session, {"N82", "N47"}, true);
}

void open_letter_menu(Session& session) {
    const bool d = display_holds_text(session);
    show_all(session, {"N80", "N81", "N87", "N89", "N92", "N107"}, d);
    session.setEnabled(QStringLiteral("N107"),
                       session.p9 > 0 && session.checked(QStringLiteral("N89")));
}

} // namespace

const std::vector<MenuEntry>& main_menu() {
    return kMainMenu;
}

const std::vector<MenuEntry>& popup_menu(const QString& name) {
    if (name == QStringLiteral("PopupMenu1"))
        return kTableMenu;
    if (name == QStringLiteral("PopupMenu2"))
        return kLetterMenu;
    if (name == QStringLiteral("PopupMenu3"))
        return kSearchMenu;
    if (name == QStringLiteral("PopupMenu4"))
        return kDisplayMenu;
    return kNoMenu;
}

const MenuEntry* find_menu_entry(const QString& name) {
    const auto it = entry_index().constFind(name);
    return it == entry_index().constEnd() ? nullptr : it->entry;
}

QStringList menus_above(const QString& item) {
    return entry_index().value(item).above;
}

void open_menu(Session& session, const QString& menu) {
    if (menu == QStringLiteral("N8"))
        open_verse_statistics(session);
    else if (menu == QStringLiteral("N7"))
        open_word_statistics(session);
    else if (menu == QStringLiteral("N37"))
        open_copy_menu(session);
    else if (menu == QStringLiteral("PopupMenu1"))
        open_table_menu(session);
    else if (menu == QStringLiteral("PopupMenu2"))
        open_letter_menu(session);
}

bool shortcut_allowed(Session& session, const QString& item) {
    if (!find_menu_entry(item))
        return false;
    for (const QString& menu : menus_above(item)) {
        if (!session.enabled(menu))
            return false;
        open_menu(session, menu);
    }
    return session.enabled(item);
}

CommandInputs command_inputs(const Session& session, const QString& item) {
    static const QStringList fromSearchBox = {
        QStringLiteral("N1"),  QStringLiteral("N2"),  QStringLiteral("N4"),  QStringLiteral("N5"),
        QStringLiteral("N24"), QStringLiteral("N25"), QStringLiteral("N77"), QStringLiteral("N86"),
    };
    CommandInputs inputs;
    inputs.searchBox = fromSearchBox.contains(item);
    if (item == QStringLiteral("N3") || item == QStringLiteral("N31")) {
        const bool surahs = item == QStringLiteral("N31");
        inputs.dialogs = {{two_term_caption(), begin_prompt(surahs)},
                          {two_term_caption(), end_prompt(surahs)}};
    } else if (item == QStringLiteral("N22") || item == QStringLiteral("N28")) {
        inputs.dialogs = {{word_number_caption(), word_number_prompt()}};
    } else if (item == QStringLiteral("N30") ||
               (item == QStringLiteral("N29") && !session.display.text.isEmpty())) {
        // The letter lookup in an empty display box says so before it asks.
        inputs.dialogs = {{letter_number_caption(), letter_number_prompt()}};
    }
    return inputs;
}

std::optional<QString> choose_item(Session& session, const QString& item,
                                   const QStringList& inputs) {
    const MenuEntry* entry = find_menu_entry(item);
    if (!entry || !session.enabled(item))
        return std::nullopt;
    const QString first = inputs.value(0);
    const QString second = inputs.value(1);
    using Plain = void (*)(Session&);
    using OneInput = QString (*)(Session&, const QString&);
    static const QHash<QString, Plain> plain = {
        {QStringLiteral("N89"), N89Click},   {QStringLiteral("N88"), N88Click},
        {QStringLiteral("N6"), N6Click},     {QStringLiteral("N80"), N80Click},
        {QStringLiteral("N107"), N107Click}, {QStringLiteral("N48"), N48Click},
        {QStringLiteral("N49"), N49Click},   {QStringLiteral("N210"), N210Click},
        {QStringLiteral("N310"), N310Click}, {QStringLiteral("N51"), N51Click},
        {QStringLiteral("N46"), N46Click},   {QStringLiteral("N01"), N01Click},
    };
    static const QHash<QString, OneInput> oneInput = {
        {QStringLiteral("N1"), N1Click},   {QStringLiteral("N2"), N2Click},
        {QStringLiteral("N4"), N4Click},   {QStringLiteral("N5"), N5Click},
        {QStringLiteral("N24"), N24Click}, {QStringLiteral("N25"), N25Click},
        {QStringLiteral("N77"), N77Click}, {QStringLiteral("N86"), search_in_table},
        {QStringLiteral("N22"), N22Click}, {QStringLiteral("N28"), N28Click},
        {QStringLiteral("N29"), N29Click}, {QStringLiteral("N30"), N30Click},
    };
    if (const auto it = plain.constFind(item); it != plain.constEnd()) {
        (*it)(session);
        return QString();
    }
    if (const auto it = oneInput.constFind(item); it != oneInput.constEnd())
        return (*it)(session, first);
    if (item == QStringLiteral("N3"))
        return N3Click(session, first, second);
    if (item == QStringLiteral("N31"))
        return N31Click(session, first, second);
    if (entry->kind == MenuKind::Check) {
        session.setChecked(item, !session.checked(item));
        return QString();
    }
    return std::nullopt;
}

KeyResult key_command(const Session& session, int key, Qt::KeyboardModifiers modifiers,
                      const QString& text) {
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    const bool ctrlOrAlt = mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const auto button = [&](const char* name, KeyCommand command) {
        if (ctrlOrAlt || !session.enabled(QString::fromLatin1(name)))
            return KeyResult{};
        return KeyResult{command, true};
    };
    switch (key) {
    case Qt::Key_F2:
        return button("BitBtn5", KeyCommand::SwitchVariant);
    case Qt::Key_F3:
        return button("BitBtn3", KeyCommand::VerseTable);
    case Qt::Key_F4:
        return button("BitBtn2", KeyCommand::SurahTable);
    case Qt::Key_F5:
        return button("BitBtn4", KeyCommand::GoToVerse);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Exactly Ctrl searches the table's verses; with any other modifier
        // but Shift the key does nothing.
        if (mods == Qt::ControlModifier)
            return {KeyCommand::SearchTable, true};
        if (mods == Qt::NoModifier || mods == Qt::ShiftModifier)
            return {KeyCommand::Search, true};
        return {};
    default:
        break;
    }
    if (ctrlOrAlt)
        return {};
    if (text == QStringLiteral("+"))
        return {KeyCommand::FocusSearch, true};
    if (text == QStringLiteral("-"))
        return {KeyCommand::FocusTable, true};
    if (text == QStringLiteral("*"))
        return {KeyCommand::FocusDisplay, true};
    return {};
}

QString run_key_command(Session& session, KeyCommand command, const QString& boxText) {
    switch (command) {
    case KeyCommand::SwitchVariant:
        BitBtn5Click(session);
        break;
    case KeyCommand::VerseTable:
        BitBtn3Click(session);
        break;
    case KeyCommand::SurahTable:
        BitBtn2Click(session);
        break;
    case KeyCommand::Search:
        return BitBtn1Click(session, boxText);
    case KeyCommand::SearchTable:
        return search_in_table(session, boxText);
    case KeyCommand::FocusSearch:
        session.focus = Focus::SearchBoxSelected;
        break;
    case KeyCommand::FocusTable:
        session.focus = Focus::Table;
        break;
    case KeyCommand::FocusDisplay:
        session.focus = Focus::Display;
        break;
    default:
        break;
    }
    return {};
}

} // namespace tallyra
