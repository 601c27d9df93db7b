// Three small services of the menus: the about window's texts, the rules
// document, written out for the desktop's viewer, and the calculator found
// among the desktop's programs. The engine finds and writes; opening the
// document and starting the calculator are the window's acts.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tallyra {

// The program's version, as the build names it ("1.0").
QString program_version();

// The about window's credits: what the program does, its version, and where
// its text comes from, one centred line each.
QString credits_text();

// The rules document's file name, written in the working folder.
inline const QString kRulesFileName = QStringLiteral("Ihsaa.pdf");

// The rules document as the program carries it (the resource "Resource_1");
// empty if it is missing.
QByteArray rules_document();

// Writes the rules document as "Ihsaa.pdf" into `folder`, replacing an
// earlier copy; a failure is ignored. Returns the file to open: the copy
// just written, or one left there by an earlier run when it could not be
// written; empty when there is none.
QString write_rules_document(const QString& folder);

// The calculator programs looked for, in order.
const QStringList& calculator_programs();

// The first of them found on PATH (or in `paths`, when given), as a full
// path; empty when none is.
QString find_calculator(const QStringList& paths = {});

} // namespace tallyra
