// The state of one working session of the main window: the table and its
// mode flags, the search state, the display box with its marks, the letter
// list, the ordering selector and the enabled, visible and checked state of
// the buttons and menu items. Commands are functions over this state; the
// window layer renders it and the command-line front end prints it.
#pragma once

#include "core/grid.h"
#include "corpus/corpus.h"
#include "measures/line_list.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace tallyra {

// The search box shows this until the user types; as a term it counts as none.
inline const QString kSearchPlaceholder = QStringLiteral(" ابحث حسب الرسم الأول (+)");

// The current search terms, read by the display marking whenever a row is shown.
struct SearchState {
    QString s;             // the single search term
    int j = 0;             // its length; 0: no single term to mark
    int n = 0;             // number of phrases in ar3ibara2; 0: single-term marking
    QStringList ar3ibara2; // the phrase list's phrases, marked together
    QString a, b;          // beginning and ending term of a two-term command
    int X = 0, Y = 0;      // their lengths
    bool na3am = false;    // two-term marking on
    QString s_hifdh;       // the search box's text at the last search

    // The terms of a two-term command, with their lengths.
    void setEnds(const QString& first, const QString& last) {
        a = first;
        b = last;
        X = int(first.size());
        Y = int(last.size());
    }
};

enum class MarkKind {
    Red,           // search hits and clicked letters
    BlueUnderline, // the word or letter found by a position lookup
};

struct Mark {
    int start = 0; // from 0
    int length = 0;
    MarkKind kind = MarkKind::Red;

    bool operator==(const Mark&) const = default;
};

// The display box: one text with its coloured ranges and the caret.
struct DisplayBox {
    QString text;
    std::vector<Mark> marks;
    int caret = 0;
    // The user's selection in the box (from 0); length 0: none.
    int selectionStart = 0;
    int selectionLength = 0;

    // New content: no marks, no selection, the caret at the start.
    void replace(const QString& newText) {
        text = newText;
        marks.clear();
        caret = 0;
        selectionStart = selectionLength = 0;
    }
};

// The progress gauge at the left end of the summary line.
struct Gauge {
    bool visible = false;
    int maximum = 100;
    int value = 0;
};

// Enabled, visible and checked state of a button, a menu item or the
// ordering selector.
struct ItemState {
    bool enabled = true;
    bool visible = true;
    bool checked = false;
};

// The item states of one window, by the name the window gives each item.
// Items never set are enabled, visible and unticked.
class Items {
public:
    ItemState& operator[](const QString& name) { return states_[name]; }
    ItemState state(const QString& name) const { return states_.value(name); }
    bool enabled(const QString& name) const { return state(name).enabled; }
    bool visible(const QString& name) const { return state(name).visible; }
    bool checked(const QString& name) const { return state(name).checked; }
    void setEnabled(const QString& name, bool on) { states_[name].enabled = on; }
    void setVisible(const QString& name, bool on) { states_[name].visible = on; }
    void setChecked(const QString& name, bool on) { states_[name].checked = on; }

private:
    QHash<QString, ItemState> states_;
};

// A verse table kept aside to bring back: the running numbers of its rows in
// table order (none: nothing saved), the ordering item selected (-1: none),
// the phrase count, the variant and the last search's text when it was saved.
struct SavedTable {
    std::vector<int> hifdh_jadwal;
    int ordering = -1;
    int n = 0;
    bool waw_hifdh = false;
    QString ss_hifdh;
};

// Where the keyboard focus is to go once a command has run.
// SearchBox gives the search box the focus with its text as it was;
// SearchBoxSelected also selects all its text.
enum class Focus { Unchanged, Table, SearchBox, SearchBoxSelected, Display };

// The main window's state. A session as the main window starts is the
// Session of the table layer, which fills it.
struct SessionState {
    explicit SessionState(const Corpus& c) : corpus(c) {}

    const Corpus& corpus;

    Grid table;
    bool ayat = true; // the verse table is shown (false: the surah table)
    bool waw = false; // the merged-waw variant is active
    bool clos = true; // the main window is open
    QString ze;       // the current summary line
    QString label;    // what the summary line shows right now

    SearchState search;

    // souar[k]: the verses of surah k in the active variant, each followed by
    // one space (k from 1 to 114; entry 0 unused).
    std::vector<QString> souar;

    DisplayBox display;
    LineList letters;

    // The ordering selector: its items and the selected one (-1: none).
    QStringList orderingItems;
    int orderingIndex = 0;

    Gauge gauge;
    // Called while a long scan advances the gauge, so that the window can
    // repaint it; the scan lets no other event in.
    std::function<void()> progress;
    void advanceGauge(int value) {
        gauge.value = value;
        if (progress && (value & 255) == 0)
            progress();
    }

    // Where the focus goes when the procedure now running ends.
    Focus focus = Focus::Unchanged;

    // Letter summation: the running total and the letters picked, each
    // preceded by a space.
    long long p9 = 0;
    QString t;

    // The verse table saved for later (one save replaces the previous one).
    SavedTable saved;

    // The name last chosen in the window's save dialog for a Word file, as
    // chosen (before ".doc" is appended): the dialog proposes it next time.
    QString wordFileName;

    Items items;

    Variant variant() const { return waw ? Variant::Merged : Variant::Separated; }
    // Verse i of the active variant.
    const QString& verseText(int i) const { return corpus.verse(variant(), i); }

    ItemState itemState(const QString& name) const { return items.state(name); }
    bool enabled(const QString& name) const { return items.enabled(name); }
    bool visible(const QString& name) const { return items.visible(name); }
    bool checked(const QString& name) const { return items.checked(name); }
    void setEnabled(const QString& name, bool on) { items.setEnabled(name, on); }
    void setVisible(const QString& name, bool on) { items.setVisible(name, on); }
    void setChecked(const QString& name, bool on) { items.setChecked(name, on); }
};

} // namespace tallyra
