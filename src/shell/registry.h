// The registry of commands: one row for every menu, menu item, button,
// control and key of every window. A row says where the item stands (its
// window, its menu, a separator before it), how it shows (caption, key,
// hint), what it reads before it runs (the search box, input dialogs, the
// choice of its control), its command-line verb, and what it does. The
// menus, the shortcuts, the windows' dispatch and the command line are all
// made from these rows.
#pragma once

#include "core/result.h"
#include "core/windows.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace tallyra {

class Program;

enum class ItemKind {
    Menu,    // the menu bar, a context menu, or a submenu (when it stands in a menu)
    Command, // a menu item that runs a command
    Check,   // a menu item with a tick; choosing it flips the tick
    Button,
    Control, // another control of the window: a selector, a list, the table
    Key,     // a key of the window that has no control of its own
};

// One input a command reads before it runs.
struct Input {
    enum class From {
        SearchBox,   // the text of the window's search box
        Dialog,      // the answer of a one-line input dialog (cancelled: empty)
        Control,     // the choice of the control itself: an item, a row
        CommandLine, // only the command line gives it; the window makes the choice by hand
        SaveFile,    // a file name from a save dialog (cancelled: empty)
        OpenFile,    // a file name from an open dialog (cancelled: empty)
        Confirm,     // the answer of a Yes/No question: "1" for Yes, empty for No
    };
    From from = From::SearchBox;
    // Its name on the command line. Empty: the command line does not give it,
    // and a search box input then holds the text of the last search.
    QString name;
    QString caption; // of the dialog
    QString prompt;  // of the dialog; the question of a Yes/No box
    QString filter;  // of a file dialog ("Word|*.doc"; empty: any file)
    // The name a save dialog proposes (null: none).
    std::function<QString(const Program&)> proposal;
    // The window asks the dialog only while this holds (null: always); an
    // input not asked counts as empty.
    std::function<bool(const Program&)> asked;
    // For a whole number given on the command line: the range it must lie
    // in, which may depend on the inputs before it (null: any text).
    std::function<std::pair<int, int>(const Program&, const QStringList& before)> range;
    // For a text the command line gives: why it is not one the command
    // takes, as the command line says it; empty when it is (null: any text).
    std::function<QString(const QString&)> check;
    // The last input may take one value or more: every choice of the control
    // from this one on, or every argument left on the command line.
    bool many = false;
};

using Handler = Result (*)(Program& program, const QStringList& inputs);
using Rule = void (*)(Program& program);

struct Command {
    WindowId window = WindowId::Main;
    QString item; // the item's name, unique within its window
    ItemKind kind = ItemKind::Command;
    QString caption;
    // A menu item's shortcut, in portable text ("Ctrl+F6"), or with
    // `windowKey` a key the window sees before the focused control does
    // ("F2", "Enter", "Ctrl+Enter", "+").
    QString key;
    bool windowKey = false;
    QString menu; // the menu the item stands in; empty: none
    bool separatorBefore = false;
    bool hidden = false; // hidden in its menu as laid out
    QString hint;        // a button's tooltip, a menu item's status hint
    QString owner;       // a context menu's control; empty: the menu bar
    std::vector<Input> inputs;
    QString verb; // command-line verb; empty: none
    // The word that picks this row among the rows that share its verb (the
    // kinds of number of a filter); empty: the verb names this row alone.
    QString choice;
    QString help; // its help line
    // The command line opens this row's window first through this item of
    // the main window.
    QString via;
    Handler run = nullptr; // null: the item does nothing (yet)
    Rule opened = nullptr; // a menu's opening rule
};

// Every row of every window, each window's rows in layout order.
const std::vector<Command>& registry();

// The row of an item of a window, or null.
const Command* find_command(WindowId window, const QString& item);
// The row of a command-line verb, or null. A verb whose rows carry choice
// words takes one after it; without it, the first of its rows.
const Command* find_verb(const QString& verb, const QString& choice = {});
// The choice words of a verb, in the registry's order; empty when the verb
// names one row.
QStringList verb_choices(const QString& verb);
// The rows that stand in a menu, in order.
std::vector<const Command*> menu_rows(WindowId window, const QString& menu);
// The menus above an item, outermost first ("N1" -> {"MainMenu", "N8"}).
QStringList menus_above(WindowId window, const QString& item);

// The rows of each window, for the registry.
std::vector<Command> main_window_commands();
std::vector<Command> goto_window_commands();
std::vector<Command> surah_chooser_commands();
std::vector<Command> verse_chooser_commands();
std::vector<Command> word_window_commands();
std::vector<Command> phrase_list_commands();
std::vector<Command> factorization_window_commands();
std::vector<Command> notes_window_commands();
std::vector<Command> distribution_window_commands();

// The commands that rows of several windows share: the menu bar's, the main
// table's menu's and the word window's items that open the about window,
// the notes pad or the prime factorization window, write out and open the
// rules document, or start the calculator.
Result open_about(Program& program, const QStringList& inputs);
Result open_notes(Program& program, const QStringList& inputs);
Result open_factorization(Program& program, const QStringList& inputs);
Result open_rules_document(Program& program, const QStringList& inputs);
Result start_calculator(Program& program, const QStringList& inputs);

// Builds a row; the registry's tables read as a list of these.
class Row {
public:
    Row(WindowId window, ItemKind kind, const char* item, const char16_t* caption = u"");

    Row& in(const char* menu);
    Row& separated();
    Row& shortcut(const char* key);
    Row& windowKey(const char* key);
    Row& hidden();
    Row& hint(const char16_t* text);
    Row& hint(const char* text);
    Row& owner(const char* control);
    Row& reads(Input input);
    Row& verb(const char* verb, const char* help);
    Row& choice(const char* word);
    Row& via(const char* item);
    Row& does(Handler handler);
    Row& opened(Rule rule);

    operator Command() const { return c_; }

private:
    Command c_;
};

// Inputs as the rows read them.
Input search_box(const char* name = "");
Input dialog(const QString& caption, const QString& prompt, const char* name);
// A whole number the control chooses (the command line gives it by name).
Input chosen(const char* name,
             std::function<std::pair<int, int>(const Program&, const QStringList&)> range);
// A file to save to, with the name the dialog proposes; the command line
// gives it by name.
Input save_file(const char* name, const QString& filter = {},
                std::function<QString(const Program&)> proposal = nullptr);
// A file to read; the command line gives it by name.
Input open_file(const char* name, const QString& filter = {});
// A Yes/No question; the command line, which asks for the command outright,
// answers Yes.
Input confirm(const QString& question);
// A whole number that only the command line gives.
Input given(const char* name,
            std::function<std::pair<int, int>(const Program&, const QStringList&)> range);
// A text that only the command line gives, which `check` accepts.
Input given_text(const char* name, std::function<QString(const QString&)> check);
// The input takes one value or more (the last input of a row).
Input many(Input input);

} // namespace tallyra
