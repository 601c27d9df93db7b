// The command-line front end: runs engine commands in order on one session
// and prints the summary line and the table (or the letter list).
#pragma once

#include "shell/program.h"

#include <QStringList>
#include <QTextStream>
#include <optional>

namespace tallyra {

// args: the arguments after the program name. Returns the exit status: 0
// when every command ran and the output was written, 1 when a command
// reported a message (or did its work after one, the output then written),
// 2 when one was refused or unknown, 3 when the output could not be written
// (the reason is on `err`).
int run_cli(const QStringList& args, QTextStream& out, QTextStream& err);

// Runs one command as the command line gives it, its verb and its inputs
// (escapes already read), on a program: the exit status it ends a run with,
// 0 when the run goes on. The message of a refusal is on `err`, as is the
// message of a command that did its work all the same.
int run_cli_command(Program& program, const QStringList& command, QTextStream& err);

// The program's arguments (after its name) as text: each must be valid
// UTF-8. For one that is not, empty, and `message` names the argument by its
// place and the command it belongs to.
std::optional<QStringList> decode_arguments(const QList<QByteArray>& raw, QString& message);

} // namespace tallyra
