#include "ui/dialogs.h"

#include "ui/fonts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpacerItem>
#include <QUrl>

namespace tallyra {

namespace {

const QString kOk = QStringLiteral("موافق");
const QString kCancel = QStringLiteral("إلغاء");
const QString kYes = QStringLiteral("نعم");
const QString kNo = QStringLiteral("لا");

QFont dialog_font() {
    return arabic_font(18);
}

// A message box wide enough for its title to show whole in the title bar.
std::unique_ptr<QMessageBox> box(QMessageBox::Icon icon, QWidget* parent, const QString& text,
                                 QMessageBox::StandardButtons buttons) {
    auto b = std::make_unique<QMessageBox>(icon, QApplication::applicationDisplayName(), text,
                                           buttons, parent);
    b->setLayoutDirection(Qt::RightToLeft);
    b->setTextFormat(Qt::PlainText);
    // The text in the Arabic font; the buttons in the interface's.
    if (auto* label = b->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setFont(dialog_font());
    const QFontMetrics title(QApplication::font());
    const int wide = std::max(300, title.horizontalAdvance(b->windowTitle()) + 160);
    if (auto* grid = qobject_cast<QGridLayout*>(b->layout()))
        grid->addItem(new QSpacerItem(wide, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return b;
}

// The registry writes a file dialog's filter as a description and its
// patterns, "Word|*.doc" (more pairs may follow, each after a "|"); Qt's
// dialog reads "Word (*.doc)", the filters joined by ";;".
QString dialog_filter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    if (parts.size() < 2)
        return filter;
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(u';', u' ') +
                       u')';
    return filters.join(QStringLiteral(";;"));
}

} // namespace

std::unique_ptr<QMessageBox> message_box(QWidget* parent, const QString& text) {
    auto b = box(QMessageBox::NoIcon, parent, text, QMessageBox::Ok);
    b->button(QMessageBox::Ok)->setText(kOk);
    return b;
}

std::unique_ptr<QMessageBox> question_box(QWidget* parent, const QString& text) {
    auto b = box(QMessageBox::Question, parent, text, QMessageBox::Yes | QMessageBox::No);
    b->button(QMessageBox::Yes)->setText(kYes);
    b->button(QMessageBox::No)->setText(kNo);
    return b;
}

std::unique_ptr<QInputDialog> input_dialog(QWidget* parent, const QString& caption,
                                           const QString& prompt) {
    auto d = std::make_unique<QInputDialog>(parent);
    d->setLayoutDirection(Qt::RightToLeft);
    d->setWindowTitle(caption);
    d->setLabelText(prompt);
    d->setTextValue(QString());
    d->setOkButtonText(kOk);
    d->setCancelButtonText(kCancel);
    // The prompt and the field in the Arabic font; the buttons in the
    // interface's.
    for (QWidget* part : {static_cast<QWidget*>(d->findChild<QLabel*>()),
                          static_cast<QWidget*>(d->findChild<QLineEdit*>())})
        if (part)
            part->setFont(dialog_font());
    return d;
}

void DesktopDialogs::message(QWidget* parent, const QString& text) {
    message_box(parent, text)->exec();
}

QString DesktopDialogs::input(QWidget* parent, const QString& caption, const QString& prompt) {
    const auto d = input_dialog(parent, caption, prompt);
    return d->exec() == QDialog::Accepted ? d->textValue() : QString();
}

bool DesktopDialogs::confirm(QWidget* parent, const QString& text) {
    return question_box(parent, text)->exec() == QMessageBox::Yes;
}

QString DesktopDialogs::saveFileName(QWidget* parent, const QString& filter,
                                     const QString& proposal) {
    QFileDialog dialog(parent, QString(), proposal, dialog_filter(filter));
    dialog.setLayoutDirection(Qt::RightToLeft);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!proposal.isEmpty())
        dialog.selectFile(proposal);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

QString DesktopDialogs::openFileName(QWidget* parent, const QString& filter) {
    QFileDialog dialog(parent, QString(), QString(), dialog_filter(filter));
    dialog.setLayoutDirection(Qt::RightToLeft);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

void DesktopDialogs::openDocument(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopDialogs::startProgram(const QString& path) {
    QProcess::startDetached(path, {});
}

} // namespace tallyra
