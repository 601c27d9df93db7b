#include "ui/factorization_dialog.h"

#include "shell/registry.h"
#include "ui/colours.h"
#include "ui/fonts.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

namespace tallyra {

namespace {

constexpr WindowId F = WindowId::Factorization;
const QColor kMaroon(128, 0, 0);

QString caption(const char* item) {
    return find_command(F, QString::fromLatin1(item))->caption;
}

// The character a key types into the window, as its key handling reads it;
// the null character for a key that types none.
QChar typed(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        return kBackspaceKey;
    case Qt::Key_Escape:
        return kEscapeKey;
    default:
        break;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    const QString text = event->text();
    return text.size() == 1 ? text[0] : QChar();
}

// The result line: one maroon line (lighter on a dark background), which a
// result wider than the window shows cut short with an ellipsis; its tooltip
// holds it whole.
class ResultLine : public QLabel {
public:
    explicit ResultLine(QWidget* parent) : QLabel(parent) {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        keep_readable(this, kMaroon, kLargeTextContrast);
    }
    // Never wider than the window gives it, however long the result.
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }
    QSize sizeHint() const override { return {0, QLabel::sizeHint().height()}; }

protected:
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::PaletteChange)
            keep_readable(this, kMaroon, kLargeTextContrast);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(foregroundRole()));
        // The factors read left to right, whatever the window's direction.
        p.drawText(contentsRect(), int(alignment()) | Qt::TextForceLeftToRight,
                   fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width()));
    }
};

} // namespace

FactorizationDialog::FactorizationDialog(Program& program, Dialogs& dialogs, QWidget* parent)
    : SecondaryWindow(program, dialogs, F, parent), title_(new QLabel(this)),
      number_(new QLineEdit(this)), digitCount_(new QLabel(this)), elapsed_(new QLabel(this)),
      result_(new ResultLine(this)), warning_(new QLabel(this)),
      cancel_(new QPushButton(caption("SpeedButton1"), this)),
      close_(new QPushButton(caption("SpeedButton3"), this)) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(factorization_title());

    title_->setFont(arabic_font(20));
    title_->setAlignment(Qt::AlignCenter);
    close_->setFixedSize(26, 26);
    close_->setToolTip(QStringLiteral("إغلاق"));

    // The number box shows what the key handling puts in it and takes
    // nothing else: no typing, no pasting, no menu.
    number_->setReadOnly(true);
    number_->setFocusPolicy(Qt::NoFocus);
    number_->setContextMenuPolicy(Qt::NoContextMenu);
    number_->setLayoutDirection(Qt::LeftToRight);
    number_->setAlignment(Qt::AlignCenter);
    number_->setFont(arabic_font(26));

    for (QLabel* line : {digitCount_, elapsed_})
        line->setFont(arabic_font(16));
    result_->setFont(arabic_font(24));
    result_->setLayoutDirection(Qt::LeftToRight);
    result_->setAlignment(Qt::AlignCenter);
    warning_->setFont(arabic_font(14));
    warning_->setWordWrap(true);
    warning_->setAlignment(Qt::AlignCenter);
    cancel_->setFont(arabic_font(17));
    for (QPushButton* b : {cancel_, close_})
        b->setFocusPolicy(Qt::NoFocus);

    auto* top = new QHBoxLayout;
    top->addWidget(title_, 1);
    top->addWidget(close_, 0, Qt::AlignTop);
    auto* counts = new QHBoxLayout;
    counts->addWidget(digitCount_);
    counts->addStretch(1);
    counts->addWidget(elapsed_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 8, 12, 12);
    column->setSpacing(8);
    column->addLayout(top);
    column->addWidget(number_);
    column->addLayout(counts);
    column->addWidget(result_);
    column->addWidget(warning_);
    column->addWidget(cancel_, 0, Qt::AlignCenter);
    setFixedSize(600, 300);

    // The window is moved by its frame and by any of its text lines.
    // The filter sees the events of every window (it takes the window's
    // keys); only those of these lines move it.
    for (QWidget* line : {static_cast<QWidget*>(title_), static_cast<QWidget*>(digitCount_),
                          static_cast<QWidget*>(elapsed_), static_cast<QWidget*>(result_),
                          static_cast<QWidget*>(warning_), static_cast<QWidget*>(number_)})
        lines_.insert(line);

    connect(cancel_, &QPushButton::clicked, this,
            [this] { runItem(QStringLiteral("SpeedButton1")); });
    connect(close_, &QPushButton::clicked, this,
            [this] { runItem(QStringLiteral("SpeedButton3")); });

    // The worker's answers are taken on the window's thread, in turn with
    // the keys; one the window no longer awaits is dropped there.
    worker_ =
        std::make_unique<FactorizationWorker>([this](quint64 job, const QString& line, qint64 ms) {
            QMetaObject::invokeMethod(
                this,
                [this, job, line, ms] {
                    if (factorization_answered(program_.factorization, job, line, ms)) {
                        render();
                        emit answered();
                    }
                },
                Qt::QueuedConnection);
        });
}

