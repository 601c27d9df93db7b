// The about window: the program's title, its emblem and the credits, on a
// white ground; it opens maximised.
#pragma once

#include "ui/secondary_window.h"

class QLabel;
class QTextEdit;

namespace tallyra {

class AboutDialog : public SecondaryWindow {
    Q_OBJECT
public:
    AboutDialog(Program& program, Dialogs& dialogs, QWidget* parent = nullptr);

    void open() override;
    void render() override {}

    QLabel* title() const { return title_; }
    QLabel* emblem() const { return emblem_; }
    QTextEdit* credits() const { return credits_; }

private:
    QLabel* title_;
    QLabel* emblem_;
    QTextEdit* credits_;
};

} // namespace tallyra
