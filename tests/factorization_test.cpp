// The prime factorization window without a window: the factors of a number,
// the keys typed into the box, the answers of replaced factorizations, the
// worker thread and its cancelling, and the `factorize` command line.
#include "app/cli.h"
#include "measures/measures.h"
#include "shell/dispatch.h"
#include "words/factorization.h"

#include "cli_json_check.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <vector>

using namespace tallyra;

namespace {

const QString kTooLarge = q(u"أكبر عدد ممكن معالجته هو 9223372036854775807");
const QString kTooManyDigits = q(u"هذا أقصى عدد من الأرقام يمكن معالجته في هذا البرنامج");
const QString kWait = q(u"...إنتظر من فضلك");

QString digit_count(int n) {
    return zero_pad(n, 2) + q(u" عدد الأرقام ");
}

// Types the keys one by one into the window, finishing each factorization
// asked for; the messages shown, in order.
QStringList type(FactorizationWindow& w, const QString& keys) {
    QStringList messages;
    for (const QChar key : keys) {
        const Result r = factorization_key(w, key);
        if (!r.message.isEmpty())
            messages << r.message;
        finish_factorization(w);
    }
    return messages;
}

// The answers a worker gives, gathered from its thread.
struct Answers {
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<std::pair<quint64, QString>> got;

    FactorizationWorker::Done done() {
        return [this](quint64 job, const QString& line, qint64) {
            const std::lock_guard lock(mutex);
            got.emplace_back(job, line);
            arrived.notify_all();
        };
    }
    // Waits until job `job` has answered (a minute at most, so that a broken
    // worker fails the test instead of hanging it).
    bool waitFor(quint64 job) {
        std::unique_lock lock(mutex);
        return arrived.wait_for(lock, std::chrono::minutes(1), [&] {
            for (const auto& a : got)
                if (a.first == job)
                    return true;
            return false;
        });
    }
};

// The largest prime below 2^63: trial division runs to its square root.
constexpr quint64 kLargePrime = 9223372036854775783ULL;

} // namespace

