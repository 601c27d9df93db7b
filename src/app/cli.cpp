#include "app/cli.h"

#include "export/table_formats.h"
#include "measures/measures.h"
#include "shell/dispatch.h"
#include "words/factorization.h"

#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <algorithm>
#include <optional>
#include <vector>

namespace tallyra {

namespace {

const QString kUsage = QStringLiteral(
    "usage: tallyra-cli [--letters] [--format tsv|json|csv] [COMMAND [INPUT ...]]\n"
    "                   [+ COMMAND [INPUT ...]] ...\n"
    "Runs the commands in order on one session that starts with the full verse table\n"
    "of the separated-waw text, then prints the summary line and the table as\n"
    "tab-separated text (with --letters: the letter list). --format json prints one\n"
    "JSON object instead (the summary, the header, the rows with numbers as numbers,\n"
    "the letter list, and any window open on top); --format csv prints the table\n"
    "alone as CSV (with --letters: the letter list, a line a record). Inputs are what the\n"
    "window reads: the search box's text or the answers of a command's dialogs.\n"
    "While the word sorting window is open (from a word command to word-close), the\n"
    "output is its own: its caption, its summary line, then its word table (with\n"
    "--letters: the letters of the word shown).\n"
    "A lone + separates two commands; an input made of + alone is written with one\n"
    "+ more (++ for the input +, +++ for ++).\n"
    "A command that reports a message ends the run with status 1, as does an\n"
    "argument that is not UTF-8 text; a command that cannot run, status 2; output\n"
    "that cannot be written, status 3. A command whose message does not stop it\n"
    "(restore-table into the other variant) lets the run go on to its output and\n"
    "ends it with status 1.\n");

const QString kSeparator = QStringLiteral("+");

// An argument of two or more "+" and nothing else stands for the same with
// one "+" fewer: the escape of an input that is a separator, or looks like
// its escape.
bool escaped_plus(const QString& arg) {
    return arg.size() >= 2 && arg.count(u'+') == arg.size();
}

const QString kNotAvailable = QStringLiteral("هذا الأمر غير متاح في الحالة الحالية");

// The inputs a verb takes on the command line, by name.
QStringList input_names(const Command& c) {
    if (c.kind == ItemKind::Check)
        return {QStringLiteral("on|off")};
    QStringList names;
    for (const Input& in : c.inputs)
        if (!in.name.isEmpty())
            names << in.name;
    return names;
}

// True when the verb's last input may be given more than once.
bool takes_more(const Command& c) {
    for (auto in = c.inputs.rbegin(); in != c.inputs.rend(); ++in)
        if (!in->name.isEmpty())
            return in->many;
    return false;
}

// The verb with its inputs, as the help shows it: «choose-surahs K [K ...]»,
// «within words LO HI».
QString synopsis(const Command& c) {
    QStringList words{c.verb};
    if (!c.choice.isEmpty())
        words << c.choice;
    words += input_names(c);
    if (takes_more(c))
        words << QStringLiteral("[") + words.last() + QStringLiteral(" ...]");
    return words.join(u' ');
}

// The key a user presses for the verb's command, if any.
QString key_of(const Command& c) {
    if (!c.key.isEmpty())
        return c.key;
    if (const Command* via = find_command(WindowId::Main, c.via))
        return via->key;
    return {};
}

void print_commands(QTextStream& err) {
    err << kUsage << "commands:\n";
    for (const Command& c : registry()) {
        if (c.verb.isEmpty())
            continue;
        const QString key = key_of(c);
        err << "  " << synopsis(c).leftJustified(24) << ' ' << c.help
            << (key.isEmpty() ? QString() : QStringLiteral(" (") + key + u')') << '\n';
    }
}

// The table as tab-separated lines, one per row.
void append_table(const Grid& table, QString& out) {
    const int columns = table.columnCount();
    qsizetype size = 0;
    for (int r = 0; r < table.rowCount(); ++r) {
        size += std::max(columns - 1, 0) + 1; // the tabs and the line end
        for (int c = 0; c < columns; ++c)
            size += table.cell(c, r).size();
    }
    // Written in place: the text is made at its final size, then filled.
    qsizetype at = out.size();
    out.resize(at + size);
    QChar* text = out.data();
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < columns; ++c) {
            if (c > 0)
                text[at++] = u'\t';
            const QString& cell = table.cell(c, r);
            std::copy(cell.cbegin(), cell.cend(), text + at);
            at += cell.size();
        }
        text[at++] = u'\n';
    }
}

