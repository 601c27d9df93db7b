// The prime factorization window, the notes pad and the about window as the
// user meets them, offscreen, with every dialog answered in advance; the
// rules document and the calculator only recorded, never opened or started.
// Each test has a data location and a working folder of its own.
#include "auxiliary/notes.h"
#include "shell/program.h"
#include "ui/about_dialog.h"
#include "ui/dialogs.h"
#include "ui/factorization_dialog.h"
#include "ui/grid_view.h"
#include "ui/main_window.h"
#include "ui/notes_pad.h"
#include "ui/window_style.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <memory>

using namespace tallyra;

namespace {

class ScriptedDialogs : public Dialogs {
public:
    QStringList messages;
    QStringList saveAnswers;   // the file names the save dialogs give, in turn
    QStringList saveProposals; // the names they proposed
    bool yes = false;          // the answer to every Yes/No question
    QStringList opened, started;

    void message(QWidget*, const QString& text) override { messages << text; }
    QString input(QWidget*, const QString&, const QString&) override { return {}; }
    bool confirm(QWidget*, const QString&) override { return yes; }
    QString saveFileName(QWidget*, const QString&, const QString& proposal) override {
        saveProposals << proposal;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    QString openFileName(QWidget*, const QString&) override { return {}; }
    void openDocument(const QString& path) override { opened << path; }
    void startProgram(const QString& path) override { started << path; }
};

QString u(const char16_t* text) {
    return QString::fromUtf16(text);
}

const QString kWait = u(u"...إنتظر من فضلك");

} // namespace

class AuxWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home, work, bin;
    QString before;
    QByteArray path;
    std::unique_ptr<Program> program;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    // A run of the program, as the window program starts it.
    void start() {
        window.reset();
        program = std::make_unique<Program>();
        dialogs = ScriptedDialogs();
        window = std::make_unique<MainWindow>(*program, dialogs);
        window->resize(1400, 900);
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    FactorizationDialog* factorization() const {
        return static_cast<FactorizationDialog*>(window->window(WindowId::Factorization));
    }
    NotesPad* notes() const { return static_cast<NotesPad*>(window->window(WindowId::Notes)); }
    AboutDialog* about() const {
        return static_cast<AboutDialog*>(window->window(WindowId::About));
    }

    // Keys typed into the factorization window; waits for the answer of the
    // factorization the last one asks for.
    void type(const QString& keys) {
        QSignalSpy answered(factorization(), &FactorizationDialog::answered);
        QTest::keyClicks(factorization(), keys);
        if (program->factorization.running)
            QVERIFY(answered.wait(60000));
    }
    void press(Qt::Key key) {
        QSignalSpy answered(factorization(), &FactorizationDialog::answered);
        QTest::keyClick(factorization(), key);
        if (program->factorization.running)
            QVERIFY(answered.wait(60000));
    }

private slots:
    void initTestCase() { apply_window_style(); }

    void init() {
        home = std::make_unique<QTemporaryDir>();
        work = std::make_unique<QTemporaryDir>();
        bin = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", home->path().toLocal8Bit());
        before = QDir::currentPath();
        QDir::setCurrent(work->path());
        // A calculator of the test's own, which is never started.
        path = qgetenv("PATH");
        QFile calc(bin->filePath(QStringLiteral("galculator")));
        QVERIFY(calc.open(QIODevice::WriteOnly));
        calc.write("#!/bin/sh\nexit 1\n");
        calc.close();
        calc.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", bin->path().toLocal8Bit());
        start();
    }

    void cleanup() {
        window.reset();
        program.reset();
        QDir::setCurrent(before);
        qputenv("PATH", path);
    }

    void factorizationWindow() {
        QTest::keyClick(window->table(), Qt::Key_F12, Qt::ControlModifier);
        FactorizationDialog* f = factorization();
        QVERIFY(f->isVisible());
        QVERIFY(f->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(f->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(program->active(), WindowId::Factorization);
        QCOMPARE(f->cancelButton()->text(), u(u"إلغاء العملية (+)"));

        type(QStringLiteral("360"));
        QCOMPARE(f->numberBox()->text(), QStringLiteral("360"));
        QCOMPARE(f->resultLine()->text(), QStringLiteral("2.2.2.3.3.5"));
        QCOMPARE(f->resultLine()->toolTip(), QStringLiteral("2.2.2.3.3.5"));
        QCOMPARE(f->digitCountLine()->text(), u(u"03 عدد الأرقام "));
        QVERIFY(f->elapsedLine()->text().endsWith(u(u" الوقت المستغرق ")));
        // A letter and a blank change nothing; the number box takes no typing
        // of its own.
        QTest::keyClicks(f, QStringLiteral("a "));
        QCOMPARE(f->numberBox()->text(), QStringLiteral("360"));
        QVERIFY(f->numberBox()->isReadOnly());
        QCOMPARE(f->numberBox()->contextMenuPolicy(), Qt::NoContextMenu);

        press(Qt::Key_Backspace);
        QCOMPARE(f->resultLine()->text(), QStringLiteral("2.2.3.3"));
        press(Qt::Key_Backspace);
        press(Qt::Key_Backspace);
        for (QLabel* line : {f->resultLine(), f->digitCountLine(), f->elapsedLine()})
            QCOMPARE(line->text(), QString());
        QCOMPARE(f->numberBox()->text(), QString());

        // Nineteen digits and one more: the message, and the digit dropped.
        type(QStringLiteral("1234567890123456789"));
        QCOMPARE(f->resultLine()->text(), QStringLiteral("3.3.101.3541.3607.3803.27961"));
        QTest::keyClick(f, Qt::Key_0);
        QCOMPARE(dialogs.messages,
                 QStringList{u(u"هذا أقصى عدد من الأرقام يمكن معالجته في هذا البرنامج")});
        QCOMPARE(f->numberBox()->text(), QStringLiteral("1234567890123456789"));

        // Closed by Escape with a result shown: cancelled, all emptied.
        QTest::keyClick(f, Qt::Key_Escape);
        QVERIFY(!f->isVisible());
        QCOMPARE(program->active(), WindowId::Main);
        QCOMPARE(program->factorization.digits, QString());
    }

    void aLongFactorizationLeavesTheWindowAnswering() {
        QTest::keyClick(window->table(), Qt::Key_F12, Qt::ControlModifier);
        FactorizationDialog* f = factorization();
        // 2^62: a result far wider than the window, which keeps its width.
        type(QStringLiteral("4611686018427387904"));
        QCOMPARE(f->resultLine()->text().count(u'2'), 62);
        QVERIFY(f->resultLine()->minimumSizeHint().width() < f->width());
        QVERIFY(f->resultLine()->sizeHint().width() < f->width());
        f->cancelButton()->click();
        // The largest prime below 2^63: trial division takes seconds.
        QTest::keyClicks(f, QStringLiteral("9223372036854775783"));
        QCOMPARE(f->resultLine()->text(), kWait);
        QVERIFY(program->factorization.running);
        // The window answers at once: '+' cancels, and no answer comes.
        QSignalSpy answered(f, &FactorizationDialog::answered);
        QTest::keyClick(f, Qt::Key_Plus);
        QCOMPARE(f->numberBox()->text(), QString());
        QCOMPARE(f->resultLine()->text(), QString());
        // A new number is factorized at once, and is the only answer.
        type(QStringLiteral("97"));
        QCOMPARE(answered.count(), 1);
        QCOMPARE(f->resultLine()->text(), QStringLiteral("97"));
        // Closed by its button with a result: opened again, it is there.
        f->closeButton()->click();
        QVERIFY(!f->isVisible());
        window->runItem(QStringLiteral("N12"));
        QVERIFY(f->isVisible());
        QCOMPARE(f->resultLine()->text(), QStringLiteral("97"));
        // The cancel button empties the box and its lines.
        f->cancelButton()->click();
        QCOMPARE(f->numberBox()->text(), QString());
        QCOMPARE(f->digitCountLine()->text(), QString());
        f->close();
        QVERIFY(!program->isShown(WindowId::Factorization));
    }

    void notesPad() {
        // A first run made the folder; the pad shows the basmala.
        QVERIFY(QFileInfo(home->filePath(QStringLiteral("tallyra_v1"))).isDir());
        NotesPad* pad = notes();
        pad->open();
        QVERIFY(pad->isVisible());
        QCOMPARE(pad->windowTitle(), u(u"دفتر الملاحظات"));
        QCOMPARE(pad->box()->toPlainText(), u(u"بسم الله الرحمن الرحيم"));
        QCOMPARE(pad->box()->textCursor().position(), 0);
        QCOMPARE(pad->box()->layoutDirection(), Qt::RightToLeft);
        QTest::keyClicks(pad->box(), QStringLiteral("note "));
        QCOMPARE(pad->box()->toPlainText(), u(u"note بسم الله الرحمن الرحيم"));

        // The menu as laid out; the export through its own save dialog.
        QStringList captions;
        for (QAction* a : pad->menu()->actions())
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text().section(u'\t', 0, 0));
        QCOMPARE(captions,
                 (QStringList{u(u"نسخ"), u(u"قص"), u(u"لصق"), QStringLiteral("-"), u(u"تحديد الكل"),
                              u(u"التراجع عن آخر عملية"), QStringLiteral("-"),
                              u(u"تصدير إلى ملف وورد"), u(u"مسح ما في الدفتر كله")}));
        const QString chosen = work->filePath(QStringLiteral("notes"));
        dialogs.saveAnswers = QStringList{chosen, chosen + QStringLiteral(".doc")};
        emit pad->menu()->aboutToShow();
        QVERIFY(pad->action(QStringLiteral("N1"))->isEnabled());
        QVERIFY(!pad->action(QStringLiteral("Copy"))->isEnabled());
        pad->action(QStringLiteral("N1"))->trigger();
        pad->action(QStringLiteral("N1"))->trigger();
        QCOMPARE(dialogs.saveProposals, (QStringList{QString(), chosen + QStringLiteral(".doc")}));
        QVERIFY(QFileInfo::exists(chosen + QStringLiteral(".doc")));
        QVERIFY(QFileInfo::exists(chosen + QStringLiteral(".doc.doc")));

        // The edit actions are the box's own.
        pad->action(QStringLiteral("SelectAll"))->trigger();
        emit pad->menu()->aboutToShow();
        QVERIFY(pad->action(QStringLiteral("Copy"))->isEnabled());

        // Closed, the notes come back in the next run.
        pad->close();
        QVERIFY(!pad->isVisible());
        QVERIFY(!program->isShown(WindowId::Notes));
        start();
        QCOMPARE(notes()->box()->toPlainText(), u(u"note بسم الله الرحمن الرحيم"));

        // Cleared (No keeps them, Yes clears) and closed: empty next time.
        notes()->open();
        dialogs.yes = false;
        notes()->action(QStringLiteral("N5"))->trigger();
        QCOMPARE(notes()->box()->toPlainText(), u(u"note بسم الله الرحمن الرحيم"));
        dialogs.yes = true;
        notes()->action(QStringLiteral("N5"))->trigger();
        QCOMPARE(notes()->box()->toPlainText(), QString());
        // The clearing is one edit the undo action takes back.
        notes()->action(QStringLiteral("Undo"))->trigger();
        QCOMPARE(notes()->box()->toPlainText(), u(u"note بسم الله الرحمن الرحيم"));
        dialogs.yes = true;
        notes()->action(QStringLiteral("N5"))->trigger();
        emit notes()->menu()->aboutToShow();
        QVERIFY(!notes()->action(QStringLiteral("N1"))->isEnabled());
        QVERIFY(!notes()->action(QStringLiteral("N5"))->isEnabled());
        QTest::keyClick(notes()->box(), Qt::Key_Escape);
        QVERIFY(!notes()->isVisible());
        QCOMPARE(QFileInfo(notes_file()).size(), 0);
        start();
        QCOMPARE(notes()->box()->toPlainText(), QString());
    }

    void aNotesLocationThatCannotBeWritten() {
        // The data location is a file: the message is shown once the
        // program runs; the pad keeps its text when it closes.
        const QString blocked = home->filePath(QStringLiteral("blocked"));
        QFile f(blocked);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        qputenv("XDG_DATA_HOME", blocked.toLocal8Bit());
        start();
        QTRY_COMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].contains(blocked));
        notes()->open();
        QTest::keyClicks(notes()->box(), QStringLiteral("kept "));
        notes()->close();
        QCOMPARE(dialogs.messages.size(), 2);
        QVERIFY(program->notes.text.startsWith(QStringLiteral("kept ")));
        notes()->open();
        QVERIFY(notes()->box()->toPlainText().startsWith(QStringLiteral("kept ")));
    }

