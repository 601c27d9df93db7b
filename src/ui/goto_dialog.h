// The verse go-to dialog: a surah list, an OK button and the verse list of the
// chosen surah. OK moves the verse table's current row to the chosen verse.
#pragma once

#include "table/session.h"
#include "ui/dialogs.h"

#include <QDialog>
#include <functional>

class QListWidget;
class QPushButton;

namespace tallyra {

class GoToDialog : public QDialog {
    Q_OBJECT
public:
    // `jumped` runs after the table's current row moved.
    GoToDialog(Session& session, Dialogs& dialogs, std::function<void()> jumped,
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

    Session& session_;
    Dialogs& dialogs_;
    std::function<void()> jumped_;
    QListWidget* surahs_;
    QListWidget* verses_;
    QPushButton* ok_;
};

} // namespace tallyra
