#include "ui/verse_chooser.h"

#include "shell/dispatch.h"
#include "table/choosers.h"
#include "table/goto_verse.h"
#include "ui/fonts.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tallyra {

namespace {

constexpr WindowId kId = WindowId::VerseChooser;
const QString kMenu = QStringLiteral("PopupMenu1");

QString caption_of(const char* item) {
    return find_command(kId, QString::fromLatin1(item))->caption;
}

// A list shows these entries with these selected; nothing is sent back.
void show_list(QListWidget* list, const QStringList& entries, const std::vector<int>& selected) {
    const QSignalBlocker block(list);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    if (shown != entries) {
        list->clear();
        list->addItems(entries);
    }
    for (int i = 0; i < list->count(); ++i) {
        const bool on = std::find(selected.begin(), selected.end(), i) != selected.end();
        if (list->item(i)->isSelected() != on)
            list->item(i)->setSelected(on);
    }
}

} // namespace

VerseChooser::VerseChooser(Program& program, Dialogs& dialogs, QWidget* parent)
    : SecondaryWindow(program, dialogs, kId, parent), count_(new QLabel(this)),
      show_(new QPushButton(caption_of("BitBtn2"), this)),
      mode_(new QCheckBox(caption_of("CheckBox1"), this)),
      all_(new QPushButton(caption_of("BitBtn3"), this)), surahs_(new QListWidget(this)),
      verses_(new QListWidget(this)), add_(new QPushButton(caption_of("BitBtn1"), this)),
      chosen_(new QListWidget(this)), menu_(new QMenu(this)) {
    setWindowTitle(QStringLiteral("إختيار آيات لعرضها في الجدول"));

    const QFont font = arabic_font(19);
    count_->setFont(arabic_font(18));
    count_->setAlignment(Qt::AlignCenter);
    count_->setMinimumWidth(60);
    for (QListWidget* list : {surahs_, verses_, chosen_})
        list->setFont(font);
    surahs_->addItems(goto_surah_entries());
    surahs_->setSelectionMode(QAbstractItemView::SingleSelection);
    chosen_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    const QFontMetrics fm(font);
    surahs_->setFixedWidth(fm.horizontalAdvance(QStringLiteral("082-الإنفطار")) + 48);
    verses_->setFixedWidth(fm.horizontalAdvance(QStringLiteral("0000")) + 48);
    chosen_->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("082-الإنفطار 000")) + 48);

    auto* top = new QHBoxLayout;
    top->addWidget(count_);
    top->addWidget(show_);
    top->addWidget(mode_);
    top->addWidget(all_);
    top->addStretch(1);

    auto* lists = new QHBoxLayout;
    lists->addWidget(surahs_);
    lists->addWidget(verses_);
    lists->addWidget(add_, 0, Qt::AlignVCenter);
    lists->addWidget(chosen_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addLayout(lists, 1);

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int height = screen ? screen->availableGeometry().height() - 30 : 600;
    resize(std::max(sizeHint().width(), 640), std::max(300, height));

    // The chosen-verse list's context menu, from the registry's rows.
    menu_->setLayoutDirection(Qt::RightToLeft);
    for (const Command* c : menu_rows(kId, kMenu)) {
        QAction* a = menu_->addAction(c->caption);
        a->setObjectName(c->item);
        connect(a, &QAction::triggered, this, [this, name = c->item] { run(name); });
    }
    connect(menu_, &QMenu::aboutToShow, this, [this] {
        open_menu(program_, kId, kMenu);
        for (QAction* a : menu_->actions())
            a->setEnabled(program_.verseChooser.items.enabled(a->objectName()));
    });
    chosen_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(chosen_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { menu_->popup(chosen_->viewport()->mapToGlobal(p)); });

    connect(surahs_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> items = surahs_->selectedItems();
        if (!items.isEmpty())
            run(QStringLiteral("ListBox1"), {QString::number(surahs_->row(items.first()))});
    });
    connect(verses_, &QListWidget::itemSelectionChanged, this,
            [this] { sendSelection(verses_, "ListBox2"); });
    connect(chosen_, &QListWidget::itemSelectionChanged, this,
            [this] { sendSelection(chosen_, "ListBox3"); });
    connect(mode_, &QCheckBox::clicked, this, [this] { run(QStringLiteral("CheckBox1")); });
    connect(all_, &QPushButton::clicked, this, [this] { run(QStringLiteral("BitBtn3")); });
    connect(add_, &QPushButton::clicked, this, [this] { run(QStringLiteral("BitBtn1")); });
    connect(show_, &QPushButton::clicked, this, [this] { run(QStringLiteral("BitBtn2")); });
}

QAction* VerseChooser::chosenMenuItem(const QString& name) const {
    for (QAction* a : menu_->actions())
        if (a->objectName() == name)
            return a;
    return nullptr;
}

void VerseChooser::sendSelection(QListWidget* list, const char* item) {
    run(QString::fromLatin1(item), selectedRows(list));
}

void VerseChooser::render() {
    const VerseChooserWindow& w = program_.verseChooser;
    count_->setText(w.count);
    showSelectionMode(verses_, mode_, w.items.checked(kChooserModeBox));
    show_list(verses_, w.verses, w.selectedVerses);
    show_list(chosen_, w.chosen, w.selectedChosen);
    // The surah whose verse numbers the middle list shows stands selected.
    const QSignalBlocker block(surahs_);
    if (!w.verses.isEmpty() && !surahs_->item(w.la)->isSelected())
        surahs_->item(w.la)->setSelected(true);
}

} // namespace tallyra
