// The surah chooser: the 114 surahs in eight columns, several of which may be
// selected, a count line above them, and OK, Cancel and the check box that
// switches the list between extended selection (Ctrl and Shift) and a toggle
// per click. OK keeps the main table's rows of the surahs selected.
#pragma once

#include "ui/secondary_window.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tallyra {

class SurahChooser : public SecondaryWindow {
    Q_OBJECT
public:
    SurahChooser(Program& program, Dialogs& dialogs, QWidget* parent = nullptr);

    QLabel* countLine() const { return count_; }
    QListWidget* surahList() const { return surahs_; }
    QCheckBox* modeBox() const { return mode_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // The count line, the selection mode and the surahs selected.
    void render() override;

private:
    void selectionChanged();

    QLabel* count_;
    QListWidget* surahs_;
    QCheckBox* mode_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace tallyra
