// The settings store: single values, and saving a ten-row high-score list
// (what the end of a hand writes). "PerCallOpen" closes the connection before
// every call, as a store that opens the file for each call would.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "framework/Registry.h"

namespace {

constexpr const char* kKey = "Software\\Quirkwood\\Glyphery\\Golf";
constexpr const char* kHighScores = "Software\\Quirkwood\\Glyphery\\Golf\\HighScores";

// A private store file for one benchmark, removed afterwards.
class CBenchStore {
public:
    CBenchStore()
    {
        dir_ = std::filesystem::temp_directory_path() / ("glyphery-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_);
        SetRegistryPath((dir_ / "glyphery.db").string());
    }
    ~CBenchStore()
    {
        CloseRegistry();
        SetRegistryPath("");
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

private:
    std::filesystem::path dir_;
};

void WriteHighScores(int round)
{
    for (int row = 0; row < 10; ++row) {
        const std::string name = "Name" + std::to_string(row), score = "Score" + std::to_string(row);
        WriteRegString(HKEY_CURRENT_USER, kHighScores, name.c_str(), "A. Player of Words");
        WriteRegString(HKEY_CURRENT_USER, kHighScores, score.c_str(), std::to_string(1000 - row * 10 + round).c_str());
    }
}

void BM_WriteRegDword(benchmark::State& state)
{
    CBenchStore store;
    const bool reopen = state.range(0) != 0;
    int i = 0;
    for (auto _ : state) {
        if (reopen) CloseRegistry();
        benchmark::DoNotOptimize(WriteRegDword(HKEY_CURRENT_USER, kKey, "GamesPlayed", ++i));
    }
}
BENCHMARK(BM_WriteRegDword)->ArgName("PerCallOpen")->Arg(0)->Arg(1);

void BM_ReadRegDword(benchmark::State& state)
{
    CBenchStore store;
    WriteRegDword(HKEY_CURRENT_USER, kKey, "GamesPlayed", 12);
    const bool reopen = state.range(0) != 0;
    for (auto _ : state) {
        if (reopen) CloseRegistry();
        benchmark::DoNotOptimize(ReadRegDword(HKEY_CURRENT_USER, kKey, "GamesPlayed", 0));
    }
}
BENCHMARK(BM_ReadRegDword)->ArgName("PerCallOpen")->Arg(0)->Arg(1);

void BM_AddRegDword(benchmark::State& state)
{
    CBenchStore store;
    for (auto _ : state) benchmark::DoNotOptimize(AddRegDword(HKEY_CURRENT_USER, kKey, "GamesPlayed", 1));
}
BENCHMARK(BM_AddRegDword);

// Twenty separate writes, as the High Scores dialog's OK does them.
void BM_SaveHighScoreList(benchmark::State& state)
{
    CBenchStore store;
    int round = 0;
    for (auto _ : state) WriteHighScores(++round);
}
BENCHMARK(BM_SaveHighScoreList)->Unit(benchmark::kMicrosecond);

// The same twenty writes in one transaction.
void BM_SaveHighScoreListInOneTransaction(benchmark::State& state)
{
    CBenchStore store;
    int round = 0;
    for (auto _ : state) RegTransaction([&] { WriteHighScores(++round); });
}
BENCHMARK(BM_SaveHighScoreListInOneTransaction)->Unit(benchmark::kMicrosecond);

}  // namespace
