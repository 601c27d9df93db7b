#include "app/cli.h"

#include <QString>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    QList<QByteArray> raw;
    for (int i = 1; i < argc; ++i)
        raw.append(QByteArray(argv[i]));
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    QString message;
    const std::optional<QStringList> args = tallyra::decode_arguments(raw, message);
    if (!args) {
        err << message << '\n';
        return 1;
    }
    return tallyra::run_cli(*args, out, err);
}
