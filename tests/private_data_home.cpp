// Linked into every test program: before main runs, the program's data
// location ($XDG_DATA_HOME, where the notes file lives) becomes a temporary
// folder of the test program, removed as it ends, so that no test and no
// window a test opens ever reads or writes the user's own notes.
#include <QTemporaryDir>
#include <QtGlobal>

namespace {

struct PrivateDataHome {
    QTemporaryDir dir;
    PrivateDataHome() { qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit()); }
};

const PrivateDataHome kDataHome;

} // namespace
