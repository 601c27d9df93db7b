// The verse go-to dialog's rows of the registry: its two lists and its OK
// button, which the command line presses with a surah and a verse chosen.
#include "shell/program.h"
#include "shell/registry.h"

#include "corpus/surahs.h"
#include "measures/measures.h"
#include "table/goto_verse.h"

namespace tallyra {

namespace {

constexpr WindowId G = WindowId::GoTo;

Result choose_surah(Program& p, const QStringList& in) {
    goto_choose_surah(p.goTo, to_int(in.value(0)).value_or(-1));
    return {};
}

Result choose_verse(Program& p, const QStringList& in) {
    goto_choose_verse(p.goTo, to_int(in.value(0)).value_or(-1));
    return {};
}

// OK; the command line chooses the surah and the verse (from 1) first.
Result ok(Program& p, const QStringList& in) {
    if (in.size() >= 2) {
        goto_choose_surah(p.goTo, to_int(in[0]).value_or(0) - 1);
        goto_choose_verse(p.goTo, to_int(in[1]).value_or(0) - 1);
    }
    Result r;
    if (const std::optional<QString> message = goto_ok(p.goTo, p.main))
        r.message = *message;
    else
        r.close = WindowId::GoTo;
    return r;
}

std::pair<int, int> surah_range(const Program&, const QStringList&) {
    return {1, kSurahCount};
}

std::pair<int, int> verse_range(const Program&, const QStringList& before) {
    return {1, verse_count(to_int(before.value(0)).value_or(0))};
}

std::pair<int, int> index_range(const Program&, const QStringList&) {
    return {0, kVerseCount};
}

} // namespace

std::vector<Command> goto_window_commands() {
    return {
        Row(G, ItemKind::Control, "ListBox1")
            .reads(chosen("INDEX", index_range))
            .does(choose_surah),
        Row(G, ItemKind::Control, "ListBox2")
            .reads(chosen("INDEX", index_range))
            .does(choose_verse),
        Row(G, ItemKind::Button, "Button1", u"موافق")
            .reads(given("SURAH", surah_range))
            .reads(given("VERSE", verse_range))
            .via("BitBtn4")
            .verb("goto", "go to verse VERSE of surah SURAH in the verse table")
            .does(ok),
    };
}

} // namespace tallyra
