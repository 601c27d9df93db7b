// The verse go-to dialog: a surah list, an OK button and the verse list of the
// chosen surah. OK moves the verse table's current row to the chosen verse.
#pragma once

#include "shell/program.h"
#include "ui/dialogs.h"

#include <QDialog>
#include <functional>

class QListWidget;
class QPushButton;

namespace tallyra {

class GoToDialog : public QDialog {
    Q_OBJECT
public:
    // `jumped` receives the result of an OK that moved the table's current
    // row, for the main window to act on.
    GoToDialog(Program& program, Dialogs& dialogs, std::function<void(const Result&)> jumped,
               QWidget* parent = nullptr);

    // Shows the dialog modally without blocking: both lists lose their
    // selection, the remembered choices stay.
    void open() override;

    QListWidget* surahList() const { return surahs_; }
    QListWidget* verseList() const { return verses_; }
    QPushButton* okButton() const { return ok_; }

private:
    void surahChosen(int index);
    void accept() override;
    void done(int r) override;

    Program& program_;
    Dialogs& dialogs_;
    std::function<void(const Result&)> jumped_;
    QListWidget* surahs_;
    QListWidget* verses_;
    QPushButton* ok_;
};

} // namespace tallyra
