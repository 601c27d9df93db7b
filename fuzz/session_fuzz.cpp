// Sequences of whatever a user can do, on a fresh program each time: any row
// of the registry that the user can reach now, with inputs the fuzzer
// chooses, the keys of the windows, the selector, the table, the letter list
// and the display box, and closing the window on top; the files the phrase
// list reads and writes lie in a folder of the run's own. After every step
// the program's invariants must hold.
#include "display/display.h"
#include "shell/dispatch.h"
#include "table/frame.h"
#include "table/ordering.h"

#include "fuzz_support.h"
#include "session_invariants.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace tallyra;

namespace {

// What a user types most: the corpus's words, numbers of every kind, the
// placeholder, nothing.
QString typed(FuzzedDataProvider& data) {
    static const QString inputs[] = {QString(),
                                     kSearchPlaceholder,
                                     QStringLiteral(" "),
                                     QStringLiteral("الم"),
                                     QStringLiteral("الله"),
                                     QStringLiteral("ون"),
                                     QStringLiteral("و"),
                                     QStringLiteral("بسم الله الرحمن الرحيم"),
                                     QStringLiteral("xyz"),
                                     QStringLiteral("0"),
                                     QStringLiteral("1"),
                                     QStringLiteral("3"),
                                     QStringLiteral("7"),
                                     QStringLiteral("١٢"),
                                     QStringLiteral("-2"),
                                     QStringLiteral("+5"),
                                     QStringLiteral("2147483647"),
                                     QStringLiteral("99999999999"),
                                     QStringLiteral("6236"),
                                     QStringLiteral("6237")};
    const size_t choice = data.ConsumeIntegralInRange<size_t>(0, std::size(inputs));
    if (choice < std::size(inputs))
        return inputs[choice];
    return tallyra::fuzz::text_from(data, 64);
}

// The folder every file a step writes or reads goes to (the rules
// document, Word files, phrase lists, the notes file): a temporary folder,
// removed as the run ends, made the working folder and the data location of
// the run.
const QString& sandbox() {
    static const QString folder = [] {
        static QTemporaryDir dir(QDir::temp().filePath(QStringLiteral("tallyra-session-fuzz")));
        if (!dir.isValid())
            tallyra::fuzz::fail("no temporary folder for the files of the run");
        QDir::setCurrent(dir.path());
        qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
        return dir.path();
    }();
    return folder;
}

// A file a command reads or writes, in the sandbox: a phrase list, a file
// that is no text, an empty one, one with a lone CR, one that is missing, a
// folder, or a dialog cancelled.
QString file_name(FuzzedDataProvider& data) {
    static const QString folder = [] {
        const QString path = sandbox();
        QDir().mkpath(path + QStringLiteral("/folder"));
        const std::pair<const char*, QByteArray> files[] = {
            {"list.txt", QByteArray("\xC7\xE1\xE1\xE5\r\n\r\n\xE6\r\n")},
            {"image", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
            {"empty", QByteArray()},
            {"lone-cr", QByteArray("\xC7\r\xE1\r")},
        };
        for (const auto& [name, bytes] : files) {
            QFile f(path + u'/' + QString::fromLatin1(name));
            if (f.open(QIODevice::WriteOnly))
                f.write(bytes);
        }
        return path;
    }();
    static const char* const names[] = {"",      "list.txt", "list",    "image",
                                        "empty", "lone-cr",  "missing", "folder"};
    const char* name = names[data.ConsumeIntegralInRange<size_t>(0, std::size(names) - 1)];
    return *name ? folder + u'/' + QString::fromLatin1(name) : QString();
}

const Program& start() {
    static const Program program;
    return program;
}

void step(Program& p, FuzzedDataProvider& data) {
    Session& s = p.main;
    const WindowId active = p.active();
    switch (data.ConsumeIntegralInRange<int>(0, 9)) {
    case 0: {
        static const int keys[] = {Qt::Key_F2,     Qt::Key_F3,   Qt::Key_F4,    Qt::Key_F5,
                                   Qt::Key_Return, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Asterisk,
                                   Qt::Key_Escape, Qt::Key_Enter};
        const int key = keys[data.ConsumeIntegralInRange<size_t>(0, std::size(keys) - 1)];
        const Qt::KeyboardModifiers modifiers =
            data.ConsumeBool() ? Qt::ControlModifier : Qt::NoModifier;
        const QString text = key == Qt::Key_Plus       ? QStringLiteral("+")
                             : key == Qt::Key_Minus    ? QStringLiteral("-")
                             : key == Qt::Key_Asterisk ? QStringLiteral("*")
                                                       : QString();
        const KeyResult r = key_command(p, active, key, modifiers, text);
        if (r.consumed)
            run_command(p, active, r.item, {typed(data), typed(data)});
        break;
    }
    case 1:
        if (active == WindowId::Main)
            select_ordering_item(s, data.ConsumeIntegralInRange<int>(-2, 8));
        break;
    case 2:
        if (active == WindowId::Main)
            change_row(s, data.ConsumeIntegralInRange<int>(-1, s.table.rowCount() + 1));
        break;
    case 3:
        if (active == WindowId::Main)
            select_rows(s, data.ConsumeIntegralInRange<int>(-1, s.table.rowCount()),
                        data.ConsumeIntegralInRange<int>(-1, s.table.rowCount()),
                        data.ConsumeIntegralInRange<int>(-1, s.table.rowCount()));
        break;
    case 4:
        if (active == WindowId::Main)
            letter_list_click(s, data.ConsumeIntegralInRange<int>(-1, s.letters.size() + 1));
        break;
    case 5:
        if (active == WindowId::Main) {
            const int n = int(s.display.text.size());
            display_selection_changed(s, data.ConsumeIntegralInRange<int>(-2, n + 2),
                                      data.ConsumeIntegralInRange<int>(-2, n + 2));
        }
        break;
    case 6: {
        // A menu of the window on top opens with its rule.
        std::vector<const Command*> menus;
        for (const Command& c : registry())
            if (c.window == active && c.kind == ItemKind::Menu)
                menus.push_back(&c);
        if (!menus.empty())
            open_menu(p, active,
                      menus[data.ConsumeIntegralInRange<size_t>(0, menus.size() - 1)]->item);
        break;
    }
    case 7:
        // The user closes the window on top.
        if (active != WindowId::Main)
            p.hide(active);
        break;
    default: {
        // Any row the user can reach now, as by its shortcut, its button or
        // its control, with the inputs its dialogs or its control give.
        const std::vector<Command>& rows = registry();
        const Command& c = rows[data.ConsumeIntegralInRange<size_t>(0, rows.size() - 1)];
        if (!command_allowed(p, c.window, c.item))
            break;
        QStringList inputs;
        for (const Input& in : c.inputs) {
            if (in.from == Input::From::SaveFile || in.from == Input::From::OpenFile)
                inputs << file_name(data);
            else
                inputs << (data.ConsumeBool() ? QString::number(data.ConsumeIntegral<int8_t>())
                                              : typed(data));
        }
        run_command(p, c.window, c.item, inputs);
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    sandbox();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    Program p(start());
    for (int n = 0; n < 24 && data.remaining_bytes() > 0; ++n) {
        step(p, data);
        const QString fault = program_fault(p);
        if (!fault.isEmpty())
            tallyra::fuzz::fail("a step broke an invariant of the program",
                                fault + QStringLiteral(" (step ") + QString::number(n) + u')');
    }
    return 0;
}
