#include "ui/notes_pad.h"

#include "auxiliary/notes.h"
#include "shell/dispatch.h"
#include "ui/fonts.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

namespace tallyra {

namespace {

constexpr WindowId P = WindowId::Notes;

} // namespace

NotesPad::NotesPad(Program& program, Dialogs& dialogs, QWidget* parent)
    : SecondaryWindow(program, dialogs, P, parent), box_(new QPlainTextEdit(this)),
      menu_(new QMenu(this)) {
    setWindowTitle(QStringLiteral("دفتر الملاحظات"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);

    box_->setFont(arabic_font(29));
    box_->setLayoutDirection(Qt::RightToLeft);
    QTextOption option = box_->document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight);
    box_->document()->setDefaultTextOption(option);
    box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box_->setToolTip(QStringLiteral("لخيارات متعددة إضغط على زر الفأرة الأيمن"));
    box_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box_);
    resize(786, 373);

    // The context menu from the rows: the box's own edit actions first, then
    // the export and the clearing, which run through the engine.
    menu_->setLayoutDirection(Qt::RightToLeft);
    const QHash<QString, void (QPlainTextEdit::*)()> edits = {
        {QStringLiteral("Copy"), &QPlainTextEdit::copy},
        {QStringLiteral("Cut"), &QPlainTextEdit::cut},
        {QStringLiteral("Paste"), &QPlainTextEdit::paste},
        {QStringLiteral("SelectAll"), &QPlainTextEdit::selectAll},
        {QStringLiteral("Undo"), &QPlainTextEdit::undo},
    };
    for (const Command* c : menu_rows(P, QStringLiteral("PopupMenu1"))) {
        if (c->separatorBefore)
            menu_->addSeparator();
        QAction* a = menu_->addAction(c->key.isEmpty() ? c->caption : c->caption + u'\t' + c->key);
        actions_.insert(c->item, a);
        if (const auto edit = edits.value(c->item))
            connect(a, &QAction::triggered, box_, edit);
        else
            connect(a, &QAction::triggered, this, [this, item = c->item] { runItem(item); });
    }
    connect(menu_, &QMenu::aboutToShow, this, &NotesPad::menuOpening);
    connect(box_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(box_->viewport()->mapToGlobal(at)); });

    // The notes of the last run; a failure is told once the program shows.
    const QString message = load_notes(program_.notes);
    box_->setPlainText(program_.notes.text);
    if (!message.isEmpty())
        QTimer::singleShot(0, this, [this, message] { dialogs_.message(parentWidget(), message); });

    // The program ending while the pad is open still writes the notes.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (program_.isShown(P))
            reject();
    });
}

void NotesPad::open() {
    SecondaryWindow::open();
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    box_->setFocus(Qt::ActiveWindowFocusReason);
    box_->moveCursor(QTextCursor::Start);
}

void NotesPad::render() {
    const QString& text = program_.notes.text;
    if (box_->toPlainText() == text)
        return;
    // Replaced as one edit, which the undo action can take back.
    QTextCursor cursor(box_->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
}

void NotesPad::takeText() {
    program_.notes.text = box_->toPlainText();
}

void NotesPad::menuOpening() {
    takeText();
    open_menu(program_, P, QStringLiteral("PopupMenu1"));
    const bool selected = box_->textCursor().hasSelection();
    const QHash<QString, bool> platform = {
        {QStringLiteral("Copy"), selected},
        {QStringLiteral("Cut"), selected},
        {QStringLiteral("Paste"), box_->canPaste()},
        {QStringLiteral("SelectAll"), !box_->document()->isEmpty()},
        {QStringLiteral("Undo"), box_->document()->isUndoAvailable()},
    };
    for (auto it = actions_.constBegin(); it != actions_.constEnd(); ++it)
        it.value()->setEnabled(platform.value(it.key(), program_.notes.items.enabled(it.key())));
}

void NotesPad::runItem(const QString& item) {
    takeText();
    run(item);
}

void NotesPad::reject() {
    if (program_.isShown(P))
        runItem(QStringLiteral("FormClose"));
    SecondaryWindow::reject();
}

} // namespace tallyra
