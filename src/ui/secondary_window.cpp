#include "ui/secondary_window.h"

#include "shell/dispatch.h"
#include "ui/inputs.h"

#include <QCheckBox>
#include <QListWidget>

namespace tallyra {

SecondaryWindow::SecondaryWindow(Program& program, Dialogs& dialogs, WindowId id, QWidget* parent)
    : QDialog(parent), program_(program), dialogs_(dialogs), id_(id) {
    setLayoutDirection(Qt::RightToLeft);
    setWindowModality(Qt::ApplicationModal);
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
    if (forward_) {
        // The message was shown here; the main window acts on the rest.
        Result rest = r;
        rest.message.clear();
        forward_(rest);
    }
    return r;
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
