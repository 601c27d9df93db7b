// Running the registry's rows: opening a menu with its rule, the gate a user
// passes to reach an item, running an item's command, and the keys a window
// sees before its focused control does.
#pragma once

#include "shell/program.h"
#include "shell/registry.h"

#include <Qt>

namespace tallyra {

// Opening a menu applies its rule to the enabled and visible state of its
// items; menus without a rule change nothing.
void open_menu(Program& program, WindowId window, const QString& menu);

// True when a user can reach the item now, as by its shortcut: its window
// takes the input, every menu above it has opened with its rule, outermost
// first, none of them disabled or hidden, and the item is then enabled and
// visible. Items hidden in their menu as laid out count as reachable; they
// have no key and are offered by the command line only.
bool command_allowed(Program& program, WindowId window, const QString& item);

// Whether the window asks this input now: a dialog (an input box, a file
// dialog, a question) may be asked only in some states. An input the window
// does not ask is given as the empty text.
bool asked_now(const Input& input, const Program& program);

// The dialogs the window asks before it runs the item, in order.
std::vector<Input> dialogs_asked(const Program& program, WindowId window, const QString& item);

// Runs the item's command with its inputs (in the row's order; missing ones
// count as empty): a check item without a command of its own flips its tick,
// an item without a command does nothing. A disabled item, or a name that is
// no item of the window, is refused. The windows the result names are shown
// or hidden; the focus a procedure asked for is in the result.
Result run_command(Program& program, WindowId window, const QString& item,
                   const QStringList& inputs = {});

// What a key pressed in a window does, whatever has the focus there: the
// item whose window key it is, or none. A key whose item is disabled does
// nothing and passes on to the focused control.
struct KeyResult {
    QString item;
    bool consumed = false; // the focused control never sees the key
};
// `text` is the character the key types, if any.
KeyResult key_command(const Program& program, WindowId window, int key,
                      Qt::KeyboardModifiers modifiers, const QString& text);

} // namespace tallyra
