// The main window's wiring: what it shows at start-up and after the table
// buttons, the keys, an ordering click, a row click and the go-to dialog.
#include "search/phrase_list.h"
#include "shell/program.h"
#include "table/tables.h"
#include "ui/dialogs.h"
#include "ui/distribution_chart.h"
#include "ui/goto_dialog.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/main_window.h"
#include "ui/marked_text_box.h"
#include "ui/phrase_list_dialog.h"
#include "ui/registry_menu.h"
#include "ui/surah_chooser.h"
#include "ui/verse_chooser.h"
#include "ui/window_style.h"
#include "ui/word_sort_dialog.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QStyleOptionGroupBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "ui/colours.h"
#include "ui/fonts.h"

using namespace tallyra;

namespace {

// Answers every question in advance and keeps the messages shown.
class ScriptedDialogs : public Dialogs {
public:
    QStringList messages;
    QStringList answers;
    QStringList asked; // «caption|prompt» of every input dialog shown
    QStringList files; // the names the file dialogs give, in order

    void message(QWidget*, const QString& text) override { messages << text; }
    QString input(QWidget*, const QString& caption, const QString& prompt) override {
        asked << caption + u'|' + prompt;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    bool confirm(QWidget*, const QString&) override { return false; }
    // The names the save dialogs answer, in order (none left: cancelled),
    // and the filter and the name each one proposed.
    QStringList saveNames;
    QStringList saveAsked; // «filter|proposal»
    QString saveFileName(QWidget*, const QString& filter, const QString& proposal) override {
        saveAsked << filter + u'|' + proposal;
        if (!saveNames.isEmpty())
            return saveNames.takeFirst();
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QString openFileName(QWidget*, const QString&) override {
        return files.isEmpty() ? QString() : files.takeFirst();
    }
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
        dialogs.saveNames.clear();
        dialogs.saveAsked.clear();
        dialogs.files.clear();
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

    // The view's selection and the table's are one at every step, and the
    // row shown is always among the rows selected.
    void theSelectionIsTheTablesAtEveryStep() {
        GridView* t = window->table();
        const Grid& g = program->main.table;
        const auto same = [&](const char* step) {
            QCoreApplication::processEvents();
            const auto [top, bottom] = t->selectedRange();
            const int current = t->currentIndex().row();
            QVERIFY2(top + 1 == g.selectionTop() && bottom + 1 == g.selectionBottom(), step);
            QVERIFY2(current + 1 == g.currentRow(), step);
            QVERIFY2(top <= current && current <= bottom, step);
            QVERIFY2(int(t->selectionModel()->selectedRows().size()) == bottom - top + 1, step);
            QVERIFY2(window->display()->content() == cell(current, 4), step);
        };
        const struct {
            const char* step;
            int key;
            Qt::KeyboardModifiers mods;
        } keys[] = {
            {"Down", Qt::Key_Down, Qt::NoModifier},
            {"Ctrl+Down", Qt::Key_Down, Qt::ControlModifier},
            {"Ctrl+Down again", Qt::Key_Down, Qt::ControlModifier},
            {"Shift+Down", Qt::Key_Down, Qt::ShiftModifier},
            {"Shift+Down again", Qt::Key_Down, Qt::ShiftModifier},
            {"Ctrl+Space", Qt::Key_Space, Qt::ControlModifier},
            {"Ctrl+Up", Qt::Key_Up, Qt::ControlModifier},
            {"Ctrl+End", Qt::Key_End, Qt::ControlModifier},
            {"Shift+Up", Qt::Key_Up, Qt::ShiftModifier},
            {"Ctrl+Home", Qt::Key_Home, Qt::ControlModifier},
            {"Shift+PageDown", Qt::Key_PageDown, Qt::ShiftModifier},
            {"Ctrl+PageDown", Qt::Key_PageDown, Qt::ControlModifier},
        };
        for (const auto& k : keys) {
            QTest::keyClick(t, Qt::Key(k.key), k.mods);
            same(k.step);
        }
        QCOMPARE(g.selectionBottom(), g.currentRow());

        // A click with Ctrl held on another row, then Shift on a third.
        for (const auto& [row, mods] :
             {std::pair{5, Qt::ControlModifier}, std::pair{9, Qt::ShiftModifier}}) {
            const QRect r = t->visualRect(t->model()->index(row, 4));
            QTest::mouseClick(t->viewport(), Qt::LeftButton, mods, r.center());
            same(mods == Qt::ControlModifier ? "Ctrl+click" : "Shift+click");
        }

        // Ctrl+C copies the rows selected, the one shown among them.
        QTest::keyClick(t, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(t, Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(t, Qt::Key_Down, Qt::ShiftModifier);
        same("before the copy");
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lines.size(), 4); // header, two rows, and the end of the last line
        QCOMPARE(lines[0].split(u'\t').value(3), u(u"نص الآية الكريمة"));
        QCOMPARE(lines[1], u(u"2\t001-الفاتحة\t2\tالحمد لله رب العلمين\t4\t17"));
        QVERIFY(lines[2].startsWith(u(u"3\t001-الفاتحة\t3\t")));
    }

    // The columns of either table share the width the view gives them; in
    // the verse table the text column takes the rest.
    void theColumnsFillTheWidth() {
        GridView* t = window->table();
        const auto filled = [&] {
            int sum = 0;
            for (int c = 0; c < t->model()->columnCount(); ++c)
                if (!t->isColumnHidden(c))
                    sum += t->columnWidth(c);
            return sum;
        };
        QVERIFY(std::abs(filled() - t->viewport()->width()) <= 2);
        key(Qt::Key_F4);
        QVERIFY(std::abs(filled() - t->viewport()->width()) <= 2);
        // Each keeps at least the width the table asks of it.
        QVERIFY(t->columnWidth(4) >= 90);
        window->resize(1100, 800);
        QTest::qWait(0);
        QVERIFY(std::abs(filled() - t->viewport()->width()) <= 2);
        key(Qt::Key_F3);
        QVERIFY(std::abs(filled() - t->viewport()->width()) <= 2);
        QCOMPARE(t->columnWidth(5), 91);
    }

    // A verse its column cuts off shows whole in its tooltip.
    void aCutOffVerseShowsWholeInItsTooltip() {
        GridView* t = window->table();
        const QModelIndex longVerse = t->model()->index(288, 4); // 2:282
        const QModelIndex shortVerse = t->model()->index(0, 4);
        QCOMPARE(t->cellToolTip(longVerse), cell(288, 4));
        QVERIFY(t->cellToolTip(shortVerse).isEmpty());
    }

    // At the smallest size a long summary line neither widens the window nor
    // loses its text: it shows elided, whole in the tooltip.
    void aLongSummaryLineKeepsTheWindowsWidth() {
        const int narrowest = window->minimumSizeHint().width();
        QVERIFY(narrowest <= 960);
        window->resize(narrowest, 700);
        QTest::qWait(0);
        key(Qt::Key_F4);
        window->searchBox()->setText(u(u"الم"));
        key(Qt::Key_F9, Qt::AltModifier);
        QTest::qWait(0);
        QCOMPARE(window->width(), narrowest);
        QVERIFY(window->summary()->text().endsWith(u(u"    مجموع التكرار 263")));
        // A line longer than the window is wide.
        const QString whole = window->summary()->text().repeated(3);
        program->main.label = whole;
        window->refresh();
        QTest::qWait(0);
        QCOMPARE(window->width(), narrowest);
        QCOMPARE(window->minimumSizeHint().width(), narrowest);
        QCOMPARE(window->summary()->text(), whole);
        QCOMPARE(window->summary()->toolTip(), whole);
        // The beginning shows, then an ellipsis.
        const QString shown = window->shownSummary();
        QVERIFY(shown.size() < whole.size());
        QVERIFY(shown.startsWith(whole.left(20)));
        QVERIFY(shown.endsWith(QChar(0x2026)) || shown.endsWith(u(u"...")));
        QVERIFY(window->summary()->fontMetrics().horizontalAdvance(window->shownSummary()) <=
                window->summary()->width());
    }

    // The window is usable down to 1024 x 700, and at the size a scale factor
    // of 2 leaves of a 1920 x 1080 screen (960 x 540, less a title bar):
    // every pane shows, the table several rows; the table takes the height
    // the window gains.
    void theLayoutFitsSmallScreens() {
        GridView* t = window->table();
        const int row = t->verticalHeader()->defaultSectionSize();
        for (const QSize size : {QSize(1024, 700), QSize(960, 520)}) {
            window->resize(size);
            QTest::qWait(0);
            QCOMPARE(window->size(), size);
            QVERIFY(window->minimumSizeHint().width() <= size.width());
            QVERIFY(window->minimumSizeHint().height() <= size.height());
            QVERIFY2(t->viewport()->height() >= 3 * row, qPrintable(QString::number(size.width())));
            QVERIFY(window->display()->viewport()->height() >=
                    window->display()->fontMetrics().lineSpacing());
            QVERIFY(window->letterList()->viewport()->height() >=
                    2 * window->letterList()->gridSize().height());
            const QRect inside = window->centralWidget()->rect();
            for (QWidget* w : {static_cast<QWidget*>(t), static_cast<QWidget*>(window->display()),
                               static_cast<QWidget*>(window->letterList()),
                               static_cast<QWidget*>(window->orderingSelector())})
                QVERIFY(inside.contains(
                    QRect(w->mapTo(window->centralWidget(), QPoint(0, 0)), w->size())));
            for (QPushButton* b : {window->button(1), window->button(4)})
                QVERIFY(b->width() >=
                        b->fontMetrics().horizontalAdvance(b->text().section(u'\n', 0, 0)));
        }
        // Three panes the user may drag, none of which collapses.
        QCOMPARE(window->panes()->count(), 3);
        QVERIFY(!window->panes()->childrenCollapsible());
        window->resize(1400, 1000);
        QTest::qWait(0);
        const int display = window->display()->height();
        const int table = t->height();
        window->resize(1400, 1100);
        QTest::qWait(0);
        QCOMPARE(window->display()->height(), display);
        QCOMPARE(t->height(), table + 100);
    }

    // The search button's two-line tooltip shows on two lines.
    void twoLineTooltipsShowOnTwoLines() {
        const QString tip = window->button(1)->toolTip();
        QVERIFY(!tip.contains(u'\r'));
        QCOMPARE(tip.split(u'\n'),
                 (QStringList{u(u"للبحث في الآيات الموجودة في الجدول   Ctrl+Enter"),
                              u(u"للبحث المستقل أي المطابق إضغط بزر الفأرة الأيمن وأشّر على "
                                u"المطابق")}));
    }

    // The go-to dialog from the keyboard: the surah list has the focus,
    // «002» or the arrows choose, a list entered by Tab chooses nothing; the
    // remembered choices are those of last time.
    void goToDialogByKeyboard() {
        GoToDialog* d = window->goToDialog();
        // The window manager activates the dialog, and the main window again
        // once it closes.
        const auto open = [&] {
            key(Qt::Key_F5);
            QApplication::setActiveWindow(d);
        };
        open();
        QVERIFY(d->isVisible());
        QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->surahList()));
        QTest::keyClicks(d->surahList(), QStringLiteral("002"));
        QCOMPARE(program->goTo.a, 1);
        QCOMPARE(d->verseList()->count(), 286);
        QTest::keyClick(d->surahList(), Qt::Key_Tab);
        QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->verseList()));
        QVERIFY(d->verseList()->selectedItems().isEmpty());
        QTest::keyClicks(d->verseList(), QStringLiteral("255"));
        QCOMPARE(program->goTo.b, 254);
        // Back to the surah list and one surah down: its verses, and the verse
        // index stays until a verse is chosen; Tab chooses none.
        QTest::keyClick(d->verseList(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(program->goTo.a, 1);
        QTest::keyClick(d->surahList(), Qt::Key_Down);
        QCOMPARE(program->goTo.a, 2);
        QCOMPARE(d->verseList()->count(), 200);
        QTest::keyClick(d->surahList(), Qt::Key_Tab);
        QCOMPARE(program->goTo.b, 254);
        // Space chooses the entry the focus stands on, the first.
        QTest::keyClick(d->verseList(), Qt::Key_Space);
        QCOMPARE(program->goTo.b, 0);
        QTest::keyClick(d->verseList(), Qt::Key_Return);
        QVERIFY(!d->isVisible());
        QApplication::setActiveWindow(window.get());
        QCOMPARE(cell(window->table()->currentIndex().row(), 2), u(u"003-آل عمران"));
        QCOMPARE(cell(window->table()->currentIndex().row(), 3), u(u"1"));

        // Reopened, OK at once goes to the surah chosen last.
        key(Qt::Key_Minus);
        key(Qt::Key_Home, Qt::ControlModifier);
        open();
        QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->surahList()));
        QTest::keyClick(d->surahList(), Qt::Key_Return);
        QVERIFY(!d->isVisible());
        QApplication::setActiveWindow(window.get());
        QCOMPARE(cell(window->table()->currentIndex().row(), 2), u(u"003-آل عمران"));

