// The notes pad: one plain-text box filling the window, right to left, with
// its context menu of edit actions, export and clearing. The notes file is
// read as the pad is created and written each time it closes; the text
// stays while the program runs.
#pragma once

#include "ui/secondary_window.h"

#include <QHash>

class QAction;
class QMenu;
class QPlainTextEdit;

namespace tallyra {

class NotesPad : public SecondaryWindow {
    Q_OBJECT
public:
    NotesPad(Program& program, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the pad centred on the screen, the caret at the start.
    void open() override;
    void render() override;

    QPlainTextEdit* box() const { return box_; }
    QMenu* menu() const { return menu_; }
    QAction* action(const QString& item) const { return actions_.value(item); }

protected:
    // However the pad closes, the notes file is written first.
    void reject() override;

private:
    // The box's text, as the engine keeps it.
    void takeText();
    void menuOpening();
    void runItem(const QString& item);

    QPlainTextEdit* box_;
    QMenu* menu_;
    QHash<QString, QAction*> actions_;
};

} // namespace tallyra
