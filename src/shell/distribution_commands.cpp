// The distribution chart's rows of the registry: a click on a surah's bar,
// the two buttons that write the chart as a picture, and the close button.
#include "shell/program.h"
#include "shell/registry.h"

#include "corpus/surahs.h"
#include "measures/measures.h"
#include "statistics/distribution.h"

namespace tallyra {

namespace {

constexpr WindowId D = WindowId::Distribution;

Result select_surah(Program& p, const QStringList& in) {
    select_surah_row(p.main, p.distribution, to_int(in.value(0)).value_or(0));
    return {};
}

// The picture's name: the ending of its format added unless the chosen
// name has it. An empty name (the dialog cancelled) writes nothing.
Result picture(const QString& name, const QString& ending) {
    Result r;
    if (!name.isEmpty())
        r.picture = name.endsWith(ending, Qt::CaseInsensitive) ? name : name + ending;
    return r;
}

Result save_png(Program&, const QStringList& in) {
    return picture(in.value(0), QStringLiteral(".png"));
}

Result save_svg(Program&, const QStringList& in) {
    return picture(in.value(0), QStringLiteral(".svg"));
}

Result close_window(Program&, const QStringList&) {
    Result r;
    r.close = D;
    return r;
}

std::pair<int, int> surah_range(const Program&, const QStringList&) {
    return {1, kSurahCount};
}

} // namespace

std::vector<Command> distribution_window_commands() {
    return {
        Row(D, ItemKind::Control, "Chart")
            .reads(chosen("SURAH", surah_range))
            .via("Distribution")
            .verb("chart-surah", "in the distribution chart, click the bar of surah SURAH: its "
                                 "first listed row becomes the table's current row")
            .does(select_surah),
        Row(D, ItemKind::Button, "SavePng", u"حفظ الرسم صورة PNG")
            .reads(save_file("NAME", QStringLiteral("PNG|*.png")))
            .does(save_png),
        Row(D, ItemKind::Button, "SaveSvg", u"حفظ الرسم صورة SVG")
            .reads(save_file("NAME", QStringLiteral("SVG|*.svg")))
            .does(save_svg),
        Row(D, ItemKind::Button, "Close", u"إغلاق")
            .verb("chart-close", "close the distribution chart")
            .does(close_window),
    };
}

} // namespace tallyra
