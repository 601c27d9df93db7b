// The frame of the main window around the table: its menus with their
// captions, shortcuts and separators, the rules that enable and show the
// items when a menu opens, the gate of a menu shortcut, the window's own keys
// and the menu items whose commands take no input.
#pragma once

#include "table/session.h"

#include <Qt>
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

// Chooses a menu item that needs no input: check items flip their tick, and
// the commands built so far run. False when the engine has nothing to do for
// the item (its command needs a window, or is not built yet).
bool choose_item(Session& session, const QString& item);

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

// Runs the engine side of a key command (the table buttons and the focus
// moves); the go-to dialog and the searches are left to the caller.
void run_key_command(Session& session, KeyCommand command);

} // namespace tallyra
