// The main window's wiring: what it shows at start-up and after the table
// buttons, the keys, an ordering click, a row click and the go-to dialog.
#include "shell/program.h"
#include "table/tables.h"
#include "ui/dialogs.h"
#include "ui/goto_dialog.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/main_window.h"
#include "ui/marked_text_box.h"
#include "ui/window_style.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

using namespace tallyra;

namespace {

// Answers every question in advance and keeps the messages shown.
class ScriptedDialogs : public Dialogs {
public:
    QStringList messages;
    QStringList answers;
    QStringList asked; // «caption|prompt» of every input dialog shown

    void message(QWidget*, const QString& text) override { messages << text; }
    QString input(QWidget*, const QString& caption, const QString& prompt) override {
        asked << caption + u'|' + prompt;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    bool confirm(QWidget*, const QString&) override { return false; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString openFileName(QWidget*, const QString&) override { return {}; }
};

QString u(const char16_t* text) {
    return QString::fromUtf16(text);
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> program;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    int rows() const { return window->table()->model()->rowCount(); }
    QWidget* focused() const { return QApplication::focusWidget(); }

    QString cell(int row, int column) const {
        const QAbstractItemModel* m = window->table()->model();
        return m->data(m->index(row, column)).toString();
    }

    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* to = QApplication::focusWidget();
        QTest::keyClick(to ? to : window->table(), Qt::Key(k), mods);
    }

private slots:
    // Percentages are written with the locale's decimal point.
    // The window looks as the program sets it up.
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        apply_window_style();
        QVERIFY(install_arabic_translation());
    }

    void init() {
        program = std::make_unique<Program>();
        dialogs.messages.clear();
        dialogs.answers.clear();
        dialogs.asked.clear();
        window = std::make_unique<MainWindow>(*program, dialogs);
        // Every reset and every read of the table's model keeps Qt's contract.
        new QAbstractItemModelTester(window->tableModel(),
                                     QAbstractItemModelTester::FailureReportingMode::QtTest,
                                     window.get());
        window->resize(1400, 900);
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->table()->setFocus();
    }

    void cleanup() {
        window.reset();
        program.reset();
    }

    void startUp() {
        QCOMPARE(window->windowTitle(), u(u"Tallyra - الإصدار الأول"));
        QCOMPARE(window->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(window->table()->model()->rowCount(), 6236);
        QCOMPARE(window->table()->model()->headerData(4, Qt::Horizontal).toString(),
                 u(u"نص الآية الكريمة"));
        QVERIFY(window->table()->isColumnHidden(0));
        QVERIFY(window->table()->isColumnHidden(7));
        QCOMPARE(window->summary()->text(),
                 u(u"عدد الآيات 6236     مجموع الكلمات 86968      مجموع الحروف 322604"));
        QCOMPARE(window->display()->toPlainText(), u(u"بسم الله الرحمن الرحيم"));
        QCOMPARE(window->searchBox()->text(), kSearchPlaceholder);
        QVERIFY(!window->button(3)->isEnabled());
        for (int b : {1, 2, 4, 5})
            QVERIFY(window->button(b)->isEnabled());
        QCOMPARE(window->button(5)->text(), u(u"دمج واو العطف\nF2"));
        QVERIFY(window->orderingItem(0)->isChecked());
        QVERIFY(!window->orderingItem(5)->isVisibleTo(window.get()));
        QCOMPARE(window->orderingItem(1)->text(), u(u" بدايات الآيات"));
        QVERIFY(!window->action(QStringLiteral("N20"))->isEnabled());
        QVERIFY(!window->action(QStringLiteral("N86"))->isVisible());
        QVERIFY(window->action(QStringLiteral("N87"))->isChecked());
        QVERIFY(!window->gauge()->isVisible());
    }

    void wawKeyTwice() {
        key(Qt::Key_F2);
        QCOMPARE(window->button(5)->text(), u(u"فصل واو العطف\nF2"));
        QCOMPARE(cell(4, 4), u(u"اياك نعبد واياك نستعين"));
        QCOMPARE(cell(4, 5), u(u"4"));
        QVERIFY(window->summary()->text().contains(u(u"مجموع الكلمات 77433")));
        key(Qt::Key_F2);
        QCOMPARE(window->button(5)->text(), u(u"دمج واو العطف\nF2"));
        QCOMPARE(cell(4, 4), u(u"اياك نعبد و اياك نستعين"));
        QVERIFY(window->summary()->text().contains(u(u"مجموع الكلمات 86968")));
    }

    void surahTableThenVerseTable() {
        key(Qt::Key_F4);
        QCOMPARE(window->table()->model()->rowCount(), 114);
        QCOMPARE(cell(0, 3), u(u"007"));
        QVERIFY(window->table()->isColumnHidden(0));
        QVERIFY(window->table()->isColumnHidden(6));
        QVERIFY(!window->table()->isColumnHidden(5));
        QVERIFY(!window->button(2)->isEnabled());
        QVERIFY(!window->button(4)->isEnabled());
        QVERIFY(window->button(3)->isEnabled());
        QCOMPARE(window->orderingItem(1)->text(), u(u" إسم السورة"));
        QVERIFY(window->action(QStringLiteral("N20"))->isEnabled());
        QVERIFY(window->summary()->text().isEmpty());
        key(Qt::Key_F5); // no verse to go to in the surah table
        QVERIFY(!window->goToDialog()->isVisible());
        key(Qt::Key_F3);
        QCOMPARE(window->table()->model()->rowCount(), 6236);
        QCOMPARE(cell(0, 4), u(u"بسم الله الرحمن الرحيم"));
        QVERIFY(window->table()->isColumnHidden(0));
        QVERIFY(window->table()->isColumnHidden(7));
        QCOMPARE(window->table()->columnWidth(5), 91);
        QVERIFY(!window->action(QStringLiteral("N20"))->isEnabled());
        QVERIFY(!window->button(3)->isEnabled());
    }

    // A click on an ordering item's indicator, at its right end.
    void clickOrdering(int item) {
        QRadioButton* b = window->orderingItem(item);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() - 8, b->height() / 2));
    }

