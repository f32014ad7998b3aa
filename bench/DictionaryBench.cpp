// The word dictionary on the shipped "words.lst", each measurement beside its
// yardstick: loading against reading the file and splitting it into lines with
// plain standard-library code, and lookups against an unordered_set of the
// same words.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "dictionary/Dictionary.h"
#include "framework/Random.h"

namespace {

const std::string& WordsPath()
{
    static const std::string path = std::string(GLYPHERY_SOURCE_DIR) + "/data/words.lst";
    return path;
}

std::vector<std::string> ReadLines()
{
    std::ifstream in(WordsPath(), std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        size_t len = end - at;
        if (len > 0 && text[at + len - 1] == '\r') --len;
        lines.emplace_back(text, at, len);
        at = end + 1;
    }
    return lines;
}

const CDictionary& SharedDictionary()
{
    static CDictionary* dict = [] {
        auto* d = new CDictionary;
        d->LoadList(WordsPath());
        return d;
    }();
    return *dict;
}

// A third each of words, near misses and beginnings of words, in random order.
const std::vector<std::string>& Queries()
{
    static const std::vector<std::string> queries = [] {
        const std::vector<std::string> words = ReadLines();
        std::vector<std::string> q;
        ProgramRandom().Seed(12345);
        for (int i = 0; i < 3000; ++i) {
            std::string w = words[static_cast<size_t>(ProgramRandom().InRange(static_cast<int>(words.size()), 0))];
            if (i % 3 == 1) w[static_cast<size_t>(ProgramRandom().InRange(static_cast<int>(w.size()), 0))] = 'q';
            if (i % 3 == 2) w.resize((w.size() + 1) / 2);
            q.push_back(w);
        }
        return q;
    }();
    return queries;
}

}  // namespace

static void BM_LoadFloor_ReadAndSplitLines(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadLines());
}
BENCHMARK(BM_LoadFloor_ReadAndSplitLines)->Unit(benchmark::kMillisecond);

static void BM_Load_Dictionary(benchmark::State& state)
{
    for (auto _ : state) {
        CDictionary dict;
        benchmark::DoNotOptimize(dict.LoadList(WordsPath()));
    }
}
BENCHMARK(BM_Load_Dictionary)->Unit(benchmark::kMillisecond);

// Loading plus one IsWord and one IsPrefix per letter: the first questions
// build the lookup tables of each letter.
static void BM_Load_ThenFirstLookups(benchmark::State& state)
{
    for (auto _ : state) {
        CDictionary dict;
        dict.LoadList(WordsPath());
        for (char c = 'a'; c <= 'z'; ++c) {
            const char word[] = {c, 'a', 't', 0};
            benchmark::DoNotOptimize(dict.IsWord(word) + dict.IsPrefix(word));
        }
    }
}
BENCHMARK(BM_Load_ThenFirstLookups)->Unit(benchmark::kMillisecond);

static void BM_Lookup_HashSet(benchmark::State& state)
{
    const std::vector<std::string> words = ReadLines();
    const std::unordered_set<std::string> set(words.begin(), words.end());
    const auto& queries = Queries();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(set.find(queries[i]) != set.end());
        if (++i == queries.size()) i = 0;
    }
}
BENCHMARK(BM_Lookup_HashSet);

static void BM_Lookup_IsWord(benchmark::State& state)
{
    const CDictionary& dict = SharedDictionary();
    const auto& queries = Queries();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dict.IsWord(queries[i].c_str()));
        if (++i == queries.size()) i = 0;
    }
}
BENCHMARK(BM_Lookup_IsWord);

static void BM_Lookup_IsPrefix(benchmark::State& state)
{
    const CDictionary& dict = SharedDictionary();
    const auto& queries = Queries();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dict.IsPrefix(queries[i].c_str()));
        if (++i == queries.size()) i = 0;
    }
}
BENCHMARK(BM_Lookup_IsPrefix);

static void BM_GetRandomWord(benchmark::State& state)
{
    const CDictionary& dict = SharedDictionary();
    const int length = static_cast<int>(state.range(0));
    ProgramRandom().Seed(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(dict.GetRandomWord(ProgramRandom(), length));
}
BENCHMARK(BM_GetRandomWord)->DenseRange(2, 15);

static void BM_FindShortestWord(benchmark::State& state)
{
    const CDictionary& dict = SharedDictionary();
    static const char* const kPrefixes[] = {"th", "qu", "str", "pre", "unb", "ex", "zy", "cont", "ab", "wor"};
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dict.FindShortestWord(kPrefixes[i]));
        if (++i == std::size(kPrefixes)) i = 0;
    }
}
BENCHMARK(BM_FindShortestWord);
