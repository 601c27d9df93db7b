#include "ui/inputs.h"

#include "shell/dispatch.h"

namespace tallyra {

QStringList gather_inputs(const Command& command, const Program& program, Dialogs& dialogs,
                          QWidget* parent, const QString& searchBox, const QStringList& chosen) {
    QStringList inputs;
    qsizetype next = 0;
    for (const Input& in : command.inputs) {
        const bool asked = asked_now(in, program);
        switch (in.from) {
        case Input::From::SearchBox:
            inputs << searchBox;
            break;
        case Input::From::Dialog:
            inputs << (asked ? dialogs.input(parent, in.caption, in.prompt) : QString());
            break;
        case Input::From::SaveFile:
            inputs << (asked ? dialogs.saveFileName(parent, in.filter,
                                                    in.proposal ? in.proposal(program) : QString())
                             : QString());
            break;
        case Input::From::OpenFile:
            inputs << (asked ? dialogs.openFileName(parent, in.filter) : QString());
            break;
        case Input::From::Confirm:
            inputs << (asked && dialogs.confirm(parent, in.prompt) ? QStringLiteral("1")
                                                                   : QString());
            break;
        case Input::From::Control:
            if (in.many) {
                inputs << chosen.mid(next);
                next = chosen.size();
            } else {
                inputs << chosen.value(next++);
            }
            break;
        case Input::From::CommandLine:
            break;
        }
    }
    return inputs;
}

} // namespace tallyra
