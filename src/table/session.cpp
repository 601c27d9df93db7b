#include "table/session.h"

#include "table/tables.h"

namespace tallyra {

Session::Session(const Corpus& c) : corpus(c) {
    // Items as the window lays them out: the surah statistics menu starts
    // disabled, the nabra-mark items, the table-only search command and the
    // two letter-value options hidden, three options ticked.
    setEnabled(QStringLiteral("BitBtn3"), false);
    setEnabled(QStringLiteral("N20"), false);
    for (const char* hidden : {"N01", "N02", "N46", "N86", "N99", "N103"})
        setVisible(QString::fromLatin1(hidden), false);
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
