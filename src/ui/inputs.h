// Gathering what a command reads before it runs, as a window asks it: the
// search box's text, the answers of its dialogs (input boxes, file dialogs,
// Yes/No questions) and the choice of the control that was used.
#pragma once

#include "shell/program.h"
#include "shell/registry.h"
#include "ui/dialogs.h"

#include <QStringList>

class QWidget;

namespace tallyra {

// The inputs of `command` in its order. `searchBox` is the window's search
// box text (empty for a window without one), `chosen` the choices of the
// control, in order. A dialog not asked now counts as an empty answer.
QStringList gather_inputs(const Command& command, const Program& program, Dialogs& dialogs,
                          QWidget* parent, const QString& searchBox = {},
                          const QStringList& chosen = {});

} // namespace tallyra
