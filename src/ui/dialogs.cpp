#include "ui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tallyra {

void DesktopDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.setLayoutDirection(Qt::RightToLeft);
    box.exec();
}

QString DesktopDialogs::input(QWidget* parent, const QString& caption, const QString& prompt) {
    QInputDialog dialog(parent);
    dialog.setLayoutDirection(Qt::RightToLeft);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

bool DesktopDialogs::confirm(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setLayoutDirection(Qt::RightToLeft);
    return box.exec() == QMessageBox::Yes;
}

QString DesktopDialogs::saveFileName(QWidget* parent, const QString& filter,
                                     const QString& proposal) {
    QFileDialog dialog(parent, QString(), proposal, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!proposal.isEmpty())
        dialog.selectFile(proposal);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

QString DesktopDialogs::openFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

} // namespace tallyra
