// The prime factorization window's rows of the registry: the keys typed into
// it, which the command line types from its DIGITS, its cancel button and
// its close button.
#include "shell/program.h"
#include "shell/registry.h"

#include "words/factorization.h"

namespace tallyra {

namespace {

constexpr WindowId F = WindowId::Factorization;

// The keys typed, one by one, each as the window's key handling takes it;
// the first that the window answers with a message, or that closes it, ends
// the typing.
Result type_keys(Program& p, const QStringList& in) {
    for (const QChar key : in.value(0)) {
        Result r = factorization_key(p.factorization, key);
        if (!r.message.isEmpty() || r.close != WindowId::None)
            return r;
    }
    return {};
}

Result cancel(Program& p, const QStringList&) {
    factorization_cancel(p.factorization);
    return {};
}

Result close_window(Program& p, const QStringList&) {
    return factorization_close(p.factorization);
}

} // namespace

std::vector<Command> factorization_window_commands() {
    return {
        Row(F, ItemKind::Control, "FormKeyPress")
            .reads(chosen("DIGITS", nullptr))
            .via("N12")
            .verb("factorize", "type DIGITS into the prime factorization window, each key as "
                               "the window takes it, and print its result line and digit count")
            .does(type_keys),
        Row(F, ItemKind::Button, "SpeedButton1", u"إلغاء العملية (+)").does(cancel),
        Row(F, ItemKind::Button, "SpeedButton3", u"×").does(close_window),
    };
}

} // namespace tallyra