        // After a failed jump, OK at once aims at the same verse again.
        window->searchBox()->setText(u(u"الرحمن"));
        key(Qt::Key_Return);
        open();
        // What was typed in a list a moment ago no longer counts.
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        QTest::keyClicks(d->surahList(), QStringLiteral("002"));
        QTest::keyClick(d->surahList(), Qt::Key_Tab);
        QTest::keyClicks(d->verseList(), QStringLiteral("255"));
        QTest::keyClick(d->verseList(), Qt::Key_Return);
        QVERIFY(d->isVisible());
        d->reject();
        QApplication::setActiveWindow(window.get());
        open();
        QTest::keyClick(d->surahList(), Qt::Key_Return);
        QCOMPARE(dialogs.messages, QStringList(2, u(u"لا يوجد هذه الآية في نتائج البحث")));
        QCOMPARE(program->goTo.g, 8 + 254);
        d->reject();
    }

    // A jump moves the row to the middle of the view, not to its edge.
    void aJumpShowsTheRowInTheMiddle() {
        GridView* t = window->table();
        key(Qt::Key_F5);
        GoToDialog* d = window->goToDialog();
        d->surahList()->setCurrentRow(1);
        d->verseList()->setCurrentRow(254);
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
        const QRect r = t->visualRect(t->currentIndex());
        QVERIFY(std::abs(r.center().y() - t->viewport()->height() / 2) <= r.height());
    }

