// Renders the counting rules, an HTML text, to the PDF that the program
// carries and writes out as its rules document:
//
//   tallyra_make_rules_document rules.html rules.pdf
//
// It runs as the program builds, on Qt's offscreen platform, with the Arabic
// faces the windows use; the text reads right to left.
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdio>

namespace {

// Every block and every table of the document right to left, whatever the
// HTML reader made of its direction.
void right_to_left(QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        format.setLayoutDirection(Qt::RightToLeft);
        cursor.setBlockFormat(format);
    }
    QList<QTextFrame*> frames{document.rootFrame()};
    while (!frames.isEmpty()) {
        QTextFrame* frame = frames.takeFirst();
        frames += frame->childFrames();
        QTextFrameFormat format = frame->frameFormat();
        format.setLayoutDirection(Qt::RightToLeft);
        frame->setFrameFormat(format);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: tallyra_make_rules_document SOURCE.html OUT.pdf\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(source.errorString()));
        return 1;
    }

    QTextDocument document;
    QFont font;
    font.setFamilies({QStringLiteral("Noto Naskh Arabic"), QStringLiteral("Noto Sans Arabic"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSize(11);
    document.setDefaultFont(font);
    QTextOption option = document.defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    document.setDefaultTextOption(option);
    document.setHtml(QString::fromUtf8(source.readAll()));
    right_to_left(document);

    const QString out = QString::fromLocal8Bit(argv[2]);
    {
        QPdfWriter pdf(out);
        pdf.setTitle(QStringLiteral("قواعد الإحصاء"));
        pdf.setCreator(QStringLiteral("Tallyra"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        document.print(&pdf);
    }
    QFile written(out);
    if (!written.exists() || written.size() == 0) {
        std::fprintf(stderr, "%s: the document could not be written\n", argv[2]);
        return 1;
    }
    return 0;
}
