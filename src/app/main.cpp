// The window program: the main window over the program state, opened maximised.
// With --time-first-paint it prints when its table was first painted and
// quits (see ui/first_paint.h); bench/compare.sh times the start with it.
#include "shell/program.h"
#include "ui/dialogs.h"
#include "ui/first_paint.h"
#include "ui/grid_view.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

#include <QApplication>
#include <QScreen>
#include <QTableView>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyra"));
    QApplication::setDesktopFileName(QStringLiteral("tallyra"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    // The platform's own texts (file dialogs, edit menus) in Arabic too.
    tallyra::install_arabic_translation();
    tallyra::apply_window_style();

    tallyra::Program program;
    tallyra::DesktopDialogs dialogs;
    tallyra::MainWindow window(program, dialogs);
    if (QApplication::arguments().contains(QStringLiteral("--time-first-paint")))
        tallyra::report_first_paint(window.table());
    // Without a window manager to maximise it, the window still fills the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
