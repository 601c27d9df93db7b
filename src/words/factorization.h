// The prime factorization window: the number is typed digit by digit, and
// after every digit and every Backspace the whole number is factorized again,
// with its digit count and the time the factorization took.
//
// A factorization of a large number can take seconds. The window never waits
// for one: a key asks for it (the state then awaits job `job`), a worker
// thread computes it (FactorizationWorker) and its answer comes back to the
// window's thread (factorization_answered); a new digit or a cancel replaces
// or ends the job, and the answer of a job replaced is dropped.
#pragma once

#include "core/result.h"
#include "core/windows.h"

#include <QString>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace tallyra {

// The largest number of digits the box takes, and the largest number that
// can be factored.
inline constexpr int kMaxFactorDigits = 19;
inline constexpr quint64 kMaxFactorNumber = 9223372036854775807ULL;

// The window's fixed texts.
QString factorization_title();
QString factorization_warning();

// The keys the window takes, as `factorization_key` reads them.
inline constexpr QChar kBackspaceKey = u'\b';
inline constexpr QChar kEscapeKey = QChar(0x1B);

// A key typed into the window. Only the digits 0 to 9, Backspace, Escape and
// '+' do anything; every other key is dropped. A digit beyond the nineteenth
// is dropped with a message; a number above kMaxFactorNumber stays in the box
// with a message and no result. '+' cancels; Escape cancels and closes the
// window.
Result factorization_key(FactorizationWindow& w, QChar key);

// The cancel button: the factorization running stops, and the number box and
// its three lines are emptied.
void factorization_cancel(FactorizationWindow& w);

// The close button: the factorization running stops (which empties the box
// and its lines, as a cancel does); a finished one stays for the next
// opening. The window closes.
Result factorization_close(FactorizationWindow& w);

// The answer of job `job`: its result line and the time it took. An answer
// the window no longer awaits is dropped; true when it was taken.
bool factorization_answered(FactorizationWindow& w, quint64 job, const QString& line,
                            qint64 elapsedMs);

// Computes the factorization awaited, if any, here and now (the command line
// and the tests, which have no worker).
void finish_factorization(FactorizationWindow& w);

// The result line and the digit count line, each followed by a line end,
// once the factorization awaited is done: what the command line prints when
// the window is on top.
QString factorization_output(FactorizationWindow& w);

// «hh:mm:ss.zzz الوقت المستغرق », the time a factorization took.
QString elapsed_line(qint64 ms);

// Factorizes on a thread of its own, one number at a time. `start` replaces
// the job running, which stops at its next check; `stop` ends it with no new
// one. `done` is called on the worker's thread with each job that ran to
// its end, never with one replaced or stopped. The destructor stops the job
// running and waits for the thread.
class FactorizationWorker {
public:
    using Done = std::function<void(quint64 job, const QString& line, qint64 elapsedMs)>;

    explicit FactorizationWorker(Done done);
    ~FactorizationWorker();
    FactorizationWorker(const FactorizationWorker&) = delete;
    FactorizationWorker& operator=(const FactorizationWorker&) = delete;

    void start(quint64 job, quint64 number);
    void stop();

private:
    void loop();

    Done done_;
    std::mutex mutex_;
    std::condition_variable wake_;
    // The job wanted now (0: none); the running one stops once it differs.
    std::atomic<quint64> wanted_{0};
    quint64 number_ = 0;
    bool quit_ = false;
    std::thread thread_;
};

} // namespace tallyra
