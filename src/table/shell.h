// The frame of the main window around the table: its menus with their
// captions, shortcuts and separators, the rules that enable and show the
// items when a menu opens, the gate of a menu shortcut, the window's own keys
// and the menu items whose commands take no input.
#pragma once

#include "table/session.h"

#include <Qt>
#include <optional>
#include <vector>

namespace tallyra {

enum class MenuKind { Command, Check, Submenu, Separator };

struct MenuEntry {
    QString name; // empty for a separator
    QString caption;
    QString shortcut; // portable key text, "Ctrl+F6"; empty when none
    MenuKind kind = MenuKind::Command;
    std::vector<MenuEntry> children;
    QString hint; // a status hint, empty for most items
};

// The main menu's top-level entries, in order.
const std::vector<MenuEntry>& main_menu();

// The context menus: "PopupMenu1" (table), "PopupMenu2" (letter list),
// "PopupMenu3" (search options), "PopupMenu4" (display box) and "PopupMenu5"
// (the search box's, empty). Unknown names give an empty menu.
const std::vector<MenuEntry>& popup_menu(const QString& name);

// The entry of that name anywhere in the menus, or null.
const MenuEntry* find_menu_entry(const QString& name);

// The menus above a menu item, outermost first ("N1" -> {"N8"}).
QStringList menus_above(const QString& item);

// Opening a menu applies its rule to the enabled and visible state of its
// items; menus without a rule change nothing.
void open_menu(Session& session, const QString& menu);

// A menu item's shortcut was pressed: runs the opening rule of every menu
// above it, outermost first, as opening them by hand would. True when the
// item's command may run: no menu above it is disabled and the item itself is
// enabled after the rules.
bool shortcut_allowed(Session& session, const QString& item);

// One one-line input dialog a command asks before it runs.
struct InputPrompt {
    QString caption;
    QString prompt;
};

// What a menu item's command reads before it runs: the search box's text
// first when `searchBox` is set, then the answers of the dialogs, in order.
struct CommandInputs {
    bool searchBox = false;
    std::vector<InputPrompt> dialogs;
};
CommandInputs command_inputs(const Session& session, const QString& item);

// Chooses a menu item, with the inputs its command reads (see
// command_inputs; missing ones count as empty): check items flip their tick,
// and commands run. Empty when the engine has nothing to do for the item (a
// disabled item, or a command the window carries out itself); otherwise the
// message the command reports, empty when none.
std::optional<QString> choose_item(Session& session, const QString& item,
                                   const QStringList& inputs = {});

// What a key pressed in the main window does, whatever has the focus.
enum class KeyCommand {
    None,
    SwitchVariant, // F2
    VerseTable,    // F3
    SurahTable,    // F4
    GoToVerse,     // F5: the verse go-to dialog
    Search,        // Enter
    SearchTable,   // Ctrl+Enter: in the verses of the table only
    FocusSearch,   // + : the search box, its text selected
    FocusTable,    // -
    FocusDisplay,  // *
};

struct KeyResult {
    KeyCommand command = KeyCommand::None;
    bool consumed = false; // the focused control never sees the key
};

// `text` is the character the key types, if any. Keys whose button is
// disabled do nothing and pass on.
KeyResult key_command(const Session& session, int key, Qt::KeyboardModifiers modifiers,
                      const QString& text);

// Runs the engine side of a key command: the table buttons, the searches
// for the search box's text `boxText`, and the focus moves; the go-to dialog
// is left to the caller. Returns the message to show, empty when none.
QString run_key_command(Session& session, KeyCommand command, const QString& boxText = {});

} // namespace tallyra
