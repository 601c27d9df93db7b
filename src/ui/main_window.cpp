#include "ui/main_window.h"

#include "core/columns.h"
#include "display/display.h"
#include "search/search.h"
#include "shell/dispatch.h"
#include "table/frame.h"
#include "table/tables.h"
#include "ui/about_dialog.h"
#include "ui/colours.h"
#include "ui/distribution_chart.h"
#include "ui/factorization_dialog.h"
#include "ui/fonts.h"
#include "ui/goto_dialog.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/inputs.h"
#include "ui/marked_text_box.h"
#include "ui/notes_pad.h"
#include "ui/phrase_list_dialog.h"
#include "ui/secondary_window.h"
#include "ui/surah_chooser.h"
#include "ui/verse_chooser.h"
#include "ui/window_style.h"
#include "ui/word_sort_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

namespace tallyra {

// The summary line: one centred maroon line; a double-click empties it. It
// never asks for more width than the window gives it: a longer text shows
// elided, whole in its tooltip. On a dark background the maroon turns lighter.
class SummaryLabel : public QLabel {
public:
    explicit SummaryLabel(std::function<void()> doubleClicked, QWidget* parent)
        : QLabel(parent), doubleClicked_(std::move(doubleClicked)) {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        keep_readable(this, kMaroon, kTextContrast);
    }

    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }
    QSize sizeHint() const override { return {0, QLabel::sizeHint().height()}; }

    QString shown() const {
        return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
    }

protected:
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::PaletteChange)
            keep_readable(this, kMaroon, kTextContrast);
    }
    void mouseDoubleClickEvent(QMouseEvent*) override { doubleClicked_(); }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(foregroundRole()));
        p.drawText(contentsRect(), int(Qt::AlignCenter), shown());
    }

private:
    static inline const QColor kMaroon{128, 0, 0};
    std::function<void()> doubleClicked_;
};

// A search mode that is on, shown beside the search box: its name in a
// frame, in the highlight colour where that stays readable.
class ModeIndicator : public QLabel {
public:
    ModeIndicator(const QString& text, QWidget* parent) : QLabel(text, parent) {
        setAlignment(Qt::AlignCenter);
        setContentsMargins(8, 1, 8, 1);
        fitColour();
    }

protected:
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::PaletteChange)
            fitColour();
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor colour = palette().color(foregroundRole());
        p.setPen(QPen(colour, 1.5));
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
        p.drawText(contentsRect(), int(alignment()), text());
    }

private:
    void fitColour() {
        keep_readable(this, QApplication::palette().color(QPalette::Highlight), kTextContrast);
    }
};

// The three panes of the window, one above the other; until the user drags an
// edge between them, they take heights that suit the window's height.
class Panes : public QSplitter {
public:
    explicit Panes(QWidget* parent) : QSplitter(Qt::Vertical, parent) {
        connect(this, &QSplitter::splitterMoved, this, [this] { moved_ = true; });
    }
    std::function<void()> fit;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QSplitter::resizeEvent(event);
        if (!moved_ && fit)
            fit();
    }

