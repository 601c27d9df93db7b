// Timings of the commands users run most, each over the whole corpus: the
// text search in plain and exact mode and for one letter, the verses that
// begin with a phrase, the distinct verse texts and the surahs that begin
// with a phrase.
#include "search/search.h"
#include "statistics/repetition.h"
#include "statistics/surah_statistics.h"
#include "statistics/verse_statistics.h"
#include "table/session.h"
#include "table/tables.h"

#include <benchmark/benchmark.h>

using namespace tallyra;

// The whole-corpus search for a term, in plain or exact mode.
static void Search(benchmark::State& state, const char16_t* text, bool exact) {
    Session session;
    session.setChecked(QStringLiteral("N104"), exact);
    const QString term = QString::fromUtf16(text);
    for (auto _ : state)
        bahte(session, term, term);
    state.counters["rows"] = session.table.dataRowCount();
}
BENCHMARK_CAPTURE(Search, Plain, u"الله", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Exact, u"الله", true)->Unit(benchmark::kMillisecond);
// A one-letter term found in nearly every verse: the cost of writing rows.
BENCHMARK_CAPTURE(Search, OneLetter, u"ا", false)->Unit(benchmark::kMillisecond);

static void VersesThatBegin(benchmark::State& state) {
    Session session;
    for (auto _ : state)
        N1Click(session, QStringLiteral("الم"));
    state.counters["rows"] = session.table.dataRowCount();
}
BENCHMARK(VersesThatBegin)->Unit(benchmark::kMillisecond);

static void DistinctVerses(benchmark::State& state) {
    Session session;
    for (auto _ : state)
        N48Click(session);
    state.counters["rows"] = session.table.dataRowCount();
}
BENCHMARK(DistinctVerses)->Unit(benchmark::kMillisecond);

static void SurahsThatBegin(benchmark::State& state) {
    Session session;
    BitBtn2Click(session);
    for (auto _ : state)
        N24Click(session, QStringLiteral("الم"));
    state.counters["rows"] = session.table.dataRowCount();
}
BENCHMARK(SurahsThatBegin)->Unit(benchmark::kMillisecond);
