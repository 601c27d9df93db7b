// The word sorting window: the word shown with its marked terms, the summary
// line, the word's letters, the export button and the gauge; below them the
// word table with its context menu, and the ordering selector beside it.
#pragma once

#include "ui/secondary_window.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace tallyra {

class GridModel;
class GridView;
class MarkedTextBox;
class RegistryMenu;

class WordSortDialog : public SecondaryWindow {
    Q_OBJECT
public:
    WordSortDialog(Program& program, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the window modally without blocking, the table focused.
    void open() override;

    MarkedTextBox* display() const { return display_; }
    QLabel* summary() const { return summary_; }
    QListWidget* letterList() const { return letters_; }
    QPushButton* exportButton() const { return export_; }
    QProgressBar* gauge() const { return gauge_; }
    QGroupBox* orderingSelector() const { return ordering_; }
    QRadioButton* orderingItem(int index) const;
    GridView* table() const { return table_; }
    GridModel* tableModel() const { return model_; }
    RegistryMenu* tableMenu() const { return menu_; }

    // Runs an item of the window as a click on it would.
    void runItem(const QString& item, const QStringList& chosen = {}) { run(item, chosen); }

    void render() override;

protected:
    void applyFocus(Focus focus) override;

private:
    void selectionChanged();

    MarkedTextBox* display_;
    QLabel* summary_;
    QListWidget* letters_;
    QPushButton* export_;
    QProgressBar* gauge_;
    QGroupBox* ordering_;
    QButtonGroup* orderingGroup_;
    std::vector<QRadioButton*> orderingItems_;
    GridView* table_;
    GridModel* model_;
    RegistryMenu* menu_;
    // What the widgets show, to render only what changed.
    QString shownText_;
    std::vector<Mark> shownMarks_;
    QStringList shownLetters_;
    bool syncing_ = false;
};

} // namespace tallyra
