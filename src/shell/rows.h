// What the main window's rows of the registry share: the builders of its
// rows and the adaptors of its commands, which run over the session.
#pragma once

#include "shell/program.h"
#include "shell/registry.h"
#include "statistics/distribution.h"

#include <initializer_list>

namespace tallyra::rows {

// Commands over the main window's session, as the rows call them.
template <auto F> Result plain(Program& p, const QStringList&) {
    F(p.main);
    return {};
}

// A command that reads one input and returns the message to show.
template <auto F> Result one(Program& p, const QStringList& in) {
    return said(F(p.main, in.value(0)));
}

template <auto F> Result two(Program& p, const QStringList& in) {
    return said(F(p.main, in.value(0), in.value(1)));
}

constexpr WindowId M = WindowId::Main;

inline Row menu(const char* name, const char16_t* caption = u"") {
    return Row(M, ItemKind::Menu, name, caption);
}
inline Row item(const char* name, const char16_t* caption) {
    return Row(M, ItemKind::Command, name, caption);
}
inline Row check(const char* name, const char16_t* caption) {
    return Row(M, ItemKind::Check, name, caption);
}
inline Row button(const char* name, const char16_t* caption) {
    return Row(M, ItemKind::Button, name, caption);
}

inline void show_items(Session& s, std::initializer_list<const char*> names, bool visible) {
    for (const char* name : names)
        s.setVisible(QString::fromLatin1(name), visible);
}

inline bool display_holds_text(const Program& p) {
    return !p.main.display.text.isEmpty();
}

// Opens the chart of the table's result per surah, filled from the table.
inline Result open_distribution(Program& p, const QStringList&) {
    fill_distribution(p.main, p.distribution);
    Result r;
    r.open = WindowId::Distribution;
    return r;
}

// The rows of the word and letter statistics menu and of the table's
// context menu, which the main window's rows take in.
std::vector<Command> word_menu_commands();
std::vector<Command> table_menu_commands();

} // namespace tallyra::rows