// What a window prints after the last command: its heading lines, then its
// table (or with --letters its letter list); the factorization window
// prints its result and digit count lines alone. A dialog that shows none of
// its own (the go-to dialog, the phrase list) prints nothing.
struct Printed {
    QStringList head;
    const Grid* table = nullptr;
    const LineList* letters = nullptr;
};

std::optional<Printed> printed(Program& p, WindowId window) {
    switch (window) {
    case WindowId::Main:
        return Printed{{p.main.label}, &p.main.table, &p.main.letters};
    case WindowId::WordSort:
        return Printed{{p.words.caption, p.words.summary}, &p.words.table, &p.words.letters};
    case WindowId::Distribution:
        return Printed{{p.distribution.caption, p.distribution.summary}, &p.distribution.table};
    case WindowId::Factorization: {
        // The result line and the digit count, once the factorization is done.
        QStringList lines = factorization_output(p.factorization).split(u'\n');
        lines.removeLast();
        return Printed{lines};
    }
    default:
        return std::nullopt;
    }
}

// The output is that of the topmost window shown that prints one.
Printed output(Program& p) {
    const std::vector<WindowId>& shown = p.shown();
    for (auto it = shown.rbegin(); it != shown.rend(); ++it)
        if (std::optional<Printed> out = printed(p, *it))
            return *out;
    return *printed(p, WindowId::Main);
}

// The formats of the output.
enum class Format { Tsv, Json, Csv };

std::optional<Format> format_named(const QString& name) {
    if (name == QStringLiteral("tsv"))
        return Format::Tsv;
    if (name == QStringLiteral("json"))
        return Format::Json;
    if (name == QStringLiteral("csv"))
        return Format::Csv;
    return std::nullopt;
}

QJsonArray json_lines(const QStringList& lines) {
    QJsonArray out;
    for (const QString& line : lines)
        out.append(line);
    return out;
}

// A window's table in the JSON output: its header and its data rows.
void add_json_table(QJsonObject& object, const Grid& table) {
    object.insert(QStringLiteral("header"), json_row(table, 0));
    object.insert(QStringLiteral("rows"), json_rows(table));
}

// The output as one JSON object: the main window's summary line, table and
// letter list, each secondary window shown that prints an output of its own
// under its name, and those names in the order the windows opened
// ("shown"; the last of them is the one the text output prints).
QString json_output(Program& p) {
    QJsonObject object;
    object.insert(QStringLiteral("summary"), p.main.label);
    add_json_table(object, p.main.table);
    object.insert(QStringLiteral("letters"), json_lines(p.main.letters.lines()));
    // The names of the windows below, bottom first; the last prints the
    // text output.
    QJsonArray shown;
    for (const WindowId window : p.shown()) {
        QJsonObject inner;
        QString name;
        if (window == WindowId::WordSort) {
            name = QStringLiteral("words");
            inner.insert(QStringLiteral("caption"), p.words.caption);
            inner.insert(QStringLiteral("summary"), p.words.summary);
            add_json_table(inner, p.words.table);
            inner.insert(QStringLiteral("letters"), json_lines(p.words.letters.lines()));
        } else if (window == WindowId::Distribution) {
            name = QStringLiteral("chart");
            inner.insert(QStringLiteral("caption"), p.distribution.caption);
            inner.insert(QStringLiteral("summary"), p.distribution.summary);
            add_json_table(inner, p.distribution.table);
        } else if (window == WindowId::Factorization) {
            const std::optional<Printed> shown = printed(p, window);
            name = QStringLiteral("factorization");
            inner.insert(QStringLiteral("lines"), json_lines(shown->head));
        } else {
            continue;
        }
        object.insert(name, inner);
        shown.append(name);
    }
    object.insert(QStringLiteral("shown"), shown);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n';
}

struct Step {
    const Command* command;
    QStringList args;
};

