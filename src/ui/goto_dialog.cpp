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

GoToDialog::GoToDialog(Program& program, Dialogs& dialogs,
                       std::function<void(const Result&)> jumped, QWidget* parent)
    : QDialog(parent), program_(program), dialogs_(dialogs), jumped_(std::move(jumped)),
      surahs_(new QListWidget(this)), verses_(new QListWidget(this)),
      ok_(new QPushButton(find_command(WindowId::GoTo, QStringLiteral("Button1"))->caption, this)) {
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
    connect(verses_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            run_command(program_, WindowId::GoTo, QStringLiteral("ListBox2"),
                        {QString::number(row)});
    });
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
    program_.show(WindowId::GoTo);
    if (QWidget* p = parentWidget())
        move(p->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void GoToDialog::surahChosen(int index) {
    if (index < 0)
        return;
    run_command(program_, WindowId::GoTo, QStringLiteral("ListBox1"), {QString::number(index)});
    const QSignalBlocker block(verses_);
    verses_->clear();
    verses_->addItems(program_.goTo.verses);
}

void GoToDialog::accept() {
    const Result r = run_command(program_, WindowId::GoTo, QStringLiteral("Button1"));
    if (!r.message.isEmpty()) {
        dialogs_.message(this, r.message);
        return;
    }
    QDialog::accept();
    if (jumped_)
        jumped_(r);
}

void GoToDialog::done(int r) {
    // However the dialog closes, it no longer takes the input.
    program_.hide(WindowId::GoTo);
    QDialog::done(r);
}

} // namespace tallyra
