#include "shell/registry.h"

#include <QHash>
#include <QtGlobal>

namespace tallyra {

namespace {

struct Index {
    QHash<QPair<int, QString>, int> items;
    // By the verb, and by the verb and a choice word after a space.
    QHash<QString, int> verbs;
    QHash<QString, QStringList> choices;
};

const Index& index() {
    static const Index built = [] {
        Index out;
        const std::vector<Command>& rows = registry();
        for (int i = 0; i < int(rows.size()); ++i) {
            const Command& c = rows[i];
            const QPair<int, QString> key(int(c.window), c.item);
            // Two rows of one name would make one of them unreachable.
            if (out.items.contains(key))
                qFatal("The item %s stands twice in the registry of its window.",
                       qPrintable(c.item));
            out.items.insert(key, i);
            if (!c.verb.isEmpty()) {
                const QString key = c.choice.isEmpty() ? c.verb : c.verb + u' ' + c.choice;
                // A verb names one row, or rows that all carry choice words.
                if (out.verbs.contains(key) ||
                    (out.verbs.contains(c.verb) &&
                     c.choice.isEmpty() != out.choices.value(c.verb).isEmpty()))
                    qFatal("The verb %s stands twice in the registry.", qPrintable(key));
                if (!out.verbs.contains(c.verb))
                    out.verbs.insert(c.verb, i);
                if (!c.choice.isEmpty()) {
                    out.verbs.insert(key, i);
                    out.choices[c.verb] << c.choice;
                }
            }
        }
        return out;
    }();
    return built;
}

} // namespace

const std::vector<Command>& registry() {
    static const std::vector<Command> rows = [] {
        std::vector<Command> all = main_window_commands();
        for (std::vector<Command> window :
             {goto_window_commands(), surah_chooser_commands(), verse_chooser_commands(),
              word_window_commands(), phrase_list_commands(), factorization_window_commands(),
              notes_window_commands(), distribution_window_commands()})
            for (Command& c : window)
                all.push_back(std::move(c));
        return all;
    }();
    return rows;
}

const Command* find_command(WindowId window, const QString& item) {
    const auto it = index().items.constFind(qMakePair(int(window), item));
    return it == index().items.constEnd() ? nullptr : &registry()[*it];
}

const Command* find_verb(const QString& verb, const QString& choice) {
    const auto it = index().verbs.constFind(choice.isEmpty() ? verb : verb + u' ' + choice);
    return it == index().verbs.constEnd() ? nullptr : &registry()[*it];
}

QStringList verb_choices(const QString& verb) {
    return index().choices.value(verb);
}

std::vector<const Command*> menu_rows(WindowId window, const QString& menu) {
    std::vector<const Command*> out;
    for (const Command& c : registry())
        if (c.window == window && c.menu == menu && !menu.isEmpty())
            out.push_back(&c);
    return out;
}

QStringList menus_above(WindowId window, const QString& item) {
    QStringList above;
    for (const Command* c = find_command(window, item); c && !c->menu.isEmpty();
         c = find_command(window, c->menu))
        above.prepend(c->menu);
    return above;
}

Row::Row(WindowId window, ItemKind kind, const char* item, const char16_t* caption) {
    c_.window = window;
    c_.kind = kind;
    c_.item = QString::fromLatin1(item);
    c_.caption = QString::fromUtf16(caption);
}

Row& Row::in(const char* menu) {
    c_.menu = QString::fromLatin1(menu);
    return *this;
}

Row& Row::separated() {
    c_.separatorBefore = true;
    return *this;
}

Row& Row::shortcut(const char* key) {
    c_.key = QString::fromLatin1(key);
    c_.windowKey = false;
    return *this;
}

Row& Row::windowKey(const char* key) {
    c_.key = QString::fromLatin1(key);
    c_.windowKey = true;
    return *this;
}

Row& Row::hidden() {
    c_.hidden = true;
    return *this;
}

Row& Row::hint(const char16_t* text) {
    c_.hint = QString::fromUtf16(text);
    return *this;
}

Row& Row::hint(const char* text) {
    c_.hint = QString::fromLatin1(text);
    return *this;
}

Row& Row::owner(const char* control) {
    c_.owner = QString::fromLatin1(control);
    return *this;
}

Row& Row::reads(Input input) {
    c_.inputs.push_back(std::move(input));
    return *this;
}

Row& Row::verb(const char* verb, const char* help) {
    c_.verb = QString::fromLatin1(verb);
    c_.help = QString::fromUtf8(help);
    return *this;
}

Row& Row::choice(const char* word) {
    c_.choice = QString::fromLatin1(word);
    return *this;
}

Row& Row::via(const char* item) {
    c_.via = QString::fromLatin1(item);
    return *this;
}

Row& Row::does(Handler handler) {
    c_.run = handler;
    return *this;
}

Row& Row::opened(Rule rule) {
    c_.opened = rule;
    return *this;
}

Input search_box(const char* name) {
    Input in;
    in.from = Input::From::SearchBox;
    in.name = QString::fromLatin1(name);
    return in;
}

Input dialog(const QString& caption, const QString& prompt, const char* name) {
    Input in;
    in.from = Input::From::Dialog;
    in.caption = caption;
    in.prompt = prompt;
    in.name = QString::fromLatin1(name);
    return in;
}

Input chosen(const char* name,
             std::function<std::pair<int, int>(const Program&, const QStringList&)> range) {
    Input in;
    in.from = Input::From::Control;
    in.name = QString::fromLatin1(name);
    in.range = std::move(range);
    return in;
}

Input save_file(const char* name, const QString& filter,
                std::function<QString(const Program&)> proposal) {
    Input in;
    in.from = Input::From::SaveFile;
    in.name = QString::fromLatin1(name);
    in.filter = filter;
    in.proposal = std::move(proposal);
    return in;
}

Input open_file(const char* name, const QString& filter) {
    Input in;
    in.from = Input::From::OpenFile;
    in.name = QString::fromLatin1(name);
    in.filter = filter;
    return in;
}

Input confirm(const QString& question) {
    Input in;
    in.from = Input::From::Confirm;
    in.prompt = question;
    return in;
}

Input given(const char* name,
            std::function<std::pair<int, int>(const Program&, const QStringList&)> range) {
    Input in = chosen(name, std::move(range));
    in.from = Input::From::CommandLine;
    return in;
}

Input given_text(const char* name, std::function<QString(const QString&)> check) {
    Input in;
    in.from = Input::From::CommandLine;
    in.name = QString::fromLatin1(name);
    in.check = std::move(check);
    return in;
}

Input many(Input input) {
    input.many = true;
    return input;
}

} // namespace tallyra
