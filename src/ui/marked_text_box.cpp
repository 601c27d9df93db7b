#include "ui/marked_text_box.h"

#include "ui/colours.h"

#include <QGlyphRun>
#include <QHash>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>

namespace tallyra {

namespace {

// A glyph as the shaping placed it. The glyphs of a marked range are the
// very glyphs of the whole line, at the same positions, so that the two meet.
struct GlyphAt {
    quint32 glyph;
    qint32 x, y; // in 64ths of a pixel

    bool operator==(const GlyphAt&) const = default;
};

size_t qHash(const GlyphAt& g, size_t seed = 0) {
    return qHashMulti(seed, g.glyph, g.x, g.y);
}

GlyphAt glyph_at(quint32 glyph, const QPointF& p) {
    return {glyph, qint32(std::lround(p.x() * 64)), qint32(std::lround(p.y() * 64))};
}

// The glyphs of a run that one colour draws.
struct Part {
    QList<quint32> glyphs;
    QList<QPointF> positions;
};

void draw_part(QPainter& p, const QPointF& origin, const QGlyphRun& run, const Part& part,
               const QColor& colour) {
    if (part.glyphs.isEmpty())
        return;
    QGlyphRun piece = run;
    piece.setGlyphIndexes(part.glyphs);
    piece.setPositions(part.positions);
    p.setPen(colour);
    p.drawGlyphRun(origin, piece);
}

} // namespace

MarkedTextBox::MarkedTextBox(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setAcceptRichText(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    document()->setUndoRedoEnabled(false);
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    document()->setDefaultTextOption(option);
}

void MarkedTextBox::setContent(const QString& text) {
    marks_.clear();
    setPlainText(text);
    // The text edit draws the background, the selection with its text and
    // the caret; the glyphs outside the selection are this box's to draw.
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    QTextCharFormat unseen;
    unseen.setForeground(QColor(Qt::transparent));
    all.mergeCharFormat(unseen);
}

void MarkedTextBox::setMarks(std::vector<Mark> marks) {
    std::stable_sort(marks.begin(), marks.end(),
                     [](const Mark& a, const Mark& b) { return a.start < b.start; });
    marks_ = std::move(marks);
    viewport()->update();
}

QColor MarkedTextBox::markColour(MarkKind kind) const {
    const QColor wanted = kind == MarkKind::Red ? QColor(255, 0, 0) : QColor(0, 0, 255);
    return readable_on(wanted, palette().color(QPalette::Base), kLargeTextContrast);
}

QColor MarkedTextBox::textColour() const {
    return palette().color(QPalette::Text);
}

QPointF MarkedTextBox::documentOffset() const {
    const QScrollBar* h = horizontalScrollBar();
    const int x = isRightToLeft() ? h->maximum() - h->value() : h->value();
    return QPointF(-x, -verticalScrollBar()->value());
}

QList<QRectF> MarkedTextBox::glyphBoxes(int from, int length) const {
    QList<QRectF> boxes;
    const QPointF offset = documentOffset();
    for (QTextBlock b = document()->findBlock(from); b.isValid() && b.position() < from + length;
         b = b.next()) {
        const QTextLayout* layout = b.layout();
        const QPointF origin = layout->position() + offset;
        const int start = std::max(0, from - b.position());
        const int end = std::min(b.length(), from + length - b.position());
        if (start < end)
            for (const QGlyphRun& run : layout->glyphRuns(start, end - start)) {
                const QList<quint32> glyphs = run.glyphIndexes();
                const QList<QPointF> positions = run.positions();
                for (qsizetype i = 0; i < glyphs.size(); ++i)
                    boxes << run.rawFont().boundingRect(glyphs[i]).translated(positions[i] +
                                                                              origin);
            }
    }
    return boxes;
}

QRegion MarkedTextBox::selectionRegion() const {
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return {};
    const int from = cursor.selectionStart(), to = cursor.selectionEnd();
    const QPointF offset = documentOffset();
    QRegion region;
    for (QTextBlock b = document()->findBlock(from); b.isValid() && b.position() < to;
         b = b.next()) {
        const QTextLayout* layout = b.layout();
        const QPointF origin = layout->position() + offset;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int start = std::max(from - b.position(), line.textStart());
            const int end = std::min(to - b.position(), line.textStart() + line.textLength());
            if (start >= end)
                continue;
            // The highlight keeps within the line's text, as the text edit's does.
            const qreal x1 = line.cursorToX(start), x2 = line.cursorToX(end);
            const QRectF text = line.naturalTextRect();
            const qreal left = std::max(std::min(x1, x2), text.left());
            const qreal right = std::max(x1, x2);
            if (right > left)
                region += QRectF(left, line.y(), right - left, line.height())
                              .translated(origin)
                              .toAlignedRect();
        }
    }
    return region;
}

void MarkedTextBox::paintEvent(QPaintEvent* event) {
    QTextEdit::paintEvent(event);

    QPainter p(viewport());
    p.setClipRegion(event->region().subtracted(selectionRegion()));
    const QColor colours[] = {textColour(), markColour(MarkKind::Red),
                              markColour(MarkKind::BlueUnderline)};
    enum { Plain, Red, Blue };
    const QPointF offset = documentOffset();
    const QRect exposed = event->rect();
    int longest = 0;
    for (const Mark& m : marks_)
        longest = std::max(longest, m.length);

    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        const QTextLayout* layout = b.layout();
        const QPointF origin = layout->position() + offset;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            // Glyphs may reach out of their line: the lines next to the
            // exposed rectangle are drawn as well.
            const qreal reach = line.height();
            if (!line.rect().translated(origin).adjusted(0, -reach, 0, reach).intersects(exposed))
                continue;
            const int from = line.textStart(), to = from + line.textLength();

            // The glyphs of the marks on this line, and the underlines.
            QHash<GlyphAt, int> marked;
            QList<QRectF> underlines;
            const auto first =
                std::lower_bound(marks_.begin(), marks_.end(), b.position() + from - longest,
                                 [](const Mark& m, int start) { return m.start < start; });
            for (auto m = first; m != marks_.end() && m->start < b.position() + to; ++m) {
                const int start = std::max(m->start - b.position(), from);
                const int end = std::min(m->start + m->length - b.position(), to);
                if (start >= end)
                    continue;
                const int colour = m->kind == MarkKind::Red ? Red : Blue;
                qreal left = std::numeric_limits<qreal>::max(), right = -left, under = 0,
                      thickness = 1;
                for (const QGlyphRun& run : line.glyphRuns(start, end - start)) {
                    const QList<quint32> glyphs = run.glyphIndexes();
                    const QList<QPointF> positions = run.positions();
                    const QList<QPointF> advances = run.rawFont().advancesForGlyphIndexes(glyphs);
                    for (qsizetype g = 0; g < glyphs.size(); ++g) {
                        int& kind = marked[glyph_at(glyphs[g], positions[g])];
                        // Red wins where two marks meet on one glyph.
                        if (kind != Red)
                            kind = colour;
                        left = std::min(left, positions[g].x());
                        right = std::max(right, positions[g].x() + advances.value(g).x());
                        under = positions[g].y() + run.rawFont().underlinePosition();
                        thickness = std::max<qreal>(1, run.rawFont().lineThickness());
                    }
                }
                if (colour == Blue && right > left)
                    underlines << QRectF(left, under, right - left, thickness);
            }

            for (const QGlyphRun& run : line.glyphRuns(from, to - from)) {
                if (marked.isEmpty()) {
                    p.setPen(colours[Plain]);
                    p.drawGlyphRun(origin, run);
                    continue;
                }
                Part parts[3];
                const QList<quint32> glyphs = run.glyphIndexes();
                const QList<QPointF> positions = run.positions();
                for (qsizetype g = 0; g < glyphs.size(); ++g) {
                    Part& part = parts[marked.value(glyph_at(glyphs[g], positions[g]), Plain)];
                    part.glyphs << glyphs[g];
                    part.positions << positions[g];
                }
                for (int c = Plain; c <= Blue; ++c)
                    draw_part(p, origin, run, parts[c], colours[c]);
            }
            for (const QRectF& u : underlines)
                p.fillRect(u.translated(origin), colours[Blue]);
        }
    }
}

QMimeData* MarkedTextBox::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(textCursor().selection().toPlainText());
    return data;
}

} // namespace tallyra
