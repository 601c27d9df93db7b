#include "ui/word_sort_dialog.h"

#include "shell/registry.h"
#include "table/frame.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/marked_text_box.h"
#include "ui/registry_menu.h"
#include "words/word_window.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tallyra {

namespace {

constexpr WindowId kWindow = WindowId::WordSort;
const QColor kMaroon{128, 0, 0};

} // namespace

WordSortDialog::WordSortDialog(Program& program, Dialogs& dialogs, QWidget* parent)
    : SecondaryWindow(program, dialogs, kWindow, parent), display_(new MarkedTextBox(this)),
      summary_(new QLabel(this)), letters_(new QListWidget(this)),
      export_(new QPushButton(find_command(kWindow, QStringLiteral("BitBtn1"))->caption, this)),
      gauge_(new QProgressBar(this)),
      ordering_(new QGroupBox(QStringLiteral("  الترتيب حسب  "), this)),
      orderingGroup_(new QButtonGroup(this)), table_(new GridView(this)),
      model_(new GridModel(program.words.table, this)),
      menu_(new RegistryMenu(program, kWindow, QStringLiteral("PopupMenu1"), this,
                             [this](const QString& item) { runItem(item); })) {
    setWindowTitle(QStringLiteral("فرز الكلمات"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);

    display_->setFont(arabic_font(40));
    QTextOption centred = display_->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignCenter);
    display_->document()->setDefaultTextOption(centred);
    display_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    display_->setFixedHeight(display_->fontMetrics().lineSpacing() + 2 * display_->frameWidth() +
                             2 * int(display_->document()->documentMargin()));

    summary_->setAlignment(Qt::AlignCenter);
    summary_->setFont(arabic_font(18));
    keep_readable(summary_, kMaroon, kTextContrast);

    // The letters in three columns; nothing in them can be chosen.
    letters_->setFont(arabic_font(16));
    letters_->setFlow(QListView::TopToBottom);
    letters_->setWrapping(true);
    letters_->setResizeMode(QListView::Adjust);
    letters_->setSelectionMode(QAbstractItemView::NoSelection);
    letters_->setFocusPolicy(Qt::NoFocus);
    const int line = letters_->fontMetrics().height() + 2;
    letters_->setFixedHeight(5 * line + 2 * letters_->frameWidth() +
                             letters_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    gauge_->setTextVisible(false);
    gauge_->setFixedHeight(12);

    auto* orderingLayout = new QVBoxLayout(ordering_);
    const QStringList& items = word_ordering_items();
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], ordering_);
        orderingGroup_->addButton(b, i);
        orderingLayout->addWidget(b);
        orderingItems_.push_back(b);
    }
    orderingLayout->addStretch(1);

    table_->setModel(model_);
    table_->setFont(arabic_font(18));
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->setToolTip(QStringLiteral("نقر مزدوج على الكلمة لإضافتها للقائمة أو  Enter\n"
                                      "لمزيد من الخيارات إضغط زر الفأرة الأيمن"));
    table_->setContextMenuPolicy(Qt::CustomContextMenu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(display_);
    layout->addWidget(summary_);
    layout->addWidget(letters_);
    layout->addWidget(export_);
    layout->addWidget(gauge_);
    // Right to left: the table on the right, the selector on the left.
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(table_, 1);
    bottom->addWidget(ordering_, 0, Qt::AlignTop);
    layout->addLayout(bottom, 1);

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int height = screen ? screen->availableGeometry().height() - 30 : 700;
    setFixedSize(620, std::max(480, height));

    connect(orderingGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { runItem(QStringLiteral("RadioGroup1"), {QString::number(id)}); });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &WordSortDialog::selectionChanged);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &WordSortDialog::selectionChanged);
    connect(export_, &QPushButton::clicked, this, [this] { runItem(QStringLiteral("BitBtn1")); });
    connect(table_, &QAbstractItemView::doubleClicked, this,
            [this] { runItem(QStringLiteral("PassOn")); });
    connect(table_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { menu_->popup(table_->viewport()->mapToGlobal(p)); });
    connect(table_, &GridView::copyRequested, this, [this] {
        QGuiApplication::clipboard()->setText(selected_rows_text(program_.words.table));
    });
}

QRadioButton* WordSortDialog::orderingItem(int index) const {
    return index >= 0 && index < int(orderingItems_.size()) ? orderingItems_[index] : nullptr;
}

void WordSortDialog::open() {
    SecondaryWindow::open();
    // The columns share the width the shown window gives the table.
    table_->fitColumns();
    table_->setFocus(Qt::ActiveWindowFocusReason);
}

void WordSortDialog::selectionChanged() {
    if (syncing_)
        return;
    if (const std::optional<RowSelection> rows = table_->chosenRows()) {
        word_rows_selected(program_.words, rows->top, rows->bottom, rows->current);
        render();
    }
}

void WordSortDialog::render() {
    const WordWindow& w = program_.words;
    syncing_ = true;
    setWindowTitle(w.caption.isEmpty() ? QStringLiteral("فرز الكلمات") : w.caption);

    const bool reset = model_->sync();
    std::vector<int> widths;
    for (int c = 0; c < w.table.columnCount(); ++c)
        widths.push_back(w.table.columnWidth(c));
    if (reset || widths != table_->columnWidths())
        table_->setColumnWidths(widths, word_col::word);
    table_->showGridSelection(w.table, reset);

    if (w.display.text != shownText_ || display_->content() != w.display.text) {
        display_->setContent(w.display.text);
        shownText_ = w.display.text;
        shownMarks_.clear();
        display_->setMarks({});
    }
    if (w.display.marks != shownMarks_) {
        display_->setMarks(w.display.marks);
        shownMarks_ = w.display.marks;
    }
    if (w.letters.lines() != shownLetters_) {
        letters_->clear();
        letters_->addItems(w.letters.lines());
        shownLetters_ = w.letters.lines();
        // Columns of equal width, each as wide as the longest line.
        const QFontMetrics fm(letters_->font());
        int widest = fm.horizontalAdvance(QStringLiteral("عدد الحروف 00"));
        for (const QString& line : shownLetters_)
            widest = std::max(widest, fm.horizontalAdvance(line));
        letters_->setGridSize(QSize(widest + 3 * fm.averageCharWidth() + 16, fm.height() + 2));
    }
    summary_->setText(w.summary);

    gauge_->setMaximum(std::max(1, w.gauge.maximum));
    gauge_->setValue(std::clamp(w.gauge.value, 0, gauge_->maximum()));

    const Items& items = w.items;
    ordering_->setEnabled(items.enabled(QStringLiteral("RadioGroup1")));
    orderingGroup_->setExclusive(false);
    for (int i = 0; i < int(orderingItems_.size()); ++i)
        orderingItems_[i]->setChecked(i == w.orderingIndex);
    orderingGroup_->setExclusive(true);
    export_->setEnabled(items.enabled(QStringLiteral("BitBtn1")));
    menu_->sync();
    syncing_ = false;
}

void WordSortDialog::applyFocus(Focus focus) {
    if (focus == Focus::Table)
        table_->setFocus();
}

} // namespace tallyra
