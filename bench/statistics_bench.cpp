// Timings of the commands users run most, each over the whole corpus: the
// text search in plain and exact mode and for one letter, the verses that begin with a phrase,
// the distinct verse texts and the surahs that begin with a phrase.
#include "search/search.h"
#include "statistics/repetition.h"
#include "statistics/surah_statistics.h"
#include "statistics/verse_statistics.h"
#include "table/session.h"
#include "table/tables.h"

#include <benchmark/benchmark.h>

using namespace tallyra;

static void SearchPlain(benchmark::State& state) {
    Session session;
    const QString term = QStringLiteral("الله");
    for (auto _ : state)
        bahte(session, term, term);
    state.counters["rows"] = session.table.dataRowCount();
}
BENCHMARK(SearchPlain)->Unit(benchmark::kMillisecond);

static void SearchExact(benchmark::State& state) {
    Session session;
    session.setChecked(QStringLiteral("N104"), true);
    const QString term = QStringLiteral("الله");
    for (auto _ : state)
        bahte(session, term, term);
    state.counters["rows"] = session.table.dataRowCount();
}
BENCHMARK(SearchExact)->Unit(benchmark::kMillisecond);

// A one-letter term found in nearly every verse: the cost of writing rows.
static void SearchOneLetter(benchmark::State& state) {
    Session session;
    const QString term = QStringLiteral("ا");
    for (auto _ : state)
        bahte(session, term, term);
    state.counters["rows"] = session.table.dataRowCount();
}
BENCHMARK(SearchOneLetter)->Unit(benchmark::kMillisecond);

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