FactorizationDialog::~FactorizationDialog() {
    // The worker's thread ends before the window it answers to.
    worker_.reset();
}

void FactorizationDialog::open() {
    title_->setText(factorization_title());
    warning_->setText(factorization_warning());
    cancel_->setText(caption("SpeedButton1"));
    // A long result is read whole in its tooltip, which stays a while.
    result_->setToolTipDuration(100000);
    SecondaryWindow::open();
    setFocus(Qt::ActiveWindowFocusReason);
}

void FactorizationDialog::render() {
    const FactorizationWindow& w = program_.factorization;
    if (number_->text() != w.digits)
        number_->setText(w.digits);
    number_->setCursorPosition(int(w.digits.size()));
    digitCount_->setText(w.digitCount);
    elapsed_->setText(w.elapsed);
    result_->setText(w.result);
    result_->setToolTip(w.result);
}

void FactorizationDialog::runItem(const QString& item, const QStringList& chosen) {
    run(item, chosen);
    const FactorizationWindow& w = program_.factorization;
    if (w.running && w.job != started_) {
        started_ = w.job;
        worker_->start(w.job, w.number);
    } else if (!w.running) {
        worker_->stop();
    }
}

void FactorizationDialog::keyPressEvent(QKeyEvent* event) {
    // Every key is the window's: none reaches the number box or the buttons.
    event->accept();
    const QChar key = typed(event);
    if (!key.isNull())
        runItem(QStringLiteral("FormKeyPress"), {QString(key)});
}

bool FactorizationDialog::eventFilter(QObject* watched, QEvent* event) {
    if (!lines_.contains(watched))
        return SecondaryWindow::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        startDrag(static_cast<QMouseEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::MouseMove && dragging_) {
        mouseMoveEvent(static_cast<QMouseEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease)
        dragging_ = false;
    return SecondaryWindow::eventFilter(watched, event);
}

void FactorizationDialog::mousePressEvent(QMouseEvent* event) {
    startDrag(event);
}

void FactorizationDialog::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - dragFrom_);
}

void FactorizationDialog::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

void FactorizationDialog::startDrag(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    // The window manager moves the window where it can; elsewhere the
    // window follows the mouse itself.
    dragging_ = !(windowHandle() && windowHandle()->startSystemMove());
    dragFrom_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void FactorizationDialog::paintEvent(QPaintEvent* event) {
    SecondaryWindow::paintEvent(event);
    QPainter p(this);
    p.setPen(QPen(kMaroon, 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void FactorizationDialog::reject() {
    // Closed by the window manager, or from outside: as the close button.
    if (program_.isShown(F))
        runItem(QStringLiteral("SpeedButton3"));
    SecondaryWindow::reject();
}

} // namespace tallyra
