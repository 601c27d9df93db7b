// The verse-set chooser's rows of the registry: its three lists, its check
// box, its buttons and the chosen-verse list's context menu. The command line
// adds the verses it names, in order, and presses the show button.
#include "shell/program.h"
#include "shell/registry.h"

#include "corpus/surahs.h"
#include "measures/measures.h"
#include "table/choosers.h"

namespace tallyra {

namespace {

constexpr WindowId V = WindowId::VerseChooser;

std::vector<int> indexes(const QStringList& in) {
    std::vector<int> out;
    for (const QString& index : in)
        out.push_back(to_int(index).value_or(-1));
    return out;
}

template <auto F> Result act(Program& p, const QStringList&) {
    F(p.verseChooser);
    return {};
}

Result choose_surah(Program& p, const QStringList& in) {
    verse_chooser_surah(p.verseChooser, to_int(in.value(0)).value_or(-1));
    return {};
}

Result select_verses(Program& p, const QStringList& in) {
    verse_chooser_select(p.verseChooser, indexes(in));
    return {};
}

Result select_chosen(Program& p, const QStringList& in) {
    verse_chooser_select_chosen(p.verseChooser, indexes(in));
    return {};
}

// The chosen-verse list's menu: deleting needs a selection, clearing a list.
void open_chosen_menu(Program& p) {
    VerseChooserWindow& w = p.verseChooser;
    w.items.setEnabled(QStringLiteral("N1"), !w.selectedChosen.empty());
    w.items.setEnabled(QStringLiteral("N2"), !w.chosen.isEmpty());
}

// The show button; the command line adds the verses it names first, each
// as the add button adds the verse selected.
Result show(Program& p, const QStringList& in) {
    VerseChooserWindow& w = p.verseChooser;
    for (const QString& name : in) {
        const std::optional<int> r = verse_reference(name);
        if (!r)
            continue;
        verse_chooser_surah(w, surah_of(*r) - 1);
        verse_chooser_select(w, {number_aya(*r) - 1});
        verse_chooser_add(w);
    }
    return said_or_closed(verse_chooser_show(w, p.main), V);
}

QString verse_name(const QString& text) {
    return verse_reference(text) ? QString()
                                 : QStringLiteral("SURAH:VERSE must name a verse: a surah from 1 "
                                                  "to 114, a colon and one of its verses, as "
                                                  "2:255");
}

std::pair<int, int> surah_index_range(const Program&, const QStringList&) {
    return {0, kSurahCount - 1};
}

std::pair<int, int> any_index(const Program&, const QStringList&) {
    return {0, kVerseCount};
}

} // namespace

std::vector<Command> verse_chooser_commands() {
    return {
        Row(V, ItemKind::Button, "BitBtn2", u"عرض الآيات المختارة")
            .reads(many(given_text("SURAH:VERSE", verse_name)))
            .via("N96")
            .verb("choose-verses",
                  "show the verses named, in the order given, as the verse-set chooser does")
            .does(show),
        Row(V, ItemKind::Check, "CheckBox1", u"إتاحة مفتاحي الكنترول و الشيفت")
            .does(act<verse_chooser_mode>),
        Row(V, ItemKind::Button, "BitBtn3", u"تحديد كل آيات السورة")
            .does(act<verse_chooser_select_all>),
        Row(V, ItemKind::Control, "ListBox1")
            .reads(chosen("INDEX", surah_index_range))
            .does(choose_surah),
        Row(V, ItemKind::Control, "ListBox2")
            .reads(many(chosen("INDEX", any_index)))
            .does(select_verses),
        Row(V, ItemKind::Button, "BitBtn1", u"-----> إضافة").does(act<verse_chooser_add>),
        Row(V, ItemKind::Control, "ListBox3")
            .reads(many(chosen("INDEX", any_index)))
            .does(select_chosen),
        // The chosen-verse list's context menu.
        Row(V, ItemKind::Menu, "PopupMenu1").owner("ListBox3").opened(open_chosen_menu),
        Row(V, ItemKind::Command, "N1", u"حذف الآيات المحدَّدة")
            .in("PopupMenu1")
            .does(act<verse_chooser_delete_selected>),
        Row(V, ItemKind::Command, "N2", u"مسح كل الآيات")
            .in("PopupMenu1")
            .does(act<verse_chooser_clear>),
    };
}

} // namespace tallyra
