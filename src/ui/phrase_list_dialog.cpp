#include "ui/phrase_list_dialog.h"

#include "search/phrase_list.h"
#include "shell/registry.h"
#include "ui/fonts.h"
#include "ui/registry_menu.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tallyra {

namespace {

constexpr WindowId kWindow = WindowId::PhraseList;

QString caption_of(const char* item) {
    return find_command(kWindow, QString::fromLatin1(item))->caption;
}

} // namespace

PhraseListDialog::PhraseListDialog(Program& program, Dialogs& dialogs, QWidget* parent)
    : SecondaryWindow(program, dialogs, kWindow, parent), count_(new QLabel(this)),
      whole_(new QRadioButton(caption_of("RadioButton2"), this)),
      any_(new QRadioButton(caption_of("RadioButton1"), this)), input_(new QLineEdit(this)),
      add_(new QPushButton(caption_of("BitBtn1"), this)), list_(new QListWidget(this)),
      delete_(new QPushButton(caption_of("BitBtn2"), this)),
      menu_(new RegistryMenu(program, kWindow, QStringLiteral("PopupMenu1"), this,
                             [this](const QString& item) { runItem(item); })) {
    setWindowTitle(QStringLiteral("قائمة العبارات"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);

    count_->setAlignment(Qt::AlignCenter);
    count_->setFont(arabic_font(20));
    input_->setFont(arabic_font(20));
    input_->setToolTip(QStringLiteral("أكتب الكلمة أو العبارة التي تريد البحث عنها ثم إضغط عل  "
                                      "Enter أو الزر الموالي"));
    list_->setFont(arabic_font(19));
    list_->setToolTip(QStringLiteral("لمزيد من الخيارات إضغط زر الفأرة الأيمن"));
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setUniformItemSizes(true);

    auto* options = new QHBoxLayout;
    options->addWidget(whole_);
    options->addWidget(any_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(count_);
    layout->addLayout(options);
    layout->addWidget(input_);
    layout->addWidget(add_);
    layout->addWidget(list_, 1);
    layout->addWidget(delete_);

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int height = screen ? screen->availableGeometry().height() - 30 : 600;
    setFixedSize(285, std::max(300, height));

    connect(add_, &QPushButton::clicked, this, [this] { runItem(QStringLiteral("BitBtn1")); });
    connect(delete_, &QPushButton::clicked, this, [this] { runItem(QStringLiteral("BitBtn2")); });
    // An option is chosen when it becomes checked; the one checked already
    // chooses nothing.
    connect(whole_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            runItem(QStringLiteral("RadioButton2"));
    });
    connect(any_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            runItem(QStringLiteral("RadioButton1"));
    });
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { run(QStringLiteral("ListBox1"), {QString::number(row)}); });
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { menu_->popup(list_->viewport()->mapToGlobal(p)); });
}

void PhraseListDialog::open() {
    SecondaryWindow::open();
    input_->setFocus(Qt::ActiveWindowFocusReason);
}

void PhraseListDialog::render() {
    const PhraseListWindow& w = program_.phraseList;
    count_->setText(phrase_count_label(w));
    {
        const QSignalBlocker a(whole_), b(any_);
        const bool whole = phrases_independent(w);
        whole_->setChecked(whole);
        any_->setChecked(!whole);
    }
    const QSignalBlocker block(list_);
    if (w.phrases != shown_) {
        list_->clear();
        list_->addItems(w.phrases);
        shown_ = w.phrases;
    }
    if (list_->currentRow() != w.selected) {
        list_->setCurrentRow(w.selected);
        if (w.selected >= 0)
            list_->scrollToItem(list_->item(w.selected));
    }
    const Items& items = w.items;
    add_->setEnabled(items.enabled(QStringLiteral("BitBtn1")));
    delete_->setEnabled(items.enabled(QStringLiteral("BitBtn2")));
    menu_->sync();
}

void PhraseListDialog::setBoxText(const QString& text) {
    input_->setText(text);
}

QString PhraseListDialog::searchBoxText() const {
    return input_->text();
}

void PhraseListDialog::applyFocus(Focus focus) {
    switch (focus) {
    case Focus::SearchBox:
        input_->setFocus();
        break;
    case Focus::SearchBoxSelected:
        input_->setFocus();
        input_->selectAll();
        break;
    case Focus::Table:
    case Focus::Display:
    case Focus::Unchanged:
        break;
    }
}

} // namespace tallyra
