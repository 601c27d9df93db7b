// A secondary window: a modal dialog over its own window's state in the
// engine. It runs its items through the registry, renders its state again
// after each, shows their messages over itself, and passes each result on
// to the main window, which renders the session again and opens or closes
// the windows the result names.
#pragma once

#include "shell/program.h"
#include "ui/dialogs.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QCheckBox;
class QListWidget;

namespace tallyra {

class SecondaryWindow : public QDialog {
    Q_OBJECT
public:
    SecondaryWindow(Program& program, Dialogs& dialogs, WindowId id, QWidget* parent);

    WindowId id() const { return id_; }

    // Where the results of this window's items go for the main window.
    void setForward(std::function<void(const Result&)> forward) { forward_ = std::move(forward); }

    // Shows the window modally without blocking, its state rendered.
    void open() override;

    // Renders the window's state into its widgets.
    virtual void render() = 0;

    // A command asks that the window's search box (its input box) show
    // `text`; windows without one ignore it.
    virtual void setBoxText(const QString& text) { Q_UNUSED(text); }

protected:
    // Runs an item of this window as a click on it would: gathers its inputs
    // (`searchBox`: the window's own search box, if it has one; `chosen`: the
    // choices of the control), runs it, renders, shows its message and
    // passes the result on.
    Result run(const QString& item, const QStringList& chosen = {}, const QString& searchBox = {});

    // However the window closes, it no longer takes the input.
    void done(int r) override;

    // The rows selected in a list, from 0, as the choices of a control.
    static QStringList selectedRows(const QListWidget* list);
    // The selection mode a check box chooses for a list: ticked, Ctrl and
    // Shift extend the selection; not ticked, every click toggles an entry.
    static void showSelectionMode(QListWidget* list, QCheckBox* box, bool extended);

    // The text of the window's own search box, which its keys' items read;
    // empty for a window without one.
    virtual QString searchBoxText() const { return {}; }
    // Gives the focus a command asked for to the window's own controls.
    virtual void applyFocus(Focus focus) { Q_UNUSED(focus); }

    // The window sees its keys before its controls do: a key of one of its
    // items runs that item.
    bool eventFilter(QObject* watched, QEvent* event) override;

    Program& program_;
    Dialogs& dialogs_;

private:
    WindowId id_;
    std::function<void(const Result&)> forward_;
};

} // namespace tallyra
