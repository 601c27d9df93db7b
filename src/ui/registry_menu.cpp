#include "ui/registry_menu.h"

#include "shell/dispatch.h"
#include "shell/registry.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

namespace tallyra {

RegistryMenu::RegistryMenu(Program& program, WindowId window, const QString& menu, QWidget* parent,
                           std::function<void(const QString&)> run)
    : QObject(parent), program_(program), window_(window), menu_(new QMenu(parent)),
      run_(std::move(run)) {
    menu_->setLayoutDirection(Qt::RightToLeft);
    fill(menu_, menu);
}

void RegistryMenu::fill(QMenu* menu, const QString& name) {
    connect(menu, &QMenu::aboutToShow, this, [this, name] {
        open_menu(program_, window_, name);
        sync();
    });
    for (const Command* c : menu_rows(window_, name)) {
        if (c->separatorBefore)
            menu->addSeparator();
        if (c->kind == ItemKind::Menu) {
            QMenu* sub = menu->addMenu(c->caption);
            sub->setLayoutDirection(Qt::RightToLeft);
            actions_.insert(c->item, sub->menuAction());
            fill(sub, c->item);
            continue;
        }
        QAction* a = menu->addAction(c->caption);
        // Arabic captions come out a little wider than measured: the menu
        // gives its widest a margin, so that none is cut short.
        const QFontMetrics fm(menu->font());
        menu->setMinimumWidth(std::max(menu->minimumWidth(), fm.horizontalAdvance(c->caption) +
                                                                 8 * fm.averageCharWidth()));
        a->setCheckable(c->kind == ItemKind::Check);
        actions_.insert(c->item, a);
        connect(a, &QAction::triggered, this, [this, item = c->item] { run_(item); });
    }
}

void RegistryMenu::popup(const QPoint& global) {
    menu_->popup(global);
}

void RegistryMenu::sync() {
    const Items& items = program_.items(window_);
    for (auto it = actions_.constBegin(); it != actions_.constEnd(); ++it) {
        const ItemState state = items.state(it.key());
        const Command* row = find_command(window_, it.key());
        QAction* a = it.value();
        a->setEnabled(state.enabled);
        a->setVisible(state.visible && !(row && row->hidden));
        if (a->isCheckable())
            a->setChecked(state.checked);
    }
}

} // namespace tallyra