    // The ordering selector's caption stands in its frame's top edge, on the
    // reading side.
    void theOrderingCaptionIsTheFramesTitle() {
        QGroupBox* box = window->orderingSelector();
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, box);
        const QRect frame = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxFrame, box);
        QVERIFY(label.top() < frame.top() && frame.top() < label.bottom());
        QVERIFY(label.center().x() > box->width() / 2);
    }

    // Headers, menus, buttons and dialogs share one interface font, of the
    // size of the Arabic text beside them.
    void oneInterfaceFont() {
        const int size = interface_font().pixelSize();
        QVERIFY(size >= 16);
        QCOMPARE(window->table()->horizontalHeader()->font().pixelSize(), size);
        QCOMPARE(window->menu(QStringLiteral("N8"))->font().pixelSize(), size);
        QCOMPARE(window->menuBar()->font().pixelSize(), size);
        QCOMPARE(window->button(1)->font().pixelSize(), size);
        QVERIFY(window->goToDialog()->okButton()->font().pixelSize() >= size);
    }

    // The dialogs speak Arabic, right to left, in the Arabic font, and a
    // message box carries the program's title, whole.
    void dialogsSpeakArabic() {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") == u(u"Cancel"), false);
        const auto message = message_box(window.get(), u(u"أكتب نصا للبحث عنه"));
        QCOMPARE(message->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(message->windowTitle(), QApplication::applicationDisplayName());
        QCOMPARE(message->button(QMessageBox::Ok)->text(), u(u"موافق"));
        const QLabel* text = message->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(text && text->font().families().startsWith(arabic_families().first()));
        message->show();
        QVERIFY(message->width() >=
                message->fontMetrics().horizontalAdvance(message->windowTitle()) + 100);
        message->hide();
        const auto question = question_box(window.get(), u(u"؟"));
        QCOMPARE(question->button(QMessageBox::Yes)->text(), u(u"نعم"));
        QCOMPARE(question->button(QMessageBox::No)->text(), u(u"لا"));
        const auto input = input_dialog(window.get(), u(u"مربع الإدخال"), u(u"أكتب"));
        QCOMPARE(input->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(input->okButtonText(), u(u"موافق"));
        QCOMPARE(input->cancelButtonText(), u(u"إلغاء"));
        for (QWidget* part : {static_cast<QWidget*>(input->findChild<QLabel*>()),
                              static_cast<QWidget*>(input->findChild<QLineEdit*>())}) {
            QVERIFY(part);
            QVERIFY(part->font().families().startsWith(arabic_families().first()));
            QVERIFY(part->font().pixelSize() >= 18);
        }
        // Each button is wide enough for its text.
        input->show();
        for (QPushButton* b : input->findChildren<QPushButton*>())
            QVERIFY(b->width() >=
                    b->fontMetrics().horizontalAdvance(b->text()) + b->iconSize().width());
        input->hide();
    }

    // Every window carries the program's icon.
    void everyWindowHasTheIcon() {
        QVERIFY(!QApplication::windowIcon().isNull());
        QVERIFY(!window->windowIcon().availableSizes().isEmpty());
        QVERIFY(!window->goToDialog()->windowIcon().availableSizes().isEmpty());
    }

    // Alt alone opens the way to the menu bar; the menus show their keys.
    void theMenuBarFromTheKeyboard() {
        QWidget* t = window->table();
        QKeyEvent overrideAlt(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
        QApplication::sendEvent(t, &overrideAlt);
        QTest::keyPress(t, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Alt);
        QVERIFY(window->menuBar()->hasFocus());
        QVERIFY(window->menuBar()->activeAction());
        QTest::keyClick(window->menuBar(), Qt::Key_Escape);
        QVERIFY(window->action(QStringLiteral("N1"))->text().endsWith(u(u"\tF6")));
        QVERIFY(window->action(QStringLiteral("N24"))->text().endsWith(u(u"\tAlt+F9")));
    }

    // The search modes that are on show beside the search box.
    void theSearchModesShowBesideTheSearchBox() {
        for (const char* item : {"N104", "N88"}) {
            const QString name = QString::fromLatin1(item);
            QLabel* indicator = window->modeIndicator(name);
            QVERIFY(indicator);
            QVERIFY(!indicator->isVisible());
            window->runItem(name);
            QVERIFY(indicator->isVisible());
            QVERIFY(window->action(name)->isChecked());
            window->runItem(name);
            QVERIFY(!indicator->isVisible());
        }
    }

    // Coloured texts keep their contrast on a light and on a dark palette.
    void colouredTextsStayReadable() {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x2a, 0x2e, 0x32));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x21, 0x24));
        dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Highlight, QColor(0x1d, 0x54, 0x8a));
        const QPalette light = QApplication::palette();
        QCOMPARE(window->summary()->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(window->display()->markColour(MarkKind::Red), QColor(255, 0, 0));
        for (const QPalette& p : {light, dark}) {
            QApplication::setPalette(p);
            QCoreApplication::processEvents();
            const auto ratio = [](const QWidget* w) {
                return contrast_ratio(w->palette().color(w->foregroundRole()),
                                      w->palette().color(w->backgroundRole()));
            };
            QVERIFY(ratio(window->summary()) >= kTextContrast);
            for (const char* item : {"N104", "N88"})
                QVERIFY(ratio(window->modeIndicator(QString::fromLatin1(item))) >= kTextContrast);
            const QColor base = window->display()->palette().color(QPalette::Base);
            for (MarkKind kind : {MarkKind::Red, MarkKind::BlueUnderline})
                QVERIFY(contrast_ratio(window->display()->markColour(kind), base) >=
                        kLargeTextContrast);
        }
        QApplication::setPalette(light);
    }

    // A menu item of a secondary window's context menu, chosen after the
    // menu opened with its rule.
    static void choose(RegistryMenu* menu, const char* item) {
        QMetaObject::invokeMethod(menu->menu(), "aboutToShow");
        QAction* a = menu->action(QString::fromLatin1(item));
        QVERIFY(a && a->isVisible() && a->isEnabled());
        a->trigger();
    }

    // The window manager activates a dialog once it shows, and the main
    // window again once it closes.
    void activate(QWidget* w) { QApplication::setActiveWindow(w); }
    void close(QDialog* d) {
        d->reject();
        activate(window.get());
    }

    static QString wordAt(const WordSortDialog* d, int row) {
        const QAbstractItemModel* m = d->table()->model();
        return m->data(m->index(row, 2)).toString();
    }

    // F11 opens the word window over the verse table; an ordering, a row
    // shown, the menu's rules, Enter, and the main window waiting meanwhile.
    void wordSortWindow() {
        key(Qt::Key_F11);
        WordSortDialog* d = window->wordSortDialog();
        QVERIFY(d->isVisible());
        activate(d);
        QCOMPARE(d->windowTitle(), u(u"فرز كلمات كل القرآن الكريم"));
        QCOMPARE(d->table()->model()->rowCount(), 13142);
        QVERIFY(d->table()->isColumnHidden(0));
        QCOMPARE(d->summary()->text(), u(u"الكلمات 86968    النوع 13142    الحروف 322604"));
        QCOMPARE(d->display()->content(), u(u"بسم"));
        QVERIFY(d->orderingItem(0)->isChecked());
        QVERIFY(d->orderingSelector()->isEnabled());
        QVERIFY(d->exportButton()->isEnabled());
        QCOMPARE(focused(), static_cast<QWidget*>(d->table()));
        // The main window waits: its keys do nothing.
        QTest::keyClick(window->table(), Qt::Key_F4);
        QCOMPARE(rows(), 6236);

        QRadioButton* byEnd = d->orderingItem(2);
        QTest::mouseClick(byEnd, Qt::LeftButton, {},
                          QPoint(byEnd->width() - 8, byEnd->height() / 2));
        QVERIFY(byEnd->isChecked());
        QCOMPARE(wordAt(d, 0), u(u"با"));
        QCOMPARE(d->display()->content(), u(u"با"));
        QCOMPARE(d->letterList()->item(0)->text(), u(u"عدد الحروف 2"));
        QCOMPARE(d->gauge()->value(), 0);

        GridView* t = d->table();
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {},
                          t->visualRect(t->model()->index(3, 2)).center());
        QCOMPARE(d->display()->content(), wordAt(d, 3));
        QMetaObject::invokeMethod(d->tableMenu()->menu(), "aboutToShow");
        for (const char* item : {"N1", "N18", "N19", "N21", "N3", "N17", "N20"})
            QVERIFY2(d->tableMenu()->action(QString::fromLatin1(item))->isVisible(), item);

        // Enter hands the word shown to the search box and the phrase list.
        QTest::keyClick(t, Qt::Key_Return);
        QCOMPARE(window->searchBox()->text(), wordAt(d, 3));
        QCOMPARE(program->phraseList.phrases, QStringList{wordAt(d, 3)});
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {},
                           t->visualRect(t->model()->index(3, 2)).center());
        QCOMPARE(dialogs.messages, QStringList{u(u"هذه العبارة سبق وأن أضيفت")});

        // Escape closes it, and the main window takes its keys again.
        QTest::keyClick(t, Qt::Key_Escape);
        QVERIFY(!d->isVisible());
        QCOMPARE(program->active(), WindowId::Main);
        activate(window.get());
        key(Qt::Key_F4);
        QCOMPARE(rows(), 114);
    }

    // The word table's filters and deletion from its menu, with their
    // dialogs, and its export through the save dialog.
    void wordTableFiltersAndExport() {
        key(Qt::Key_F11);
        WordSortDialog* d = window->wordSortDialog();
        activate(d);
        const auto trigger = [&](const char* item) {
            QMetaObject::invokeMethod(d->tableMenu()->menu(), "aboutToShow");
            QAction* a = d->tableMenu()->action(QString::fromLatin1(item));
            QVERIFY2(a && a->isVisible() && a->isEnabled(), item);
            a->trigger();
        };
        // Bounds given the wrong way round: the exclusion keeps every word.
        dialogs.answers = {u(u"5"), u(u"3")};
        trigger("N10");
        QCOMPARE(dialogs.asked, (QStringList{u(u"مربع الإدخال|: عدد حروف الكلمة أكبر من أو يساوي"),
                                             u(u"مربع الإدخال|: وأصغر من أو يساوي ")}));
        QCOMPARE(d->table()->model()->rowCount(), 13142);
        // Words of two letters, then a bound that is no number: its message.
        dialogs.answers = {u(u"2"), u(u"2")};
        trigger("N13");
        const int two = d->table()->model()->rowCount();
        QVERIFY(two > 10 && two < 13142);
        QCOMPARE(d->display()->content().size(), 2);
        dialogs.answers = {u(u"x"), u(u"2")};
        trigger("N14");
        QCOMPARE(dialogs.messages, QStringList{u(u"يجب عليك كتابة حدي الحصر لتكرار الكلمة")});
        QCOMPARE(d->table()->model()->rowCount(), two);
        // Rows 3 to 5 selected and deleted: row 2 is current.
        GridView* t = d->table();
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {},
                          t->visualRect(t->model()->index(2, 2)).center());
        QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          t->visualRect(t->model()->index(4, 2)).center());
        trigger("N21");
        QCOMPARE(t->model()->rowCount(), two - 3);
        QCOMPARE(t->currentIndex().row(), 1);
        QCOMPARE(d->display()->content(), wordAt(d, 1));

        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("words"));
        dialogs.saveNames << name;
        QTest::mouseClick(d->exportButton(), Qt::LeftButton);
        QFile file(name + QStringLiteral(".doc"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 1 + 6 + two - 3 + 1);
        // The header: «الترتيب» and 2 blanks, «الكلمة» and 8, «عدد الحروف» and 2,
        // «التكرار» and 1, in the code page.
        QCOMPARE(
            lines[4],
            QByteArray("\xC7\xE1\xCA\xD1\xCA\xED\xC8  \xC7\xE1\xDF\xE1\xE3\xC9        "
                       "\xDA\xCF\xCF \xC7\xE1\xCD\xD1\xE6\xDD  \xC7\xE1\xCA\xDF\xD1\xC7\xD1 \r"));
        close(d);
    }

    void wordStatisticsWithTheirDialogs() {
        dialogs.answers = {u(u"ال"), u(u"ل")};
        key(Qt::Key_F8, Qt::ControlModifier);
        QCOMPARE(dialogs.asked, (QStringList{u(u"مربع الإدخال|أكتب بداية الكلمة التي تبحث عنها"),
                                             u(u"مربع الإدخال|أكتب نهاية الكلمة التي تبحث عنها")}));
        WordSortDialog* d = window->wordSortDialog();
        QVERIFY(d->isVisible());
        QCOMPARE(wordAt(d, 0), u(u"ال"));
        // Every letter of both ends is marked.
        QCOMPARE(d->display()->marks().size(), 3u);
        close(d);

        // One word: no ordering, no row commands.
        window->searchBox()->setText(u(u"بسمعهم"));
        key(Qt::Key_F6, Qt::ControlModifier);
        QVERIFY(d->isVisible());
        QCOMPARE(d->table()->model()->rowCount(), 1);
        QVERIFY(!d->orderingSelector()->isEnabled());
        QMetaObject::invokeMethod(d->tableMenu()->menu(), "aboutToShow");
        QVERIFY(!d->tableMenu()->action(QStringLiteral("N1"))->isVisible());
        QVERIFY(d->tableMenu()->action(QStringLiteral("N17"))->isVisible());
        close(d);

        // The placeholder: the message, and no window.
        window->searchBox()->setText(kSearchPlaceholder);
        key(Qt::Key_F6, Qt::ControlModifier);
        QCOMPARE(dialogs.messages, QStringList{u(u"أكتب بداية الكلمة في مربع البحث")});
        QVERIFY(!d->isVisible());
        QCOMPARE(focused(), static_cast<QWidget*>(window->searchBox()));
    }

    // Ctrl+N opens the phrase list: phrases typed and added, the duplicate
    // refused, a search from its menu, and the list saved and loaded.
    void phraseListWindow() {
        key(Qt::Key_N, Qt::ControlModifier);
        PhraseListDialog* d = window->phraseListDialog();
        QVERIFY(d->isVisible());
        activate(d);
        QCOMPARE(focused(), static_cast<QWidget*>(d->inputBox()));
        QVERIFY(d->option(true)->isChecked());
        QVERIFY(!d->deleteButton()->isEnabled());
        d->inputBox()->setText(u(u"الله"));
        QTest::keyClick(d->inputBox(), Qt::Key_Return);
        QCOMPARE(d->list()->count(), 1);
        QCOMPARE(d->countLabel()->text(), u(u"1"));
        QVERIFY(d->inputBox()->text().isEmpty());
        d->inputBox()->setText(u(u"لله"));
        QTest::mouseClick(d->addButton(), Qt::LeftButton);
        QCOMPARE(d->countLabel()->text(), u(u"2"));
        QVERIFY(d->deleteButton()->isEnabled());
        d->inputBox()->setText(u(u"الله"));
        QTest::keyClick(d->inputBox(), Qt::Key_Return);
        QCOMPARE(dialogs.messages, QStringList{u(u"هذه العبارة سبق وأن أضيفت")});
        QCOMPARE(d->list()->currentRow(), 0);
        QCOMPARE(d->inputBox()->text(), u(u"الله"));
        // "+" goes back to the input box with its text selected.
        d->list()->setFocus();
        QTest::keyClick(d->list(), Qt::Key_Plus, Qt::NoModifier);
        QCOMPARE(focused(), static_cast<QWidget*>(d->inputBox()));
        QCOMPARE(d->inputBox()->selectedText(), u(u"الله"));

        QRadioButton* any = d->option(false);
        QTest::mouseClick(any, Qt::LeftButton, {}, QPoint(any->width() - 8, any->height() / 2));
        QVERIFY(!phrases_independent(program->phraseList));
        choose(d->listMenu(), "N4");
        QCOMPARE(rows(), 1837);
        QVERIFY(window->summary()->text().endsWith(u(u"    مجموع التكرار 2727")));
        QCOMPARE(window->orderingItem(5)->text(), u(u"التكرار"));
        QVERIFY(!window->display()->marks().empty());
        QVERIFY(d->isVisible());

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        dialogs.files = {dir.filePath(QStringLiteral("list"))};
        choose(d->listMenu(), "N9");
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("list.txt"))));
        choose(d->listMenu(), "N7");
        QCOMPARE(d->list()->count(), 0);
        QVERIFY(d->countLabel()->text().isEmpty());
        dialogs.files = {dir.filePath(QStringLiteral("list.txt"))};
        choose(d->listMenu(), "N11");
        QCOMPARE(d->list()->count(), 2);
        // A folder is no list: the message, and the list as it was.
        dialogs.files = {dir.path()};
        choose(d->listMenu(), "N11");
        QVERIFY(dialogs.messages.last().startsWith(u(u"تعذرت قراءة الملف")));
        QCOMPARE(d->list()->count(), 2);
        d->list()->setCurrentRow(1);
        QTest::mouseClick(d->deleteButton(), Qt::LeftButton);
        QCOMPARE(program->phraseList.phrases, QStringList{u(u"الله")});
        close(d);
    }

    // The letters of the surah shown go to the phrase list, whose searches
    // show the verse table.
    void lettersToThePhraseListFromTheSurahTable() {
        key(Qt::Key_F4);
        window->runItem(QStringLiteral("N92"));
        PhraseListDialog* d = window->phraseListDialog();
        QVERIFY(d->isVisible());
        QCOMPARE(d->list()->count(), window->letterList()->count() - 2);
        QVERIFY(d->option(true)->isChecked());
        choose(d->listMenu(), "N4");
        QCOMPARE(window->table()->model()->headerData(4, Qt::Horizontal).toString(),
                 u(u"نص الآية الكريمة"));
        QVERIFY(rows() > 1);
        close(d);
    }

    // Each resize of the table fits the text column once.
    void aResizeFitsTheTextColumnOnce() {
        QTest::qWait(0);
        const int before = window->textColumnFits();
        window->resize(1300, 850);
        QTest::qWait(0);
        QCOMPARE(window->textColumnFits() - before, 1);
    }

    // The copy menu as it opens, and its files written under the name the
    // save dialog gives; the dialog proposes it again, and a cancel or a
    // name that cannot be written leaves no file.
    void theCopyMenuWritesTheFileChosen() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QMenu* copy = window->menu(QStringLiteral("N37"));
        QVERIFY(copy);
        const auto enabled = [&](const char* item) {
            return window->action(QString::fromLatin1(item))->isEnabled();
        };
        key(Qt::Key_F4);
        QMetaObject::invokeMethod(copy, "aboutToShow");
        QVERIFY(enabled("N36") && enabled("N39") && enabled("N26") && enabled("N33"));
        QVERIFY(!enabled("N38") && !enabled("N40"));
        window->searchBox()->setText(QStringLiteral("xyz"));
        key(Qt::Key_F3);
        QMetaObject::invokeMethod(copy, "aboutToShow");
        QVERIFY(enabled("N38") && enabled("N40"));
        window->searchBox()->setFocus();
        key(Qt::Key_Return); // nothing found
        QMetaObject::invokeMethod(copy, "aboutToShow");
        for (const char* item : {"N26", "N35", "N36", "N38", "N39", "N40"})
            QVERIFY2(!enabled(item), item);
        QVERIFY(enabled("N33") && enabled("N34"));

        window->searchBox()->setText(u(u"الله"));
        window->searchBox()->setFocus();
        key(Qt::Key_Return);
        QCOMPARE(rows(), 1746);
        const QString hits = dir.filePath(QStringLiteral("hits"));
        dialogs.saveNames << hits;
        window->table()->setFocus();
        key(Qt::Key_F3, Qt::AltModifier);
        QCOMPARE(dialogs.saveAsked, QStringList{QStringLiteral("Word|*.doc|")});
        QFile file(hits + QStringLiteral(".doc"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // «الله», the search text, heads the file in the code page.
        QVERIFY(bytes.startsWith("\xC7\xE1\xE1\xE5\r\n"));
        QCOMPARE(bytes.count("\r\n"), 6 + 1746);

        // Cancelled: the proposal is the name chosen last, and nothing is written.
        window->action(QStringLiteral("N33"))->trigger();
        QCOMPARE(dialogs.saveAsked.last(), QStringLiteral("Word|*.doc|") + hits);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("hits.doc")});
        QVERIFY(dialogs.messages.isEmpty());

        // The letter list's menu writes the letter list; a folder that is
        // not there gets the message.
        QMenu* letters = window->menu(QStringLiteral("PopupMenu2"));
        QMetaObject::invokeMethod(letters, "aboutToShow");
        QVERIFY(window->action(QStringLiteral("N81"))->isVisible());
        dialogs.saveNames << dir.filePath(QStringLiteral("missing/letters"));
        window->action(QStringLiteral("N81"))->trigger();
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].startsWith(u(u"تعذر حفظ الملف «")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing"))));
    }

    // The table menu's operations, each from its item, with its dialogs.
    void triggerTableItem(const char* name) {
        QMetaObject::invokeMethod(window->menu(QStringLiteral("PopupMenu1")), "aboutToShow");
        QAction* a = window->action(QString::fromLatin1(name));
        QVERIFY2(a && a->isVisible() && a->isEnabled(), name);
        a->trigger();
    }

    void clickRow(int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        GridView* t = window->table();
        const QRect r = t->visualRect(t->model()->index(row, 4));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, mods, r.center());
    }

    void tableFiltersAndRowOperationsFromTheMenu() {
        dialogs.answers = {u(u"9"), u(u"3")};
        triggerTableItem("N52");
        QCOMPARE(dialogs.asked, (QStringList{u(u"مربع الإدخال|: عدد الكلمات أكبر من أو يساوي"),
                                             u(u"مربع الإدخال|: وأصغر من أو يساوي ")}));
        QCOMPARE(rows(), 2438);
        QCOMPARE(window->summary()->text(),
                 u(u"عدد الآيات 2438    مجموع الكلمات 14069    مجموع الحروف 54058"));
        // A divisor of 0: the message, and the table as it was.
        dialogs.answers = {u(u"0")};
        triggerTableItem("N67");
        QCOMPARE(dialogs.messages, QStringList{u(u"أدخل عددا طبيعيا أكبر من الصفر")});
        QCOMPARE(rows(), 2438);
        dialogs.answers = {u(u"1"), u(u"10")};
        triggerTableItem("N74");
        QCOMPARE(rows(), 10);

        // Rows 3 to 5 selected by a click and a Shift+click, then deleted.
        clickRow(2);
        clickRow(4, Qt::ShiftModifier);
        QCOMPARE(program->main.table.selectionTop(), 3);
        QCOMPARE(program->main.table.selectionBottom(), 5);
        const QString sixth = cell(5, 0);
        triggerTableItem("N97");
        QCOMPARE(rows(), 7);
        QCOMPARE(cell(2, 0), sixth);
        QCOMPARE(cell(6, 1), u(u"7"));
        QCOMPARE(window->table()->currentIndex().row(), 1);
        QCOMPARE(window->table()->selectedRange(), (std::pair{1, 1}));
        QCOMPARE(window->display()->content(), cell(1, 4));
        // Shift+Down twice from row 2: rows 2 to 4 go.
        QTest::keyClick(window->table(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(window->table(), Qt::Key_Down, Qt::ShiftModifier);
        triggerTableItem("N97");
        QCOMPARE(rows(), 4);

        triggerTableItem("N73");
        QCOMPARE(cell(0, 1), u(u"1"));
        triggerTableItem("N79");
        QCOMPARE(rows(), 6232);
        QCOMPARE(window->summary()->text().left(16), u(u"عدد الآيات 6232 "));
        triggerTableItem("N84");
        QVERIFY(!window->orderingItem(0)->isChecked());
        QVERIFY(!window->gauge()->isVisible());
    }

    // The saved table brings its search text back into the search box.
    void saveAndRestoreTheVerseTable() {
        window->searchBox()->setText(u(u"الله"));
        key(Qt::Key_Return);
        dialogs.answers = {u(u"1"), u(u"10")};
        triggerTableItem("N74");
        triggerTableItem("N93");
        window->table()->setFocus();
        key(Qt::Key_F3);
        window->searchBox()->setText(u(u"رب"));
        triggerTableItem("N94");
        QCOMPARE(rows(), 10);
        QCOMPARE(window->searchBox()->text(), u(u"الله"));
        QVERIFY(!window->table()->isColumnHidden(7));
        QVERIFY(window->orderingItem(5)->isVisibleTo(window.get()));
        QVERIFY(dialogs.messages.isEmpty());
    }

    // The surah chooser: opened from its item, surahs selected, OK.
    void surahChooserFromTheTableMenu() {
        triggerTableItem("N91");
        auto* c = static_cast<SurahChooser*>(window->window(WindowId::SurahChooser));
        QVERIFY(c->isVisible());
        QCOMPARE(c->windowTitle(), u(u"إختيار سُور من الجدول"));
        QCOMPARE(c->surahList()->count(), 114);
        QCOMPARE(c->surahList()->item(20)->text(), u(u"021-الانبياء"));
        QCOMPARE(c->countLine()->text(), u(u"حدد السُور التي تريدها في الجدول"));
        // Eight columns: the ninth entry of a column starts the next one.
        const QListWidget* list = c->surahList();
        QCOMPARE(list->visualItemRect(list->item(15)).top(),
                 list->visualItemRect(list->item(0)).top());
        QVERIFY(list->visualItemRect(list->item(105)).isValid());
        QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(113))));
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);

        // A click, then Ctrl+click.
        const auto clickEntry = [&](int i, Qt::KeyboardModifiers mods) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, mods,
                              list->visualItemRect(list->item(i)).center());
        };
        clickEntry(102, Qt::NoModifier);
        clickEntry(107, Qt::ControlModifier);
        QCOMPARE(c->countLine()->text(), u(u"حدد السُور التي تريدها في الجدول   2"));
        // Without the check box, each click toggles one surah.
        QTest::mouseClick(c->modeBox(), Qt::LeftButton);
        QCOMPARE(list->selectionMode(), QAbstractItemView::MultiSelection);
        QCOMPARE(c->countLine()->text(), u(u"حدد السُور التي تريدها في الجدول"));
        clickEntry(0, Qt::NoModifier);
        clickEntry(0, Qt::NoModifier);
        QCOMPARE(program->surahChooser.selected, (std::vector<int>{103, 108}));
        QTest::mouseClick(c->okButton(), Qt::LeftButton);
        QVERIFY(!c->isVisible());
        QCOMPARE(rows(), 6);
        QCOMPARE(cell(5, 2), u(u"108-الكوثر"));
        QCOMPARE(window->summary()->text(),
                 u(u"عدد الآيات 6    مجموع الكلمات 29    مجموع الحروف 112"));
        // Opened again: the same surahs stand selected; none of them over a
        // table without them gives the message, and the chooser stays.
        window->searchBox()->setText(u(u"الم"));
        key(Qt::Key_Return);
        triggerTableItem("N91");
        QCOMPARE(list->selectedItems().size(), 2);
        QTest::mouseClick(c->okButton(), Qt::LeftButton);
        QCOMPARE(dialogs.messages,
                 QStringList{u(u"السور التي قمت بتحديدها لا وجود لها في جدول الآيات")});
        QVERIFY(c->isVisible());
        QTest::mouseClick(c->cancelButton(), Qt::LeftButton);
        QVERIFY(!c->isVisible());
        QCOMPARE(program->active(), WindowId::Main);
    }

    // The verse-set chooser: verses gathered surah by surah, then shown.
    void verseChooserFromTheTableMenu() {
        triggerTableItem("N96");
        auto* c = static_cast<VerseChooser*>(window->window(WindowId::VerseChooser));
        QVERIFY(c->isVisible());
        QCOMPARE(c->windowTitle(), u(u"إختيار آيات لعرضها في الجدول"));
        c->surahList()->setCurrentRow(0);
        QCOMPARE(c->verseList()->count(), 7);
        QTest::mouseClick(c->allButton(), Qt::LeftButton);
        QCOMPARE(c->verseList()->selectedItems().size(), 7);
        c->verseList()->clearSelection();
        for (int i : {0, 1, 2})
            c->verseList()->item(i)->setSelected(true);
        QTest::mouseClick(c->addButton(), Qt::LeftButton);
        QTest::mouseClick(c->addButton(), Qt::LeftButton);
        QCOMPARE(c->chosenList()->count(), 3);
        QCOMPARE(c->countLine()->text(), u(u"3"));
        c->surahList()->setCurrentRow(1);
        QCOMPARE(c->verseList()->count(), 286);
        c->verseList()->setCurrentRow(254);
        QTest::mouseClick(c->addButton(), Qt::LeftButton);
        QCOMPARE(c->chosenList()->item(3)->text(), u(u"002-البقرة 255"));

        // The chosen list's menu deletes the entries selected.
        c->chosenList()->item(1)->setSelected(true);
        QMetaObject::invokeMethod(c->chosenMenu(), "aboutToShow");
        QVERIFY(c->chosenMenuItem(QStringLiteral("N1"))->isEnabled());
        c->chosenMenuItem(QStringLiteral("N1"))->trigger();
        QCOMPARE(c->chosenList()->count(), 3);
        QCOMPARE(c->countLine()->text(), u(u"3"));

        QTest::mouseClick(c->showButton(), Qt::LeftButton);
        QVERIFY(!c->isVisible());
        QCOMPARE(rows(), 3);
        QCOMPARE((QStringList{cell(0, 0), cell(1, 0), cell(2, 0)}),
                 (QStringList{u(u"1"), u(u"3"), u(u"262")}));
        QCOMPARE(window->display()->content(), cell(0, 4));
        // Reopened, it has forgotten the verses chosen; showing none says so.
        triggerTableItem("N96");
        QCOMPARE(c->chosenList()->count(), 0);
        QVERIFY(c->countLine()->text().isEmpty());
        QTest::mouseClick(c->showButton(), Qt::LeftButton);
        QCOMPARE(dialogs.messages, QStringList{u(u"لم يتم إختيار أي آية")});
        c->reject();
        QCOMPARE(program->active(), WindowId::Main);
    }

    // The chart of the result per surah, from the main menu: its bars, the
    // tooltip of a bar, a click on one and the two pictures.
    void distributionChart() {
        window->searchBox()->setText(u(u"الله"));
        window->runItem(QStringLiteral("BitBtn1"));
        QCOMPARE(rows(), 1746);
        window->action(QStringLiteral("Distribution"))->trigger();
        auto* chart = static_cast<DistributionChart*>(window->window(WindowId::Distribution));
        QVERIFY(chart->isVisible());
        QCOMPARE(chart->windowTitle(), u(u"توزيع النتائج على السور"));
        const QList<QBarSet*> sets = chart->series()->barSets();
        QCOMPARE(sets.size(), 2);
        double verses = 0, occurrences = 0;
        for (int i = 0; i < 114; ++i) {
            verses += sets[0]->at(i);
            occurrences += sets[1]->at(i);
        }
        QCOMPARE(sets[0]->count(), 114);
        QCOMPARE(verses, 1746.0);
        QCOMPARE(occurrences, 2557.0);
        // Surah 1 stands at the right end, surah 114 at the left.
        QCOMPARE(chart->surahAt(113), 1);
        QCOMPARE(chart->surahAt(0), 114);
        QCOMPARE(sets[0]->at(113), 1.0);
        QCOMPARE(chart->barText(3), u(u"003-آل عمران\nعدد الآيات : 131\nمجموع التكرار : 201"));
        // A click on the bars of surah 3 makes its first listed row current.
        // A click on the bars of surah 3, where the mouse finds them.
        chart->resize(1200, 700);
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        QChart* drawn = chart->view()->chart();
        const QPointF at =
            drawn->mapToPosition(QPointF(111.2, sets[1]->at(111) / 2), chart->series());
        QSignalSpy spy(chart->series(), &QBarSeries::clicked);
        QTest::mouseClick(chart->view()->viewport(), Qt::LeftButton, {},
                          chart->view()->mapFromScene(at));
        QCOMPARE(spy.count(), 1);
        const int row = program->distribution.table.cell(2, 3).toInt();
        QVERIFY(row > 1);
        QCOMPARE(program->main.table.currentRow(), row);
        QCOMPARE(window->table()->currentIndex().row(), row - 1);
        QCOMPARE(cell(row - 1, 2), u(u"003-آل عمران"));
        QVERIFY(chart->isVisible());

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        dialogs.saveNames = {dir.filePath(QStringLiteral("c")), dir.filePath(QStringLiteral("c"))};
        chart->button(QStringLiteral("SavePng"))->click();
        chart->button(QStringLiteral("SaveSvg"))->click();
        QCOMPARE(dialogs.saveAsked,
                 (QStringList{QStringLiteral("PNG|*.png|"), QStringLiteral("SVG|*.svg|")}));
        QImage png(dir.filePath(QStringLiteral("c.png")));
        QCOMPARE(png.size(), chart->view()->grab().size());
        QFile svg(dir.filePath(QStringLiteral("c.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(text.startsWith("<?xml"));
        QVERIFY(text.contains("<svg"));
        QVERIFY(dialogs.messages.isEmpty());

        chart->button(QStringLiteral("Close"))->click();
        QVERIFY(!chart->isVisible());
        QCOMPARE(program->active(), WindowId::Main);
        // The table's menu offers it too.
        QVERIFY(window->action(QStringLiteral("DistributionOfTable"))->isEnabled());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
