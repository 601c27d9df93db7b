#include "ui/main_window.h"

#include "core/columns.h"
#include "display/display.h"
#include "search/search.h"
#include "shell/dispatch.h"
#include "table/frame.h"
#include "table/tables.h"
#include "ui/fonts.h"
#include "ui/goto_dialog.h"
#include "ui/grid_model.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tallyra {

// The summary line: one centred maroon line; a double-click empties it.
class SummaryLabel : public QLabel {
public:
    explicit SummaryLabel(std::function<void()> doubleClicked, QWidget* parent)
        : QLabel(parent), doubleClicked_(std::move(doubleClicked)) {}

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override { doubleClicked_(); }

private:
    std::function<void()> doubleClicked_;
};

namespace {

const QString kListHint = QStringLiteral("لمزيد من الخيارات إضغط زر الفأرة الأيمن");
constexpr WindowId kMain = WindowId::Main;

// The focus came from another control of the window, not back from another
// window, a dialog or a menu that had it for a while.
bool focus_moved_within(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

QString button_name(int number) {
    return QStringLiteral("BitBtn") + QString::number(number);
}

// The menu of the menu bar that an item stands under, or its context menu.
QString root_menu(const QString& item) {
    const QStringList above = menus_above(kMain, item);
    return above.isEmpty() ? QString() : above.first();
}

} // namespace

MainWindow::MainWindow(Program& program, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), program_(program), s_(program.main), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("Tallyra - الإصدار الأول"));
    setLayoutDirection(Qt::RightToLeft);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);
    column->addWidget(buildSearchBar());

    display_ = new QTextEdit(central);
    display_->setReadOnly(true);
    display_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    display_->setFont(arabic_font(34));
    display_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    display_->setFixedHeight(152);
    display_->setContextMenuPolicy(Qt::CustomContextMenu);
    display_->viewport()->setMouseTracking(true);
    QTextOption option = display_->document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    display_->document()->setDefaultTextOption(option);
    column->addWidget(display_);

    auto* summaryRow = new QWidget(central);
    summaryRow->setFixedHeight(35);
    auto* summaryLayout = new QHBoxLayout(summaryRow);
    summaryLayout->setContentsMargins(0, 0, 0, 0);
    summary_ = new SummaryLabel(
        [this] {
            summary_double_click(s_);
            refresh();
        },
        summaryRow);
    summary_->setAlignment(Qt::AlignCenter);
    summary_->setFont(arabic_font(18));
    summary_->setTextInteractionFlags(Qt::NoTextInteraction);
    QPalette maroon = summary_->palette();
    maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
    summary_->setPalette(maroon);
    gauge_ = new QProgressBar(summaryRow);
    gauge_->setFixedSize(100, 17);
    gauge_->setTextVisible(false);
    QSizePolicy keep = gauge_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    gauge_->setSizePolicy(keep);
    gauge_->hide();
    summaryLayout->addWidget(summary_, 1);
    // The layout runs right to left: the gauge sits at the left end.
    summaryLayout->addWidget(gauge_, 0, Qt::AlignTop);
    summaryLayout->setContentsMargins(0, 9, 0, 0);
    column->addWidget(summaryRow);

    letters_ = new QListWidget(central);
    letters_->setFixedHeight(118);
    letters_->setFont(arabic_font(16));
    letters_->setFlow(QListView::TopToBottom);
    letters_->setWrapping(true);
    letters_->setResizeMode(QListView::Adjust);
    // Lines stand in columns of equal width, as many as the width holds.
    letters_->setGridSize(QSize(170, 22));
    letters_->setContextMenuPolicy(Qt::CustomContextMenu);
    column->addWidget(letters_);

    ordering_ = new QGroupBox(QStringLiteral(" الترتيب حسب "), central);
    ordering_->setFixedHeight(66);
    auto* orderingLayout = new QHBoxLayout(ordering_);
    orderingGroup_ = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        orderingItems_[i] = new QRadioButton(ordering_);
        orderingGroup_->addButton(orderingItems_[i], i);
        orderingLayout->addWidget(orderingItems_[i]);
    }
    column->addWidget(ordering_);

    table_ = new QTableView(central);
    model_ = new GridModel(s_.table, this);
    table_->setModel(model_);
    table_->setFont(arabic_font(17));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(28);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->setToolTip(kListHint);
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    column->addWidget(table_, 1);

    setCentralWidget(central);
    buildMenus();

    connect(orderingGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { runItem(QStringLiteral("RadioGroup1"), {QString::number(id)}); });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::tableSelectionChanged);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MainWindow::tableSelectionChanged);
    connect(display_, &QTextEdit::selectionChanged, this, &MainWindow::displaySelectionChanged);
    connect(letters_, &QListWidget::clicked, this, [this](const QModelIndex& index) {
        letter_list_click(s_, index.row());
        refresh();
    });
    connect(table_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        showPopup(QStringLiteral("StringGrid1"), table_->viewport(), p);
    });
    connect(letters_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        showPopup(QStringLiteral("ListBox1"), letters_->viewport(), p);
    });
    connect(buttons_[0], &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { showPopup(QStringLiteral("BitBtn1"), buttons_[0], p); });
    connect(display_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { showPopup(QStringLiteral("RichEdit1"), display_, p); });

    // A long scan repaints the gauge as it advances and lets no other event in.
    s_.progress = [this] {
        syncGauge();
        gauge_->repaint();
    };

    // The secondary windows, in the order the program creates them.
    goTo_ = new GoToDialog(
        program_, dialogs_, [this](const Result& r) { act(r); }, this);

    // Tooltips stay 20 seconds.
    for (QWidget* w : findChildren<QWidget*>())
        w->setToolTipDuration(20000);

    // One filter for the whole application: the window sees every key before
    // the focused control does, and the events of its viewports once each.
    qApp->installEventFilter(this);
    refresh();
    applyFocus(Focus::Table);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    s_.progress = nullptr;
}

