#include "ui/about_dialog.h"

#include "auxiliary/about.h"
#include "ui/fonts.h"

#include <QIcon>
#include <QLabel>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tallyra {

namespace {

// A serif face for the title and the credits, and the Arabic faces for the
// letters it lacks.
QFont serif_font(int pixelSize) {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Times New Roman"),
                                 QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman"),
                                 QStringLiteral("DejaVu Serif")} +
                     arabic_families());
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

AboutDialog::AboutDialog(Program& program, Dialogs& dialogs, QWidget* parent)
    : SecondaryWindow(program, dialogs, WindowId::About, parent), title_(new QLabel(this)),
      emblem_(new QLabel(this)), credits_(new QTextEdit(this)) {
    setWindowTitle(QStringLiteral("حول البرنامج - الإصدار الأول"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    white.setColor(QPalette::Text, Qt::black);
    setPalette(white);

    title_->setFont(serif_font(32));
    title_->setAlignment(Qt::AlignCenter);
    title_->setFixedHeight(52);

    // The emblem, drawn for the program, in a band 222 pixels high; sharp at
    // any scale.
    const QIcon picture(QStringLiteral(":/about/emblem.png"));
    emblem_->setPixmap(picture.pixmap(QSize(153, 222), devicePixelRatioF()));
    emblem_->setAlignment(Qt::AlignCenter);
    emblem_->setFixedHeight(222);

    credits_->setReadOnly(true);
    credits_->setFrameShape(QFrame::NoFrame);
    credits_->setLineWrapMode(QTextEdit::NoWrap);
    credits_->setAcceptRichText(false);
    credits_->setFont(serif_font(25));
    credits_->setPlainText(credits_text());
    QTextCursor all(credits_->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignCenter);
    all.mergeBlockFormat(centred);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->addWidget(title_);
    column->addWidget(emblem_);
    column->addWidget(credits_, 1);
}

void AboutDialog::open() {
    title_->setText(QStringLiteral("Tallyra"));
    SecondaryWindow::open();
    setWindowState(windowState() | Qt::WindowMaximized);
    credits_->setFocus(Qt::ActiveWindowFocusReason);
    QTextCursor caret(credits_->document());
    caret.setPosition(std::min(2, credits_->document()->characterCount() - 1));
    credits_->setTextCursor(caret);
}

} // namespace tallyra
