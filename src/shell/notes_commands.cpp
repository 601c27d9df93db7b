// The notes pad's rows of the registry: its context menu, whose first five
// items are the text box's own edit actions (the window performs them, as
// the platform enables them), the export and the clearing of the notebook,
// and the closing of the pad, which writes the notes file.
#include "shell/program.h"
#include "shell/registry.h"

#include "auxiliary/notes.h"

namespace tallyra {

namespace {

constexpr WindowId P = WindowId::Notes;

Row item(const char* name, const char16_t* caption) {
    return Row(P, ItemKind::Command, name, caption).in("PopupMenu1");
}

// The export and the clearing need text to work on.
void open_menu(Program& p) {
    const bool any = !p.notes.text.isEmpty();
    p.notes.items.setEnabled(QStringLiteral("N1"), any);
    p.notes.items.setEnabled(QStringLiteral("N5"), any);
}

Result export_text(Program& p, const QStringList& in) {
    return said(export_notes(p.notes, in.value(0)));
}

// The notes file changes only when the pad closes.
Result clear(Program& p, const QStringList& in) {
    if (!in.value(0).isEmpty())
        p.notes.text.clear();
    return {};
}

Result close_window(Program& p, const QStringList&) {
    Result r = said(save_notes(p.notes));
    r.close = P;
    return r;
}

} // namespace

std::vector<Command> notes_window_commands() {
    return {
        Row(P, ItemKind::Menu, "PopupMenu1").owner("RichEdit1").opened(open_menu),
        item("Copy", u"نسخ").shortcut("Ctrl+C"),
        item("Cut", u"قص").shortcut("Ctrl+X"),
        item("Paste", u"لصق").shortcut("Ctrl+V"),
        item("SelectAll", u"تحديد الكل").separated().shortcut("Ctrl+A"),
        item("Undo", u"التراجع عن آخر عملية").shortcut("Ctrl+Z"),
        item("N1", u"تصدير إلى ملف وورد")
            .separated()
            .reads(save_file("NAME", {}, [](const Program& p) { return p.notes.exportName; }))
            .does(export_text),
        item("N5", u"مسح ما في الدفتر كله")
            .reads(confirm(QStringLiteral("هل تريد فعلا مسح كل ما في الدفتر من معلومات ؟")))
            .does(clear),
        Row(P, ItemKind::Control, "FormClose").does(close_window),
    };
}

} // namespace tallyra
