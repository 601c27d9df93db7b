// The notes pad without a window: the notes file read at start-up and
// written at every close, the export and the clearing, the encodings, and a
// location that cannot be written. Each test has a data location of its own.
#include "auxiliary/notes.h"
#include "shell/dispatch.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace tallyra;

namespace {

constexpr WindowId P = WindowId::Notes;
const QString kBasmala = q(u"بسم الله الرحمن الرحيم");

class Notes : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", saved); }

    // A run of the program: the pad as the window program creates it.
    Program start(QString* message = nullptr) {
        Program p;
        const QString m = load_notes(p.notes);
        if (message)
            *message = m;
        return p;
    }
    // Opens the pad, runs an item, closes the pad (which writes the file).
    static Result run_in_pad(Program& p, const char* item, const QStringList& inputs = {}) {
        p.show(P);
        return run_command(p, P, N(item), inputs);
    }
    static QString close(Program& p) { return run_in_pad(p, "FormClose").message; }

    QString file() const { return home.filePath(QStringLiteral("tallyra_v1/obs")); }

    QTemporaryDir home;
    QByteArray saved;
};

} // namespace

TEST_F(Notes, AFirstRunMakesTheFolderAndShowsTheBasmala) {
    QString message;
    Program p = start(&message);
    EXPECT_EQ(message, QString());
    EXPECT_TRUE(QFileInfo(home.filePath(QStringLiteral("tallyra_v1"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(file()));
    EXPECT_EQ(notes_file(), file());
    EXPECT_EQ(p.notes.text, kBasmala);
}

TEST_F(Notes, NotesClosedComeBackInTheNextRun) {
    Program first = start();
    first.notes.text = q(u"ملاحظة أولى\nnote two\n\nبعد سطر فارغ");
    const Result r = run_in_pad(first, "FormClose");
    EXPECT_EQ(r.message, QString());
    EXPECT_EQ(r.close, P);
    EXPECT_FALSE(first.isShown(P));
    // The code page, lines ended by CR LF, no byte-order mark.
    EXPECT_EQ(file_bytes(file()),
              QByteArray("\xe3\xe1\xc7\xcd\xd9\xc9 \xc3\xe6\xe1\xec\r\nnote two\r\n"
                         "\r\n\xc8\xda\xcf \xd3\xd8\xd1 \xdd\xc7\xd1\xdb"));
    EXPECT_EQ(start().notes.text, first.notes.text);
    // Written at every close, changed or not.
    QFile::remove(file());
    EXPECT_EQ(close(first), QString());
    EXPECT_TRUE(QFileInfo::exists(file()));
}

TEST_F(Notes, ClearingAsksAndTheEmptyNotesStayEmpty) {
    Program p = start();
    // No: the notes stay.
    run_in_pad(p, "N5", {QString()});
    EXPECT_EQ(p.notes.text, kBasmala);
    EXPECT_EQ(find_command(P, N("N5"))->inputs.at(0).prompt,
              q(u"هل تريد فعلا مسح كل ما في الدفتر من معلومات ؟"));
    run_in_pad(p, "N5", {QStringLiteral("1")});
    EXPECT_EQ(p.notes.text, QString());
    // The file changes only as the pad closes.
    EXPECT_FALSE(QFileInfo::exists(file()));
    close(p);
    EXPECT_EQ(file_bytes(file()), QByteArray());
    EXPECT_EQ(start().notes.text, QString());

    // With nothing in the pad, its menu offers neither export nor clearing.
    open_menu(p, P, N("PopupMenu1"));
    EXPECT_FALSE(p.notes.items.enabled(N("N1")));
    EXPECT_FALSE(p.notes.items.enabled(N("N5")));
    p.notes.text = QStringLiteral("x");
    open_menu(p, P, N("PopupMenu1"));
    EXPECT_TRUE(p.notes.items.enabled(N("N1")));
    EXPECT_TRUE(p.notes.items.enabled(N("N5")));
}

TEST_F(Notes, TheExportAppendsDocAndProposesWhatItWrote) {
    Program p = start();
    p.notes.text = q(u"سطر\nline");
    const Input& name = find_command(P, N("N1"))->inputs.at(0);
    ASSERT_EQ(name.from, Input::From::SaveFile);
    EXPECT_EQ(name.filter, QString());
    EXPECT_EQ(name.proposal(p), QString());

    const QString chosen = home.filePath(QStringLiteral("notes"));
    EXPECT_EQ(run_in_pad(p, "N1", {chosen}).message, QString());
    EXPECT_EQ(file_bytes(chosen + QStringLiteral(".doc")), QByteArray("\xd3\xd8\xd1\r\nline"));
    EXPECT_EQ(name.proposal(p), chosen + QStringLiteral(".doc"));
    // Accepting the proposal writes under a second ".doc".
    run_in_pad(p, "N1", {name.proposal(p)});
    EXPECT_TRUE(QFileInfo::exists(chosen + QStringLiteral(".doc.doc")));
    // A cancelled dialog writes nothing and keeps the proposal.
    const QStringList before = QDir(home.path()).entryList(QDir::Files);
    run_in_pad(p, "N1", {QString()});
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), before);
    EXPECT_EQ(name.proposal(p), chosen + QStringLiteral(".doc.doc"));
    // A folder in the way: the message names the file, nothing is written.
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("taken.doc")));
    const QString message = run_in_pad(p, "N1", {home.filePath(QStringLiteral("taken"))}).message;
    EXPECT_TRUE(message.contains(QStringLiteral("taken.doc"))) << message.toStdString();
    EXPECT_TRUE(QFileInfo(home.filePath(QStringLiteral("taken.doc"))).isDir());
}