    void orderingClick() {
        // A width the user gave a column survives the re-ordering.
        window->table()->setColumnWidth(2, 150);
        clickOrdering(3);
        QCOMPARE(window->table()->columnWidth(2), 150);
        QVERIFY(window->orderingItem(3)->isChecked());
        QCOMPARE(cell(0, 0), u(u"8"));
        QCOMPARE(cell(0, 7), u(u"000"));
        QCOMPARE(cell(6235, 0), u(u"289"));
        QCOMPARE(window->display()->toPlainText(), u(u"الم"));
        QCOMPARE(window->table()->currentIndex().row(), 0);
        QVERIFY(!window->gauge()->isVisible());
        clickOrdering(0);
        QVERIFY(!window->gauge()->isVisible());
        QCOMPARE(cell(0, 0), u(u"1"));
    }

    void rowClickShowsTheVerseAndItsLetters() {
        QTableView* t = window->table();
        const QRect cellRect = t->visualRect(t->model()->index(4, 4));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, cellRect.center());
        QCOMPARE(t->currentIndex().row(), 4);
        QCOMPARE(window->display()->toPlainText(), u(u"اياك نعبد و اياك نستعين"));
        QListWidget* letters = window->letterList();
        QCOMPARE(letters->item(0)->text(), u(u"عدد الحروف 10"));
        QCOMPARE(letters->item(1)->text(), u(u"--------------"));