QLabel* MainWindow::summary() const {
    return summary_;
}

QRadioButton* MainWindow::orderingItem(int index) const {
    return index >= 0 && index < 6 ? orderingItems_[index] : nullptr;
}

QPushButton* MainWindow::button(int number) const {
    return number >= 1 && number <= 5 ? buttons_[number - 1] : nullptr;
}

QWidget* MainWindow::buildSearchBar() {
    auto* bar = new QWidget(this);
    bar->setFixedHeight(60);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    search_ = new QLineEdit(kSearchPlaceholder, bar);
    search_->setFont(arabic_font(22));
    search_->setMinimumHeight(44);
    search_->setAlignment(Qt::AlignCenter);
    search_->setToolTip(QStringLiteral("أدخل الحرف أو الكلمة أو العبارة التي تريد البحث عنها"));
    // Its context menu is empty: no edit menu either.
    search_->setContextMenuPolicy(Qt::PreventContextMenu);
    row->addWidget(search_, 1);
    for (int i = 0; i < 5; ++i) {
        const QString name = button_name(i + 1);
        const Command* c = find_command(kMain, name);
        auto* b = new QPushButton(c->caption, bar);
        b->setToolTip(c->hint);
        b->setMinimumSize(120, 54);
        b->setFont(arabic_font(14));
        row->addWidget(b);
        buttons_[i] = b;
        connect(b, &QPushButton::clicked, this, [this, name] { runItem(name); });
    }
    buttons_[0]->setContextMenuPolicy(Qt::CustomContextMenu);
    return bar;
}

