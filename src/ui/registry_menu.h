// A context menu of a secondary window, made from the registry's rows: its
// items, submenus and separators in their order. Opening it, or a submenu,
// applies the menu's rule; the items then show the enabled, visible and
// checked state the window's items hold.
#pragma once

#include "shell/program.h"

#include <QHash>
#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace tallyra {

class RegistryMenu : public QObject {
    Q_OBJECT
public:
    // `run` runs an item of the window when it is chosen.
    RegistryMenu(Program& program, WindowId window, const QString& menu, QWidget* parent,
                 std::function<void(const QString&)> run);

    QMenu* menu() const { return menu_; }
    QAction* action(const QString& item) const { return actions_.value(item); }

    // Opens the menu at a point of the screen, its rule applied first.
    void popup(const QPoint& global);

    // The items' state as the window's items hold it.
    void sync();

private:
    void fill(QMenu* menu, const QString& name);

    Program& program_;
    WindowId window_;
    QMenu* menu_;
    std::function<void(const QString&)> run_;
    QHash<QString, QAction*> actions_;
};

} // namespace tallyra
