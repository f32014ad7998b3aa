// The word finder on real deals: every word of a 4 x 4 Gobble grid (aim
// 0.2 ms), every word Spelunker's miner can dig from the start (aim 2 ms),
// and a hint in the largest free-tile layout (Tri Peaks) and in Griddle's
// 7 x 7 grid (aim 50 ms), each beside the yardstick of as many prefix
// questions put to the dictionary straight.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/GameFactory.h"
#include "dictionary/Dictionary.h"
#include "framework/Game.h"

namespace {
CDictionary& Words()
{
    static CDictionary words;
    static const bool loaded = words.LoadList(std::string(GLYPHERY_SOURCE_DIR) + "/data/words.lst");
    benchmark::DoNotOptimize(loaded);
    return words;
}

std::unique_ptr<CGame> Deal(int id, unsigned hand)
{
    CGameContext context;
    context.dictionary = &Words();
    context.seed = hand;
    return CreateGame(*FindGameDescriptor(id), context);
}

void FindAll(benchmark::State& state, int id)
{
    std::unique_ptr<CGame> game = Deal(id, 1234);
    std::size_t words = 0;
    for (auto _ : state) {
        const std::vector<CMove> moves = game->FindMoves();
        words = moves.size();
        benchmark::DoNotOptimize(moves.data());
    }
    state.counters["words"] = static_cast<double>(words);
}
}  // namespace

static void BM_FindWords_Gobble(benchmark::State& state) { FindAll(state, 10); }
BENCHMARK(BM_FindWords_Gobble)->Unit(benchmark::kMillisecond);

static void BM_FindWords_Spelunker(benchmark::State& state) { FindAll(state, 33); }
BENCHMARK(BM_FindWords_Spelunker)->Unit(benchmark::kMillisecond);

static void BM_FindWords_TriPeaks(benchmark::State& state) { FindAll(state, 36); }
BENCHMARK(BM_FindWords_TriPeaks)->Unit(benchmark::kMillisecond);

static void BM_FindWords_Griddle(benchmark::State& state) { FindAll(state, 6); }
BENCHMARK(BM_FindWords_Griddle)->Unit(benchmark::kMillisecond);

// The yardstick: 10,000 prefix questions of three to six letters.
static void BM_FinderYardstick_10000Prefixes(benchmark::State& state)
{
    const CDictionary& words = Words();
    const char* const prefixes[] = {"sta", "tre", "quil", "xyz", "strea", "onion", "bri", "aard"};
    for (auto _ : state) {
        int yes = 0;
        for (int i = 0; i < 10000; ++i)
            yes += words.IsPrefix(prefixes[i % 8]) != 0;
        benchmark::DoNotOptimize(yes);
    }
}
BENCHMARK(BM_FinderYardstick_10000Prefixes)->Unit(benchmark::kMillisecond);