    void aboutWindow() {
        QTest::keyClick(window->table(), Qt::Key_F1);
        AboutDialog* a = about();
        QVERIFY(a->isVisible());
        QCOMPARE(a->windowTitle(), u(u"حول البرنامج - الإصدار الأول"));
        QVERIFY(a->windowState() & Qt::WindowMaximized);
        QCOMPARE(a->title()->text(), QStringLiteral("Tallyra"));
        QVERIFY(!a->emblem()->pixmap().isNull());
        QVERIFY(a->emblem()->pixmap().height() <= 222 * a->emblem()->pixmap().devicePixelRatio());
        QVERIFY(a->credits()->isReadOnly());
        QVERIFY(a->credits()->toPlainText().contains(QStringLiteral("tanzil.net")));
        QCOMPARE(a->credits()->textCursor().position(), 2);
        QTest::keyClick(a, Qt::Key_Escape);
        QVERIFY(!a->isVisible());
        QCOMPARE(program->active(), WindowId::Main);
    }

    void rulesDocumentAndCalculator() {
        QTest::keyClick(window->table(), Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(dialogs.opened, QStringList{work->filePath(QStringLiteral("Ihsaa.pdf"))});
        QVERIFY(QFileInfo(work->filePath(QStringLiteral("Ihsaa.pdf"))).size() > 1000);
        QVERIFY(dialogs.messages.isEmpty());

        QVERIFY(window->action(QStringLiteral("N44"))->isVisible());
        QTest::keyClick(window->table(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(dialogs.started, QStringList{bin->filePath(QStringLiteral("galculator"))});

        // Without a calculator on PATH the item is hidden, and its key does
        // nothing.
        qputenv("PATH", work->path().toLocal8Bit());
        start();
        QVERIFY(!window->action(QStringLiteral("N44"))->isVisible());
        QTest::keyClick(window->table(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(dialogs.started.isEmpty());
    }
};

QTEST_MAIN(AuxWindowTest)
#include "aux_window_test.moc"
