// What must hold of the main window's state after any step a user takes: no
// step may leave the table, the display box or the selector in a state the
// window cannot show. Shared by the long random runs of the tests and by the
// fuzzer of command sequences.
#pragma once

#include "core/columns.h"
#include "shell/program.h"

#include <QString>

namespace tallyra {

// The first invariant the session breaks, described; empty when none.
inline QString session_fault(const Session& s) {
    const Grid& t = s.table;
    if (t.rowCount() < 2)
        return QStringLiteral("the table has no data row");
    if (t.currentRow() < 1 || t.currentRow() >= t.rowCount())
        return QStringLiteral("the current row is outside the table");
    // The row shown is always one of the rows selected.
    if (t.selectionTop() > t.currentRow() || t.selectionBottom() < t.currentRow())
        return QStringLiteral("the current row lies outside the selection");
    if (t.columnCount() != (s.ayat ? 8 : 7))
        return QStringLiteral("the table has the column count of the other table kind");
    if (s.orderingIndex >= s.orderingItems.size())
        return QStringLiteral("the ordering selector's choice is no item of it");
    // The button of the other table kind is always there; the one of the kind
    // shown returns from a result to the full table.
    if (!s.enabled(s.ayat ? QStringLiteral("BitBtn2") : QStringLiteral("BitBtn3")))
        return QStringLiteral("the button of the other table kind is disabled");
    for (const Mark& m : s.display.marks)
        if (m.start < 0 || m.length < 0 || m.start + m.length > s.display.text.size())
            return QStringLiteral("a mark lies outside the display box's text");
    if (s.display.caret < 0 || s.display.caret > s.display.text.size())
        return QStringLiteral("the caret lies outside the display box's text");
    const DisplayBox& box = s.display;
    if (box.selectionStart < 0 || box.selectionLength < 0 ||
        box.selectionStart + box.selectionLength > box.text.size())
        return QStringLiteral("the selection lies outside the display box's text");
    if (s.gauge.visible)
        return QStringLiteral("the progress gauge is left shown");
    // Every data row names a verse or a surah the table can be rebuilt from,
    // but for the one empty row of a command that found nothing.
    const int idColumn = s.ayat ? int(verse_col::index) : int(surah_col::number);
    const bool noResult = t.rowCount() == 2 && t.cell(idColumn, 1).isEmpty();
    if (!noResult && t.cell(idColumn, t.currentRow()).toInt() < 1)
        return QStringLiteral("the current row names no verse or surah");
    if (noResult && !s.display.text.isEmpty())
        return QStringLiteral("the display box shows a text with no result");
    return {};
}

// The first invariant the prime factorization window breaks, described;
// empty when none.
inline QString factorization_fault(const FactorizationWindow& w) {
    if (w.digits.size() > 19)
        return QStringLiteral("the number box holds more than 19 digits");
    for (const QChar c : w.digits)
        if (c < u'0' || c > u'9')
            return QStringLiteral("the number box holds a character that is no digit");
    // The digit count is the box's, or empty with it.
    const QString count = w.digits.isEmpty()
                              ? QString()
                              : QString::number(w.digits.size()).rightJustified(2, u'0') +
                                    QStringLiteral(" عدد الأرقام ");
    if (w.digitCount != count)
        return QStringLiteral("the digit count is not the number box's");
    if (w.digits.isEmpty() && !(w.result.isEmpty() && w.elapsed.isEmpty()))
        return QStringLiteral("an empty number box has a result");
    if (w.running && w.number != w.digits.toULongLong())
        return QStringLiteral("the factorization awaited is not of the number in the box");
    return {};
}

// The invariants of the program as a whole: the window that takes the input
// is the main window or one shown, and the main window's session holds.
inline QString program_fault(const Program& p) {
    const WindowId active = p.active();
    if (active != WindowId::Main && !p.isShown(active))
        return QStringLiteral("the window that takes the input is not shown");
    if (const QString fault = factorization_fault(p.factorization); !fault.isEmpty())
        return fault;
    // The notes hold their lines as the box does, each ended by "\n".
    if (p.notes.text.contains(u'\r'))
        return QStringLiteral("the notes hold a carriage return");
    if (p.calculator.isEmpty() == p.main.visible(QStringLiteral("N44")))
        return QStringLiteral("the calculator item shows without a calculator, or hides one");
    return session_fault(p.main);
}

} // namespace tallyra
