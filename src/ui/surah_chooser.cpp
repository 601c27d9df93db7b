#include "ui/surah_chooser.h"

#include "corpus/surahs.h"
#include "shell/registry.h"
#include "table/choosers.h"
#include "table/goto_verse.h"
#include "ui/fonts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyra {

namespace {

constexpr int kColumns = 8;
constexpr int kRows = (kSurahCount + kColumns - 1) / kColumns;

QString caption_of(const char* item) {
    return find_command(WindowId::SurahChooser, QString::fromLatin1(item))->caption;
}

} // namespace

SurahChooser::SurahChooser(Program& program, Dialogs& dialogs, QWidget* parent)
    : SecondaryWindow(program, dialogs, WindowId::SurahChooser, parent), count_(new QLabel(this)),
      surahs_(new QListWidget(this)), mode_(new QCheckBox(caption_of("CheckBox1"), this)),
      ok_(new QPushButton(caption_of("BitBtn1"), this)),
      cancel_(new QPushButton(caption_of("BitBtn2"), this)) {
    setWindowTitle(QStringLiteral("إختيار سُور من الجدول"));

    count_->setFont(arabic_font(18));
    count_->setAlignment(Qt::AlignCenter);

    // The surahs stand in eight columns, read from the right, each column
    // down from the top.
    surahs_->setFont(arabic_font(18));
    surahs_->addItems(goto_surah_entries());
    surahs_->setFlow(QListView::TopToBottom);
    surahs_->setWrapping(true);
    surahs_->setUniformItemSizes(true);
    surahs_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    surahs_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics fm(surahs_->font());
    int widest = 0;
    for (const QString& entry : goto_surah_entries())
        widest = std::max(widest, fm.horizontalAdvance(entry));
    const QSize cell(widest + 3 * fm.averageCharWidth(), fm.height() + 6);
    surahs_->setGridSize(cell);
    const int frame = 2 * surahs_->frameWidth();
    surahs_->setFixedSize(kColumns * cell.width() + frame + 2, kRows * cell.height() + frame + 2);

    ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    buttons->addWidget(mode_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(count_);
    layout->addWidget(surahs_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Its size is known before it first shows, so that it opens centred.
    adjustSize();

    connect(surahs_, &QListWidget::itemSelectionChanged, this, &SurahChooser::selectionChanged);
    connect(mode_, &QCheckBox::clicked, this, [this] { run(QStringLiteral("CheckBox1")); });
    connect(ok_, &QPushButton::clicked, this, [this] { run(QStringLiteral("BitBtn1")); });
    connect(cancel_, &QPushButton::clicked, this, [this] { run(QStringLiteral("BitBtn2")); });
}

void SurahChooser::selectionChanged() {
    run(QStringLiteral("ListBox1"), selectedRows(surahs_));
}

void SurahChooser::render() {
    const SurahChooserWindow& w = program_.surahChooser;
    count_->setText(w.count);
    showSelectionMode(surahs_, mode_, w.items.checked(kChooserModeBox));
    const QSignalBlocker block(surahs_);
    for (int i = 0; i < surahs_->count(); ++i) {
        const bool selected = std::binary_search(w.selected.begin(), w.selected.end(), i + 1);
        if (surahs_->item(i)->isSelected() != selected)
            surahs_->item(i)->setSelected(selected);
    }
}

} // namespace tallyra