private:
    bool moved_ = false;
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

    display_ = new MarkedTextBox(central);
    display_->setFont(arabic_font(kDisplayFontPixels));
    display_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    display_->setContextMenuPolicy(Qt::CustomContextMenu);
    display_->viewport()->setMouseTracking(true);

    // The summary line and the letter list.
    auto* middle = new QWidget(central);
    auto* middleLayout = new QVBoxLayout(middle);
    middleLayout->setContentsMargins(0, 0, 0, 0);
    middleLayout->setSpacing(3);
    auto* summaryRow = new QWidget(middle);
    auto* summaryLayout = new QHBoxLayout(summaryRow);
    summary_ = new SummaryLabel(
        [this] {
            summary_double_click(s_);
            refresh();
        },
        summaryRow);
    summary_->setAlignment(Qt::AlignCenter);
    summary_->setFont(arabic_font(18));
    summary_->setTextInteractionFlags(Qt::NoTextInteraction);
    summaryRow->setFixedHeight(summary_->fontMetrics().height() + 4);
    gauge_ = new QProgressBar(summaryRow);
    gauge_->setFixedSize(100, 17);
    gauge_->setTextVisible(false);
    QSizePolicy keep = gauge_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    gauge_->setSizePolicy(keep);
    gauge_->hide();
    summaryLayout->addWidget(summary_, 1);
    // The layout runs right to left: the gauge sits at the left end, 9 pixels
    // below the line's top.
    auto* gaugeColumn = new QVBoxLayout;
    gaugeColumn->setContentsMargins(0, 9, 0, 0);
    gaugeColumn->addWidget(gauge_);
    gaugeColumn->addStretch(1);
    summaryLayout->addLayout(gaugeColumn);
    summaryLayout->setContentsMargins(0, 0, 0, 0);
    middleLayout->addWidget(summaryRow);

    letters_ = new QListWidget(middle);
    letters_->setFont(arabic_font(16));
    letters_->setFlow(QListView::TopToBottom);
    letters_->setWrapping(true);
    letters_->setResizeMode(QListView::Adjust);
    letters_->setUniformItemSizes(true);
    letters_->setContextMenuPolicy(Qt::CustomContextMenu);
    middleLayout->addWidget(letters_, 1);

    // The ordering selector and the table.
    auto* bottom = new QWidget(central);
    auto* bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    bottomLayout->setSpacing(3);
    ordering_ = new QGroupBox(QStringLiteral(" الترتيب حسب "), bottom);
    // The caption stands in the frame's top edge, on the reading side.
    ordering_->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 4px;"
        " margin-top: 0.5em; padding: 0 4px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 12px; padding: 0 4px; }"));
    auto* orderingLayout = new QHBoxLayout(ordering_);
    orderingLayout->setContentsMargins(6, 0, 6, 0);
    orderingGroup_ = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        orderingItems_[i] = new QRadioButton(ordering_);
        orderingGroup_->addButton(orderingItems_[i], i);
        orderingLayout->addWidget(orderingItems_[i]);
    }
    bottomLayout->addWidget(ordering_);

    table_ = new GridView(bottom);
    model_ = new GridModel(s_.table, this);
    table_->setModel(model_);
    table_->setFont(arabic_font(17));
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->setToolTip(kListHint);
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    bottomLayout->addWidget(table_, 1);

    // The user may give the three panes other heights; the table takes
    // whatever height the window gains.
    auto* panes = new Panes(central);
    panes->fit = [this] { sizePanes(); };
    panes_ = panes;
    panes_->setChildrenCollapsible(false);
    panes_->addWidget(display_);
    panes_->addWidget(middle);
    panes_->addWidget(bottom);
    panes_->setStretchFactor(0, 0);
    panes_->setStretchFactor(1, 0);
    panes_->setStretchFactor(2, 1);
    const int frame = 2 * display_->frameWidth();
    const int margin = 2 * int(display_->document()->documentMargin());
    display_->setMinimumHeight(display_->fontMetrics().lineSpacing() + frame + margin);
    // Two rows of letters, and the scroll bar of the columns that do not fit.
    letters_->setMinimumHeight(2 * (letters_->fontMetrics().height() + 2) + frame +
                               letters_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 6);
    table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() +
                             3 * table_->verticalHeader()->defaultSectionSize() + frame);
    column->addWidget(panes_, 1);

    setCentralWidget(central);
    buildMenus();

    connect(orderingGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { runItem(QStringLiteral("RadioGroup1"), {QString::number(id)}); });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::tableSelectionChanged);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MainWindow::tableCurrentChanged);
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
    connect(table_, &GridView::copyRequested, this, &MainWindow::copyTableRows);

    // A long scan repaints the gauge as it advances and lets no other event in.
    s_.progress = [this] {
        syncGauge();
        gauge_->repaint();
    };

    // The secondary windows, in the order the program creates them; what
    // their items leave, the main window acts on.
    for (SecondaryWindow* w : std::initializer_list<SecondaryWindow*>{
             new GoToDialog(program_, dialogs_, this),
             new WordSortDialog(program_, dialogs_, this),
             new PhraseListDialog(program_, dialogs_, this),
             new AboutDialog(program_, dialogs_, this),
             new NotesPad(program_, dialogs_, this),
             new FactorizationDialog(program_, dialogs_, this),
             new SurahChooser(program_, dialogs_, this),
             new VerseChooser(program_, dialogs_, this),
             new DistributionChart(program_, dialogs_, this),
         }) {
        w->setForward([this](const Result& r) { act(r); });
        windows_.insert(w->id(), w);
    }

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

