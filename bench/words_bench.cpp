// Timings of the word sorting window and the phrase list over the whole
// corpus: F11 on the full verse table, the words that contain one common
// letter, the five orderings of the full word table, and the search for at
// least one of ten phrases.
#include "search/phrase_list.h"
#include "shell/program.h"
#include "statistics/word_statistics.h"
#include "words/word_window.h"

#include <benchmark/benchmark.h>

using namespace tallyra;

// F11: every word of the 6236 verses, counted and written into the table.
static void WordsOfTheTable(benchmark::State& state) {
    Program p;
    for (auto _ : state)
        N13Click(p.words, p.main);
    state.counters["rows"] = p.words.table.dataRowCount();
}
BENCHMARK(WordsOfTheTable)->Unit(benchmark::kMillisecond);

// The words that contain «ا», a letter most words hold.
static void WordsContainingOneLetter(benchmark::State& state) {
    Program p;
    for (auto _ : state) {
        WordFindings found;
        N18Click(p.main, QStringLiteral("ا"), found);
        fill_word_window(p.words, p.main, std::move(found));
    }
    state.counters["rows"] = p.words.table.dataRowCount();
}
BENCHMARK(WordsContainingOneLetter)->Unit(benchmark::kMillisecond);

// Ordering item k of the full word table, from the first-occurrence order
// (item 0 from the order of the occurrences, since it is made only when the
// rows left it).
static void WordOrdering(benchmark::State& state) {
    const int item = int(state.range(0));
    Program p;
    N13Click(p.words, p.main);
    if (item == 0)
        word_order(p.words, 4);
    const WordWindow start = p.words;
    for (auto _ : state) {
        state.PauseTiming();
        p.words = start;
        state.ResumeTiming();
        word_order(p.words, item);
    }
    state.counters["rows"] = p.words.table.dataRowCount();
}
BENCHMARK(WordOrdering)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// The verses that hold at least one of ten phrases, as words of their own.
static void AnyOfTenPhrases(benchmark::State& state) {
    Program p;
    for (const char16_t* phrase :
         {u"الله", u"الرحمن", u"الرحيم", u"رب", u"قل", u"الذين", u"من", u"في", u"على", u"ان"})
        p.phraseList.phrases << QString::fromUtf16(phrase);
    for (auto _ : state)
        phrases_any(p.main, p.phraseList);
    state.counters["rows"] = p.main.table.dataRowCount();
}
BENCHMARK(AnyOfTenPhrases)->Unit(benchmark::kMillisecond);
