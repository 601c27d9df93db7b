#include "app/cli.h"

#include "table/session.h"
#include "table/tables.h"

#include <functional>
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
    std::function<void(Session&, const QStringList&)> run;
};

const std::vector<CliCommand>& commands() {
    static const std::vector<CliCommand> table = {
        {QStringLiteral("verses"),
         {},
         QStringLiteral("show every verse (the verse-table button, F3)"),
         QStringLiteral("BitBtn3"),
         [](Session& s, const QStringList&) { BitBtn3Click(s); }},
        {QStringLiteral("surahs"),
         {},
         QStringLiteral("show the 114 surahs (the surah-table button, F4)"),
         QStringLiteral("BitBtn2"),
         [](Session& s, const QStringList&) { BitBtn2Click(s); }},
        {QStringLiteral("waw"),
         {},
         QStringLiteral("switch between the separated-waw and merged-waw text (F2)"),
         QStringLiteral("BitBtn5"),
         [](Session& s, const QStringList&) { BitBtn5Click(s); }},
        {QStringLiteral("census"),
         {},
         QStringLiteral("letter census of the table shown, into the letter list (Ctrl+F11)"),
         QStringLiteral("N6"),
         [](Session& s, const QStringList&) { N6Click(s); }},
    };
    return table;
}

const QString kUsage = QStringLiteral(
    "usage: tallyra-cli [--letters] [COMMAND [INPUT ...]] [+ COMMAND [INPUT ...]] ...\n"
    "Runs the commands in order on one session that starts with the full verse table\n"
    "of the separated-waw text, then prints the summary line and the table as\n"
    "tab-separated text (with --letters: the letter list).\n");

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
        command.run(session, groups[i].mid(1));
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
