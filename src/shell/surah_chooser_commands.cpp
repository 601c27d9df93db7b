// The surah chooser's rows of the registry: its list, its check box and its
// two buttons. The command line presses OK with the surahs it names selected.
#include "shell/program.h"
#include "shell/registry.h"

#include "corpus/surahs.h"
#include "measures/measures.h"
#include "table/choosers.h"

namespace tallyra {

namespace {

constexpr WindowId S = WindowId::SurahChooser;

// The list's selection, by the entries' indexes (from 0).
Result select_surahs(Program& p, const QStringList& in) {
    std::vector<int> surahs;
    for (const QString& index : in)
        surahs.push_back(to_int(index).value_or(-1) + 1);
    surah_chooser_select(p.surahChooser, surahs);
    return {};
}

Result mode(Program& p, const QStringList&) {
    surah_chooser_mode(p.surahChooser);
    return {};
}

// OK; the command line selects the surahs it names (from 1) first.
Result ok(Program& p, const QStringList& in) {
    if (!in.isEmpty()) {
        std::vector<int> surahs;
        for (const QString& k : in)
            surahs.push_back(to_int(k).value_or(0));
        surah_chooser_select(p.surahChooser, surahs);
    }
    return said_or_closed(surah_chooser_ok(p.surahChooser, p.main), S);
}

Result cancel(Program&, const QStringList&) {
    Result r;
    r.close = S;
    return r;
}

std::pair<int, int> index_range(const Program&, const QStringList&) {
    return {0, kSurahCount - 1};
}

std::pair<int, int> surah_range(const Program&, const QStringList&) {
    return {1, kSurahCount};
}

} // namespace

std::vector<Command> surah_chooser_commands() {
    return {
        Row(S, ItemKind::Control, "ListBox1")
            .reads(many(chosen("INDEX", index_range)))
            .does(select_surahs),
        Row(S, ItemKind::Check, "CheckBox1", u"إتاحة مفتاحي الكنترول و الشيفت").does(mode),
        Row(S, ItemKind::Button, "BitBtn1", u"موافق")
            .reads(many(given("K", surah_range)))
            .via("N91")
            .verb("choose-surahs", "keep the rows of surahs K, as the surah chooser does")
            .does(ok),
        Row(S, ItemKind::Button, "BitBtn2", u"إلغاء").does(cancel),
    };
}

} // namespace tallyra
