#include "words/factorization.h"

#include "measures/measures.h"

#include <QElapsedTimer>

namespace tallyra {

namespace {

const QString kWait = QStringLiteral("...إنتظر من فضلك");
const QString kTooManyDigits =
    QStringLiteral("هذا أقصى عدد من الأرقام يمكن معالجته في هذا البرنامج");
const QString kTooLarge = QStringLiteral("أكبر عدد ممكن معالجته هو 9223372036854775807");

void empty_all(FactorizationWindow& w) {
    w.digits.clear();
    w.result.clear();
    w.digitCount.clear();
    w.elapsed.clear();
}

// The number box changed: its digit count, then the factorization of the
// whole number, asked of the worker (0 and 1 have no factors to wait for).
QString number_changed(FactorizationWindow& w) {
    w.digitCount = zero_pad(w.digits.size(), 2) + QStringLiteral(" عدد الأرقام ");
    w.running = false;
    ++w.job;
    bool ok = false;
    const quint64 n = w.digits.toULongLong(&ok);
    if (!ok || n > kMaxFactorNumber) {
        w.result.clear();
        w.elapsed.clear();
        return kTooLarge;
    }
    if (n < 2) {
        w.result.clear();
        w.elapsed = elapsed_line(0);
        return {};
    }
    // Until the answer comes, the line says to wait, and no time is told.
    w.result = kWait;
    w.elapsed.clear();
    w.number = n;
    w.running = true;
    return {};
}

} // namespace

QString factorization_title() {
    return QStringLiteral("تحليل عدد طبيعي إلى جداء عوامل أولية");
}

QString factorization_warning() {
    return QStringLiteral(
        "إذا تجاوز العدد أربعة عشر رقما فممكن أن يطول الوقت اللازم لمعالجة العدد");
}

Result factorization_key(FactorizationWindow& w, QChar key) {
    if (key >= u'0' && key <= u'9') {
        if (w.digits.size() >= kMaxFactorDigits)
            return said(kTooManyDigits);
        w.digits += key;
        return said(number_changed(w));
    }
    if (key == kBackspaceKey) {
        if (w.digits.size() > 1) {
            w.digits.chop(1);
            return said(number_changed(w));
        }
        factorization_cancel(w);
        return {};
    }
    if (key == u'+') {
        factorization_cancel(w);
        return {};
    }
    if (key == kEscapeKey) {
        factorization_cancel(w);
        return factorization_close(w);
    }
    return {};
}

void factorization_cancel(FactorizationWindow& w) {
    w.running = false;
    ++w.job;
    empty_all(w);
}

Result factorization_close(FactorizationWindow& w) {
    if (w.running)
        factorization_cancel(w);
    Result r;
    r.close = WindowId::Factorization;
    return r;
}

bool factorization_answered(FactorizationWindow& w, quint64 job, const QString& line,
                            qint64 elapsedMs) {
    if (!w.running || job != w.job)
        return false;
    w.running = false;
    w.result = line;
    w.elapsed = elapsed_line(elapsedMs);
    return true;
}

void finish_factorization(FactorizationWindow& w) {
    if (!w.running)
        return;
    QElapsedTimer clock;
    clock.start();
    const QString line = *prime_factor_line(w.number);
    factorization_answered(w, w.job, line, clock.elapsed());
}

QString factorization_output(FactorizationWindow& w) {
    finish_factorization(w);
    return w.result + u'\n' + w.digitCount + u'\n';
}

QString elapsed_line(qint64 ms) {
    const qint64 seconds = ms / 1000;
    return zero_pad(seconds / 3600, 2) + u':' + zero_pad(seconds / 60 % 60, 2) + u':' +
           zero_pad(seconds % 60, 2) + u'.' + zero_pad(ms % 1000, 3) +
           QStringLiteral(" الوقت المستغرق ");
}

FactorizationWorker::FactorizationWorker(Done done)
    : done_(std::move(done)), thread_([this] { loop(); }) {}

FactorizationWorker::~FactorizationWorker() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
        wanted_ = 0;
    }
    wake_.notify_one();
    thread_.join();
}

void FactorizationWorker::start(quint64 job, quint64 number) {
    {
        const std::lock_guard lock(mutex_);
        number_ = number;
        wanted_ = job;
    }
    wake_.notify_one();
}

void FactorizationWorker::stop() {
    const std::lock_guard lock(mutex_);
    wanted_ = 0;
}

void FactorizationWorker::loop() {
    quint64 ran = 0; // the job this thread ran last
    for (;;) {
        quint64 job = 0, number = 0;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return quit_ || (wanted_ != 0 && wanted_ != ran); });
            if (quit_)
                return;
            job = ran = wanted_;
            number = number_;
        }
        QElapsedTimer clock;
        clock.start();
        const std::optional<QString> line = prime_factor_line(
            number, [this, job] { return wanted_.load(std::memory_order_relaxed) != job; });
        if (line)
            done_(job, *line, clock.elapsed());
    }
}

} // namespace tallyra
