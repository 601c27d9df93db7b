#include "table/frame.h"

namespace tallyra {

void reset_view(Session& session) {
    session.label.clear();
    session.ze.clear();
    session.search.n = 0;
    session.search.j = 0;
    session.focus = Focus::Table;
    session.display.text.clear();
    session.display.marks.clear();
    session.display.caret = 0;
    session.gaugeVisible = false;
    session.setEnabled(QStringLiteral("N7"), true);
    session.setEnabled(QStringLiteral("N6"), true);
    session.setEnabled(QStringLiteral("N8"), session.ayat);
    session.setEnabled(QStringLiteral("N20"), !session.ayat);
    for (const char* copy : {"N26", "N35", "N36", "N38", "N39", "N40"})
        session.setEnabled(QString::fromLatin1(copy), true);
}

void style(Session& session) {
    session.display.marks.clear();
}

} // namespace tallyra
