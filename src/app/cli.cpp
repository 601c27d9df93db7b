#include "app/cli.h"

#include "display/display.h"
#include "measures/measures.h"
#include "table/frame.h"
#include "table/goto_verse.h"
#include "table/ordering.h"
#include "table/session.h"
#include "table/tables.h"

#include "corpus/surahs.h"

#include <functional>
#include <optional>
#include <vector>

namespace tallyra {

namespace {

// A command as the window offers it: the button or menu item that must be
// enabled for it to run, and what it does with its inputs.
struct CliCommand {
    QString name;
    QStringList inputs; // names of the inputs, in order
    QString help;
    QString gate;
    // Runs the command; a non-empty result is the message it reports, and
    // the run stops there.
    std::function<QString(Session&, const QStringList&)> run;
};

// A whole number from `low` to `high` typed as an input, or empty.
std::optional<int> number_in(const QString& text, int low, int high) {
    const std::optional<int> n = to_int(text.trimmed());
    if (!n || *n < low || *n > high)
        return std::nullopt;
    return n;
}

QString range_message(const QString& what, int low, int high) {
    return what + QStringLiteral(" must be a whole number from ") + QString::number(low) +
           QStringLiteral(" to ") + QString::number(high);
}

QString order(Session& s, const QStringList& in) {
    const int last = int(s.orderingItems.size()) - 1;
    const std::optional<int> item = number_in(in[0], 0, last);
    if (!item)
        return range_message(QStringLiteral("ITEM"), 0, last);
    select_ordering_item(s, *item);
    return {};
}

QString show(Session& s, const QStringList& in) {
    const int last = s.table.rowCount() - 1;
    const std::optional<int> row = number_in(in[0], 1, last);
    if (!row)
        return range_message(QStringLiteral("ROW"), 1, last);
    if (*row == s.table.currentRow())
        show_row(s, *row);
    else
        change_row(s, *row);
    return {};
}

QString letters_sorted(Session& s, const QStringList& in) {
    if (in[0] != QStringLiteral("on") && in[0] != QStringLiteral("off"))
        return QStringLiteral("letters-sorted takes on or off");
    s.setChecked(QStringLiteral("N87"), in[0] == QStringLiteral("on"));
    return {};
}

QString go_to(Session& s, const QStringList& in) {
    const std::optional<int> surah = number_in(in[0], 1, kSurahCount);
    if (!surah)
        return range_message(QStringLiteral("SURAH"), 1, kSurahCount);
    const std::optional<int> verse = number_in(in[1], 1, verse_count(*surah));
    if (!verse)
        return range_message(QStringLiteral("VERSE"), 1, verse_count(*surah));
    goto_choose_surah(s, *surah - 1);
    goto_choose_verse(s, *verse - 1);
    return goto_ok(s).value_or(QString());
}

template <void (*Command)(Session&)> QString plain(Session& s, const QStringList&) {
    Command(s);
    return {};
}

const std::vector<CliCommand>& commands() {
    static const std::vector<CliCommand> table = {
        {QStringLiteral("verses"),
         {},
         QStringLiteral("show every verse (the verse-table button, F3)"),
         QStringLiteral("BitBtn3"),
         plain<BitBtn3Click>},
        {QStringLiteral("surahs"),
         {},
         QStringLiteral("show the 114 surahs (the surah-table button, F4)"),
         QStringLiteral("BitBtn2"),
         plain<BitBtn2Click>},
        {QStringLiteral("waw"),
         {},
         QStringLiteral("switch between the separated-waw and merged-waw text (F2)"),
         QStringLiteral("BitBtn5"),
         plain<BitBtn5Click>},
        {QStringLiteral("census"),
         {},
         QStringLiteral("letter census of the table shown, into the letter list (Ctrl+F11)"),
         QStringLiteral("N6"),
         plain<N6Click>},
        {QStringLiteral("order"),
         {QStringLiteral("ITEM")},
         QStringLiteral("order the rows by item ITEM of the ordering selector (0: mushaf order)"),
         QStringLiteral("RadioGroup1"),
         order},
        {QStringLiteral("show"),
         {QStringLiteral("ROW")},
         QStringLiteral("make table row ROW current and show it in the display box"),
         {},
         show},
        {QStringLiteral("letters-sorted"),
         {QStringLiteral("on|off")},
         QStringLiteral("keep the letter list in ascending order from the next display on"),
         {},
         letters_sorted},
        {QStringLiteral("reverse-letters"),
         {},
         QStringLiteral("reverse the letter lines of the letter list"),
         {},
         plain<N80Click>},
        {QStringLiteral("goto"),
         {QStringLiteral("SURAH"), QStringLiteral("VERSE")},
         QStringLiteral("go to verse VERSE of surah SURAH in the verse table (F5)"),
         QStringLiteral("BitBtn4"),
         go_to},
    };
    return table;
}

const QString kUsage = QStringLiteral(
    "usage: tallyra-cli [--letters] [COMMAND [INPUT ...]] [+ COMMAND [INPUT ...]] ...\n"
    "Runs the commands in order on one session that starts with the full verse table\n"
    "of the separated-waw text, then prints the summary line and the table as\n"
    "tab-separated text (with --letters: the letter list). A command that reports a\n"
    "message ends the run with status 1; a command that cannot run, status 2.\n");

const QString kNotAvailable = QStringLiteral("هذا الأمر غير متاح في الحالة الحالية");

void print_commands(QTextStream& err) {
    err << kUsage << "commands:\n";
    for (const CliCommand& c : commands()) {
        QString synopsis = c.name;
        for (const QString& input : c.inputs)
            synopsis += u' ' + input;
        err << "  " << synopsis.leftJustified(24) << ' ' << c.help << '\n';
    }
}

const CliCommand* find_command(const QString& name) {
    for (const CliCommand& c : commands())
        if (c.name == name)
            return &c;
    return nullptr;
}

void print_table(const Grid& table, QTextStream& out) {
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c) {
            if (c > 0)
                out << '\t';
            out << table.cell(c, r);
        }
        out << '\n';
    }
}

} // namespace