TEST_F(Notes, TheFileKeepsItsEncodingAndLosesNoCharacter) {
    Program first = start();
    // A character the code page lacks: the notes go out in UTF-8 with its
    // mark, and come back whole.
    first.notes.text = q(u"✓ ١٢ تم");
    close(first);
    EXPECT_EQ(file_bytes(file()), QByteArray("\xEF\xBB\xBF") + first.notes.text.toUtf8());
    Program second = start();
    EXPECT_EQ(second.notes.text, first.notes.text);
    EXPECT_EQ(second.notes.encoding, TextEncoding::Utf8);
    // A file written in UTF-16 is read and written back in UTF-16.
    ASSERT_TRUE(write_bytes(file(), QByteArray("\xFF\xFE\x28\x06\r\0\n\0\x62\0", 10)));
    Program third = start();
    EXPECT_EQ(third.notes.text, q(u"ب\nb"));
    third.notes.text += QStringLiteral("c");
    close(third);
    EXPECT_EQ(file_bytes(file()), QByteArray("\xFF\xFE\x28\x06\r\0\n\0\x62\0\x63\0", 12));
}

TEST_F(Notes, AnUnreadableFileIsKeptAsideNotWrittenOver) {
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("tallyra_v1")));
    // UTF-8 by its mark, then a byte that is no UTF-8.
    const QByteArray broken("\xEF\xBB\xBFgood \xFF bad");
    ASSERT_TRUE(write_bytes(file(), broken));
    QString message;
    Program p = start(&message);
    EXPECT_TRUE(message.contains(QStringLiteral("obs"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral(".unreadable")));
    EXPECT_EQ(p.notes.text, kBasmala);
    EXPECT_EQ(close(p), QString());
    EXPECT_EQ(file_bytes(file() + QStringLiteral(".unreadable")), broken);
    EXPECT_EQ(start().notes.text, kBasmala);
    // An earlier copy of that name stays too.
    ASSERT_TRUE(write_bytes(file(), broken + "2"));
    Program again = start();
    close(again);
    EXPECT_EQ(file_bytes(file() + QStringLiteral(".unreadable")), broken);
    EXPECT_EQ(file_bytes(file() + QStringLiteral(".unreadable.2")), broken + "2");
}

TEST_F(Notes, ALocationThatCannotBeWrittenSaysSoAndKeepsTheText) {
    // The data location is a file: no folder can be made in it.
    const QString blocked = home.filePath(QStringLiteral("blocked"));
    ASSERT_TRUE(write_bytes(blocked, "x"));
    qputenv("XDG_DATA_HOME", blocked.toLocal8Bit());
    QString message;
    Program p = start(&message);
    EXPECT_TRUE(message.startsWith(q(u"تعذر إنشاء مجلد الملاحظات ") +
                                   named(blocked + QStringLiteral("/tallyra_v1"))))
        << message.toStdString();
    EXPECT_EQ(p.notes.text, kBasmala);
    p.notes.text = QStringLiteral("kept");
    const Result closed = run_in_pad(p, "FormClose");
    EXPECT_FALSE(closed.message.isEmpty());
    EXPECT_EQ(closed.close, P);
    EXPECT_EQ(p.notes.text, QStringLiteral("kept"));
    EXPECT_EQ(file_bytes(blocked), QByteArray("x"));

    // A folder where the notes file should be cannot be read; it is kept
    // aside as an unreadable file is, and the notes take its place.
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    ASSERT_TRUE(QDir().mkpath(file()));
    Program q = start(&message);
    EXPECT_TRUE(message.contains(QStringLiteral("obs"))) << message.toStdString();
    q.notes.text = QStringLiteral("kept");
    EXPECT_EQ(close(q), QString());
    EXPECT_EQ(file_bytes(file()), QByteArray("kept"));
    EXPECT_TRUE(QFileInfo(file() + QStringLiteral(".unreadable")).isDir());
}
