#include "app/cli.h"

#include "display/display.h"
#include "measures/measures.h"
#include "search/search.h"
#include "table/frame.h"
#include "table/goto_verse.h"
#include "table/ordering.h"
#include "table/session.h"
#include "table/shell.h"
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

// A search-box command: its term is the input.
template <QString (*Command)(Session&, const QString&)>
QString boxed(Session& s, const QStringList& in) {
    return Command(s, in[0]);
}

// A menu item's command with its inputs as the window gathers them.
CliCommand item_command(const char* name, QStringList inputs, const char* help, const char* item) {
    const QString itemName = QString::fromLatin1(item);
    return {QString::fromLatin1(name), std::move(inputs), QString::fromUtf8(help), itemName,
            [itemName](Session& s, const QStringList& in) {
                return choose_item(s, itemName, in).value_or(QString());
            }};
}

QString on_off(const QString& input, bool& on) {
    if (input != QStringLiteral("on") && input != QStringLiteral("off"))
        return QStringLiteral("takes on or off");
    on = input == QStringLiteral("on");
    return {};
}

QString exact(Session& s, const QStringList& in) {
    bool on = false;
    if (QString message = on_off(in[0], on); !message.isEmpty())
        return QStringLiteral("exact ") + message;
    s.setChecked(QStringLiteral("N104"), on);
    return {};
}

QString table_only_option(Session& s, const QStringList& in) {
    bool on = false;
    if (QString message = on_off(in[0], on); !message.isEmpty())
        return QStringLiteral("table-only ") + message;
    if (s.checked(QStringLiteral("N88")) != on)
        N88Click(s);
    return {};
}

// The verses containing the displayed one; the search box keeps the text of
// the last search.
QString containing(Session& s, const QStringList&) {
    return choose_item(s, QStringLiteral("N77"), {s.search.s_hifdh}).value_or(QString());
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
        {QStringLiteral("exact"),
         {QStringLiteral("on|off")},
         QStringLiteral("count only whole words and phrases, bounded by non-letters"),
         {},
         exact},
        {QStringLiteral("table-only"),
         {QStringLiteral("on|off")},
         QStringLiteral("search and count in the rows of the table only"),
         {},
         table_only_option},
        {QStringLiteral("search"),
         {QStringLiteral("TERM")},
         QStringLiteral("search TERM (the search button, Enter)"),
         {},
         boxed<BitBtn1Click>},
        {QStringLiteral("search-table"),
         {QStringLiteral("TERM")},
         QStringLiteral("search TERM in the rows of the table (Ctrl+Enter)"),
         {},
         boxed<search_in_table>},
        item_command("word-at", {QStringLiteral("N")}, "find word N of the display box (Ctrl+F1)",
                     "N22"),
        item_command("word-in-table", {QStringLiteral("N")},
                     "find word N of the verse table (Ctrl+F2)", "N28"),
        item_command("letter-at", {QStringLiteral("N")},
                     "find letter N of the display box (Ctrl+F3)", "N29"),
        item_command("letter-in-table", {QStringLiteral("N")},
                     "find letter N of the verse table (Ctrl+F4)", "N30"),
        item_command("begins", {QStringLiteral("P")}, "the verses that begin with P (F6)", "N1"),
        item_command("ends", {QStringLiteral("P")}, "the verses that end with P (F7)", "N2"),
        item_command("begins-ends", {QStringLiteral("A"), QStringLiteral("B")},
                     "the verses that begin with A and end with B (F8)", "N3"),
        item_command("letters", {QStringLiteral("N")}, "the verses of N letters (F9)", "N5"),
        item_command("words", {QStringLiteral("N")}, "the verses of N words (F10)", "N4"),
        item_command("distinct", {}, "every distinct verse text once, with its count (Ctrl+F)",
                     "N48"),
        item_command("repeated", {}, "every repetition of a verse text after its first (Ctrl+G)",
                     "N49"),
        item_command("repeated-texts", {}, "the verse texts that occur more than once (Ctrl+H)",
                     "N210"),
        item_command("unrepeated", {}, "the verse texts that occur once (Ctrl+L)", "N310"),
        item_command("identical", {}, "the verses equal to the verse shown (Ctrl+D)", "N51"),
        {QStringLiteral("containing"),
         {},
         QStringLiteral("the verses containing the verse shown (Ctrl+E)"),
         QStringLiteral("N77"),
         containing},
        item_command("surahs-begin", {QStringLiteral("P")}, "the surahs that begin with P (Alt+F9)",
                     "N24"),
        item_command("surahs-end", {QStringLiteral("P")}, "the surahs that end with P (Alt+F10)",
                     "N25"),
        item_command("surahs-begin-end", {QStringLiteral("A"), QStringLiteral("B")},
                     "the surahs that begin with A and end with B (Alt+F11)", "N31"),
        item_command("nabra-verses", {}, "the verses that carry the nabra mark", "N46"),
        item_command("nabra-surahs", {}, "the surahs that carry the nabra mark", "N01"),
    };
    return table;
}

const QString kUsage = QStringLiteral(
    "usage: tallyra-cli [--letters] [COMMAND [INPUT ...]] [+ COMMAND [INPUT ...]] ...\n"
    "Runs the commands in order on one session that starts with the full verse table\n"
    "of the separated-waw text, then prints the summary line and the table as\n"
    "tab-separated text (with --letters: the letter list). Inputs are what the\n"
    "window reads: the search box's text or the answers of a command's dialogs.\n"
    "A command that reports a message ends the run with status 1; a command that\n"
    "cannot run, status 2.\n");

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
        // A menu item runs as its shortcut would: the menus above it apply
        // their rules first.
        const bool allowed =
            command.gate.isEmpty() ||
            (find_menu_entry(command.gate) ? shortcut_allowed(session, command.gate)
                                           : session.enabled(command.gate));
        if (!allowed) {
            err << command.name << ": " << kNotAvailable << '\n';
            return 2;
        }
        const QString message = command.run(session, groups[i].mid(1));
        if (!message.isEmpty()) {
            err << command.name << ": " << message << '\n';
            return 1;
        }
    }

    out << session.label << '\n';
    if (letters) {
        for (const QString& line : session.letters.lines())
            out << line << '\n';
    } else {
        print_table(session.table, out);
    }
    return 0;
}

} // namespace tallyra