void MainWindow::buildMenus() {
    for (const Command& root : registry()) {
        if (root.window != kMain || root.kind != ItemKind::Menu || !root.menu.isEmpty())
            continue;
        if (!root.owner.isEmpty()) {
            auto* popup = new QMenu(this);
            popup->setLayoutDirection(Qt::RightToLeft);
            fillMenu(popup, root.item);
            popups_.insert(root.owner, popup);
            continue;
        }
        // The menu bar: its submenus, and commands that stand on it.
        QMenuBar* bar = menuBar();
        for (const Command* c : menu_rows(kMain, root.item)) {
            if (c->kind == ItemKind::Menu) {
                fillMenu(bar->addMenu(c->caption), c->item);
            } else {
                QAction* a = bar->addAction(c->caption);
                a->setToolTip(c->key);
                wireAction(a, *c);
            }
        }
    }
    // The shortcuts of the menu bar's items work wherever the focus is in the
    // window, through the rules of the menus above them.
    for (const Command& c : registry()) {
        if (c.window != kMain || c.key.isEmpty() || c.windowKey ||
            root_menu(c.item) != QStringLiteral("MainMenu"))
            continue;
        auto* shortcut = new QShortcut(QKeySequence(c.key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, name = c.item] {
            if (command_allowed(program_, kMain, name))
                runItem(name);
            else
                syncItems();
        });
    }
}

void MainWindow::fillMenu(QMenu* menu, const QString& name) {
    menus_.insert(name, menu);
    actions_.insert(name, menu->menuAction());
    // Opening a menu applies its rule before it shows.
    connect(menu, &QMenu::aboutToShow, this, [this, name] {
        open_menu(program_, kMain, name);
        syncItems();
    });
    for (const Command* c : menu_rows(kMain, name)) {
        if (c->separatorBefore)
            menu->addSeparator();
        if (c->kind == ItemKind::Menu) {
            QMenu* sub = menu->addMenu(c->caption);
            fillMenu(sub, c->item);
            if (c->hidden)
                sub->menuAction()->setVisible(false);
            continue;
        }
        // The text after a tab shows as the item's key.
        const bool shown = !c->key.isEmpty() && !c->windowKey;
        wireAction(menu->addAction(shown ? c->caption + u'\t' + c->key : c->caption), *c);
    }
}

void MainWindow::wireAction(QAction* action, const Command& row) {
    action->setCheckable(row.kind == ItemKind::Check);
    if (!row.hint.isEmpty())
        action->setStatusTip(row.hint);
    actions_.insert(row.item, action);
    connect(action, &QAction::triggered, this, [this, name = row.item] { runItem(name); });
}

void MainWindow::showPopup(const QString& control, QWidget* owner, const QPoint& pos) {
    QMenu* popup = popups_.value(control);
    if (popup && !popup->actions().isEmpty())
        popup->popup(owner->mapToGlobal(pos));
}

void MainWindow::runItem(const QString& name, const QStringList& chosen) {
    const Command* c = find_command(kMain, name);
    if (!c)
        return;
    QStringList inputs;
    qsizetype next = 0;
    for (const Input& in : c->inputs) {
        switch (in.from) {
        case Input::From::SearchBox:
            inputs << search_->text();
            break;
        case Input::From::Dialog:
            inputs << (asked_now(in, program_) ? dialogs_.input(this, in.caption, in.prompt)
                                               : QString());
            break;
        case Input::From::Control:
            inputs << chosen.value(next++);
            break;
        case Input::From::CommandLine:
            break;
        }
    }
    act(run_command(program_, kMain, name, inputs));
}