// The step of one command's arguments (its verb first), or empty when the
// verb is unknown or the inputs are not as many as it takes; the reason and
// the commands are then on `err`.
std::optional<Step> parse_step(const QStringList& group, QTextStream& err) {
    const Command* command = group.isEmpty() ? nullptr : find_verb(group.first());
    if (!command) {
        if (group.isEmpty())
            err << "tallyra-cli: a command is missing around a \"+\"\n";
        else
            err << "tallyra-cli: unknown command \"" << group.first() << "\"\n";
        print_commands(err);
        return std::nullopt;
    }
    QStringList args = group.mid(1);
    // A verb of several rows takes the word that picks one first.
    if (const QStringList choices = verb_choices(command->verb); !choices.isEmpty()) {
        command = args.isEmpty() ? nullptr : find_verb(group.first(), args.first());
        if (!command) {
            err << "tallyra-cli: " << group.first() << " takes one of "
                << choices.join(QStringLiteral(", ")) << " first\n";
            print_commands(err);
            return std::nullopt;
        }
        args.removeFirst();
    }
    const qsizetype wanted = input_names(*command).size();
    const bool more = takes_more(*command);
    if (more ? args.size() < wanted : args.size() != wanted) {
        err << "tallyra-cli: " << command->verb << " takes " << wanted << " input(s)"
            << (more ? " or more" : "") << ", " << args.size() << " given\n";
        print_commands(err);
        return std::nullopt;
    }
    return Step{command, args};
}

// The inputs of a step in the command's order, or the message that says why
// one given on the command line cannot be taken.
std::optional<QStringList> step_inputs(const Program& program, const Step& step, QString& message) {
    QStringList inputs;
    qsizetype next = 0;
    for (const Input& in : step.command->inputs) {
        if (in.name.isEmpty()) {
            // The search box still holds the text of the last search; a
            // question is answered Yes, since the command was asked for.
            if (in.from == Input::From::SearchBox)
                inputs << program.main.search.s_hifdh;
            else if (in.from == Input::From::Confirm)
                inputs << QStringLiteral("1");
            else
                inputs << QString();
            continue;
        }
        // An input that may be given more than once takes every argument left.
        const qsizetype count = in.many ? step.args.size() - next : 1;
        for (qsizetype i = 0; i < count; ++i) {
            const QString& arg = step.args[next++];
            if (in.check) {
                message = in.check(arg);
                if (!message.isEmpty())
                    return std::nullopt;
            }
            if (!in.range) {
                inputs << arg;
                continue;
            }
            const auto [low, high] = in.range(program, inputs);
            const std::optional<int> n = to_int(arg.trimmed());
            if (!n || *n < low || *n > high) {
                message = in.name + QStringLiteral(" must be a whole number from ") +
                          QString::number(low) + QStringLiteral(" to ") + QString::number(high);
                return std::nullopt;
            }
            inputs << QString::number(*n);
        }
    }
    return inputs;
}

