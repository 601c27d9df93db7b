#include "ui/goto_dialog.h"

#include "table/goto_verse.h"
#include "ui/fonts.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace tallyra {

GoToDialog::GoToDialog(Session& session, Dialogs& dialogs, std::function<void()> jumped,
                       QWidget* parent)
    : QDialog(parent), session_(session), dialogs_(dialogs), jumped_(std::move(jumped)),
      surahs_(new QListWidget(this)), verses_(new QListWidget(this)),
      ok_(new QPushButton(QStringLiteral("موافق"), this)) {
    setWindowTitle(QStringLiteral("إختيار آية كريمة"));
    setLayoutDirection(Qt::RightToLeft);
    setWindowModality(Qt::ApplicationModal);

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

    connect(surahs_, &QListWidget::currentRowChanged, this, &GoToDialog::surahChosen);
    connect(verses_, &QListWidget::currentRowChanged, this,
            [this](int row) { goto_choose_verse(session_, row); });
    connect(ok_, &QPushButton::clicked, this, &GoToDialog::accept);
    connect(verses_, &QListWidget::itemDoubleClicked, this, &GoToDialog::accept);
}

void GoToDialog::open() {
    // No entry stays current either, so that choosing the entry of last time
    // again counts as a choice.
    for (QListWidget* list : {surahs_, verses_}) {
        const QSignalBlocker block(list);
        list->setCurrentRow(-1);
        list->clearSelection();
    }
    if (QWidget* p = parentWidget())
        move(p->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void GoToDialog::surahChosen(int index) {
    if (index < 0)
        return;
    const QStringList verses = goto_choose_surah(session_, index);
    const QSignalBlocker block(verses_);
    verses_->clear();
    verses_->addItems(verses);
}

void GoToDialog::accept() {
    if (const std::optional<QString> message = goto_ok(session_)) {
        dialogs_.message(this, *message);
        return;
    }
    if (jumped_)
        jumped_();
    QDialog::accept();
}

} // namespace tallyra