void MainWindow::act(const Result& result) {
    if (result.refused) {
        syncItems();
        return;
    }
    if (!result.clipboard.isEmpty())
        QGuiApplication::clipboard()->setText(result.clipboard);
    if (result.close == WindowId::GoTo)
        goTo_->hide();
    refresh();
    if (!result.message.isEmpty())
        dialogs_.message(this, result.message);
    applyFocus(result.focus);
    if (result.open == WindowId::GoTo)
        goTo_->open();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && !QApplication::activePopupWidget() &&
            !QApplication::activeModalWidget()) {
            auto* key = static_cast<QKeyEvent*>(event);
            const KeyResult result =
                key_command(program_, kMain, key->key(), key->modifiers(), key->text());
            if (result.consumed) {
                runItem(result.item);
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusIn && watched == search_ &&
               focus_moved_within(static_cast<QFocusEvent*>(event)->reason())) {
        // A word selected in the display box becomes the text to search.
        const QString text = search_box_entered(s_, search_->text());
        if (text != search_->text())
            search_->setText(text);
    } else if (event->type() == QEvent::Resize && watched == table_->viewport()) {
        fitTextColumn();
    } else if (event->type() == QEvent::MouseMove && watched == display_->viewport()) {
        selectrich(s_);
        syncSummary();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isVisible()) {
        window_resized(s_);
        refresh();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    window_closing(s_);
    QMainWindow::closeEvent(event);
}

void MainWindow::tableSelectionChanged() {
    if (syncing_)
        return;
    const QItemSelection selection = table_->selectionModel()->selection();
    int top = -1, bottom = -1;
    for (const QItemSelectionRange& range : selection) {
        top = top < 0 ? range.top() : std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
    }
    const int current = table_->currentIndex().isValid() ? table_->currentIndex().row() : top;
    if (current < 0)
        return;
    if (top < 0)
        top = bottom = current;
    select_rows(s_, top + 1, bottom + 1, current + 1);
    refresh();
    applyFocus(std::exchange(s_.focus, Focus::Unchanged));
}

void MainWindow::displaySelectionChanged() {
    if (syncing_)
        return;
    const QTextCursor cursor = display_->textCursor();
    display_selection_changed(s_, cursor.selectionStart(),
                              cursor.selectionEnd() - cursor.selectionStart());
    shownSelection_ = {s_.display.selectionStart, s_.display.selectionLength};
    syncSummary();
}

void MainWindow::refresh() {
    syncing_ = true;
    syncTable();
    syncDisplay();
    syncLetters();
    syncSummary();
    syncGauge();
    syncOrdering();
    syncItems();
    syncing_ = false;
}

void MainWindow::syncTable() {
    const Grid& grid = s_.table;
    const bool reset = model_->sync();
    // Widths the user gave a column stay until the table itself changes them.
    std::vector<int> widths;
    for (int c = 0; c < grid.columnCount(); ++c)
        widths.push_back(grid.columnWidth(c));
    if (reset || widths != shownWidths_) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            const bool changed = c >= int(shownWidths_.size()) || shownWidths_[c] != widths[c];
            table_->setColumnHidden(c, widths[c] == 0);
            if (changed && widths[c] > 0)
                table_->setColumnWidth(c, widths[c]);
        }
        if (widths != shownWidths_) {
            shownWidths_ = widths;
            fitTextColumn();
        }
    }
    const int row = grid.currentRow() - 1;
    if (row < 0 || row >= model_->rowCount())
        return;
    const QModelIndex current = table_->currentIndex();
    if (reset || !current.isValid() || current.row() != row) {
        int column = 0;
        while (column < grid.columnCount() - 1 && table_->isColumnHidden(column))
            ++column;
        const QModelIndex index = model_->index(row, column);
        table_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        table_->scrollTo(index);
    }
}

void MainWindow::fitTextColumn() {
    ++fits_;
    // The verse text takes whatever width the other columns leave.
    if (!s_.ayat || s_.table.columnCount() <= verse_col::text)
        return;
    int others = 0;
    for (int c = 0; c < s_.table.columnCount(); ++c)
        if (c != verse_col::text && !table_->isColumnHidden(c))
            others += table_->columnWidth(c);
    const int free = table_->viewport()->width() - others - 2;
    table_->setColumnWidth(verse_col::text, std::max(s_.table.columnWidth(verse_col::text), free));
}

