#include "ui/goto_dialog.h"

#include "shell/dispatch.h"
#include "table/goto_verse.h"
#include "ui/fonts.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace tallyra {

namespace {

int selected_row(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

} // namespace

GoToDialog::GoToDialog(Program& program, Dialogs& dialogs, QWidget* parent)
    : SecondaryWindow(program, dialogs, WindowId::GoTo, parent), surahs_(new QListWidget(this)),
      verses_(new QListWidget(this)),
      ok_(new QPushButton(find_command(WindowId::GoTo, QStringLiteral("Button1"))->caption, this)) {
    setWindowTitle(QStringLiteral("إختيار آية كريمة"));

    const QFont font = arabic_font(19);
    surahs_->setFont(font);
    verses_->setFont(font);
    surahs_->addItems(goto_surah_entries());
    surahs_->setFixedWidth(138);
    ok_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    ok_->setFixedWidth(48);
    ok_->setDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(surahs_);
    layout->addWidget(ok_);
    layout->addWidget(verses_, 1);

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int height = screen ? screen->availableGeometry().height() - 30 : 600;
    setFixedSize(274, std::max(200, height));

    // An entry is chosen when it is selected, by a click, the arrow keys or
    // typing its first characters («002»); the focus entering a list by Tab
    // only marks an entry as current and chooses nothing.
    connect(surahs_, &QListWidget::itemSelectionChanged, this,
            [this] { surahChosen(selected_row(surahs_)); });
    connect(verses_, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = selected_row(verses_);
        if (row >= 0)
            run(QStringLiteral("ListBox2"), {QString::number(row)});
    });
    connect(ok_, &QPushButton::clicked, this, &GoToDialog::accept);
    connect(verses_, &QListWidget::itemDoubleClicked, this, &GoToDialog::accept);
}

void GoToDialog::open() {
    // The lists lose their selection, so that choosing the entry of last time
    // again counts as a choice; the entries OK aims at now, those chosen
    // last, stand current, where the arrow keys go on from.
    const GoToWindow& f = program_.goTo;
    for (auto [list, row] : {std::pair{surahs_, f.a}, std::pair{verses_, f.b}}) {
        const QSignalBlocker block(list);
        list->clearSelection();
        const QModelIndex current = list->model()->index(row, 0);
        list->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        list->scrollTo(current, QAbstractItemView::PositionAtCenter);
    }
    SecondaryWindow::open();
    surahs_->setFocus(Qt::ActiveWindowFocusReason);
}

void GoToDialog::surahChosen(int index) {
    if (index < 0)
        return;
    run(QStringLiteral("ListBox1"), {QString::number(index)});
}

void GoToDialog::render() {
    QStringList shown;
    for (int i = 0; i < verses_->count(); ++i)
        shown << verses_->item(i)->text();
    if (shown == program_.goTo.verses)
        return;
    const QSignalBlocker block(verses_);
    verses_->clear();
    verses_->addItems(program_.goTo.verses);
}

void GoToDialog::accept() {
    // A jump closes the dialog through its result; a verse the table does
    // not list leaves it open with the message.
    run(QStringLiteral("Button1"));
}

} // namespace tallyra
