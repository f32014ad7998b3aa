#include "scores/Statistics.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "framework/Registry.h"
#include "framework/Settings.h"
#include "framework/Resources.h"
#include "framework/Shell.h"
#include "resources/StringIds.h"

namespace {
std::int32_t Read(const char* name, std::int32_t def)
{
    return ReadRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), name, def);
}

void Write(const char* name, std::int32_t value)
{
    WriteRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), name, value);  // failures ignored
}

// The running mean over n + 1 hands, from the mean over n hands as it was
// stored (already rounded). The divisor is single precision and halves round
// up, so stored averages come out the same as they always have.
std::int32_t NextMean(std::int32_t mean, std::int32_t n, std::int32_t value)
{
    if (n < 0)  // not a count (a damaged store): the mean starts afresh
        n = 0;
    const float divisor = static_cast<float>(static_cast<std::int64_t>(n) + 1);
    const std::int64_t total = static_cast<std::int64_t>(mean) * n + value;
    const double rounded = static_cast<double>(static_cast<float>(total) / divisor) + 0.5;
    // Only damaged values can take it out of range; it then stays at the end.
    return static_cast<std::int32_t>(std::clamp(rounded, -2147483648.0, 2147483647.0));
}

// A count one up, wrapping like the registry's DWORD (a stored count may be anything).
std::int32_t OneMore(std::int32_t count) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(count) + 1u); }

std::string Format(unsigned formatId, int a, int b = 0)
{
    char text[256];
    std::snprintf(text, sizeof text, ResString(formatId), a, b);
    return text;
}

// "%d (out of %d)" when the hand had a possible score, else "%d".
std::string ScoreText(const char* scoreName, const char* possibleName)
{
    const int score = Read(scoreName, 0);
    const int possible = Read(possibleName, 0);
    return possible != 0 ? Format(kStrScoreOutOfPossibleFormat, score, possible) : Format(kStrCountFormat, score);
}

void RecordHandValues(int reason, int score, int scorePossible)
{
    if (reason == kEndReplayed) {
        Write("GamesReplayed", OneMore(Read("GamesReplayed", 0)));
        return;
    }
    Write("LatestScore", score);
    Write("LatestScorePossible", scorePossible);
    const std::int32_t n = Read("GamesPlayed", 0);
    Write("GamesPlayed", OneMore(n));
    if (reason == kEndFinished || reason == kEndTimeUp)
        Write("GamesWon", OneMore(Read("GamesWon", 0)));
    Write("AverageScore", NextMean(Read("AverageScore", 0), n, score));
    Write("AverageScorePossible", NextMean(Read("AverageScorePossible", 0), n, scorePossible));
    // The first hand recorded (ever, or since a reset) is both the best and the
    // worst so far, whatever its score.
    if (n == 0 || score > Read("BestScore", 0)) {
        Write("BestScore", score);
        Write("BestScorePossible", scorePossible);
    }
    if (n == 0 || score < Read("WorstScore", 1000)) {
        Write("WorstScore", score);
        Write("WorstScorePossible", scorePossible);
    }
}
}  // namespace

// Each update is one transaction: a hand is recorded whole or not at all,
// and two running instances never lose each other's counts.
void RecordHand(int reason, int score, int scorePossible)
{
    RegTransaction([&] { RecordHandValues(reason, score, scorePossible); });
}

void CountSkippedHand()
{
    RegTransaction([] { Write("GamesSkipped", OneMore(Read("GamesSkipped", 0))); });
}

void ResetStatistics()
{
    RegTransaction([] {
        for (const char* name : {"GamesPlayed", "GamesSkipped", "GamesWon", "GamesReplayed", "AverageScore",
                                 "AverageScorePossible", "BestScore", "BestScorePossible", "WorstScore",
                                 "WorstScorePossible"})
            Write(name, 0);
    });
}

StatisticsText FormatStatistics()
{
    StatisticsText t;
    t.latest = ScoreText("LatestScore", "LatestScorePossible");
    t.average = ScoreText("AverageScore", "AverageScorePossible");
    t.best = ScoreText("BestScore", "BestScorePossible");
    t.worst = ScoreText("WorstScore", "WorstScorePossible");
    const int resigned = Read("GamesSkipped", 0);
    const int finished = Read("GamesWon", 0);
    const std::int64_t total = static_cast<std::int64_t>(resigned) + finished;
    const std::int64_t divisor = total >= 1 ? total : 1;
    t.resigned = Format(kStrCountAndPercentFormat, resigned, static_cast<int>(static_cast<std::int64_t>(resigned) * 100 / divisor));
    t.finished = Format(kStrCountAndPercentFormat, finished, static_cast<int>(static_cast<std::int64_t>(finished) * 100 / divisor));
    t.played = Format(kStrCountFormat, static_cast<int>(total));
    t.replayed = Format(kStrCountFormat, Read("GamesReplayed", 0));
    return t;
}
