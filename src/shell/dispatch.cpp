#include "shell/dispatch.h"

#include <utility>

namespace tallyra {

namespace {

// Does a key event match a row's key text? Keys written without a modifier
// ("F2", "Enter", "+") match as long as neither Ctrl, Alt nor Meta is held;
// keys written with modifiers ("Ctrl+Enter") match exactly those.
bool key_matches(const QString& keyText, int key, Qt::KeyboardModifiers modifiers,
                 const QString& text) {
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    const bool ctrlOrAlt = mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (keyText.size() == 1)
        return !ctrlOrAlt && text == keyText;
    QStringList parts = keyText.split(u'+');
    const QString name = parts.takeLast();
    Qt::KeyboardModifiers wanted;
    for (const QString& m : parts) {
        if (m == QStringLiteral("Ctrl"))
            wanted |= Qt::ControlModifier;
        else if (m == QStringLiteral("Alt"))
            wanted |= Qt::AltModifier;
        else if (m == QStringLiteral("Shift"))
            wanted |= Qt::ShiftModifier;
    }
    const bool modsMatch = parts.isEmpty() ? !ctrlOrAlt : mods == wanted;
    if (!modsMatch)
        return false;
    if (name == QStringLiteral("Enter"))
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    if (name.size() >= 2 && name[0] == u'F') {
        bool ok = false;
        const int n = name.mid(1).toInt(&ok);
        return ok && n >= 1 && n <= 35 && key == Qt::Key_F1 + n - 1;
    }
    return false;
}

} // namespace

void open_menu(Program& program, WindowId window, const QString& menu) {
    const Command* c = find_command(window, menu);
    if (c && c->kind == ItemKind::Menu && c->opened)
        c->opened(program);
}

bool command_allowed(Program& program, WindowId window, const QString& item) {
    const Command* c = find_command(window, item);
    if (!c || c->kind == ItemKind::Menu || program.active() != window)
        return false;
    const Items& items = program.items(window);
    for (const QString& menu : menus_above(window, item)) {
        if (!items.enabled(menu) || !items.visible(menu))
            return false;
        open_menu(program, window, menu);
    }
    return items.enabled(item) && items.visible(item);
}

bool asked_now(const Input& input, const Program& program) {
    switch (input.from) {
    case Input::From::SearchBox:
    case Input::From::Control:
        return true;
    case Input::From::Dialog:
    case Input::From::SaveFile:
    case Input::From::OpenFile:
    case Input::From::Confirm:
        return !input.asked || input.asked(program);
    case Input::From::CommandLine:
        return false;
    }
    return false;
}

std::vector<Input> dialogs_asked(const Program& program, WindowId window, const QString& item) {
    std::vector<Input> out;
    if (const Command* c = find_command(window, item))
        for (const Input& in : c->inputs)
            if (in.from == Input::From::Dialog && asked_now(in, program))
                out.push_back(in);
    return out;
}

Result run_command(Program& program, WindowId window, const QString& item,
                   const QStringList& inputs) {
    const Command* c = find_command(window, item);
    Items& items = program.items(window);
    if (!c || c->kind == ItemKind::Menu || !items.enabled(item)) {
        Result refused;
        refused.refused = true;
        return refused;
    }
    Result result;
    if (c->run)
        result = c->run(program, inputs);
    else if (c->kind == ItemKind::Check)
        items.setChecked(item, !items.checked(item));
    // The procedures of a command say where the focus goes as they run.
    const Focus asked = std::exchange(program.main.focus, Focus::Unchanged);
    if (result.focus == Focus::Unchanged)
        result.focus = asked;
    program.apply(result);
    return result;
}

KeyResult key_command(const Program& program, WindowId window, int key,
                      Qt::KeyboardModifiers modifiers, const QString& text) {
    for (const Command& c : registry()) {
        if (c.window != window || !c.windowKey || !key_matches(c.key, key, modifiers, text))
            continue;
        if (!program.items(window).enabled(c.item))
            return {};
        return {c.item, true};
    }
    return {};
}

} // namespace tallyra
