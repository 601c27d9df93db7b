// The window program: the main window over the program state, opened maximised.
#include "shell/program.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

#include <QApplication>
#include <QScreen>

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
    // Without a window manager to maximise it, the window still fills the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
