// The commands that rows of several windows share: opening the about
// window, the notes pad and the prime factorization window, the rules
// document and the calculator.
#include "shell/program.h"
#include "shell/registry.h"

#include "auxiliary/about.h"

#include <QDir>

namespace tallyra {

namespace {

Result opening(WindowId window) {
    Result r;
    r.open = window;
    return r;
}

} // namespace

Result open_about(Program&, const QStringList&) {
    return opening(WindowId::About);
}

Result open_notes(Program&, const QStringList&) {
    return opening(WindowId::Notes);
}

Result open_factorization(Program&, const QStringList&) {
    return opening(WindowId::Factorization);
}

// Written into the working folder; the window opens what is there, and says
// nothing when nothing is.
Result open_rules_document(Program&, const QStringList&) {
    Result r;
    r.openDocument = write_rules_document(QDir::currentPath());
    return r;
}

Result start_calculator(Program& p, const QStringList&) {
    Result r;
    r.startProgram = p.calculator;
    return r;
}

} // namespace tallyra
