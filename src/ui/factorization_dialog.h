// The prime factorization window: a small frameless window above the others,
// with a maroon frame, moved by dragging its frame or any of its text lines.
// Every key goes to the engine's key handling; the factorizations it asks
// for run on a worker thread, so that the window answers keys and the
// cancel button while one runs.
#pragma once

#include "ui/secondary_window.h"
#include "words/factorization.h"

#include <QPoint>
#include <QSet>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tallyra {

class FactorizationDialog : public SecondaryWindow {
    Q_OBJECT
public:
    FactorizationDialog(Program& program, Dialogs& dialogs, QWidget* parent = nullptr);
    ~FactorizationDialog() override;

    void open() override;
    void render() override;

    QLineEdit* numberBox() const { return number_; }
    QLabel* resultLine() const { return result_; }
    QLabel* digitCountLine() const { return digitCount_; }
    QLabel* elapsedLine() const { return elapsed_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* closeButton() const { return close_; }

signals:
    // The answer of the factorization awaited has been shown.
    void answered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override;

private:
    // Runs an item, then gives the worker the factorization it now awaits,
    // or stops the one it no longer does.
    void runItem(const QString& item, const QStringList& chosen = {});
    void startDrag(QMouseEvent* event);

    // The lines that move the window; first, as the filter reads it while
    // the widgets below are made.
    QSet<const QObject*> lines_;
    QLabel* title_;
    QLineEdit* number_;
    QLabel* digitCount_;
    QLabel* elapsed_;
    QLabel* result_;
    QLabel* warning_;
    QPushButton* cancel_;
    QPushButton* close_;
    std::unique_ptr<FactorizationWorker> worker_;
    quint64 started_ = 0; // the job the worker was given last
    // A drag the window follows by hand, and where it took hold.
    bool dragging_ = false;
    QPoint dragFrom_;
};

} // namespace tallyra
