// A hand written down and read back, for the largest hand there is
// (Spelunker's 15 x 15 cave, after a few moves): saving after a move and
// loading it into a game of its id, each beside copying as many bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "app/GameFactory.h"
#include "dictionary/Dictionary.h"
#include "framework/Game.h"
#include "framework/GameIds.h"

namespace {
constexpr int kSpelunker = 33;

std::unique_ptr<CGame> Spelunker()
{
    static CDictionary words;
    static const bool loaded = words.LoadList(std::string(GLYPHERY_SOURCE_DIR) + "/data/words.lst");
    benchmark::DoNotOptimize(loaded);
    CGameContext context;
    context.dictionary = &words;
    context.seed = 1234;
    std::unique_ptr<CGame> game = CreateGame(*FindGameDescriptor(kSpelunker), context);
    // A few moves: the miner digs down and along, so the history holds records.
    for (int key : {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_LEFT, VK_DOWN})
        game->Key(key);
    return game;
}
}  // namespace

static void BM_SaveHand_Spelunker(benchmark::State& state)
{
    std::unique_ptr<CGame> game = Spelunker();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string saved = game->Save();
        bytes = saved.size();
        benchmark::DoNotOptimize(saved.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveHand_Spelunker)->Unit(benchmark::kMicrosecond);

static void BM_LoadHand_Spelunker(benchmark::State& state)
{
    const std::string saved = Spelunker()->Save();
    std::unique_ptr<CGame> game = Spelunker();
    for (auto _ : state) {
        std::string why;
        benchmark::DoNotOptimize(game->Load(saved, why));
    }
}
BENCHMARK(BM_LoadHand_Spelunker)->Unit(benchmark::kMicrosecond);

// The floor: copying a record's bytes.
static void BM_HandFloor_CopyBytes(benchmark::State& state)
{
    const std::string saved = Spelunker()->Save();
    std::string copy(saved.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), saved.data(), saved.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_HandFloor_CopyBytes)->Unit(benchmark::kMicrosecond);