int run_cli(const QStringList& args, QTextStream& out, QTextStream& err) {
    QStringList rest = args;
    bool letters = false;
    if (!rest.isEmpty() && rest.first() == QStringLiteral("--letters")) {
        letters = true;
        rest.removeFirst();
    }

    // Split at every lone "+" into the command groups, checked before any runs.
    std::vector<QStringList> groups;
    if (!rest.isEmpty()) {
        groups.emplace_back();
        for (const QString& arg : rest) {
            if (arg == QStringLiteral("+"))
                groups.emplace_back();
            else
                groups.back().append(arg);
        }
    }
    std::vector<const CliCommand*> chosen;
    for (const QStringList& group : groups) {
        const CliCommand* command = group.isEmpty() ? nullptr : find_command(group.first());
        if (!command) {
            if (group.isEmpty())
                err << "tallyra-cli: a command is missing around a \"+\"\n";
            else
                err << "tallyra-cli: unknown command \"" << group.first() << "\"\n";
            print_commands(err);
            return 2;
        }
        if (group.size() - 1 != command->inputs.size()) {
            err << "tallyra-cli: " << command->name << " takes " << command->inputs.size()
                << " input(s), " << group.size() - 1 << " given\n";
            print_commands(err);
            return 2;
        }
        chosen.push_back(command);
    }

    Session session;
    for (size_t i = 0; i < chosen.size(); ++i) {
        const CliCommand& command = *chosen[i];
        if (!session.enabled(command.gate)) {
            err << command.name << ": " << kNotAvailable << '\n';
            return 2;
        }
        const QString message = command.run(session, groups[i].mid(1));
        if (!message.isEmpty()) {
            err << command.name << ": " << message << '\n';
            return 1;
        }
    }

    out << session.ze << '\n';
    if (letters) {
        for (const QString& line : session.letters.lines())
            out << line << '\n';
    } else {
        print_table(session.table, out);
    }
    return 0;
}

} // namespace tallyra
