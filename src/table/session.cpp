#include "table/session.h"

#include "table/tables.h"

namespace tallyra {

Session::Session(const Corpus& c) : SessionState(c) {
    // Items as the window lays them out: the verse-table button and the
    // surah statistics menu start disabled, three options ticked. The items
    // hidden in the menus as laid out are hidden by their menus.
    setEnabled(QStringLiteral("BitBtn3"), false);
    setEnabled(QStringLiteral("N20"), false);
    for (const char* ticked : {"N87", "N105", "N106"})
        setChecked(QString::fromLatin1(ticked), true);
    orderingItems = ordering_items(true);
    display.text = QStringLiteral("بسم الله الرحمن الرحيم");
    letters = LineList({QStringLiteral("بسم الله")});

    FormCreate(*this);
    // Showing the main window builds the surah texts.
    build_surah_texts(*this);
}

} // namespace tallyra