        // A click on the letter line of ا marks it and factorises its count.
        const int alif = letters->count() - 1;
        QCOMPARE(letters->item(alif)->text(), u(u"004 = ا"));
        QTest::mouseClick(letters->viewport(), Qt::LeftButton, {},
                          letters->visualItemRect(letters->item(alif)).center());
        QCOMPARE(window->summary()->text(), u(u"2.2  =  4             "));
        QCOMPARE(window->display()->marks().size(), 4u);
    }

    void windowKeysMoveTheFocus() {
        const QString before = window->searchBox()->text();
        key(Qt::Key_Plus);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window->searchBox()));
        QCOMPARE(window->searchBox()->selectedText(), before);
        QTest::keyClicks(window->searchBox(), QStringLiteral("+"));
        QCOMPARE(window->searchBox()->text(), before);
        key(Qt::Key_Asterisk);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window->display()));
        key(Qt::Key_Minus);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window->table()));
        // Ctrl+Shift+Enter and a shortcut whose menu is closed do nothing.
        key(Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier);
        key(Qt::Key_F9, Qt::AltModifier);
        QCOMPARE(window->table()->model()->rowCount(), 6236);
    }

    void goToDialog() {
        key(Qt::Key_F5);
        GoToDialog* d = window->goToDialog();
        QVERIFY(d->isVisible());
        QCOMPARE(d->surahList()->count(), 114);
        d->surahList()->setCurrentRow(1);
        QCOMPARE(d->verseList()->count(), 286);
        d->verseList()->setCurrentRow(254);
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(window->table()->currentIndex().row(), 261);
        QCOMPARE(window->display()->toPlainText(), cell(261, 4));

        // Reopened: choosing the same verse again is a choice again.
        key(Qt::Key_Minus);
        key(Qt::Key_Down);
        QCOMPARE(window->table()->currentIndex().row(), 262);
        key(Qt::Key_F5);
        QVERIFY(d->verseList()->selectedItems().isEmpty());
        d->verseList()->setCurrentRow(254);
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
        QCOMPARE(window->table()->currentIndex().row(), 261);

        // A verse the table does not list: the message, and the dialog stays.
        program->main.table.setRowCount(4);
        window->refresh();
        key(Qt::Key_F5);
        d->surahList()->setCurrentRow(1);
        d->verseList()->setCurrentRow(9);
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
        QCOMPARE(dialogs.messages, QStringList{u(u"لا يوجد هذه الآية في نتائج البحث")});
        QVERIFY(d->isVisible());
        d->hide();
    }

    void menuShortcutAndSummaryDoubleClick() {
        key(Qt::Key_F11, Qt::ControlModifier);
        QCOMPARE(window->letterList()->item(0)->text(), u(u"عدد الآيات   6236"));
        QCOMPARE(window->letterList()->count(), 4 + 1 + 28);
        QTest::mouseDClick(window->summary(), Qt::LeftButton);
        QVERIFY(window->summary()->text().isEmpty());
        key(Qt::Key_F4);
        QCOMPARE(window->letterList()->item(2)->text().size(), 8); // «0004 = ب»
    }

    void tableMenuFollowsTheRules() {
        QMenu* menu = window->menu(QStringLiteral("PopupMenu1"));
        QVERIFY(menu);
        QMetaObject::invokeMethod(menu, "aboutToShow");
        QVERIFY(!window->action(QStringLiteral("N79"))->isVisible());
        QVERIFY(window->action(QStringLiteral("N97"))->isVisible());
        QVERIFY(!window->action(QStringLiteral("N98"))->isVisible());
    }

    void searchFromTheBoxTheKeysAndTheButton() {
        QLineEdit* box = window->searchBox();
        box->setFocus();
        box->setText(u(u"الله"));
        key(Qt::Key_Return);
        QCOMPARE(rows(), 1746);
        QVERIFY(window->summary()->text().startsWith(u(u"عدد النتائج 2557    عدد الآيات 1746")));
        QVERIFY(!window->table()->isColumnHidden(7));
        QCOMPARE(cell(0, 7), u(u"1"));
        QVERIFY(window->orderingItem(5)->isVisibleTo(window.get()));
        QCOMPARE(window->orderingItem(5)->text(), u(u" التكرار"));
        QCOMPARE(window->display()->marks().size(), 1u);
        QCOMPARE(focused(), static_cast<QWidget*>(window->table()));

        // Ctrl+Enter searches the rows shown.
        box->setText(u(u"الرحمن"));
        key(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(rows(), 5);
        QCOMPARE(window->summary()->text(),
                 u(u"عدد النتائج 5    عدد الآيات 5    مجموع الكلمات 87    مجموع الحروف 314"));
        // The summary line's tooltip is its whole text.
        QCOMPARE(window->summary()->toolTip(), window->summary()->text());
        QVERIFY(window->orderingSelector()->isEnabled());
        QVERIFY(dialogs.messages.isEmpty());

        // Nothing to search: the message, and the search box has the focus.
        box->setText(kSearchPlaceholder);
        QTest::mouseClick(window->button(1), Qt::LeftButton);
        QCOMPARE(dialogs.messages, QStringList{u(u"أكتب نصا للبحث عنه")});
        QCOMPARE(focused(), static_cast<QWidget*>(box));
        QCOMPARE(rows(), 5);
    }

    void aWordSelectedInTheDisplayBoxBecomesTheSearchText() {
        QTextCursor cursor = window->display()->textCursor();
        cursor.setPosition(4);
        cursor.setPosition(8, QTextCursor::KeepAnchor);
        window->display()->setTextCursor(cursor);
        key(Qt::Key_Plus);
        QCOMPARE(window->searchBox()->text(), u(u"الله"));
        QCOMPARE(window->searchBox()->selectedText(), u(u"الله"));
    }

    void statisticsWithTheirDialogs() {
        // Both dialogs of the begins-and-ends command, in order.
        dialogs.answers = {u(u"قل"), u(u"احد")};
        key(Qt::Key_F8);
        QCOMPARE(dialogs.asked,
                 (QStringList{u(u"مربع الإدخال|أكتب العبارة التي تبحث عنها في بداية الآية"),
                              u(u"مربع الإدخال|أكتب العبارة التي تبحث عنها في نهاية الآية")}));
        QCOMPARE(rows(), 1);
        QCOMPARE(cell(0, 4), u(u"قل هو الله احد"));
        QCOMPARE(cell(0, 7), u(u"2"));
        // One row: nothing to order.
        QVERIFY(!window->orderingSelector()->isEnabled());

        // A cancelled first dialog still asks the second, then says why.
        dialogs.asked.clear();
        key(Qt::Key_F8);
        QCOMPARE(dialogs.asked.size(), 2);
        QCOMPARE(dialogs.messages, QStringList{u(u"أكتب البداية والنهاية للآية الكريمة")});

        // Digits of another script in the search box.
        dialogs.messages.clear();
        window->searchBox()->setText(u(u"١٢"));
        key(Qt::Key_F10);
        QCOMPARE(dialogs.messages, QStringList{u(u"هناك خطأ في كتابة الرقم")});
        QCOMPARE(focused(), static_cast<QWidget*>(window->searchBox()));
        QCOMPARE(window->searchBox()->selectedText(), u(u"١٢"));

        key(Qt::Key_F3);
        key(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(rows(), 6056);
        QVERIFY(!window->gauge()->isVisible());
    }

    void wordLookupSelectsAndUnderlines() {
        dialogs.answers = {u(u"2")};
        key(Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(dialogs.asked,
                 QStringList{u(u"الكلمة ذات الرقم|أدخل رقم الكلمة المراد البحث عنها")});
        QCOMPARE(window->summary()->text(),
                 u(u"الكلمة رقم 2=2   هي كلمة  'الله'   موقعها  % 36.84211"));
        QCOMPARE(window->display()->textCursor().selectedText(), u(u"الله"));
        const std::vector<Mark>& marks = window->display()->marks();
        QCOMPARE(marks.size(), 1u);
        QCOMPARE(marks[0].kind, MarkKind::BlueUnderline);
        QCOMPARE(window->display()->markColour(marks[0].kind), QColor(0, 0, 255));
        // Cancelled: nothing changes.
        key(Qt::Key_F1, Qt::ControlModifier);
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(window->display()->marks().size(), 1u);
    }

    void surahStatisticsInTheSurahTable() {
        key(Qt::Key_F4);
        window->searchBox()->setText(u(u"الم"));
        key(Qt::Key_F9, Qt::AltModifier);
        QCOMPARE(rows(), 10);
        QCOMPARE(cell(0, 1), u(u"002"));
        QVERIFY(!window->table()->isColumnHidden(6));
        QVERIFY(window->button(2)->isEnabled());
        QVERIFY(!window->button(4)->isEnabled());
        QVERIFY(window->summary()->text().endsWith(u(u"    مجموع التكرار 263")));
    }

    // The gauge shows while an ordering scans the rows, and hides after.
    void gaugeDuringAnOrdering() {
        Session& s = program->main;
        const std::function<void()> repaint = s.progress;
        int shown = 0;
        s.progress = [&] {
            repaint();
            shown += window->gauge()->isVisible() && window->gauge()->value() > 0;
        };
        clickOrdering(4);
        s.progress = repaint;
        QVERIFY(shown > 0);
        QVERIFY(!window->gauge()->isVisible());
        QCOMPARE(cell(0, 6), u(u"2")); // the fewest letters first
    }

    void displayContextMenuAndItsEditActions() {
        QMenu* menu = window->menu(QStringLiteral("PopupMenu4"));
        QVERIFY(menu);
        QMetaObject::invokeMethod(menu, "aboutToShow");
        QVERIFY(!window->action(QStringLiteral("N99"))->isVisible());
        QVERIFY(!window->action(QStringLiteral("N103"))->isVisible());
        QVERIFY(window->action(QStringLiteral("N105"))->isChecked());
        QVERIFY(window->action(QStringLiteral("Copy1"))->isVisible());
        QVERIFY(window->action(QStringLiteral("Copy1"))->text().endsWith(u(u"\tCtrl+C")));
        window->action(QStringLiteral("N100"))->trigger();
        QCOMPARE(window->display()->textCursor().selectedText(), u(u"بسم الله الرحمن الرحيم"));
        QVERIFY(window->summary()->text().startsWith(u(u"عدد الكلمات 4    عدد الحروف 19")));
        QGuiApplication::clipboard()->clear();
        window->action(QStringLiteral("Copy1"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), u(u"بسم الله الرحمن الرحيم"));
    }

    // Each resize of the table fits the text column once.
    void aResizeFitsTheTextColumnOnce() {
        QTest::qWait(0);
        const int before = window->textColumnFits();
        window->resize(1300, 850);
        QTest::qWait(0);
        QCOMPARE(window->textColumnFits() - before, 1);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
