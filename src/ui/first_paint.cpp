#include "ui/first_paint.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace tallyra {

namespace {

// The CPU time used so far in microseconds and the peak resident memory in
// kilobytes.
std::pair<long long, long long> usage_so_far() {
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto us = [](const timeval& t) { return t.tv_sec * 1000000LL + t.tv_usec; };
    return {us(usage.ru_utime) + us(usage.ru_stime), usage.ru_maxrss};
#else
    return {0, 0};
#endif
}

class FirstPaint : public QObject {
public:
    explicit FirstPaint(QAbstractItemView* view) : QObject(view), view_(view) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && view_->model() && view_->model()->rowCount() > 0) {
            watched->removeEventFilter(this);
            // The paint now under way ends with the whole window drawn and
            // handed to the screen; the report comes right after it.
            QTimer::singleShot(0, this, [] {
                const long long now = std::chrono::duration_cast<std::chrono::microseconds>(
                                          std::chrono::system_clock::now().time_since_epoch())
                                          .count();
                const auto [cpu, rss] = usage_so_far();
                std::printf("%lld %lld %lld\n", now, cpu, rss);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QAbstractItemView* view_;
};

} // namespace

void report_first_paint(QAbstractItemView* view) {
    view->viewport()->installEventFilter(new FirstPaint(view));
}

} // namespace tallyra
