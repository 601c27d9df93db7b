// What a command leaves for the window that ran it to do.
#pragma once

#include "core/state.h"
#include "core/windows.h"

#include <QString>
#include <optional>

namespace tallyra {

struct Result {
    // The message to show in a message box; empty when none.
    QString message;
    // Where the keyboard focus goes.
    Focus focus = Focus::Unchanged;
    // The window that opens, or closes, once the command has run.
    WindowId open = WindowId::None;
    WindowId close = WindowId::None;
    // Text the command copies to the clipboard; empty when none.
    QString clipboard;
    // The text a window's search box (the phrase list's input box) shows
    // once the command has run; its window None: every box keeps its text.
    WindowId boxOf = WindowId::None;
    QString boxText;
    // True when the message tells of something the command did all the same:
    // it did not stop there, and its work stands.
    bool carriedOn = false;
    // A document the window opens in the desktop's viewer (the rules
    // document), and a program it starts on its own (the calculator): paths,
    // empty when none. The engine never opens or starts anything itself.
    QString openDocument;
    QString startProgram;
    // A picture of the window the window writes (the chart, as PNG or SVG
    // by the name's ending): a path, empty when none.
    QString picture;
    // True when the command could not run: its item is disabled, or it is not
    // a command of that window. Nothing changed.
    bool refused = false;
};

// The result of a command that reports at most a message.
inline Result said(const QString& message) {
    Result r;
    r.message = message;
    return r;
}

// The result of a window's button that either reports a message, the window
// staying open, or closes the window.
inline Result said_or_closed(const std::optional<QString>& message, WindowId window) {
    Result r;
    if (message)
        r.message = *message;
    else
        r.close = window;
    return r;
}

} // namespace tallyra
