// The verse-set chooser: from the right, the surah list, the verse numbers of
// the surah clicked, the add button and the verses chosen so far, with a
// count line, the show button, the selection-mode check box and "select all"
// above them. The show button makes the chosen verses the main table's rows.
#pragma once

#include "ui/secondary_window.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace tallyra {

class VerseChooser : public SecondaryWindow {
    Q_OBJECT
public:
    VerseChooser(Program& program, Dialogs& dialogs, QWidget* parent = nullptr);

    QLabel* countLine() const { return count_; }
    QListWidget* surahList() const { return surahs_; }
    QListWidget* verseList() const { return verses_; }
    QListWidget* chosenList() const { return chosen_; }
    QCheckBox* modeBox() const { return mode_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* showButton() const { return show_; }
    QPushButton* allButton() const { return all_; }
    // The chosen-verse list's context menu, and its items by name.
    QMenu* chosenMenu() const { return menu_; }
    QAction* chosenMenuItem(const QString& name) const;

    void render() override;

private:
    void sendSelection(QListWidget* list, const char* item);

    QLabel* count_;
    QPushButton* show_;
    QCheckBox* mode_;
    QPushButton* all_;
    QListWidget* surahs_;
    QListWidget* verses_;
    QPushButton* add_;
    QListWidget* chosen_;
    QMenu* menu_;
};

} // namespace tallyra