QLabel* MainWindow::modeIndicator(const QString& item) const {
    return modes_.value(item);
}

QString MainWindow::shownSummary() const {
    return summary_->shown();
}

int MainWindow::textColumnFits() const {
    return table_->fits();
}

QWidget* MainWindow::buildSearchBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    search_ = new QLineEdit(kSearchPlaceholder, bar);
    search_->setFont(arabic_font(22));
    search_->setMinimumHeight(search_->fontMetrics().height() + 12);
    search_->setAlignment(Qt::AlignCenter);
    search_->setToolTip(QStringLiteral("أدخل الحرف أو الكلمة أو العبارة التي تريد البحث عنها"));
    // Its context menu is empty: no edit menu either.
    search_->setContextMenuPolicy(Qt::PreventContextMenu);
    row->addWidget(search_, 1);

    // Beside the search box, the search modes that are on.
    auto* modes = new QWidget(bar);
    auto* modesLayout = new QVBoxLayout(modes);
    modesLayout->setContentsMargins(0, 0, 0, 0);
    modesLayout->setSpacing(2);
    const std::pair<const char*, const char16_t*> indicators[] = {
        {"N104", u"بحث مطابق"},
        {"N88", u"في الجدول فقط"},
    };
    for (const auto& [item, text] : indicators) {
        const QString name = QString::fromLatin1(item);
        auto* label = new ModeIndicator(QString::fromUtf16(text), modes);
        label->setToolTip(find_command(kMain, name)->caption.trimmed());
        QSizePolicy kept = label->sizePolicy();
        kept.setRetainSizeWhenHidden(true);
        label->setSizePolicy(kept);
        label->hide();
        modesLayout->addWidget(label);
        modes_.insert(name, label);
    }
    row->addWidget(modes);

    for (int i = 0; i < 5; ++i) {
        const QString name = button_name(i + 1);
        const Command* c = find_command(kMain, name);
        auto* b = new QPushButton(c->caption, bar);
        b->setToolTip(tooltip_lines(c->hint));
        row->addWidget(b);
        buttons_[i] = b;
        connect(b, &QPushButton::clicked, this, [this, name] { runItem(name); });
    }
    buttons_[0]->setContextMenuPolicy(Qt::CustomContextMenu);
    return bar;
}

void MainWindow::sizePanes() {
    // Wanted: two lines and a half of the display box, five rows of the
    // letter list and a table of ten rows; a smaller window shrinks the first
    // two towards their least heights before the table gives up its rows.
    const int handles = 2 * panes_->handleWidth();
    const int total = panes_->height() - handles;
    QWidget* middle = panes_->widget(1);
    QWidget* bottom = panes_->widget(2);
    const int frame = 2 * display_->frameWidth();
    const int wantDisplay = 5 * display_->fontMetrics().lineSpacing() / 2 + frame +
                            2 * int(display_->document()->documentMargin());
    const int wantMiddle =
        middle->minimumSizeHint().height() + 3 * (letters_->fontMetrics().height() + 2);
    const int minDisplay = display_->minimumHeight();
    const int minMiddle = middle->minimumSizeHint().height();
    const int tableRow = table_->verticalHeader()->defaultSectionSize();
    const int minBottom = bottom->minimumSizeHint().height();
    const int wantBottom = minBottom + 7 * tableRow;
    // The table keeps its ten rows, or at least more than half the height.
    const int bottomNeeds = std::max(minBottom, std::min(wantBottom, total * 11 / 20));
    const int room =
        std::clamp(total - bottomNeeds, minDisplay + minMiddle, wantDisplay + wantMiddle);
    const double share = double(room) / (wantDisplay + wantMiddle);
    const int d = std::max(minDisplay, int(wantDisplay * share));
    const int m = std::max(minMiddle, int(wantMiddle * share));
    panes_->setSizes({d, m, std::max(minBottom, total - d - m)});
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
                a->setData(c->key);
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
    if (const Command* c = find_command(kMain, name))
        act(run_command(program_, kMain, name,
                        gather_inputs(*c, program_, dialogs_, this, search_->text(), chosen)));
}

