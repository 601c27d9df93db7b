// The command-line front end: runs engine commands in order on one session
// and prints the summary line and the table (or the letter list).
#pragma once

#include <QStringList>
#include <QTextStream>

namespace tallyra {

// args: the arguments after the program name. Returns the exit status:
// 0 when every command ran, 2 when one was refused or unknown.
int run_cli(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace tallyra
