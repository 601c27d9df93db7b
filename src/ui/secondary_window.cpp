#include "ui/secondary_window.h"

#include "shell/dispatch.h"
#include "ui/inputs.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QListWidget>

namespace tallyra {

SecondaryWindow::SecondaryWindow(Program& program, Dialogs& dialogs, WindowId id, QWidget* parent)
    : QDialog(parent), program_(program), dialogs_(dialogs), id_(id) {
    setLayoutDirection(Qt::RightToLeft);
    setWindowModality(Qt::ApplicationModal);
    qApp->installEventFilter(this);
}

void SecondaryWindow::open() {
    program_.show(id_);
    render();
    if (QWidget* p = parentWidget())
        move(p->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

Result SecondaryWindow::run(const QString& item, const QStringList& chosen,
                            const QString& searchBox) {
    const Command* c = find_command(id_, item);
    if (!c)
        return {};
    const QStringList inputs = gather_inputs(*c, program_, dialogs_, this, searchBox, chosen);
    const Result r = run_command(program_, id_, item, inputs);
    render();
    if (!r.message.isEmpty())
        dialogs_.message(this, r.message);
    // The message was shown here; the focus goes here while this window
    // still takes the input; the main window acts on the rest.
    Result rest = r;
    rest.message.clear();
    if (program_.active() == id_) {
        applyFocus(r.focus);
        rest.focus = Focus::Unchanged;
    }
    if (forward_)
        forward_(rest);
    return r;
}

bool SecondaryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isVisible()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && !QApplication::activePopupWidget() &&
            QApplication::activeModalWidget() == this) {
            auto* key = static_cast<QKeyEvent*>(event);
            const KeyResult k =
                key_command(program_, id_, key->key(), key->modifiers(), key->text());
            if (k.consumed) {
                run(k.item, {}, searchBoxText());
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SecondaryWindow::done(int r) {
    program_.hide(id_);
    QDialog::done(r);
}

QStringList SecondaryWindow::selectedRows(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            rows << QString::number(i);
    return rows;
}

void SecondaryWindow::showSelectionMode(QListWidget* list, QCheckBox* box, bool extended) {
    box->setChecked(extended);
    list->setSelectionMode(extended ? QAbstractItemView::ExtendedSelection
                                    : QAbstractItemView::MultiSelection);
}

} // namespace tallyra
