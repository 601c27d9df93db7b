// The phrase list window: the count of phrases, the two independence
// options, the input box with its add button, the list of phrases with its
// context menu (the five searches, the list files) and the delete button.
#pragma once

#include "ui/secondary_window.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tallyra {

class RegistryMenu;

class PhraseListDialog : public SecondaryWindow {
    Q_OBJECT
public:
    PhraseListDialog(Program& program, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the window modally without blocking, the input box focused.
    void open() override;

    QLabel* countLabel() const { return count_; }
    QRadioButton* option(bool independent) const { return independent ? whole_ : any_; }
    QLineEdit* inputBox() const { return input_; }
    QPushButton* addButton() const { return add_; }
    QListWidget* list() const { return list_; }
    QPushButton* deleteButton() const { return delete_; }
    RegistryMenu* listMenu() const { return menu_; }

    // Runs an item of the window as a click on it would.
    void runItem(const QString& item) { run(item, {}, searchBoxText()); }

    void render() override;
    void setBoxText(const QString& text) override;

protected:
    QString searchBoxText() const override;
    void applyFocus(Focus focus) override;

private:
    QLabel* count_;
    QRadioButton* whole_;
    QRadioButton* any_;
    QLineEdit* input_;
    QPushButton* add_;
    QListWidget* list_;
    QPushButton* delete_;
    RegistryMenu* menu_;
    QStringList shown_; // the phrases the list shows
};

} // namespace tallyra
