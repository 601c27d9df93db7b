// The display box's marks, read off the rendered image: the red of a mark
// stays on the glyphs of the marked letters, the other letters stay black,
// in every font the box may fall back to.
#include "corpus/corpus.h"
#include "ui/colours.h"
#include "ui/marked_text_box.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QMimeData>
#include <QPainterPath>
#include <QRegion>
#include <QScrollBar>
#include <QTest>

using namespace tallyra;

namespace {

QString u(const char16_t* text) {
    return QString::fromUtf16(text);
}

const char* const kFamilies[] = {"Noto Naskh Arabic", "Noto Sans Arabic", "DejaVu Sans"};

QFont font_of(const QString& family) {
    QFont font(family);
    font.setPixelSize(34);
    return font;
}

// Every occurrence of the term, overlapping ones included.
std::vector<Mark> occurrences(const QString& text, const QString& term, MarkKind kind) {
    std::vector<Mark> marks;
    for (qsizetype at = text.indexOf(term); at >= 0; at = text.indexOf(term, at + 1))
        marks.push_back({int(at), int(term.size()), kind});
    return marks;
}

QImage render(QWidget* viewport) {
    QImage image(viewport->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    viewport->render(&image);
    return image;
}

bool is_red(QRgb c) {
    return qRed(c) >= 170 && qGreen(c) <= 110 && qBlue(c) <= 110;
}
bool is_blue(QRgb c) {
    return qBlue(c) >= 170 && qRed(c) <= 110 && qGreen(c) <= 110;
}
bool is_dark(QRgb c) {
    return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90;
}

// The pixels covered by glyph boxes, with a pixel to spare for the edges
// that antialiasing softens.
QRegion covered(const QList<QRectF>& boxes, int spare = 1) {
    QRegion region;
    for (const QRectF& box : boxes)
        region += box.toAlignedRect().adjusted(-spare, -spare, spare, spare);
    return region;
}

struct Count {
    int red = 0, blue = 0, dark = 0;
};

Count count(const QImage& image, const QRegion& region) {
    Count n;
    for (const QRect& r : region)
        for (int y = std::max(0, r.top()); y <= std::min(image.height() - 1, r.bottom()); ++y)
            for (int x = std::max(0, r.left()); x <= std::min(image.width() - 1, r.right()); ++x) {
                const QRgb c = image.pixel(x, y);
                n.red += is_red(c);
                n.blue += is_blue(c);
                n.dark += is_dark(c);
            }
    return n;
}

} // namespace

class MarkedTextBoxTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MarkedTextBox> box;

    void showBox(const QString& family, const QString& text, int height = 160) {
        const QFont font = font_of(family);
        if (QFontInfo(font).family() != family)
            QFAIL(qPrintable(family + QStringLiteral(" is not installed")));
        box = std::make_unique<MarkedTextBox>();
        box->setLayoutDirection(Qt::RightToLeft);
        box->setFont(font);
        box->resize(900, height);
        box->setContent(text);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    }

private slots:
    void cleanup() { box.reset(); }

