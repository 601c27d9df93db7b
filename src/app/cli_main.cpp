#include "app/cli.h"

#include <QString>
#include <QTextStream>
#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // One run makes and drops a few large blocks (the start-up table, the
    // rows found, the output): kept on the heap rather than mapped and
    // unmapped, the memory one frees is taken by the next without being
    // faulted in afresh.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
#endif
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