TEST(Factorization, FactorsInAscendingOrderJoinedByDots) {
    const struct {
        quint64 n;
        const char16_t* line;
    } cases[] = {
        {0, u""},
        {1, u""},
        {2, u"2"},
        {8, u"2.2.2"},
        {12, u"2.2.3"},
        {97, u"97"},
        {360, u"2.2.2.3.3.5"},
        {49, u"7.7"},
        {5 * 7 * 11 * 13 * 29 * 31, u"5.7.11.13.29.31"},
        {9223372036854775807ULL, u"7.7.73.127.337.92737.649657"},
        // A prime squared just below 2^63: the divisor's square passes the
        // signed 64-bit range on the way, and is compared without it.
        {9223371994482243049ULL, u"3037000493.3037000493"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(prime_factor_line(c.n), q(c.line)) << c.n;
    QStringList twos;
    for (int i = 0; i < 62; ++i)
        twos << QStringLiteral("2");
    EXPECT_EQ(prime_factor_line(quint64(1) << 62), twos.join(u'.'));
    // The counts the display factorises keep their own words for 0 and 1.
    EXPECT_EQ(analys(0), QStringLiteral("0"));
    EXPECT_EQ(analys(1), QStringLiteral("1"));
    EXPECT_EQ(analys(786), QStringLiteral("2.3.131"));
}

TEST(Factorization, ACancelledFactorizationGivesNothing) {
    int asked = 0;
    EXPECT_EQ(prime_factor_line(kLargePrime, [&] { return ++asked == 3; }), std::nullopt);
    EXPECT_EQ(asked, 3);
}

TEST(Factorization, KeysTypedIntoTheBox) {
    const struct {
        const char16_t* keys;
        const char16_t* digits;
        const char16_t* result;
        int digitCount; // -1: the line is empty
        std::vector<QString> messages;
    } cases[] = {
        {u"12", u"12", u"2.2.3", 2, {}},
        {u"360", u"360", u"2.2.2.3.3.5", 3, {}},
        {u"97", u"97", u"97", 2, {}},
        {u"0", u"0", u"", 1, {}},
        {u"1", u"1", u"", 1, {}},
        {u"007", u"007", u"7", 3, {}},
        // Only digits, Backspace, Escape and '+' do anything.
        {u"1a 2b\u0663", u"12", u"2.2.3", 2, {}},
        {u"9223372036854775807", u"9223372036854775807", u"7.7.73.127.337.92737.649657", 19, {}},
        // Above the 64-bit range: the digit stays, with no result.
        {u"9223372036854775808", u"9223372036854775808", u"", 19, {kTooLarge}},
        {u"99999999999999999999", u"9999999999999999999", u"", 19, {kTooLarge, kTooManyDigits}},
        // A twentieth digit is dropped.
        {u"12345678901234567890",
         u"1234567890123456789",
         u"3.3.101.3541.3607.3803.27961",
         19,
         {kTooManyDigits}},
        // Backspace factorizes what is left; on the last digit it empties all.
        {u"123\b", u"12", u"2.2.3", 2, {}},
        {u"7\b", u"", u"", -1, {}},
        {u"\b", u"", u"", -1, {}},
        {u"9223372036854775808\b",
         u"922337203685477580",
         u"2.2.3.3.5.7.11.13.31.41.61.151.331.1321",
         18,
         {kTooLarge}},
        // '+' cancels: the box and its lines are emptied.
        {u"36+", u"", u"", -1, {}},
        {u"36+5", u"5", u"5", 1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.keys).toStdString());
        FactorizationWindow w;
        EXPECT_EQ(type(w, q(c.keys)), QStringList(c.messages.begin(), c.messages.end()));
        EXPECT_EQ(w.digits, q(c.digits));
        EXPECT_EQ(w.result, q(c.result));
        EXPECT_EQ(w.digitCount, c.digitCount < 0 ? QString() : digit_count(c.digitCount));
        EXPECT_FALSE(w.running);
        // The time is told of every number factorized, one too large for it
        // has none.
        bool fits = false;
        const bool factorized = w.digits.toULongLong(&fits) <= kMaxFactorNumber && fits;
        if (factorized) {
            EXPECT_TRUE(w.elapsed.endsWith(q(u" الوقت المستغرق "))) << w.elapsed.toStdString();
        } else {
            EXPECT_EQ(w.elapsed, QString());
        }
    }
}

TEST(Factorization, OnlyTheAnswerAwaitedIsTaken) {
    FactorizationWindow w;
    factorization_key(w, u'9');
    factorization_key(w, u'7');
    EXPECT_TRUE(w.running);
    EXPECT_EQ(w.result, kWait);
    EXPECT_EQ(w.elapsed, QString());
    const quint64 first = w.job;
    // A new digit replaces the factorization running: its late answer is
    // dropped, the new one's taken.
    factorization_key(w, u'3');
    factorization_answered(w, first, QStringLiteral("97"), 5);
    EXPECT_EQ(w.result, kWait);
    EXPECT_TRUE(w.running);
    EXPECT_EQ(w.number, 973u);
    factorization_answered(w, w.job, QStringLiteral("7.139"), 3723004);
    EXPECT_EQ(w.result, QStringLiteral("7.139"));
    EXPECT_EQ(w.elapsed, q(u"01:02:03.004 الوقت المستغرق "));
    EXPECT_FALSE(w.running);

    // A cancel ends the wait: nothing comes back.
    factorization_key(w, u'1');
    const quint64 cancelled = w.job;
    factorization_cancel(w);
    factorization_answered(w, cancelled, QStringLiteral("9731"), 1);
    EXPECT_EQ(w.digits, QString());
    EXPECT_EQ(w.result, QString());
    EXPECT_EQ(w.digitCount, QString());
    EXPECT_EQ(w.elapsed, QString());
}

TEST(Factorization, ClosingKeepsAFinishedResultAndStopsARunningOne) {
    Program p;
    const WindowId F = WindowId::Factorization;
    ASSERT_TRUE(command_allowed(p, WindowId::Main, N("N12")));
    EXPECT_EQ(run_command(p, WindowId::Main, N("N12")).open, F);
    EXPECT_EQ(p.active(), F);
    // Typed, finished, closed by its button, opened again: all still there.
    run_command(p, F, N("FormKeyPress"), {QStringLiteral("360")});
    finish_factorization(p.factorization);
    EXPECT_EQ(run_command(p, F, N("SpeedButton3")).close, F);
    EXPECT_FALSE(p.isShown(F));
    run_command(p, WindowId::Main, N("N12"));
    EXPECT_EQ(p.factorization.result, QStringLiteral("2.2.2.3.3.5"));
    EXPECT_EQ(p.factorization.digits, QStringLiteral("360"));

    // Closed while one runs: it stops, and the box and its lines are emptied.
    run_command(p, F, N("FormKeyPress"), {QStringLiteral("1")});
    ASSERT_TRUE(p.factorization.running);
    run_command(p, F, N("SpeedButton3"));
    EXPECT_FALSE(p.factorization.running);
    EXPECT_EQ(p.factorization.digits, QString());
    EXPECT_EQ(p.factorization.result, QString());

    // Escape cancels and closes; the cancel button only cancels.
    run_command(p, WindowId::Main, N("N12"));
    run_command(p, F, N("FormKeyPress"), {QStringLiteral("12")});
    finish_factorization(p.factorization);
    EXPECT_EQ(run_command(p, F, N("SpeedButton1")).close, WindowId::None);
    EXPECT_EQ(p.factorization.result, QString());
    EXPECT_TRUE(p.isShown(F));
    run_command(p, F, N("FormKeyPress"), {QStringLiteral("5") + kEscapeKey});
    EXPECT_FALSE(p.isShown(F));
    EXPECT_EQ(p.factorization.digits, QString());
}

TEST(Factorization, TheWorkerDropsTheJobsReplacedOrStopped) {
    Answers answers;
    {
        FactorizationWorker worker(answers.done());
        // A long one replaced at once by a short one: only the short one
        // answers. (The worker takes them in turn: had the long one not
        // stopped, its answer would come first.)
        worker.start(1, kLargePrime);
        worker.start(2, 360);
        ASSERT_TRUE(answers.waitFor(2));
        worker.start(3, kLargePrime);
        worker.stop();
        worker.start(4, 12);
        ASSERT_TRUE(answers.waitFor(4));
        // Destroyed while one runs: it stops, and the thread ends.
        worker.start(5, kLargePrime);
    }
    const std::vector<std::pair<quint64, QString>> expected = {{2, QStringLiteral("2.2.2.3.3.5")},
                                                               {4, QStringLiteral("2.2.3")}};
    EXPECT_EQ(answers.got, expected);
}

TEST(Factorization, TheCommandLinePrintsTheWindowsLines) {
    const struct {
        QStringList args;
        int status;
        QString out, err;
    } cases[] = {
        {{N("factorize"), N("12")}, 0, N("2.2.3\n") + digit_count(2) + u'\n', {}},
        {{N("factorize"), N("9223372036854775807")},
         0,
         N("7.7.73.127.337.92737.649657\n") + digit_count(19) + u'\n',
         {}},
        // Typed on: 36 and then 0 is 360; a letter is dropped as the window
        // drops it.
        {{N("factorize"), N("36"), N("+"), N("factorize"), N("x0")},
         0,
         N("2.2.2.3.3.5\n") + digit_count(3) + u'\n',
         {}},
        {{N("factorize"), N("1")}, 0, N("\n") + digit_count(1) + u'\n', {}},
        {{N("factorize"), N("")}, 0, N("\n\n"), {}},
        {{N("factorize"), N("9223372036854775808")}, 1, {}, N("factorize: ") + kTooLarge + u'\n'},
        {{N("factorize"), N("12345678901234567890")},
         1,
         {},
         N("factorize: ") + kTooManyDigits + u'\n'},
        // The window is modal: the main window's commands wait for it.
        {{N("factorize"), N("12"), N("+"), N("verses")},
         2,
         {},
         q(u"verses: هذا الأمر غير متاح في الحالة الحالية\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const auto [status, out, err] = run_cli_captured(c.args);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(out, c.out);
        EXPECT_EQ(err, c.err);
        expect_json_run_matches(c.args, c.status, out, err);
    }
}
