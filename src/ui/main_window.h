// The main window: search bar, display box, summary line with its gauge,
// letter list, ordering selector and the table, with the menus and keys of
// the program. It holds no command logic: its menus, buttons and keys come
// from the registry, every action goes to the engine, and refresh() renders
// the session's state again.
#pragma once

#include "shell/program.h"
#include "shell/registry.h"
#include "ui/dialogs.h"

#include <QHash>
#include <QMainWindow>
#include <vector>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSplitter;

namespace tallyra {

class GoToDialog;
class PhraseListDialog;
class SecondaryWindow;
class WordSortDialog;
class GridModel;
class GridView;
class MarkedTextBox;
class SummaryLabel;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Program& program, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Renders the session's state into the widgets.
    void refresh();

    // Runs an item of the window, as a click on it would: gathers what it
    // reads (the search box, its dialogs, `chosen` for the choice of its
    // control), runs it and acts on the result.
    void runItem(const QString& name, const QStringList& chosen = {});

    GridView* table() const { return table_; }
    GridModel* tableModel() const { return model_; }
    QLineEdit* searchBox() const { return search_; }
    MarkedTextBox* display() const { return display_; }
    QListWidget* letterList() const { return letters_; }
    QLabel* summary() const;
    // The summary line as it shows: elided when longer than the line.
    QString shownSummary() const;
    // The indicators beside the search box of exact mode (N104) and of
    // searching in the table only (N88), shown while the mode is on.
    QLabel* modeIndicator(const QString& item) const;
    QSplitter* panes() const { return panes_; }
    QProgressBar* gauge() const { return gauge_; }
    QGroupBox* orderingSelector() const { return ordering_; }
    QRadioButton* orderingItem(int index) const;
    // Buttons 1 to 5: search, surah table, verse table, go to verse, waw.
    QPushButton* button(int number) const;
    QAction* action(const QString& name) const { return actions_.value(name); }
    QMenu* menu(const QString& name) const { return menus_.value(name); }
    // A secondary window of the program, by its id; null for none.
    SecondaryWindow* window(WindowId id) const { return windows_.value(id); }
    GoToDialog* goToDialog() const;
    WordSortDialog* wordSortDialog() const;
    PhraseListDialog* phraseListDialog() const;
    // How often the text column was fitted to the width: once per resize.
    int textColumnFits() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildSearchBar();
    // Heights of the panes by the fonts they show: the display box, the
    // summary line with the letter list, the ordering selector with the table.
    void sizePanes();
    void buildMenus();
    void fillMenu(QMenu* menu, const QString& name);
    void wireAction(QAction* action, const Command& row);
    void showPopup(const QString& control, QWidget* owner, const QPoint& pos);

    // Acts on what a command left: the windows it opens or closes, the
    // clipboard, the rendering, its message and the focus.
    void act(const Result& result);
    void tableSelectionChanged();
    void tableCurrentChanged();
    void displaySelectionChanged();

    void syncTable();
    void syncDisplay();
    void syncLetters();
    void syncSummary();
    void syncGauge();
    void syncOrdering();
    void syncItems();
    void syncModes();
    void copyTableRows();
    void applyFocus(Focus focus);

    Program& program_;
    Session& s_;
    Dialogs& dialogs_;

    QLineEdit* search_ = nullptr;
    QPushButton* buttons_[5] = {};
    MarkedTextBox* display_ = nullptr;
    SummaryLabel* summary_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QListWidget* letters_ = nullptr;
    QGroupBox* ordering_ = nullptr;
    QButtonGroup* orderingGroup_ = nullptr;
    QRadioButton* orderingItems_[6] = {};
    GridView* table_ = nullptr;
    QSplitter* panes_ = nullptr;
    QHash<QString, QLabel*> modes_;
    GridModel* model_ = nullptr;
    // The secondary windows, each created once, in the program's order.
    QHash<WindowId, SecondaryWindow*> windows_;

    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    // The context menu of each control, by the control's name.
    QHash<QString, QMenu*> popups_;

    // What the widgets show, to render only what changed.
    QString shownText_;
    std::vector<Mark> shownMarks_;
    int shownCaret_ = -1;
    std::pair<int, int> shownSelection_{0, 0};
    QStringList shownLetters_;
    bool syncing_ = false;
};

} // namespace tallyra
