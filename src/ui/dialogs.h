// Every modal question the windows ask goes through this one interface, so
// that the window tests can answer in advance and never wait on a box.
#pragma once

#include <QString>
#include <memory>

class QInputDialog;
class QMessageBox;
class QWidget;

namespace tallyra {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message with an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A one-line input; a cancelled dialog gives the empty text.
    virtual QString input(QWidget* parent, const QString& caption, const QString& prompt) = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // A file name to save to or to open, or empty when cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& filter,
                                 const QString& proposal) = 0;
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;

    // The desktop's acts outside the program: opening a document in its
    // viewer and starting a program on its own. A failure shows nothing.
    // By default they do nothing, so that no test can start a real program;
    // the desktop's dialogs perform them.
    virtual void openDocument(const QString& path) { (void)path; }
    virtual void startProgram(const QString& path) { (void)path; }
};

// The dialogs of the desktop: Qt's message, input and file boxes, right to
// left, with Arabic buttons and the Arabic font, titled with the program's name.
class DesktopDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    QString input(QWidget* parent, const QString& caption, const QString& prompt) override;
    bool confirm(QWidget* parent, const QString& text) override;
    QString saveFileName(QWidget* parent, const QString& filter, const QString& proposal) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
    void openDocument(const QString& path) override;
    void startProgram(const QString& path) override;
};

// The boxes the desktop dialogs show, made ready but not shown.
std::unique_ptr<QMessageBox> message_box(QWidget* parent, const QString& text);
std::unique_ptr<QMessageBox> question_box(QWidget* parent, const QString& text);
std::unique_ptr<QInputDialog> input_dialog(QWidget* parent, const QString& caption,
                                           const QString& prompt);

} // namespace tallyra