void MainWindow::act(const Result& result) {
    if (result.refused) {
        syncItems();
        return;
    }
    if (!result.clipboard.isEmpty())
        QGuiApplication::clipboard()->setText(result.clipboard);
    if (SecondaryWindow* closed = windows_.value(result.close))
        closed->hide();
    if (result.boxOf == kMain)
        search_->setText(result.boxText);
    else if (SecondaryWindow* box = windows_.value(result.boxOf))
        box->setBoxText(result.boxText);
    refresh();
    // A command of one window may change what another shows.
    for (WindowId shown : program_.shown())
        if (SecondaryWindow* w = windows_.value(shown))
            w->render();
    if (!result.message.isEmpty())
        dialogs_.message(this, result.message);
    if (program_.active() == kMain)
        applyFocus(result.focus);
    if (SecondaryWindow* opened = windows_.value(result.open))
        opened->open();
    if (!result.openDocument.isEmpty())
        dialogs_.openDocument(result.openDocument);
    if (!result.startProgram.isEmpty())
        dialogs_.startProgram(result.startProgram);
}

GoToDialog* MainWindow::goToDialog() const {
    return static_cast<GoToDialog*>(window(WindowId::GoTo));
}

WordSortDialog* MainWindow::wordSortDialog() const {
    return static_cast<WordSortDialog*>(window(WindowId::WordSort));
}

PhraseListDialog* MainWindow::phraseListDialog() const {
    return static_cast<PhraseListDialog*>(window(WindowId::PhraseList));
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
        const auto* resize = static_cast<QResizeEvent*>(event);
        if (resize->size().width() != resize->oldSize().width())
            table_->fitColumns();
    } else if (event->type() == QEvent::ToolTip && watched == menuBar()) {
        // A command that stands on the menu bar itself tells its key.
        const auto* help = static_cast<QHelpEvent*>(event);
        const QAction* a = menuBar()->actionAt(help->pos());
        if (a && !a->menu() && !a->data().toString().isEmpty()) {
            QToolTip::showText(help->globalPos(), a->data().toString(), menuBar(),
                               menuBar()->actionGeometry(const_cast<QAction*>(a)));
            return true;
        }
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
    // A selection that leaves out the current row is mostly the first half
    // of a move: the current row follows at once. If it does not, the table
    // makes it whole when the events of this move are done.
    const auto [top, bottom] = table_->selectedRange();
    const int current = table_->currentIndex().row();
    if (current >= 0 && top >= 0 && (current < top || current > bottom)) {
        QTimer::singleShot(0, this, &MainWindow::tableCurrentChanged);
        return;
    }
    tableCurrentChanged();
}

void MainWindow::tableCurrentChanged() {
    if (syncing_)
        return;
    const std::optional<RowSelection> rows = table_->chosenRows();
    if (!rows)
        return;
    select_rows(s_, rows->top, rows->bottom, rows->current);
    refresh();
    applyFocus(std::exchange(s_.focus, Focus::Unchanged));
}

void MainWindow::copyTableRows() {
    QGuiApplication::clipboard()->setText(selected_rows_text(s_.table));
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
    syncModes();
    syncing_ = false;
}

void MainWindow::syncTable() {
    const Grid& grid = s_.table;
    const bool reset = model_->sync();
    std::vector<int> widths;
    for (int c = 0; c < grid.columnCount(); ++c)
        widths.push_back(grid.columnWidth(c));
    // The verse text takes whatever width the other columns leave.
    if (reset || widths != table_->columnWidths())
        table_->setColumnWidths(widths, s_.ayat ? int(verse_col::text) : -1);

    table_->showGridSelection(grid, reset);
}

void MainWindow::syncDisplay() {
    const DisplayBox& box = s_.display;
    const bool newText = box.text != shownText_ || display_->content() != box.text;
    if (newText) {
        display_->setContent(box.text);
        shownText_ = box.text;
    }
    if (newText || box.marks != shownMarks_) {
        display_->setMarks(box.marks);
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
        // The lines stand in columns of equal width, as many as the width
        // holds, each as wide as the longest line.
        const QFontMetrics fm(letters_->font());
        int widest = fm.horizontalAdvance(QStringLiteral("0000 = ب"));
        for (const QString& line : lines)
            widest = std::max(widest, fm.horizontalAdvance(line));
        letters_->setGridSize(QSize(widest + 3 * fm.averageCharWidth() + 16, fm.height() + 2));
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

void MainWindow::syncModes() {
    for (auto it = modes_.constBegin(); it != modes_.constEnd(); ++it)
        it.value()->setVisible(s_.checked(it.key()));
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