    void marksColourTheGlyphsOfTheMarkedLettersOnly_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("verse");
        QTest::addColumn<QString>("term");
        for (const char* family : kFamilies)
            for (const char16_t* term : {u"ل", u"لل", u"له", u"ه", u"الله", u"لا"}) {
                // «لا» stands in the last verse of the first surah.
                const int verse = QString::fromUtf16(term) == u(u"لا") ? 7 : 1;
                QTest::addRow("%s %s", family, QString::fromUtf16(term).toUtf8().constData())
                    << QString::fromLatin1(family) << verse << QString::fromUtf16(term);
            }
    }

    void marksColourTheGlyphsOfTheMarkedLettersOnly() {
        QFETCH(QString, family);
        QFETCH(int, verse);
        QFETCH(QString, term);
        const QString text = Corpus::instance().verse(Variant::Separated, verse);
        showBox(family, text);
        const std::vector<Mark> marks = occurrences(text, term, MarkKind::Red);
        QVERIFY(!marks.empty());
        box->setMarks(marks);
        const QImage image = render(box->viewport());

        QList<QRectF> markedBoxes;
        std::vector<bool> isMarked(size_t(text.size()), false);
        for (const Mark& m : marks) {
            const QList<QRectF> boxes = box->glyphBoxes(m.start, m.length);
            QVERIFY(!boxes.isEmpty());
            markedBoxes << boxes;
            // Each marked letter shows in red.
            QVERIFY2(count(image, covered(boxes, 0)).red >= 10,
                     qPrintable(QStringLiteral("no red at %1").arg(m.start)));
            for (int i = m.start; i < m.start + m.length; ++i)
                isMarked[size_t(i)] = true;
        }
        const QRegion marked = covered(markedBoxes);
        // No red outside the marked glyphs.
        const QRegion all(image.rect());
        QCOMPARE(count(image, all.subtracted(marked)).red, 0);

        // The letters left unmarked, where no marked glyph covers them (a
        // ligature shared with a marked letter is coloured whole), are black.
        QList<QRectF> unmarkedBoxes;
        for (int i = 0; i < text.size(); ++i) {
            if (isMarked[size_t(i)] || text[i] == u' ')
                continue;
            QList<QRectF> own;
            for (const QRectF& b : box->glyphBoxes(i, 1))
                if (!markedBoxes.contains(b))
                    own << b;
            unmarkedBoxes << own;
            const QRegion unmarked = covered(own, 0).subtracted(marked);
            if (unmarked.isEmpty())
                continue;
            const Count n = count(image, unmarked);
            QVERIFY2(
                n.red == 0 && n.dark > 0,
                qPrintable(
                    QStringLiteral("letter %1: %2 red, %3 black").arg(i).arg(n.red).arg(n.dark)));
        }
        // And the marked glyphs are red whole: no black where no unmarked
        // glyph reaches.
        QCOMPARE(count(image, covered(markedBoxes, 0).subtracted(covered(unmarkedBoxes))).dark, 0);
    }

    // The blue of a position lookup underlines the found word and no other.
    void theLookupsUnderlineFollowsItsGlyphs() {
        for (const char* family : kFamilies) {
            const QString text = u(u"بسم الله الرحمن الرحيم");
            showBox(QString::fromLatin1(family), text);
            box->setMarks({{9, 6, MarkKind::BlueUnderline}});
            const QImage image = render(box->viewport());
            const QList<QRectF> boxes = box->glyphBoxes(9, 6);
            QRectF word;
            for (const QRectF& b : boxes)
                word |= b;
            const QRegion all(image.rect());
            // The line runs along the letters' advances, a little past their ink.
            QRegion below(QRect(int(word.left()) - 3, 0, int(word.width()) + 7, image.height()));
            QCOMPARE(count(image, all.subtracted(below)).blue, 0);
            // The underline: one row of blue that runs the word's width.
            int longest = 0;
            for (int y = 0; y < image.height(); ++y)
                longest = std::max(
                    longest,
                    count(image, QRect(int(word.left()) - 3, y, int(word.width()) + 7, 1)).blue);
            QVERIFY2(longest >= int(word.width() * 0.9), family);
            QVERIFY(count(image, covered(boxes, 0)).blue > 10);
        }
    }

    // Unmarked, the box draws its text exactly as a text edit does, scrolled
    // or not; a selection shows as the text edit shows it.
    void unmarkedTextShowsAsATextEditShowsIt() {
        QString text;
        for (int v = 8; v < 30; ++v)
            text += Corpus::instance().verse(Variant::Separated, v) + u' ';
        for (const char* family : kFamilies) {
            showBox(QString::fromLatin1(family), text, 200);
            QTextEdit plain;
            plain.setLayoutDirection(Qt::RightToLeft);
            plain.setFont(box->font());
            plain.resize(box->size());
            QTextOption option = plain.document()->defaultTextOption();
            option.setTextDirection(Qt::RightToLeft);
            plain.document()->setDefaultTextOption(option);
            plain.setPlainText(text);
            plain.show();
            QVERIFY(QTest::qWaitForWindowExposed(&plain));
            for (const int scroll : {0, 1, 2}) {
                for (QTextEdit* e : {static_cast<QTextEdit*>(box.get()), &plain}) {
                    QScrollBar* bar = e->verticalScrollBar();
                    bar->setValue(bar->maximum() * scroll / 2);
                    QTextCursor c = e->textCursor();
                    c.setPosition(40 + scroll * 200);
                    c.setPosition(90 + scroll * 200, QTextCursor::KeepAnchor);
                    e->setTextCursor(c);
                    e->clearFocus();
                }
                QVERIFY(box->verticalScrollBar()->value() == plain.verticalScrollBar()->value());
                QVERIFY2(render(box->viewport()) == render(plain.viewport()), family);
            }
        }
    }

    // Copying keeps the text, without the colours the box draws with.
    void copiesCarryThePlainText() {
        showBox(QString::fromLatin1(kFamilies[0]), u(u"بسم الله الرحمن الرحيم"));
        box->selectAll();
        box->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), u(u"بسم الله الرحمن الرحيم"));
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());
    }

    // On a dark base the marks take lighter shades that stay readable.
    void marksKeepTheirContrastOnADarkBase() {
        showBox(QString::fromLatin1(kFamilies[0]), u(u"بسم الله"));
        QCOMPARE(box->markColour(MarkKind::Red), QColor(255, 0, 0));
        QCOMPARE(box->markColour(MarkKind::BlueUnderline), QColor(0, 0, 255));
        QPalette dark = box->palette();
        dark.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
        dark.setColor(QPalette::Text, QColor(0xef, 0xf0, 0xf1));
        box->setPalette(dark);
        for (MarkKind kind : {MarkKind::Red, MarkKind::BlueUnderline})
            QVERIFY(contrast_ratio(box->markColour(kind), dark.color(QPalette::Base)) >=
                    kLargeTextContrast);
        QVERIFY(box->markColour(MarkKind::BlueUnderline).blue() >
                box->markColour(MarkKind::BlueUnderline).red());
    }
};

QTEST_MAIN(MarkedTextBoxTest)
#include "marked_text_box_test.moc"
