// A read-only text box whose marks colour exactly the glyphs of the marked
// letters. The box shapes its text once, as a whole, so that the letters keep
// their cursive joining; it then draws every glyph itself, in the colour of
// the mark its letters carry: a ligature that joins a marked and an unmarked
// letter is coloured whole, and no colour spills onto a neighbouring letter.
// Selection, caret, scrolling and copying are those of a text edit.
#pragma once

#include "core/state.h"

#include <QTextEdit>
#include <vector>

namespace tallyra {

class MarkedTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit MarkedTextBox(QWidget* parent = nullptr);

    // Replaces the text; its marks go with it.
    void setContent(const QString& text);
    QString content() const { return toPlainText(); }

    void setMarks(std::vector<Mark> marks);
    const std::vector<Mark>& marks() const { return marks_; }

    // The colour a text of the box shows in on its background: the marks'
    // red and blue, or the plain text's colour.
    QColor markColour(MarkKind kind) const;
    QColor textColour() const;

    // The ink boxes of the glyphs that draw the characters from `from` to
    // `from + length`, in the viewport's coordinates.
    QList<QRectF> glyphBoxes(int from, int length) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Copies and drags carry the plain text only.
    QMimeData* createMimeDataFromSelection() const override;

private:
    // Where the document's origin lies in the viewport.
    QPointF documentOffset() const;
    // The rectangles that the selection's highlight covers, in the viewport.
    QRegion selectionRegion() const;

    std::vector<Mark> marks_; // by start
};

} // namespace tallyra
