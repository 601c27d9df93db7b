// The verse go-to dialog: a surah list, an OK button and the verse list of the
// chosen surah. OK moves the verse table's current row to the chosen verse.
#pragma once

#include "ui/secondary_window.h"

class QListWidget;
class QPushButton;

namespace tallyra {

class GoToDialog : public SecondaryWindow {
    Q_OBJECT
public:
    GoToDialog(Program& program, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the dialog modally without blocking: both lists lose their
    // selection, the remembered choices stay.
    void open() override;

    QListWidget* surahList() const { return surahs_; }
    QListWidget* verseList() const { return verses_; }
    QPushButton* okButton() const { return ok_; }

    // The verse list of the surah chosen last.
    void render() override;

private:
    void surahChosen(int index);
    void accept() override;

    QListWidget* surahs_;
    QListWidget* verses_;
    QPushButton* ok_;
};

} // namespace tallyra