void MainWindow::syncDisplay() {
    const DisplayBox& box = s_.display;
    const bool newText = box.text != shownText_ || display_->toPlainText() != box.text;
    if (newText) {
        display_->setPlainText(box.text);
        shownText_ = box.text;
    }
    if (newText || box.marks != shownMarks_) {
        QList<QTextEdit::ExtraSelection> marks;
        marks.reserve(qsizetype(box.marks.size()));
        for (const Mark& m : box.marks) {
            QTextEdit::ExtraSelection sel;
            sel.cursor = QTextCursor(display_->document());
            sel.cursor.setPosition(m.start);
            sel.cursor.setPosition(m.start + m.length, QTextCursor::KeepAnchor);
            if (m.kind == MarkKind::Red) {
                sel.format.setForeground(QColor(255, 0, 0));
            } else {
                sel.format.setForeground(QColor(0, 0, 255));
                sel.format.setFontUnderline(true);
            }
            marks.append(sel);
        }
        display_->setExtraSelections(marks);
        shownMarks_ = box.marks;
    }
    const std::pair<int, int> selection{box.selectionStart, box.selectionLength};
    if (newText || box.caret != shownCaret_ || selection != shownSelection_) {
        QTextCursor cursor = display_->textCursor();
        const int size = int(box.text.size());
        if (selection.second > 0) {
            // A command's selection (a word or letter found) shows as one.
            cursor.setPosition(std::clamp(selection.first, 0, size));
            cursor.setPosition(std::clamp(selection.first + selection.second, 0, size),
                               QTextCursor::KeepAnchor);
        } else {
            cursor.setPosition(std::clamp(box.caret, 0, size));
        }
        display_->setTextCursor(cursor);
        shownCaret_ = box.caret;
        shownSelection_ = selection;
    }
    display_->setToolTip(display_hint(s_));
}

void MainWindow::syncLetters() {
    const QStringList& lines = s_.letters.lines();
    if (lines != shownLetters_) {
        letters_->clear();
        letters_->addItems(lines);
        shownLetters_ = lines;
    }
    letters_->setToolTip(letters_hint(s_));
}

// The summary line's tooltip is its whole text.
void MainWindow::syncSummary() {
    summary_->setText(s_.label);
    summary_->setToolTip(s_.label);
}

void MainWindow::syncGauge() {
    gauge_->setMaximum(std::max(1, s_.gauge.maximum));
    gauge_->setValue(std::clamp(s_.gauge.value, 0, gauge_->maximum()));
    gauge_->setVisible(s_.gauge.visible);
}

void MainWindow::syncOrdering() {
    const QStringList& items = s_.orderingItems;
    for (int i = 0; i < 6; ++i) {
        QRadioButton* b = orderingItems_[i];
        const bool present = i < items.size();
        b->setVisible(present);
        if (present)
            b->setText(items[i]);
    }
    orderingGroup_->setExclusive(false);
    for (int i = 0; i < 6; ++i)
        orderingItems_[i]->setChecked(i == s_.orderingIndex);
    orderingGroup_->setExclusive(true);
    ordering_->setEnabled(s_.enabled(QStringLiteral("RadioGroup1")));
}

void MainWindow::syncItems() {
    for (int i = 1; i <= 5; ++i)
        buttons_[i - 1]->setEnabled(s_.enabled(button_name(i)));
    buttons_[4]->setText(waw_button_caption(s_.waw));
    for (auto it = actions_.constBegin(); it != actions_.constEnd(); ++it) {
        const ItemState state = s_.itemState(it.key());
        const Command* row = find_command(kMain, it.key());
        QAction* a = it.value();
        a->setEnabled(state.enabled);
        a->setVisible(state.visible && !(row && row->hidden));
        if (a->isCheckable())
            a->setChecked(state.checked);
    }
}

void MainWindow::applyFocus(Focus focus) {
    switch (focus) {
    case Focus::Table:
        table_->setFocus();
        break;
    case Focus::SearchBox:
        search_->setFocus();
        break;
    case Focus::SearchBoxSelected:
        search_->setFocus();
        search_->selectAll();
        break;
    case Focus::Display:
        display_->setFocus();
        break;
    case Focus::Unchanged:
        break;
    }
}

} // namespace tallyra