// Runs one step on the program: the exit status it ends the run with, or 0
// to go on. A command whose message tells of work it did all the same (a
// restore into the other variant) writes the message, sets `noted` and lets
// the run go on.
int run_step(Program& program, const Step& step, QTextStream& err, bool& noted) {
    const Command& c = *step.command;
    // A dialog on top that prints nothing of its own is closed, as the user
    // closes it, when the next command is another window's.
    while (program.active() != c.window && program.active() != WindowId::Main &&
           !printed(program, program.active()))
        program.hide(program.active());
    // A command of a secondary window opens its window first, as the user
    // would, when the row says through which item.
    if (c.window != WindowId::Main && !program.isShown(c.window) && !c.via.isEmpty() &&
        command_allowed(program, WindowId::Main, c.via))
        run_command(program, WindowId::Main, c.via);
    if (!command_allowed(program, c.window, c.item)) {
        err << c.verb << ": " << kNotAvailable << '\n';
        return 2;
    }
    if (c.kind == ItemKind::Check) {
        const QString& wanted = step.args[0];
        if (wanted != QStringLiteral("on") && wanted != QStringLiteral("off")) {
            err << c.verb << ": " << c.verb << " takes on or off\n";
            return 1;
        }
        if (program.items(c.window).checked(c.item) == (wanted == QStringLiteral("on")))
            return 0;
    }
    QString message;
    const std::optional<QStringList> inputs = step_inputs(program, step, message);
    if (inputs) {
        const Result result = run_command(program, c.window, c.item, *inputs);
        // A command that picks the item to run refuses when that item cannot
        // run now.
        if (result.refused) {
            err << c.verb << ": " << kNotAvailable << '\n';
            return 2;
        }
        message = result.message;
        if (result.carriedOn && !message.isEmpty()) {
            err << c.verb << ": " << message << '\n';
            noted = true;
            return 0;
        }
    }
    if (!message.isEmpty()) {
        err << c.verb << ": " << message << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int run_cli(const QStringList& args, QTextStream& out, QTextStream& err) {
    QStringList rest = args;
    bool letters = false;
    Format format = Format::Tsv;
    // The options stand before the first command, in either order.
    for (bool more = true; more && !rest.isEmpty();) {
        if (rest.first() == QStringLiteral("--letters") && !letters) {
            letters = true;
            rest.removeFirst();
        } else if (rest.first() == QStringLiteral("--format")) {
            const std::optional<Format> named = format_named(rest.value(1));
            if (!named) {
                err << "tallyra-cli: --format takes tsv, json or csv\n";
                return 2;
            }
            format = *named;
            rest.remove(0, 2);
        } else {
            more = false;
        }
    }

    // Split at every lone "+" into the steps, checked before any runs.
    std::vector<QStringList> groups;
    if (!rest.isEmpty()) {
        groups.emplace_back();
        for (const QString& arg : rest) {
            if (arg == kSeparator)
                groups.emplace_back();
            else
                groups.back().append(escaped_plus(arg) ? arg.chopped(1) : arg);
        }
    }
    std::vector<Step> steps;
    for (const QStringList& group : groups) {
        const std::optional<Step> step = parse_step(group, err);
        if (!step)
            return 2;
        steps.push_back(*step);
    }

    Program program;
    bool noted = false;
    for (const Step& step : steps)
        if (const int status = run_step(program, step, err, noted))
            return status;

    // The whole output is made first and written at once.
    const Printed shown = output(program);
    QString text;
    if (format == Format::Json) {
        text = json_output(program);
    } else if (format == Format::Csv) {
        // The table alone; a window without one gives its lines.
        if (letters && shown.letters)
            text = lines_csv(shown.letters->lines());
        else if (!letters && shown.table)
            text = table_csv(*shown.table, 1, shown.table->rowCount() - 1);
        else if (!shown.table)
            text = lines_csv(shown.head);
    } else {
        for (const QString& line : shown.head)
            text += line + u'\n';
        if (letters && shown.letters) {
            for (const QString& line : shown.letters->lines())
                text += line + u'\n';
        } else if (!letters && shown.table) {
            append_table(*shown.table, text);
        }
    }
    out << text;
    // A script must be able to tell a result from a write that failed (a full
    // disk, a closed pipe or standard output).
    out.flush();
    if (out.status() != QTextStream::Ok) {
        const QIODevice* device = out.device();
        err << "tallyra-cli: the output could not be written"
            << (device && !device->errorString().isEmpty()
                    ? QStringLiteral(": ") + device->errorString()
                    : QString())
            << '\n';
        return 3;
    }
    return noted ? 1 : 0;
}

int run_cli_command(Program& program, const QStringList& command, QTextStream& err) {
    const std::optional<Step> step = parse_step(command, err);
    bool noted = false;
    return step ? run_step(program, *step, err, noted) : 2;
}

std::optional<QStringList> decode_arguments(const QList<QByteArray>& raw, QString& message) {
    QStringList args;
    QString verb;           // of the command the argument belongs to
    qsizetype position = 0; // of the argument within its command, the verb being 0
    qsizetype optionsEnd = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString arg = utf8(raw[i]);
        // The options before the first command: --letters, and --format
        // with its name.
        if (i == optionsEnd &&
            (arg == QStringLiteral("--letters") || arg == QStringLiteral("--format")))
            optionsEnd = i + (arg == QStringLiteral("--format") ? 2 : 1);
        const bool option = i < optionsEnd;
        if (utf8.hasError()) {
            message = QStringLiteral("tallyra-cli: argument ") + QString::number(i + 1);
            if (position == 0)
                message += QStringLiteral(" (a command)");
            else
                message += QStringLiteral(" (input ") + QString::number(position) +
                           QStringLiteral(" of \"") + verb + QStringLiteral("\")");
            message += QStringLiteral(" is not UTF-8 text; set the terminal to UTF-8 and "
                                      "type it again");
            return std::nullopt;
        }
        args.append(arg);
        if (option)
            continue;
        if (arg == kSeparator) {
            position = 0;
        } else {
            if (position == 0)
                verb = arg;
            ++position;
        }
    }
    return args;
}

} // namespace tallyra
