// Timings of the table work a user waits for: a corpus of both variants, the start-up fill, an
// ordering of the full verse table, a switch of the variant and the table operations.
#include "table/filters.h"
#include "table/ordering.h"
#include "table/row_operations.h"
#include "table/session.h"
#include "table/tables.h"

#include <QFile>
#include <benchmark/benchmark.h>

using namespace tallyra;

// A corpus of both variants from the separated-waw text: the split into
// lines and the merged-waw text, which the program makes on the first switch.
static void CorpusBothVariants(benchmark::State& state) {
    QFile file(QStringLiteral(TALLYRA_TEXT_FILE));
    file.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(file.readAll());
    for (auto _ : state) {
        Corpus corpus(text);
        benchmark::DoNotOptimize(corpus.lines(Variant::Merged).size());
    }
}
BENCHMARK(CorpusBothVariants)->Unit(benchmark::kMillisecond);

// The first session of a corpus made from the text: what the corpus keeps
// for every later session (counts, surah texts) is made on the way.
static void FirstSessionOfACorpus(benchmark::State& state) {
    QFile file(QStringLiteral(TALLYRA_TEXT_FILE));
    file.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(file.readAll());
    for (auto _ : state) {
        Corpus corpus(text);
        Session session(corpus);
        benchmark::DoNotOptimize(session.table.rowCount());
    }
}
BENCHMARK(FirstSessionOfACorpus)->Unit(benchmark::kMillisecond);

static void StartUpFill(benchmark::State& state) {
    for (auto _ : state) {
        Session session;
        benchmark::DoNotOptimize(session.table.rowCount());
    }
}
BENCHMARK(StartUpFill)->Unit(benchmark::kMillisecond);

// Orders the full verse table by ordering item `range(0)`, then back to mushaf
// order outside the timing.
static void OrderFullVerseTable(benchmark::State& state) {
    Session session;
    const int item = int(state.range(0));
    for (auto _ : state) {
        select_ordering_item(session, item);
        state.PauseTiming();
        select_ordering_item(session, 0);
        state.ResumeTiming();
    }
}
BENCHMARK(OrderFullVerseTable)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

static void SwitchVariant(benchmark::State& state) {
    Session session;
    for (auto _ : state)
        BitBtn5Click(session);
}
BENCHMARK(SwitchVariant)->Unit(benchmark::kMillisecond);

// The table operations on the full verse table, each from the full table
// made again outside the timing: a range filter, the complement of surah 1
// (6229 rows written) and the ordering by verse number.
static void RangeFilterFullVerseTable(benchmark::State& state) {
    Session session;
    for (auto _ : state) {
        range_filter(session, NumberKind::Words, false, QStringLiteral("3"), QStringLiteral("9"));
        state.PauseTiming();
        BitBtn3Click(session);
        state.ResumeTiming();
    }
}
BENCHMARK(RangeFilterFullVerseTable)->Unit(benchmark::kMillisecond);

static void ComplementOfSurah1(benchmark::State& state) {
    Session session;
    for (auto _ : state) {
        state.PauseTiming();
        BitBtn3Click(session);
        range_filter(session, NumberKind::Surah, false, QStringLiteral("1"), QStringLiteral("1"));
        state.ResumeTiming();
        N79Click(session);
    }
}
BENCHMARK(ComplementOfSurah1)->Unit(benchmark::kMillisecond);

static void OrderFullVerseTableByVerseNumber(benchmark::State& state) {
    Session session;
    for (auto _ : state) {
        N84Click(session);
        state.PauseTiming();
        BitBtn3Click(session);
        state.ResumeTiming();
    }
}
BENCHMARK(OrderFullVerseTableByVerseNumber)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
